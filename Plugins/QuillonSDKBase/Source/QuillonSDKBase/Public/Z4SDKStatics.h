#pragma once

#include "CoreMinimal.h"
#include "Kismet/BlueprintFunctionLibrary.h"
#include "UObject/TopLevelAssetPath.h"
#include "Z4SDKStatics.generated.h"

struct FSavePackageResultStruct;

UCLASS(NotBlueprintable, NotBlueprintType, Config = Game)
class QUILLONSDKBASE_API UZ4SDKStatics : public UBlueprintFunctionLibrary
{
	GENERATED_BODY()

public:
	/** Saves the package that holds Asset to its file, with the engine's default save arguments. */
	static FSavePackageResultStruct SaveAsset(UObject* Asset);

	/** The full path of the type with a short name such as "World"; the empty path when there is none. */
	static FTopLevelAssetPath TryConvertShortTypeNameToPathName(FName ShortTypeName);
};
