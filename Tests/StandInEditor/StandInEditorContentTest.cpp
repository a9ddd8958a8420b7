// Projects made from a content description: real assets, saved as the editor saves them.
#include "StandInEditorTestSupport.h"

#include "Animation/AnimBlueprint.h"
#include "Animation/AnimInstance.h"
#include "Animation/Skeleton.h"
#include "Engine/Blueprint.h"
#include "Engine/Level.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/Texture2D.h"
#include "Engine/World.h"
#include "GameFramework/Actor.h"
#include "Materials/Material.h"
#include "Misc/FileHelper.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/UnrealType.h"
#include "Z4Package.h"

#include <gtest/gtest.h>

using namespace StandInEditorTest;

namespace
{
	const TCHAR* Description = TEXT(R"({
		"Assets": [
			{ "Class": "Texture2D", "Package": "/Game/Props/Textures/T_Rock" },
			{ "Class": "Material", "Package": "/Game/Props/Materials/M_Rock", "References": [ "/Game/Props/Textures/T_Rock" ] },
			{ "Class": "StaticMesh", "Package": "/Game/Props/SM_Rock", "References": [ "/Game/Props/Materials/M_Rock.M_Rock", "/Engine/BasicShapes/BasicShapeMaterial" ] },
			{ "Class": "Blueprint", "Package": "/Game/Props/BP_Rock", "References": [ "/Game/Props/SM_Rock" ] },
			{ "Class": "Blueprint", "Package": "/Game/Props/BP_BigRock", "ParentClass": "/Game/Props/BP_Rock", "References": [ "/Engine/BasicShapes/Cube" ] },
			{ "Class": "World", "Package": "/Game/Props/Maps/L_Quarry", "Actors": [ "/Game/Props/BP_Rock", "Actor" ],
			  "ExternalActors": [ "/Game/Props/BP_BigRock", "/Game/Props/BP_BigRock" ] },
			{ "Class": "SkeletalMesh", "Package": "/Game/Props/Characters/SK_Golem", "Skeleton": "/Game/Props/Characters/SKEL_Golem", "References": [ "/Game/Props/Materials/M_Rock" ] },
			{ "Class": "Skeleton", "Package": "/Game/Props/Characters/SKEL_Golem" },
			{ "Class": "AnimBlueprint", "Package": "/Game/Props/Characters/ABP_Golem", "Skeleton": "/Game/Props/Characters/SKEL_Golem" },
			{ "Class": "Z4Package", "Package": "/Game/Props/PropsPack", "Name": "Quarry Props" }
		]
	})");

	template <class T>
	T* LoadAsset(const TCHAR* PackageName)
	{
		const FString Name(PackageName);
		return LoadObject<T>(nullptr, *(Name + TEXT(".") + FPackageName::GetShortName(Name)));
	}

	UObject* DefaultReference(UClass* Class, const TCHAR* PropertyName)
	{
		const FObjectProperty* Property = CastField<FObjectProperty>(Class->FindPropertyByName(FName(PropertyName)));
		return Property ? Property->GetObjectPropertyValue_InContainer(Class->GetDefaultObject()) : nullptr;
	}
}

TEST(StandInEditorContentTest, DescriptionBecomesAssetsThatLoadWithTheirReferences)
{
	UE::StandIn::FTestProject Project;
	Project.WriteFile(TEXT("Props.json"), Description);
	const ProgramTest::FProcessResult Made = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Props.json", "-NewPackage=/Game/Other/OtherPack"});
	ASSERT_EQ(Made.ExitCode, 0) << Made.Output;
	EXPECT_NE(Made.Output.find("Made 10 assets (12 packages written)"), std::string::npos) << Made.Output;

	UE::StandIn::FStandInEngine Engine(Project);
	UMaterial* Material = LoadAsset<UMaterial>(TEXT("/Game/Props/Materials/M_Rock"));
	ASSERT_NE(Material, nullptr);
	ASSERT_EQ(Material->ReferencedTextures.Num(), 1);
	EXPECT_EQ(Material->ReferencedTextures[0], LoadAsset<UTexture2D>(TEXT("/Game/Props/Textures/T_Rock")));

	UStaticMesh* Mesh = LoadAsset<UStaticMesh>(TEXT("/Game/Props/SM_Rock"));
	ASSERT_NE(Mesh, nullptr);
	ASSERT_EQ(Mesh->GetStaticMaterials().Num(), 2);
	EXPECT_EQ(Mesh->GetStaticMaterials()[0].MaterialInterface, Material);
	EXPECT_EQ(Mesh->GetStaticMaterials()[1].MaterialInterface->GetPathName(), TEXT("/Engine/BasicShapes/BasicShapeMaterial.BasicShapeMaterial"));

	UBlueprint* Rock = LoadAsset<UBlueprint>(TEXT("/Game/Props/BP_Rock"));
	UBlueprint* BigRock = LoadAsset<UBlueprint>(TEXT("/Game/Props/BP_BigRock"));
	ASSERT_TRUE(Rock && Rock->GeneratedClass && BigRock && BigRock->GeneratedClass);
	EXPECT_EQ(Rock->GeneratedClass->GetSuperClass(), AActor::StaticClass());
	EXPECT_EQ(Rock->GeneratedClass->GetPathName(), TEXT("/Game/Props/BP_Rock.BP_Rock_C"));
	EXPECT_EQ(DefaultReference(Rock->GeneratedClass, TEXT("SM_Rock")), Mesh);
	EXPECT_EQ(BigRock->GeneratedClass->GetSuperClass(), Rock->GeneratedClass.Get()) << "a blueprint derived from a described blueprint";
	EXPECT_EQ(DefaultReference(BigRock->GeneratedClass, TEXT("SM_Rock")), Mesh) << "inherits its parent's defaults";
	EXPECT_NE(DefaultReference(BigRock->GeneratedClass, TEXT("Cube")), nullptr);

	UWorld* Quarry = LoadAsset<UWorld>(TEXT("/Game/Props/Maps/L_Quarry"));
	ASSERT_TRUE(Quarry && Quarry->PersistentLevel);
	const TArray<TObjectPtr<AActor>>& Actors = Quarry->PersistentLevel->Actors;
	ASSERT_EQ(Actors.Num(), 4);
	EXPECT_EQ(Actors[0]->GetClass(), Rock->GeneratedClass.Get());
	EXPECT_EQ(Actors[0]->GetPackage(), Quarry->GetPackage());
	EXPECT_EQ(Actors[1]->GetClass(), AActor::StaticClass());
	for (int32 Index : {2, 3})
	{
		EXPECT_EQ(Actors[Index]->GetClass(), BigRock->GeneratedClass.Get());
		EXPECT_TRUE(Actors[Index]->GetPackage()->GetName().StartsWith(TEXT("/Game/__ExternalActors__/Props/Maps/L_Quarry/"))) << *Actors[Index]->GetPackage()->GetName();
	}
	EXPECT_NE(Actors[2]->GetPackage(), Actors[3]->GetPackage()) << "each external actor has a package of its own";
	EXPECT_TRUE(FPaths::FileExists(Project.GetContentDir() + TEXT("Props/Maps/L_Quarry.umap")));

	USkeleton* Skeleton = LoadAsset<USkeleton>(TEXT("/Game/Props/Characters/SKEL_Golem"));
	USkeletalMesh* Golem = LoadAsset<USkeletalMesh>(TEXT("/Game/Props/Characters/SK_Golem"));
	UAnimBlueprint* GolemAnimation = LoadAsset<UAnimBlueprint>(TEXT("/Game/Props/Characters/ABP_Golem"));
	ASSERT_TRUE(Skeleton && Golem && GolemAnimation);
	EXPECT_EQ(Golem->GetSkeleton(), Skeleton);
	ASSERT_EQ(Golem->GetMaterials().Num(), 1);
	EXPECT_EQ(Golem->GetMaterials()[0].MaterialInterface, Material);
	EXPECT_EQ(GolemAnimation->TargetSkeleton, Skeleton);
	EXPECT_EQ(GolemAnimation->GeneratedClass->GetSuperClass(), UAnimInstance::StaticClass());

	UZ4Package* Package = LoadAsset<UZ4Package>(TEXT("/Game/Props/PropsPack"));
	ASSERT_NE(Package, nullptr);
	EXPECT_EQ(Package->Data.Name, FName(TEXT("Quarry Props")));
	EXPECT_EQ(Package->PackageFolder, TEXT("/Game/Props"));
	UZ4Package* Other = LoadAsset<UZ4Package>(TEXT("/Game/Other/OtherPack"));
	ASSERT_NE(Other, nullptr);
	EXPECT_TRUE(Other->Data.Assets.IsEmpty());
}

TEST(StandInEditorContentTest, RefusedDescriptionLeavesTheProjectAsItWas)
{
	UE::StandIn::FTestProject Project;
	Project.WriteFile(TEXT("Props.json"), Description);
	ASSERT_EQ(RunEditor(Project, {"TestProject.uproject", "-MakeContent=Props.json"}).ExitCode, 0);
	const std::vector<std::string> Before = ProgramTest::ListFiles(UE::StandIn::ToUtf8(Project.GetContentDir()));
	const std::string MeshBefore = ProgramTest::ReadFile(UE::StandIn::ToUtf8(Project.GetContentDir() + TEXT("Props/SM_Rock.uasset")));

	// A new asset first, then one that exists: nothing at all is written.
	Project.WriteFile(TEXT("More.json"), TEXT(R"({ "Assets": [ { "Class": "Texture2D", "Package": "/Game/Props/Textures/T_New" },
		{ "Class": "StaticMesh", "Package": "/Game/Props/SM_Rock" } ] })"));
	const ProgramTest::FProcessResult Again = RunEditor(Project, {"TestProject.uproject", "-MakeContent=More.json"});
	EXPECT_EQ(Again.ExitCode, 1) << Again.Output;
	EXPECT_EQ(ProgramTest::ListFiles(UE::StandIn::ToUtf8(Project.GetContentDir())), Before);
	EXPECT_EQ(ProgramTest::ReadFile(UE::StandIn::ToUtf8(Project.GetContentDir() + TEXT("Props/SM_Rock.uasset"))), MeshBefore);

	// A reference to an asset that is nowhere: refused before anything is written.
	Project.WriteFile(TEXT("Dangling.json"), TEXT(R"({ "Assets": [ { "Class": "Texture2D", "Package": "/Game/Props/Textures/T_New" },
		{ "Class": "Material", "Package": "/Game/Props/Materials/M_New", "References": [ "/Game/Props/Textures/T_Gone" ] } ] })"));
	const ProgramTest::FProcessResult Dangling = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Dangling.json"});
	EXPECT_EQ(Dangling.ExitCode, 1);
	EXPECT_NE(Dangling.Output.find("entry 2 (/Game/Props/Materials/M_New) refers to /Game/Props/Textures/T_Gone, which is neither described nor in the project"), std::string::npos) << Dangling.Output;
	EXPECT_EQ(ProgramTest::ListFiles(UE::StandIn::ToUtf8(Project.GetContentDir())), Before);
}

// A soft reference property declared by content takes the size of a soft pointer in the class's layout.
TEST(StandInEditorContentTest, SoftReferencesOfABlueprintNeedNotExist)
{
	UE::StandIn::FTestProject Project;
	Project.WriteFile(TEXT("Soft.json"), TEXT(R"({ "Assets": [
		{ "Class": "World", "Package": "/Game/Props/Maps/L_Cellar" },
		{ "Class": "Blueprint", "Package": "/Game/Props/BP_Door", "SoftReferences": [ "/Game/Props/Maps/L_Cellar", "/Game/Props/Maps/L_NotMadeYet" ] } ] })"));
	const ProgramTest::FProcessResult Made = RunEditor(Project, {"TestProject.uproject", "-MakeContent=Soft.json"});
	ASSERT_EQ(Made.ExitCode, 0) << Made.Output;

	FString Saved;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Saved, *(Project.GetContentDir() + TEXT("Props/BP_Door.uasset"))));
	EXPECT_TRUE(Saved.Contains(TEXT("\"SoftReferences\": [\n\t\t\"/Game/Props/Maps/L_Cellar\",\n\t\t\"/Game/Props/Maps/L_NotMadeYet\"\n\t]"))) << *Saved;
	UE::StandIn::FStandInEngine Engine(Project);
	UBlueprint* Door = LoadAsset<UBlueprint>(TEXT("/Game/Props/BP_Door"));
	ASSERT_TRUE(Door && Door->GeneratedClass);
	const FProperty* Cellar = Door->GeneratedClass->FindPropertyByName(TEXT("L_Cellar"));
	ASSERT_NE(CastField<FSoftObjectProperty>(Cellar), nullptr);
	EXPECT_EQ(Cellar->ContainerPtrToValuePtr<FSoftObjectPtr>(Door->GeneratedClass->GetDefaultObject())->ToString(), TEXT("/Game/Props/Maps/L_Cellar.L_Cellar"));
}
