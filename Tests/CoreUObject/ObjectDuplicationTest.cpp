// Duplicating objects into another package, switching references with the reference-replacing archive, and loading
// through a redirector: the engine's rules that copying a dependency into a package relies on.
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Materials/Material.h"
#include "Serialization/ArchiveReplaceObjectRef.h"
#include "StandIn/TestProject.h"
#include "UObject/ObjectRedirector.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	class FObjectDuplicationTest : public ::testing::Test
	{
	protected:
		FTestProject Project;
		FStandInEngine Engine{Project, false};

		template <class T>
		static T* NewAsset(const TCHAR* PackageName, const TCHAR* Name)
		{
			return NewObject<T>(CreatePackage(PackageName), Name, RF_Public | RF_Standalone);
		}
	};
}

// A material holds a texture of its own (inside it) and one of another package. The duplicate gets a copy of the inner
// one and keeps the outer one; the flags mask decides which of the source's flags the duplicate takes.
TEST_F(FObjectDuplicationTest, TheDuplicateHoldsCopiesOfItsInnerObjectsAndKeepsOtherReferences)
{
	UTexture2D* Shared = NewAsset<UTexture2D>(TEXT("/Game/Textures/T_Shared"), TEXT("T_Shared"));
	UMaterial* Source = NewAsset<UMaterial>(TEXT("/Game/Materials/M_Wood"), TEXT("M_Wood"));
	Source->SetFlags(RF_Transactional);
	UTexture2D* Inner = NewObject<UTexture2D>(Source, TEXT("Grain"));
	Source->ReferencedTextures = {Inner, Shared};

	UObject* Duplicate = StaticDuplicateObject(Source, CreatePackage(TEXT("/Game/Pack/M_Copy")), TEXT("M_Copy"), RF_Public | RF_Transactional);

	UMaterial* Copy = Cast<UMaterial>(Duplicate);
	ASSERT_NE(Copy, nullptr);
	EXPECT_EQ(Copy->GetPathName(), TEXT("/Game/Pack/M_Copy.M_Copy"));
	EXPECT_TRUE(Copy->HasAllFlags(RF_Public | RF_Transactional));
	EXPECT_FALSE(Copy->HasAnyFlags(RF_Standalone)) << "masked out";
	ASSERT_EQ(Copy->ReferencedTextures.Num(), 2);
	UTexture* CopiedInner = Copy->ReferencedTextures[0];
	ASSERT_NE(CopiedInner, nullptr);
	EXPECT_NE(CopiedInner, Inner);
	EXPECT_EQ(CopiedInner->GetOuter(), Copy);
	EXPECT_EQ(CopiedInner->GetName(), TEXT("Grain"));
	EXPECT_EQ(Copy->ReferencedTextures[1], Shared);
	EXPECT_EQ(Source->ReferencedTextures[0], Inner) << "the source is left as it was";
	EXPECT_EQ(StaticDuplicateObject(nullptr, CreatePackage(TEXT("/Game/Pack/M_None")), TEXT("M_None")), nullptr);
}

// A mesh holds its material inside it; the archive switches the references of both, to a replacement or to null, and
// leaves objects outside the mesh alone.
TEST_F(FObjectDuplicationTest, ReplacingReferencesReachesTheObjectsInsideTheSearchObjectOnly)
{
	UTexture2D* Old = NewAsset<UTexture2D>(TEXT("/Game/Textures/T_Old"), TEXT("T_Old"));
	UTexture2D* New = NewAsset<UTexture2D>(TEXT("/Game/Textures/T_New"), TEXT("T_New"));
	UTexture2D* Dropped = NewAsset<UTexture2D>(TEXT("/Game/Textures/T_Dropped"), TEXT("T_Dropped"));
	UStaticMesh* Mesh = NewAsset<UStaticMesh>(TEXT("/Game/Pack/SM_Rock"), TEXT("SM_Rock"));
	UMaterial* InnerMaterial = NewObject<UMaterial>(Mesh, TEXT("Skin"));
	InnerMaterial->ReferencedTextures = {Old, Dropped, Old};
	FStaticMaterial Slot;
	Slot.MaterialInterface = InnerMaterial;
	Mesh->SetStaticMaterials({Slot});
	UMaterial* Elsewhere = NewAsset<UMaterial>(TEXT("/Game/Pack/M_Elsewhere"), TEXT("M_Elsewhere"));
	Elsewhere->ReferencedTextures = {Old};
	const TMap<UObject*, UObject*> Replacements = {{Old, New}, {Dropped, nullptr}};

	FArchiveReplaceObjectRef<UObject> Archive(Mesh, Replacements, EArchiveReplaceObjectFlags::None);

	EXPECT_EQ(Archive.GetCount(), 3);
	EXPECT_EQ(InnerMaterial->ReferencedTextures, TArray<TObjectPtr<UTexture>>({New, nullptr, New}));
	EXPECT_EQ(Mesh->GetStaticMaterials()[0].MaterialInterface, InnerMaterial);
	EXPECT_EQ(Elsewhere->ReferencedTextures, TArray<TObjectPtr<UTexture>>({Old}));

	const TMap<UObject*, UObject*> NoReplacements;
	EXPECT_EQ(FArchiveReplaceObjectRef<UObject>(Elsewhere, NoReplacements, EArchiveReplaceObjectFlags::None).GetCount(), 0);
}

// A texture moved to /Game/Textures left a redirector at /Game/Old. Loading the old path gives the texture, unless the
// redirector itself is asked for.
TEST_F(FObjectDuplicationTest, LoadingThroughARedirectorGivesItsDestination)
{
	Project.WriteFile(TEXT("Content/Textures/T_Wood.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "T_Wood", "Class": "/Script/Engine.Texture2D", "Outer": -1, "Flags": 3, "Properties": {}}]})"));
	Project.WriteFile(TEXT("Content/Old/T_Wood.uasset"), TEXT(R"({"Format": "UnrealStandInPackage", "Version": 1, "Objects": [
		{"Name": "T_Wood", "Class": "/Script/CoreUObject.ObjectRedirector", "Outer": -1, "Flags": 3,
		 "Properties": {"DestinationObject": "/Game/Textures/T_Wood.T_Wood"}}], "Imports": ["/Game/Textures/T_Wood"]})"));

	UObject* Loaded = StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/Old/T_Wood.T_Wood"));

	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->GetPathName(), TEXT("/Game/Textures/T_Wood.T_Wood"));
	EXPECT_EQ(LoadObject<UTexture2D>(nullptr, TEXT("/Game/Old/T_Wood.T_Wood")), Loaded);
	const UObjectRedirector* Redirector = LoadObject<UObjectRedirector>(nullptr, TEXT("/Game/Old/T_Wood.T_Wood"));
	ASSERT_NE(Redirector, nullptr);
	EXPECT_EQ(Redirector->DestinationObject, Loaded);
	EXPECT_TRUE(StaticLoadObject(UObject::StaticClass(), nullptr, TEXT("/Game/Old/T_Wood.T_Wood"), nullptr, LOAD_NoRedirects)->IsA<UObjectRedirector>());
}
