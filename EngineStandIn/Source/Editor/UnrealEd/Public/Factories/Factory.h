#pragma once

#include "CoreMinimal.h"
#include "Templates/SubclassOf.h"
#include "UObject/Object.h"
#include "Factory.generated.h"

class FFeedbackContext;

/** Makes assets: new ones from the content browser's new-asset menu, or imported ones from files. */
UCLASS(Abstract, MinimalAPI)
class UFactory : public UObject
{
	GENERATED_BODY()

public:
	UNREALED_API UFactory(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** The class of the assets this factory makes. */
	UPROPERTY()
	TSubclassOf<UObject> SupportedClass;

	/** The file extensions this factory imports, as "ext;Description". */
	UPROPERTY()
	TArray<FString> Formats;

	/** True when the factory makes new assets (it is offered in the new-asset menu). */
	UPROPERTY()
	uint32 bCreateNew : 1;

	/** True when the asset's editor opens as soon as a new asset was made. */
	UPROPERTY()
	uint32 bEditAfterNew : 1;

	/** True when the factory imports files. */
	UPROPERTY()
	uint32 bEditorImport : 1;

	/** True when the factory imports text rather than binary files. */
	UPROPERTY()
	uint32 bText : 1;

	UPROPERTY()
	int32 ImportPriority;

	/** Makes a new asset of InClass named InName inside InParent; null when the factory makes none. */
	UNREALED_API virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags,
												   UObject* Context, FFeedbackContext* Warn, FName CallingContext);
	UNREALED_API virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags,
												   UObject* Context, FFeedbackContext* Warn);

	/** Whether the new-asset menu offers this factory: by default, when it makes new assets. */
	UNREALED_API virtual bool ShouldShowInNewMenu() const;

	/** The menu name: by default the name of the asset type registered for the supported class. */
	UNREALED_API virtual FText GetDisplayName() const;

	/** The menu categories: by default those of the asset type registered for the supported class, else Misc. */
	UNREALED_API virtual uint32 GetMenuCategories() const;

	UNREALED_API virtual FText GetToolTip() const;

	UNREALED_API virtual bool CanCreateNew() const;

	UNREALED_API virtual bool DoesSupportClass(UClass* Class);

	UNREALED_API UClass* GetSupportedClass() const;

	/** The priority of a factory among those that import the same extension. */
	static constexpr int32 DefaultImportPriority = 100;
};
