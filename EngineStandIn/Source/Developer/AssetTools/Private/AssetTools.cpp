#include "AssetTools.h"
#include "Factories/Factory.h"
#include "Misc/FeedbackContext.h"
#include "Misc/PackageName.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

DEFINE_LOG_CATEGORY(LogAssetTools);

#define LOCTEXT_NAMESPACE "AssetTools"

FAssetTools::FAssetTools()
	: NextUserCategoryBit(EAssetTypeCategories::FirstUser)
{
	// The engine's own categories, under keys no registration can meet.
	const TPair<EAssetTypeCategories::Type, FText> BuiltIn[] = {
		{EAssetTypeCategories::Basic, LOCTEXT("BasicAssetCategory", "Basic")},
		{EAssetTypeCategories::Animation, LOCTEXT("AnimAssetCategory", "Animation")},
		{EAssetTypeCategories::Materials, LOCTEXT("MaterialAssetCategory", "Material")},
		{EAssetTypeCategories::Sounds, LOCTEXT("SoundAssetCategory", "Audio")},
		{EAssetTypeCategories::Physics, LOCTEXT("PhysicsAssetCategory", "Physics")},
		{EAssetTypeCategories::UI, LOCTEXT("UserInterfaceAssetCategory", "User Interface")},
		{EAssetTypeCategories::Misc, LOCTEXT("MiscellaneousAssetCategory", "Miscellaneous")},
		{EAssetTypeCategories::Gameplay, LOCTEXT("GameplayAssetCategory", "Gameplay")},
		{EAssetTypeCategories::Blueprint, LOCTEXT("BlueprintAssetCategory", "Blueprint")},
		{EAssetTypeCategories::Media, LOCTEXT("MediaAssetCategory", "Media")},
		{EAssetTypeCategories::Textures, LOCTEXT("TextureAssetCategory", "Texture")},
	};
	int32 Index = 0;
	for (const TPair<EAssetTypeCategories::Type, FText>& Category : BuiltIn)
	{
		AllocatedCategoryBits.Add(FName(*FString::Printf(TEXT("_BuiltIn_%d"), Index++)), FAdvancedAssetCategory(Category.Key, Category.Value));
	}
}

void FAssetTools::RegisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& NewActions)
{
	AssetTypeActionsList.Add(NewActions);
}

void FAssetTools::UnregisterAssetTypeActions(const TSharedRef<IAssetTypeActions>& ActionsToRemove)
{
	AssetTypeActionsList.RemoveAll([&ActionsToRemove](const TSharedRef<IAssetTypeActions>& Actions) { return Actions == ActionsToRemove; });
}

void FAssetTools::GetAssetTypeActionsList(TArray<TWeakPtr<IAssetTypeActions>>& OutAssetTypeActionsList) const
{
	for (const TSharedRef<IAssetTypeActions>& Actions : AssetTypeActionsList)
	{
		OutAssetTypeActionsList.Add(Actions);
	}
}

TWeakPtr<IAssetTypeActions> FAssetTools::GetAssetTypeActionsForClass(const UClass* Class) const
{
	TSharedPtr<IAssetTypeActions> MostDerived;
	if (!Class)
	{
		return MostDerived;
	}
	for (const TSharedRef<IAssetTypeActions>& Actions : AssetTypeActionsList)
	{
		UClass* SupportedClass = Actions->GetSupportedClass();
		if (SupportedClass && Class->IsChildOf(SupportedClass) &&
			(!MostDerived.IsValid() || SupportedClass->IsChildOf(MostDerived->GetSupportedClass())))
		{
			MostDerived = Actions;
		}
	}
	return MostDerived;
}

EAssetTypeCategories::Type FAssetTools::RegisterAdvancedAssetCategory(FName CategoryKey, FText CategoryDisplayName)
{
	EAssetTypeCategories::Type Result = FindAdvancedAssetCategory(CategoryKey);
	if (Result != EAssetTypeCategories::Misc)
	{
		return Result;
	}
	if (NextUserCategoryBit == 0)
	{
		UE_LOG(LogAssetTools, Warning,
			   TEXT("RegisterAssetTypeCategory(\"%s\", \"%s\") failed as all user bits have been exhausted (placing into the Misc category instead)"),
			   *CategoryKey.ToString(), *CategoryDisplayName.ToString());
		return Result;
	}
	Result = EAssetTypeCategories::Type(NextUserCategoryBit);
	AllocatedCategoryBits.Add(CategoryKey, FAdvancedAssetCategory(Result, CategoryDisplayName));
	NextUserCategoryBit = NextUserCategoryBit == EAssetTypeCategories::LastUser ? 0 : NextUserCategoryBit << 1;
	return Result;
}

EAssetTypeCategories::Type FAssetTools::FindAdvancedAssetCategory(FName CategoryKey) const
{
	const FAdvancedAssetCategory* Found = AllocatedCategoryBits.Find(CategoryKey);
	return Found ? Found->CategoryType : EAssetTypeCategories::Misc;
}

void FAssetTools::GetAllAdvancedAssetCategories(TArray<FAdvancedAssetCategory>& OutCategoryList) const
{
	for (const TPair<FName, FAdvancedAssetCategory>& Entry : AllocatedCategoryBits)
	{
		OutCategoryList.Add(Entry.Value);
	}
}

UObject* FAssetTools::CreateAsset(const FString& AssetName, const FString& PackagePath, UClass* AssetClass, UFactory* Factory,
								  FName CallingContext)
{
	if (!ensure(AssetClass || Factory))
	{
		return nullptr;
	}
	if (AssetClass && Factory && !ensure(AssetClass->IsChildOf(Factory->GetSupportedClass())))
	{
		return nullptr;
	}
	UClass* ClassToUse = AssetClass ? AssetClass : Factory->GetSupportedClass();
	const FString PackageName = PackagePath + TEXT("/") + AssetName;

	// The editor asks before it would overwrite anything; here an asset in the way is reported and nothing is made.
	FText Reason;
	if (AssetName.IsEmpty() || !FPackageName::IsValidLongPackageName(PackageName, false, &Reason))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("Cannot create the asset %s: %s"), *PackageName,
			   Reason.IsEmpty() ? TEXT("it has no name") : *Reason.ToString());
		return nullptr;
	}
	if (FindPackage(nullptr, *PackageName) || FPackageName::DoesPackageExist(PackageName))
	{
		UE_LOG(LogAssetTools, Warning, TEXT("Cannot create the asset %s: an asset already exists at this location."), *PackageName);
		return nullptr;
	}

	UPackage* Package = CreatePackage(*PackageName);
	const EObjectFlags Flags = RF_Public | RF_Standalone | RF_Transactional;
	UObject* NewObj = Factory ? Factory->FactoryCreateNew(ClassToUse, Package, FName(*AssetName), Flags, nullptr, GWarn, CallingContext)
							  : NewObject<UObject>(Package, ClassToUse, FName(*AssetName), Flags);
	if (NewObj)
	{
		Package->MarkPackageDirty();
	}
	return NewObj;
}

#undef LOCTEXT_NAMESPACE
