#include "PackageTestUtils.h"
#include "Engine/Texture2D.h"
#include "Modules/ModuleManager.h"
#include "QuillonSDKBase.h"
#include "StandIn/LogCapture.h"
#include "StandIn/TestProject.h"
#include "UObject/WeakObjectPtr.h"
#include "Z4SDKManager.h"
#include "Z4SDKTypes.h"
#include <gtest/gtest.h>

using namespace UE::StandIn;

TEST(SDKModule, StartUpMakesOneRootedManagerFromTheBlueprint)
{
	FTestProject Project;
	FStandInEngine Engine(Project);
	UZ4SDKManager* Manager = FQuillonSDKBaseModule::GetSDKMananger();
	ASSERT_NE(Manager, nullptr);
	EXPECT_TRUE(Manager->IsRooted());
	EXPECT_EQ(Manager->GetClass()->GetPathName(), TEXT("/QuillonSDKBase/BP_SDKManager.BP_SDKManager_C"));
	EXPECT_EQ(Manager->GetOuter(), GetTransientPackage());
	ASSERT_NE(Manager->ProfileTexture, nullptr);
	EXPECT_EQ(Manager->ProfileTexture->GetName(), TEXT("T_Profile"));

	// Each kind has its own default thumbnail; kinds past the last fall back to the E_NONE slot.
	const struct
	{
		EZ4AssetType Type;
		const TCHAR* Expected;
	} Cases[] = {
		{EZ4AssetType::E_NONE, TEXT("T_Default_None")},
		{EZ4AssetType::Level, TEXT("T_Default_Level")},
		{EZ4AssetType::Animation, TEXT("T_Default_Animation")},
		{EZ4AssetType::E_NUM, TEXT("T_Default_None")},
		{static_cast<EZ4AssetType>(200), TEXT("T_Default_None")},
	};
	for (const auto& Case : Cases)
	{
		UTexture2D* Thumbnail = Manager->GetDefaultAssetThumbnail(Case.Type);
		ASSERT_NE(Thumbnail, nullptr);
		EXPECT_EQ(Thumbnail->GetName(), Case.Expected);
	}

	// New skeleton and animation entries take the profile texture.
	EXPECT_EQ(FZ4SkeletalMesh().Thumbnail, Manager->ProfileTexture);
	EXPECT_EQ(FZ4AnimationInstance().Thumbnail, Manager->ProfileTexture);
}

TEST(SDKModule, ShutDownReleasesTheManagerAndAStartUpAgainReplacesIt)
{
	FTestProject Project;
	FStandInEngine Engine(Project);
	TWeakObjectPtr<UZ4SDKManager> First = FQuillonSDKBaseModule::GetSDKMananger();
	ASSERT_TRUE(First.IsValid());

	IModuleInterface* Module = FModuleManager::Get().GetModule(TEXT("QuillonSDKBase"));
	ASSERT_NE(Module, nullptr);
	Module->StartupModule();
	UZ4SDKManager* Second = FQuillonSDKBaseModule::GetSDKMananger();
	ASSERT_NE(Second, nullptr);
	EXPECT_NE(Second, First.Get());
	EXPECT_TRUE(Second->IsRooted());
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(First.IsValid()) << "the replaced manager must not stay rooted";

	TWeakObjectPtr<UZ4SDKManager> SecondWeak = Second;
	Engine.UnloadPluginModules();
	EXPECT_EQ(FQuillonSDKBaseModule::GetSDKMananger(), nullptr);
	CollectGarbage(GARBAGE_COLLECTION_KEEPFLAGS);
	EXPECT_FALSE(SecondWeak.IsValid());
}

TEST(SDKModule, WithoutTheBlueprintTheModuleStartsWithNoManager)
{
	FTestProject Project;
	Project.RemoveSDKManagerBlueprint();
	FStandInEngine Engine(Project, false);
	FLogCapture Log;
	Engine.LoadPluginModules();
	EXPECT_EQ(FQuillonSDKBaseModule::GetSDKMananger(), nullptr);
	EXPECT_EQ(FZ4SkeletalMesh().Thumbnail, nullptr);
	Engine.UnloadPluginModules();
	EXPECT_EQ(FQuillonSDKBaseModule::GetSDKMananger(), nullptr);
}
