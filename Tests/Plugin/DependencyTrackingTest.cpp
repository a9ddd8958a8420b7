#include "PackageTestUtils.h"
#include "../Core/CoreTestPrinters.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "HAL/FileManager.h"
#include "Misc/PackageName.h"
#include "Modules/ModuleManager.h"
#include "StandIn/PackageQueryLog.h"
#include "StandIn/TestAssets.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "Z4Package.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;
using namespace UE::Quillon::Test;

namespace
{
	/** A package of a test graph and the packages it lists, hard then soft. */
	struct FNode
	{
		FString Name;
		TArray<FString> Imports;
		TArray<FString> SoftReferences;
	};

	IAssetRegistry& Registry()
	{
		return FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get();
	}

	// Lays the graph out on disk and has the registry read it, as the editor does when files appear.
	void WriteGraph(const TArray<FNode>& Graph)
	{
		for (const FNode& Node : Graph)
		{
			WriteTestPackage({.PackageName = Node.Name, .Imports = Node.Imports, .SoftReferences = Node.SoftReferences});
		}
		Registry().ScanPathsSynchronous({TEXT("/Game/")}, true);
	}

	void DeletePackageFile(const FString& PackageName)
	{
		ASSERT_TRUE(IFileManager::Get().Delete(*FPackageName::LongPackageNameToFilename(PackageName, FPackageName::GetAssetPackageExtension())));
	}

	/** The package asset /Game/Pack/PK_Test with the given main assets, as "Add All Assets" would leave them. */
	UZ4Package* MakePackage(const TArray<FString>& MainAssets)
	{
		UZ4Package* Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Pack/PK_Test")), TEXT("PK_Test"), RF_Public | RF_Standalone);
		for (const FString& MainAsset : MainAssets)
		{
			FZ4Asset& Entry = Package->Data.Assets.AddDefaulted_GetRef();
			Entry.AssetName = FName(*MainAsset);
			Entry.ObjectPath = MainAsset + TEXT(".") + FPackageName::GetShortName(MainAsset);
			Package->Data.AssetsIndexMap.Add(Entry.AssetName, Package->Data.Assets.Num() - 1);
		}
		return Package;
	}
}

// The package asset stands in /Game/Pack. Expected entries are in the maps' order: depth first, each dependency
// recorded before its own dependencies, main assets in the order they were added.
TEST(FDependencyTrackingTest, FindAllDependenciesWalksEachMainAssetThroughTheRegistry)
{
	const struct
	{
		const TCHAR* Case;
		TArray<FNode> Graph;
		TArray<FString> Deleted;
		TArray<FString> MainAssets;
		TArray<FString> ExpectedDependencies;
		TArray<FString> ExpectedExternalDependencies;
	} Cases[] = {
		{TEXT("no main assets"), {}, {}, {}, {}, {}},
		{TEXT("a material shared by two main assets"),
			{{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack/M_Shared")}}, {TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Pack/M_Shared")}},
				{TEXT("/Game/Pack/M_Shared"), {TEXT("/Game/Pack/T_Shared")}}, {TEXT("/Game/Pack/T_Shared")}},
			{}, {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_B")},
			{TEXT("/Game/Pack/M_Shared <- /Game/Pack/SM_A, /Game/Pack/SM_B"), TEXT("/Game/Pack/T_Shared <- /Game/Pack/SM_A, /Game/Pack/SM_B")}, {}},
		{TEXT("a main asset that another one references"),
			{{TEXT("/Game/Pack/L_Map"), {TEXT("/Game/Pack/BP_Door")}}, {TEXT("/Game/Pack/BP_Door"), {TEXT("/Game/Pack/M_Door")}}, {TEXT("/Game/Pack/M_Door")}},
			{}, {TEXT("/Game/Pack/L_Map"), TEXT("/Game/Pack/BP_Door")},
			{TEXT("/Game/Pack/BP_Door <- /Game/Pack/L_Map"), TEXT("/Game/Pack/M_Door <- /Game/Pack/BP_Door, /Game/Pack/L_Map")}, {}},
		{TEXT("a cycle back to the main asset"),
			{{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack/M_B")}}, {TEXT("/Game/Pack/M_B"), {TEXT("/Game/Pack/SM_A")}}},
			{}, {TEXT("/Game/Pack/SM_A")},
			{TEXT("/Game/Pack/M_B <- /Game/Pack/SM_A"), TEXT("/Game/Pack/SM_A <- /Game/Pack/SM_A")}, {}},
		{TEXT("engine, script and reserved folders are neither recorded nor followed"),
			{{TEXT("/Game/Pack/SM_A"), {TEXT("/Script/Engine"), TEXT("/Engine/BasicShapes/Cube"), TEXT("/Game/Components/C_Light"),
				TEXT("/Game/DIZEzerizidu/M_Base"), TEXT("/Game/Default/T_Default"), TEXT("/Game/Pack/M_Ok")}},
				{TEXT("/Game/Components/C_Light"), {TEXT("/Game/Pack/M_ViaComponents")}}, {TEXT("/Game/DIZEzerizidu/M_Base"), {TEXT("/Game/Pack/M_ViaBase")}},
				{TEXT("/Game/Default/T_Default"), {TEXT("/Game/Pack/M_ViaDefault")}},
				{TEXT("/Game/Pack/M_ViaComponents")}, {TEXT("/Game/Pack/M_ViaBase")}, {TEXT("/Game/Pack/M_ViaDefault")}, {TEXT("/Game/Pack/M_Ok")}},
			{}, {TEXT("/Game/Pack/SM_A")},
			{TEXT("/Game/Pack/M_Ok <- /Game/Pack/SM_A")}, {}},
		{TEXT("a package deleted from disk that the registry still lists"),
			{{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack/M_Ok")}, {TEXT("/Game/Pack/M_Gone")}},
				{TEXT("/Game/Pack/M_Gone"), {TEXT("/Game/Pack/T_OnlyViaGone")}}, {TEXT("/Game/Pack/T_OnlyViaGone")}, {TEXT("/Game/Pack/M_Ok")}},
			{TEXT("/Game/Pack/M_Gone")}, {TEXT("/Game/Pack/SM_A")},
			{TEXT("/Game/Pack/M_Ok <- /Game/Pack/SM_A")}, {}},
		{TEXT("external actors are followed but never outside dependencies"),
			{{TEXT("/Game/Pack/L_Map"), {TEXT("/Game/__ExternalActors__/Pack/L_Map/A1"), TEXT("/Game/__ExternalActors__/Pack/L_Map/A2")}},
				{TEXT("/Game/__ExternalActors__/Pack/L_Map/A1"), {TEXT("/Game/Props/SM_Chair")}}, {TEXT("/Game/__ExternalActors__/Pack/L_Map/A2")},
				{TEXT("/Game/Props/SM_Chair")}},
			{}, {TEXT("/Game/Pack/L_Map")},
			{TEXT("/Game/__ExternalActors__/Pack/L_Map/A1 <- /Game/Pack/L_Map"), TEXT("/Game/Props/SM_Chair <- /Game/Pack/L_Map"),
				TEXT("/Game/__ExternalActors__/Pack/L_Map/A2 <- /Game/Pack/L_Map")},
			{TEXT("/Game/Props/SM_Chair = 1")}},
		{TEXT("a folder whose name only starts like the package's is outside it"),
			{{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack2/M_Near"), TEXT("/Game/Pack/Sub/M_In"), TEXT("/Game/PACK/Sub/T_InOtherCase")}},
				{TEXT("/Game/Pack2/M_Near")}, {TEXT("/Game/Pack/Sub/M_In")}, {TEXT("/Game/PACK/Sub/T_InOtherCase")}},
			{}, {TEXT("/Game/Pack/SM_A")},
			{TEXT("/Game/Pack2/M_Near <- /Game/Pack/SM_A"), TEXT("/Game/Pack/Sub/M_In <- /Game/Pack/SM_A"), TEXT("/Game/PACK/Sub/T_InOtherCase <- /Game/Pack/SM_A")},
			{TEXT("/Game/Pack2/M_Near = 0")}},
		{TEXT("an outside dependency keeps the depth of its last listing"),
			{{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Shared/T_X"), TEXT("/Game/Shared/T_Y"), TEXT("/Game/Pack/M_A")}}, {TEXT("/Game/Pack/M_A"), {TEXT("/Game/Shared/T_Y")}},
				{TEXT("/Game/Pack/SM_B"), {TEXT("/Game/Pack/M_B")}}, {TEXT("/Game/Pack/M_B"), {TEXT("/Game/Pack/M_C")}}, {TEXT("/Game/Pack/M_C"), {TEXT("/Game/Shared/T_X")}},
				{TEXT("/Game/Shared/T_X")}, {TEXT("/Game/Shared/T_Y")}},
			{}, {TEXT("/Game/Pack/SM_A"), TEXT("/Game/Pack/SM_B")},
			{TEXT("/Game/Shared/T_X <- /Game/Pack/SM_A, /Game/Pack/SM_B"), TEXT("/Game/Shared/T_Y <- /Game/Pack/SM_A"), TEXT("/Game/Pack/M_A <- /Game/Pack/SM_A"),
				TEXT("/Game/Pack/M_B <- /Game/Pack/SM_B"), TEXT("/Game/Pack/M_C <- /Game/Pack/SM_B")},
			{TEXT("/Game/Shared/T_X = 2"), TEXT("/Game/Shared/T_Y = 1")}},
	};
	for (const auto& Case : Cases)
	{
		FTestProject Project;
		FStandInEngine Engine(Project);
		WriteGraph(Case.Graph);
		for (const FString& Deleted : Case.Deleted)
		{
			DeletePackageFile(Deleted);
		}
		UZ4Package* Package = MakePackage(Case.MainAssets);
		Package->Dependencies.Add(FName(TEXT("/Game/Stale/SM_Old"))).References.Add(FName(TEXT("/Game/Pack/SM_Old")));
		Package->ExternalDependencies.Add(FName(TEXT("/Game/Stale/SM_Old")), 3);

		Package->FindAllDependencies();

		EXPECT_EQ(DescribeDependencies(*Package), Case.ExpectedDependencies) << *FString(Case.Case);
		EXPECT_EQ(DescribeExternalDependencies(*Package), Case.ExpectedExternalDependencies) << *FString(Case.Case);
		EXPECT_TRUE(IFileManager::Get().FileExists(*(Project.GetContentDir() + TEXT("Pack/PK_Test.uasset")))) << *FString(Case.Case) << ": the package is saved";
	}
}

TEST(FDependencyTrackingTest, EachFindAllDependenciesSeesTheRegistryAndDiskAsTheyAreThen)
{
	FTestProject Project;
	FStandInEngine Engine(Project);
	WriteGraph({{TEXT("/Game/Pack/SM_A"), {TEXT("/Game/Pack/M_A")}}, {TEXT("/Game/Pack/M_A"), {TEXT("/Game/Pack/T_A")}}, {TEXT("/Game/Pack/T_A")}});
	UZ4Package* Package = MakePackage({TEXT("/Game/Pack/SM_A")});
	Package->FindAllDependencies();
	ASSERT_EQ(DescribeDependencies(*Package), TArray<FString>({TEXT("/Game/Pack/M_A <- /Game/Pack/SM_A"), TEXT("/Game/Pack/T_A <- /Game/Pack/SM_A")}));

	// Between two clicks the material is re-saved with another texture and a package it references is deleted.
	WriteGraph({{TEXT("/Game/Pack/M_A"), {TEXT("/Game/Pack/T_B"), TEXT("/Game/Pack/T_A")}}, {TEXT("/Game/Pack/T_B")}});
	DeletePackageFile(TEXT("/Game/Pack/T_A"));
	Package->FindAllDependencies();
	EXPECT_EQ(DescribeDependencies(*Package), TArray<FString>({TEXT("/Game/Pack/M_A <- /Game/Pack/SM_A"), TEXT("/Game/Pack/T_B <- /Game/Pack/SM_A")}));
}

TEST(FDependencyTrackingTest, ASharedSubgraphIsAskedForOncePerPackage)
{
	FTestProject Project;
	FStandInEngine Engine(Project);
	// Six main assets use one hub, which leads through a chain of eight materials, each with its texture, back to
	// itself, to a package that is not on disk and to engine content.
	constexpr int32 NumMainAssets = 6;
	constexpr int32 ChainLength = 8;
	TArray<FNode> Graph;
	TArray<FString> MainAssets;
	for (int32 Index = 0; Index < NumMainAssets; ++Index)
	{
		MainAssets.Add(FString::Printf(TEXT("/Game/Pack/SM_%d"), Index));
		Graph.Add({MainAssets.Last(), {TEXT("/Game/Pack/Hub"), TEXT("/Game/Shared/T_Common")}});
	}
	Graph.Add({TEXT("/Game/Pack/Hub"), {TEXT("/Game/Pack/Chain_0")}});
	for (int32 Index = 0; Index < ChainLength; ++Index)
	{
		const FString Texture = FString::Printf(TEXT("/Game/Pack/T_%d"), Index);
		const FString Next = Index + 1 < ChainLength ? FString::Printf(TEXT("/Game/Pack/Chain_%d"), Index + 1) : FString(TEXT("/Game/Pack/Hub"));
		Graph.Add({FString::Printf(TEXT("/Game/Pack/Chain_%d"), Index), {Texture, Next}});
		Graph.Add({Texture});
	}
	Graph.Last(1).Imports.Append({TEXT("/Game/Pack/M_Missing"), TEXT("/Engine/EngineMaterials/DefaultMaterial")});
	Graph.Add({TEXT("/Game/Shared/T_Common")});
	WriteGraph(Graph);
	UZ4Package* Package = MakePackage(MainAssets);

	FPackageQueryLog Queries;
	Package->FindAllDependencies();

	// Every package of the graph is reached (all but the missing one) and every custom name is listed.
	const int32 NumReached = Graph.Num();
	const int32 NumListed = Graph.Num() - NumMainAssets + 1;
	EXPECT_EQ(Queries.Num(EPackageQuery::GetDependencies), NumReached);
	EXPECT_EQ(Queries.Num(EPackageQuery::DoesPackageExist), NumListed);
	for (const FNode& Node : Graph)
	{
		EXPECT_EQ(Queries.Num(EPackageQuery::GetDependencies, FName(*Node.Name)), 1) << *Node.Name;
	}
	EXPECT_EQ(Queries.Num(EPackageQuery::DoesPackageExist, FName(TEXT("/Game/Pack/M_Missing"))), 1);
	EXPECT_EQ(Queries.Num(EPackageQuery::DoesPackageExist, FName(TEXT("/Engine/EngineMaterials/DefaultMaterial"))), 0);
	EXPECT_EQ(Queries.Num(EPackageQuery::GetDependencies, FName(TEXT("/Engine/EngineMaterials/DefaultMaterial"))), 0);

	ASSERT_EQ(Package->Dependencies.Num(), Graph.Num() - NumMainAssets);
	for (const TPair<FName, FZ4ReferenceList>& Dependency : Package->Dependencies)
	{
		EXPECT_EQ(Dependency.Value.References.Num(), NumMainAssets) << *Dependency.Key.ToString();
	}
}
