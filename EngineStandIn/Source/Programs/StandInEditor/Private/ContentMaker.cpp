#include "ContentMaker.h"

#include "Animation/AnimBlueprint.h"
#include "Animation/AnimBlueprintGeneratedClass.h"
#include "Animation/AnimInstance.h"
#include "Animation/Skeleton.h"
#include "BlueprintClasses.h"
#include "Engine/Blueprint.h"
#include "Engine/BlueprintGeneratedClass.h"
#include "Engine/Level.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture.h"
#include "Engine/World.h"
#include "ExternalActorPackages.h"
#include "TextureImages.h"
#include "GameFramework/Actor.h"
#include "Materials/MaterialInterface.h"
#include "Misc/PackageName.h"
#include "Misc/ScopedSlowTask.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include "Z4Package.h"

#define LOCTEXT_NAMESPACE "StandInEditorContent"

namespace UE::StandInEditor
{
	namespace
	{
		FString AssetObjectPath(const FString& Reference)
		{
			return Reference.Contains(TEXT(".")) ? Reference : Reference + TEXT(".") + FPackageName::GetShortName(Reference);
		}

		bool IsBlueprintClass(const UClass* Class)
		{
			return Class->IsChildOf(UBlueprint::StaticClass());
		}

		// Which keys of a description each kind of asset takes, beyond its class and package.
		bool CheckKeys(const FAssetDescription& Asset, const UClass* Class, FString& OutError)
		{
			const bool bBlueprint = IsBlueprintClass(Class);
			const bool bHoldsReferences = bBlueprint || Class->IsChildOf(UMaterialInterface::StaticClass()) || Class->IsChildOf(UStaticMesh::StaticClass()) || Class->IsChildOf(USkeletalMesh::StaticClass());
			const struct
			{
				bool bGiven;
				bool bAllowed;
				const TCHAR* Key;
			} Keys[] = {
				{!Asset.References.IsEmpty(), bHoldsReferences, TEXT("References")},
				{!Asset.SoftReferences.IsEmpty(), bBlueprint, TEXT("SoftReferences")},
				{!Asset.Skeleton.IsEmpty(), Class->IsChildOf(USkeletalMesh::StaticClass()) || Class->IsChildOf(UAnimBlueprint::StaticClass()), TEXT("Skeleton")},
				{!Asset.ParentClass.IsEmpty(), bBlueprint, TEXT("ParentClass")},
				{!Asset.Actors.IsEmpty(), Class->IsChildOf(UWorld::StaticClass()), TEXT("Actors")},
				{!Asset.ExternalActors.IsEmpty(), Class->IsChildOf(UWorld::StaticClass()), TEXT("ExternalActors")},
				{!Asset.PublicName.IsEmpty(), Class->IsChildOf(UZ4Package::StaticClass()), TEXT("Name")},
			};
			for (const auto& Key : Keys)
			{
				if (Key.bGiven && !Key.bAllowed)
				{
					OutError = FString::Printf(TEXT("%s: a %s takes no \"%s\""), *Asset.Label, *Class->GetName(), Key.Key);
					return false;
				}
			}
			return true;
		}

		const FString& PackageExtension(const UObject* Asset)
		{
			return Asset->IsA<UWorld>() ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension();
		}
	}

	bool FContentMaker::Make(const TArray<FAssetDescription>& Assets, FString& OutError)
	{
		if (!CheckNothingExists(Assets, OutError))
		{
			return false;
		}
		MadeAssets.Reserve(Assets.Num());
		for (const FAssetDescription& Asset : Assets)
		{
			if (!CreateAsset(Asset, OutError))
			{
				return false;
			}
		}
		// Blueprints first and in the order given: levels place actors of their classes, and a blueprint
		// can derive from one described before it.
		for (const FMadeAsset& Made : MadeAssets)
		{
			if (IsBlueprintClass(Made.Class) && !CompileBlueprint(Made, OutError))
			{
				return false;
			}
		}
		FScopedSlowTask Progress(MadeAssets.Num() * 2, LOCTEXT("MakingContent", "Making content"));
		Progress.MakeDialog();
		for (const FMadeAsset& Made : MadeAssets)
		{
			Progress.EnterProgressFrame(1, FText::FromString(FString::Printf(TEXT("Making %s"), *Made.Asset->GetName())));
			if (!FillAsset(Made, OutError))
			{
				return false;
			}
		}
		return SaveAll(Progress, OutError);
	}

	bool FContentMaker::CheckNothingExists(const TArray<FAssetDescription>& Assets, FString& OutError) const
	{
		for (const FAssetDescription& Asset : Assets)
		{
			FString Filename;
			if (FPackageName::DoesPackageExist(Asset.PackageName, &Filename))
			{
				OutError = FString::Printf(TEXT("%s: the package exists already (%s); content descriptions never replace assets"), *Asset.Label, *Filename);
				return false;
			}
		}
		return true;
	}

	bool FContentMaker::CreateAsset(const FAssetDescription& Description, FString& OutError)
	{
		UClass* Class = FindClass(Description.ClassName);
		if (!Class || !Class->IsNative())
		{
			OutError = FString::Printf(TEXT("%s: unknown class \"%s\""), *Description.Label, *Description.ClassName);
			return false;
		}
		if (Class->HasAnyClassFlags(CLASS_Abstract) || Class->IsChildOf(AActor::StaticClass()) || Class->IsChildOf(UField::StaticClass()) || Class->IsChildOf(UPackage::StaticClass()))
		{
			OutError = FString::Printf(TEXT("%s: the class %s cannot be an asset of its own"), *Description.Label, *Class->GetName());
			return false;
		}
		if (!CheckKeys(Description, Class, OutError))
		{
			return false;
		}

		UPackage* Package = CreatePackage(*Description.PackageName);
		UObject* Asset = NewObject<UObject>(Package, Class, FName(*FPackageName::GetShortName(Description.PackageName)), RF_Public | RF_Standalone | RF_Transactional);
		MadeByPackage.Add(Description.PackageName, MadeAssets.Num());
		MadeAssets.Add({&Description, Class, Asset});
		PackagesToSave.Emplace(Package, Asset);
		return true;
	}

	bool FContentMaker::CompileBlueprint(const FMadeAsset& Made, FString& OutError)
	{
		const FAssetDescription& Description = *Made.Description;
		const bool bAnimation = Made.Class->IsChildOf(UAnimBlueprint::StaticClass());
		UClass* DefaultParent = bAnimation ? UAnimInstance::StaticClass() : AActor::StaticClass();
		UClass* Parent = Description.ParentClass.IsEmpty() ? DefaultParent : FindClass(Description.ParentClass);
		if (!Parent)
		{
			OutError = FString::Printf(TEXT("%s: the parent class %s is neither a native class nor a blueprint described before this one or in the project"), *Description.Label, *Description.ParentClass);
			return false;
		}

		TArray<FBlueprintReference> References;
		auto AddReference = [&](const FString& Reference, bool bSoft) -> bool
		{
			FBlueprintReference& Added = References.AddDefaulted_GetRef();
			Added.PropertyName = FName(*FPackageName::GetShortName(FPackageName::ObjectPathToPackageName(Reference)));
			Added.Object = FindAsset(Reference);
			Added.PropertyClass = Added.Object ? Added.Object->GetClass() : UObject::StaticClass();
			if (bSoft)
			{
				Added.SoftPath = AssetObjectPath(Reference);
				Added.Object = nullptr;
			}
			else if (!Added.Object)
			{
				OutError = FString::Printf(TEXT("%s refers to %s, which is neither described nor in the project"), *Description.Label, *Reference);
				return false;
			}
			for (int32 Index = 0; Index + 1 < References.Num(); ++Index)
			{
				if (References[Index].PropertyName == Added.PropertyName)
				{
					OutError = FString::Printf(TEXT("%s refers to two assets named %s; a blueprint's default properties are named after the assets"), *Description.Label, *Added.PropertyName.ToString());
					return false;
				}
			}
			return true;
		};
		for (const FString& Reference : Description.References)
		{
			if (!AddReference(Reference, false))
			{
				return false;
			}
		}
		for (const FString& Reference : Description.SoftReferences)
		{
			if (!AddReference(Reference, true))
			{
				return false;
			}
		}

		UBlueprint* Blueprint = CastChecked<UBlueprint>(Made.Asset);
		UClass* GeneratedClassType = bAnimation ? UAnimBlueprintGeneratedClass::StaticClass() : UBlueprintGeneratedClass::StaticClass();
		CompileBlueprintClass(Blueprint, Parent, GeneratedClassType, References);
		return true;
	}

	bool FContentMaker::FillAsset(const FMadeAsset& Made, FString& OutError)
	{
		const FAssetDescription& Description = *Made.Description;
		if (UMaterialInterface* Material = Cast<UMaterialInterface>(Made.Asset))
		{
			for (const FString& Reference : Description.References)
			{
				UTexture* Texture = nullptr;
				if (!FindReferenced(Made, Reference, TEXT("textures"), Texture, OutError))
				{
					return false;
				}
				Material->ReferencedTextures.Add(Texture);
			}
		}
		else if (UStaticMesh* StaticMesh = Cast<UStaticMesh>(Made.Asset))
		{
			TArray<FStaticMaterial> Slots;
			for (const FString& Reference : Description.References)
			{
				FStaticMaterial& Slot = Slots.AddDefaulted_GetRef();
				UMaterialInterface* SlotMaterial = nullptr;
				if (!FindReferenced(Made, Reference, TEXT("materials"), SlotMaterial, OutError))
				{
					return false;
				}
				Slot.MaterialInterface = SlotMaterial;
				Slot.MaterialSlotName = SlotMaterial->GetFName();
			}
			StaticMesh->SetStaticMaterials(Slots);
		}
		else if (USkeletalMesh* SkeletalMesh = Cast<USkeletalMesh>(Made.Asset))
		{
			TArray<FSkeletalMaterial> Slots;
			for (const FString& Reference : Description.References)
			{
				FSkeletalMaterial& Slot = Slots.AddDefaulted_GetRef();
				UMaterialInterface* SlotMaterial = nullptr;
				if (!FindReferenced(Made, Reference, TEXT("materials"), SlotMaterial, OutError))
				{
					return false;
				}
				Slot.MaterialInterface = SlotMaterial;
				Slot.MaterialSlotName = SlotMaterial->GetFName();
			}
			SkeletalMesh->SetMaterials(Slots);
			USkeleton* Skeleton = nullptr;
			if (!Description.Skeleton.IsEmpty() && !FindReferenced(Made, Description.Skeleton, TEXT("skeletons"), Skeleton, OutError))
			{
				return false;
			}
			SkeletalMesh->SetSkeleton(Skeleton);
		}
		else if (UAnimBlueprint* AnimBlueprint = Cast<UAnimBlueprint>(Made.Asset))
		{
			USkeleton* Skeleton = nullptr;
			if (!Description.Skeleton.IsEmpty() && !FindReferenced(Made, Description.Skeleton, TEXT("skeletons"), Skeleton, OutError))
			{
				return false;
			}
#if WITH_EDITORONLY_DATA
			AnimBlueprint->TargetSkeleton = Skeleton;
#endif
		}
		else if (UTexture* Texture = Cast<UTexture>(Made.Asset))
		{
			if (!MakeTextureImage(*Texture, OutError))
			{
				OutError = FString::Printf(TEXT("%s: %s"), *Description.Label, *OutError);
				return false;
			}
		}
		else if (UZ4Package* Package = Cast<UZ4Package>(Made.Asset))
		{
			if (!Description.PublicName.IsEmpty())
			{
				Package->Data.Name = FName(*Description.PublicName);
			}
		}
		else if (Made.Asset->IsA<UWorld>())
		{
			return PlaceActors(Made, OutError);
		}
		return true;
	}

	bool FContentMaker::PlaceActors(const FMadeAsset& Made, FString& OutError)
	{
		const FAssetDescription& Description = *Made.Description;
		UWorld* World = CastChecked<UWorld>(Made.Asset);
		ULevel* Level = NewObject<ULevel>(World, TEXT("PersistentLevel"), RF_Transactional);
		World->PersistentLevel = Level;
		// Numbered per class across both lists: external actors do not live in the level, so the level
		// cannot make their names unique.
		TMap<FName, int32> NextActorNumber;
		auto Place = [&](const FString& ClassName, bool bExternal) -> bool
		{
			UClass* ActorClass = FindClass(ClassName);
			if (!ActorClass || !ActorClass->IsChildOf(AActor::StaticClass()) || ActorClass->HasAnyClassFlags(CLASS_Abstract))
			{
				OutError = FString::Printf(TEXT("%s: the actor class %s is neither a native actor class nor a blueprint of actors, described or in the project"), *Description.Label, *ClassName);
				return false;
			}
			const FName ActorName(*FString::Printf(TEXT("%s_%d"), *ActorClass->GetName(), NextActorNumber.FindOrAdd(ActorClass->GetFName())++));
			UObject* Outer = Level;
			if (bExternal)
			{
				// Each of these actors is saved in a package of its own, which the level refers to.
				UPackage* ActorPackage = CreatePackage(*MakeExternalActorPackageName(Description.PackageName, ActorName.ToString()));
				Outer = ActorPackage;
			}
			AActor* Actor = NewObject<AActor>(Outer, ActorClass, ActorName, bExternal ? RF_Public | RF_Transactional : RF_Transactional);
			Level->Actors.Add(Actor);
			if (bExternal)
			{
				PackagesToSave.Emplace(Actor->GetPackage(), Actor);
			}
			return true;
		};
		for (const FString& ClassName : Description.Actors)
		{
			if (!Place(ClassName, false))
			{
				return false;
			}
		}
		for (const FString& ClassName : Description.ExternalActors)
		{
			if (!Place(ClassName, true))
			{
				return false;
			}
		}
		return true;
	}

	bool FContentMaker::SaveAll(FSlowTask& Progress, FString& OutError)
	{
		FSavePackageArgs SaveArgs;
		SaveArgs.TopLevelFlags = RF_Standalone;
		for (const TPair<UPackage*, UObject*>& Item : PackagesToSave)
		{
			const FString PackageName = Item.Key->GetName();
			Progress.EnterProgressFrame(float(MadeAssets.Num()) / PackagesToSave.Num(), FText::FromString(FString::Printf(TEXT("Saving %s"), *PackageName)));
			const FString Filename = FPackageName::LongPackageNameToFilename(PackageName, PackageExtension(Item.Value));
			if (!UPackage::Save(Item.Key, Item.Value, *Filename, SaveArgs).IsSuccessful())
			{
				OutError = FString::Printf(TEXT("%s cannot be written (see the error above); the packages written before it stay"), *Filename);
				return false;
			}
			SavedPackages.Add(PackageName);
		}
		return true;
	}

	UObject* FContentMaker::FindAsset(const FString& Reference) const
	{
		if (const int32* Index = MadeByPackage.Find(FPackageName::ObjectPathToPackageName(Reference)))
		{
			return MadeAssets[*Index].Asset;
		}
		return StaticLoadObject(UObject::StaticClass(), nullptr, *AssetObjectPath(Reference), nullptr, LOAD_NoWarn);
	}

	template <class T>
	bool FContentMaker::FindReferenced(const FMadeAsset& Made, const FString& Reference, const TCHAR* What, T*& OutObject, FString& OutError) const
	{
		UObject* Object = FindAsset(Reference);
		if (!Object)
		{
			OutError = FString::Printf(TEXT("%s refers to %s, which is neither described nor in the project"), *Made.Description->Label, *Reference);
			return false;
		}
		OutObject = Cast<T>(Object);
		if (!OutObject)
		{
			OutError = FString::Printf(TEXT("%s: a %s refers to %s here, and %s is a %s"), *Made.Description->Label, *Made.Class->GetName(), What, *Reference, *Object->GetClass()->GetName());
			return false;
		}
		return true;
	}

	UClass* FContentMaker::FindClass(const FString& Name) const
	{
		if (Name.StartsWith(TEXT("/Script/")) || !Name.StartsWith(TEXT("/")))
		{
			const FTopLevelAssetPath Path = UClass::TryConvertShortTypeNameToPathName<UClass>(Name);
			return Path.IsValid() ? FindObject<UClass>(nullptr, *Path.ToString()) : nullptr;
		}
		// A blueprint's package: the class it generates.
		if (const UBlueprint* Blueprint = Cast<UBlueprint>(FindAsset(Name)))
		{
			return Blueprint->GeneratedClass.Get();
		}
		return Cast<UClass>(StaticLoadObject(UClass::StaticClass(), nullptr, *Name, nullptr, LOAD_NoWarn));
	}
}

#undef LOCTEXT_NAMESPACE
