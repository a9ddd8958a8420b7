#include "CoreMinimal.h"
#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "IDetailCustomization.h"
#include "IDetailGroup.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "PropertyHandle.h"
#include "StandIn/DetailsView.h"
#include "StandIn/TestProject.h"
#include "UObject/Package.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"
#include "Z4Package.h"

#include <gtest/gtest.h>

using namespace UE::StandIn;

namespace
{
	// A customization with one of each thing a details view lays out: categories ordered by sort order and
	// priority, a row of buttons (one disabled, one that asks for a refresh), a text and a collapsed group.
	class FTestCustomization : public IDetailCustomization
	{
	public:
		static TSharedRef<IDetailCustomization> MakeInstance()
		{
			TSharedRef<FTestCustomization> Instance = MakeShared<FTestCustomization>();
			Instances.Add(Instance);
			return Instance;
		}

		virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) override
		{
			Builder = &DetailBuilder;
			DetailBuilder.GetObjectsBeingCustomized(SeenObjects);

			IDetailCategoryBuilder& Second = DetailBuilder.EditCategory(TEXT("Second"));
			Second.SetSortOrder(1);
			Second.AddCustomRow(FText::FromString(TEXT("Beta Row")))
			.WholeRowContent()
			[
				SNew(SHorizontalBox)
				+ SHorizontalBox::Slot().AutoWidth()
				[
					SNew(SButton).Text(FText::FromString(TEXT("Beta"))).OnClicked(this, &FTestCustomization::OnBeta)
				]
				+ SHorizontalBox::Slot().AutoWidth()
				[
					SNew(SButton).Text(FText::FromString(TEXT("Refresh"))).OnClicked(this, &FTestCustomization::OnRefresh)
				]
				+ SHorizontalBox::Slot().AutoWidth()
				[
					SNew(SButton).Text(FText::FromString(TEXT("Off"))).IsEnabled(false).OnClicked(this, &FTestCustomization::OnBeta)
				]
			];

			IDetailCategoryBuilder& First = DetailBuilder.EditCategory(TEXT("First"), FText::FromString(TEXT("First Things")));
			First.SetSortOrder(0);
			First.AddCustomRow(FText::FromString(TEXT("Alpha Text")))
			.WholeRowContent()
			[
				SNew(STextBlock).Text(FText::FromString(TEXT("Alpha")))
			];
			First.AddGroup(TEXT("HiddenGroup"), FText::FromString(TEXT("Hidden Things")))
			.AddWidgetRow()
			.WholeRowContent()
			[
				SNew(SButton).Text(FText::FromString(TEXT("Inside"))).OnClicked(this, &FTestCustomization::OnBeta)
			];

			DetailBuilder.EditCategory(TEXT("Late"), FText::GetEmpty(), ECategoryPriority::Uncommon)
			.AddCustomRow(FText::FromString(TEXT("Late Row")))
			.WholeRowContent()
			[
				SNew(STextBlock).Text(FText::FromString(TEXT("Late")))
			];
		}

		FReply OnBeta()
		{
			++Clicks;
			return FReply::Handled();
		}

		FReply OnRefresh()
		{
			Builder->ForceRefreshDetails();
			return FReply::Handled();
		}

		static TArray<TWeakPtr<FTestCustomization>> Instances;
		static int32 Clicks;
		IDetailLayoutBuilder* Builder = nullptr;
		TArray<TWeakObjectPtr<UObject>> SeenObjects;
	};

	TArray<TWeakPtr<FTestCustomization>> FTestCustomization::Instances;
	int32 FTestCustomization::Clicks = 0;

	class FDetailsViewTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			FTestCustomization::Instances.Reset();
			FTestCustomization::Clicks = 0;
			FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"))
				.RegisterCustomClassLayout(TEXT("Z4Package"), FOnGetDetailCustomizationInstance::CreateStatic(&FTestCustomization::MakeInstance));
			Package = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Props/Pack")), TEXT("Pack"), RF_Public | RF_Standalone);
		}

		void TearDown() override
		{
			// Each test starts from a property editor without registrations.
			FModuleManager::Get().UnloadModule(TEXT("PropertyEditor"));
		}

		FTestProject Project;
		FStandInEngine Engine{Project, false};
		UZ4Package* Package = nullptr;
	};
}

TEST_F(FDetailsViewTest, CategoriesFollowPriorityThenSortOrderAndPropertyRowsKeepTheirCategory)
{
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_EQ(View.Paint(),
		TEXT("First Things\n")
		TEXT("  Alpha\n")
		TEXT("  + Hidden Things\n")
		TEXT("Second\n")
		TEXT("  [Beta]\n")
		TEXT("  [Refresh]\n")
		TEXT("  [Off] (disabled)\n")
		TEXT("Package\n")
		TEXT("  Data\n")
		TEXT("Late\n")
		TEXT("  Late\n"));
}

TEST_F(FDetailsViewTest, SearchShowsOnlyRowsWhoseFilterTextHoldsEveryWord)
{
	FDetailsView View;
	View.SetObject(Package);

	const struct
	{
		const TCHAR* Search;
		TArray<FString> Categories;
	} Cases[] = {
		{TEXT(""), {TEXT("First Things"), TEXT("Second"), TEXT("Package"), TEXT("Late")}},
		{TEXT("beta"), {TEXT("Second")}},
		{TEXT("  ROW  "), {TEXT("Second"), TEXT("Late")}},
		{TEXT("row late"), {TEXT("Late")}},
		{TEXT("beta late"), {}},
		{TEXT("hidden"), {TEXT("First Things")}},
		{TEXT("data"), {TEXT("Package")}},
	};
	for (const auto& Case : Cases)
	{
		View.SetSearchText(Case.Search);
		EXPECT_EQ(View.GetCategoryNames(), Case.Categories) << "search: " << TCHAR_TO_UTF8(Case.Search);
	}

	View.SetSearchText(TEXT("hidden"));
	EXPECT_EQ(View.Paint(), TEXT("First Things\n  + Hidden Things\n"));
	View.SetSearchText(TEXT("alpha"));
	EXPECT_EQ(View.ClickButton(TEXT("Beta")), EDetailsViewActionResult::NotFound) << "a row the search hides cannot be clicked";
}

TEST_F(FDetailsViewTest, ActionsReachOnlyWhatIsShownAndEnabled)
{
	FDetailsView View;
	View.SetObject(Package);

	EXPECT_EQ(View.ClickButton(TEXT("Beta")), EDetailsViewActionResult::Done);
	EXPECT_EQ(View.ClickButton(TEXT("Off")), EDetailsViewActionResult::Disabled);
	EXPECT_EQ(View.ClickButton(TEXT("Nowhere")), EDetailsViewActionResult::NotFound);
	EXPECT_EQ(View.ClickButton(TEXT("Inside")), EDetailsViewActionResult::NotFound) << "the group starts collapsed";
	EXPECT_EQ(FTestCustomization::Clicks, 1);

	EXPECT_EQ(View.ExpandGroup(TEXT("Hidden Things")), EDetailsViewActionResult::Done);
	EXPECT_EQ(View.ClickButton(TEXT("Inside")), EDetailsViewActionResult::Done);
	EXPECT_EQ(FTestCustomization::Clicks, 2);
	EXPECT_EQ(View.Paint().Contains(TEXT("  - Hidden Things\n    [Inside]\n")), true);
	EXPECT_EQ(View.ExpandGroup(TEXT("No Such Group")), EDetailsViewActionResult::NotFound);
}

TEST_F(FDetailsViewTest, RefreshWaitsForTheNextTickAndReplacesTheCustomization)
{
	FDetailsView View;
	View.SetObject(Package);
	ASSERT_EQ(FTestCustomization::Instances.Num(), 1);
	EXPECT_EQ(View.GetBuildCount(), 1);

	// Asked for from inside the click: the panel that handles the click must survive it.
	EXPECT_EQ(View.ClickButton(TEXT("Refresh")), EDetailsViewActionResult::Done);
	EXPECT_TRUE(FTestCustomization::Instances[0].IsValid());
	EXPECT_EQ(View.GetBuildCount(), 1);

	EXPECT_TRUE(View.Tick());
	EXPECT_FALSE(View.Tick()) << "one request, one rebuild";
	EXPECT_EQ(View.GetBuildCount(), 2);
	ASSERT_EQ(FTestCustomization::Instances.Num(), 2);
	EXPECT_FALSE(FTestCustomization::Instances[0].IsValid()) << "the old customization goes with the old layout";
	EXPECT_TRUE(FTestCustomization::Instances[1].IsValid());

	// A change of registrations reaches every live view on its next tick.
	FDetailsView OtherView;
	OtherView.SetObject(Package);
	FPropertyEditorModule& PropertyModule = FModuleManager::GetModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	PropertyModule.UnregisterCustomClassLayout(TEXT("Z4Package"));
	PropertyModule.NotifyCustomizationModuleChanged();
	EXPECT_TRUE(View.Tick());
	EXPECT_TRUE(OtherView.Tick());
	EXPECT_EQ(View.Paint(), TEXT("Package\n  Data\n"));
}

TEST_F(FDetailsViewTest, CustomizationSeesEveryObjectInOrder)
{
	UZ4Package* Other = NewObject<UZ4Package>(CreatePackage(TEXT("/Game/Other/Pack")), TEXT("Pack"), RF_Public | RF_Standalone);
	FDetailsView View;
	View.SetObjects({Other, Package});

	ASSERT_EQ(FTestCustomization::Instances.Num(), 1);
	const TArray<TWeakObjectPtr<UObject>>& Seen = FTestCustomization::Instances[0].Pin()->SeenObjects;
	ASSERT_EQ(Seen.Num(), 2);
	EXPECT_EQ(Seen[0].Get(), Other);
	EXPECT_EQ(Seen[1].Get(), Package);

	View.SetObjects({});
	EXPECT_EQ(View.Paint(), TEXT(""));
}

// The handles of the view's rows edit as the rows do: a set value marks the package dirty; text that is no value of
// the property's type, a resize of a fixed-size array and a row the view does not show change nothing.
TEST_F(FDetailsViewTest, PropertyHandlesEditWhatTheRowsLetAUserEdit)
{
	Package->Data.Assets.AddDefaulted();
	Package->GetPackage()->SetDirtyFlag(false);
	FDetailsView View;
	View.SetObject(Package);

	const TSharedRef<IPropertyHandle> Version = View.GetPropertyHandle(TEXT("Data.Version"));
	ASSERT_TRUE(Version->IsValidHandle());
	EXPECT_EQ(Version->SetValueFromFormattedString(TEXT("1.5x")), FPropertyAccess::Fail);
	EXPECT_FLOAT_EQ(Package->Data.Version, 0.1f);
	EXPECT_FALSE(Package->GetPackage()->IsDirty());
	EXPECT_EQ(Version->SetValueFromFormattedString(TEXT("1.5")), FPropertyAccess::Success);
	EXPECT_FLOAT_EQ(Package->Data.Version, 1.5f);
	EXPECT_TRUE(Package->GetPackage()->IsDirty());

	const TSharedRef<IPropertyHandle> Assets = View.GetPropertyHandle(TEXT("Data.Assets"));
	EXPECT_EQ(Assets->SetValueFromFormattedString(TEXT("()")), FPropertyAccess::Fail) << "EditFixedSize";
	EXPECT_EQ(Package->Data.Assets.Num(), 1);
	const TSharedPtr<IPropertyHandle> Tags = Assets->GetChildHandle(0)->GetChildHandle(TEXT("Tags"));
	ASSERT_TRUE(Tags.IsValid());
	EXPECT_EQ(Tags->SetValueFromFormattedString(TEXT("(Wood,\"Old, worn\")")), FPropertyAccess::Success);
	ASSERT_EQ(Package->Data.Assets[0].Tags.Num(), 2);
	EXPECT_EQ(Package->Data.Assets[0].Tags[1], FName(TEXT("Old, worn")));
	EXPECT_EQ(Tags->SetValueFromFormattedString(TEXT("(Wood")), FPropertyAccess::Fail);
	EXPECT_EQ(Package->Data.Assets[0].Tags.Num(), 2);

	EXPECT_FALSE(View.GetPropertyHandle(TEXT("Data.bIsPakedInSDK"))->IsValidHandle()) << "not editable, so not shown";
	EXPECT_FALSE(View.GetPropertyHandle(TEXT("Data.Missing"))->IsValidHandle());
}
