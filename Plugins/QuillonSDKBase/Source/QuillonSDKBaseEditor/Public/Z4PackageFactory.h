#pragma once

#include "CoreMinimal.h"
#include "Factories/Factory.h"
#include "Z4PackageFactory.generated.h"

/** Makes new, empty package assets from the content browser's new-asset menu. */
UCLASS()
class UZ4PackageFactory : public UFactory
{
	GENERATED_BODY()

public:
	UZ4PackageFactory();

	virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context,
									  FFeedbackContext* Warn) override;
};
