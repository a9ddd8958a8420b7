#include "Z4PackageCustomization.h"

#include "Animation/AnimBlueprint.h"
#include "AssetRegistry/AssetData.h"
#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "Engine/Blueprint.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/StaticMesh.h"
#include "Engine/World.h"
#include "IDetailGroup.h"
#include "PropertyCustomizationHelpers.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"
#include "Z4Package.h"

#define LOCTEXT_NAMESPACE "PackageCustomization"

TSharedRef<IDetailCustomization> FZ4PackageCustomization::MakeInstance()
{
	return MakeShared<FZ4PackageCustomization>();
}

FZ4PackageCustomization::~FZ4PackageCustomization()
{
	// Each rebuild makes a new panel; without this every old panel would leave a dead subscription behind.
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->OnPackageChanged.Remove(PackageChangedHandle);
	}
}

void FZ4PackageCustomization::CustomizeDetails(IDetailLayoutBuilder& InDetailBuilder)
{
	DetailBuilder = &InDetailBuilder;

	TArray<TWeakObjectPtr<UObject>> Objects;
	InDetailBuilder.GetObjectsBeingCustomized(Objects);
	UZ4Package* ShownPackage = Cast<UZ4Package>(Objects.Num() > 0 ? Objects[0].Get() : nullptr);
	Package = ShownPackage;
	if (!ShownPackage)
	{
		return;
	}
	ShownPackage->UpdatePackageFolder();

	PackageChangedHandle = ShownPackage->OnPackageChanged.AddSPLambda(this, [this]() { RefreshDetails(); });

	IDetailCategoryBuilder& AddAssetsCategory = InDetailBuilder.EditCategory(TEXT("Add Assets"), FText::GetEmpty(), ECategoryPriority::Default);
	AddAssetsCategory.SetSortOrder(0);
	BuildAddAssetsCategory(AddAssetsCategory);

	IDetailCategoryBuilder& ExportCategory = InDetailBuilder.EditCategory(TEXT("Export"), FText::GetEmpty(), ECategoryPriority::Default);
	ExportCategory.SetSortOrder(2);
	BuildExportCategory(ExportCategory);

	IDetailCategoryBuilder& DependenciesCategory = InDetailBuilder.EditCategory(TEXT("Dependencies"), FText::GetEmpty(), ECategoryPriority::Default);
	DependenciesCategory.SetSortOrder(1);
	BuildDependenciesCategory(DependenciesCategory);
}

void FZ4PackageCustomization::RefreshDetails()
{
	if (DetailBuilder)
	{
		DetailBuilder->ForceRefreshDetails();
	}
}

bool FZ4PackageCustomization::IsButtonEnabled() const
{
	return true;
}

TSharedRef<SWidget> FZ4PackageCustomization::MakePanelButton(FTextGetter TextGetter, FTextGetter TooltipGetter, FClickHandler ClickHandler)
{
	return SNew(SButton)
		.Text(this, TextGetter)
		.ToolTipText(this, TooltipGetter)
		.HAlign(HAlign_Center)
		.OnClicked(this, ClickHandler)
		.IsEnabled(this, &FZ4PackageCustomization::IsButtonEnabled);
}

TSharedRef<SWidget> FZ4PackageCustomization::MakeSingleButtonRow(FTextGetter TextGetter, FTextGetter TooltipGetter, FClickHandler ClickHandler)
{
	return SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			MakePanelButton(TextGetter, TooltipGetter, ClickHandler)
		];
}

void FZ4PackageCustomization::BuildAddAssetsCategory(IDetailCategoryBuilder& Category)
{
	Category.AddCustomRow(LOCTEXT("FindAssets", "FindAssets"), false)
	.WholeRowContent()
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		[
			MakePanelButton(&FZ4PackageCustomization::OnGetFindAssetsButtonText,
				&FZ4PackageCustomization::OnGetFindAssetsButtonTooltipText, &FZ4PackageCustomization::OnFindAssetsClicked)
		]
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.Padding(5.0f, 0.0f, 5.0f, 0.0f)
		[
			MakePanelButton(&FZ4PackageCustomization::OnGetRemoveAssetsButtonText,
				&FZ4PackageCustomization::OnGetRemoveAssetsButtonTooltipText, &FZ4PackageCustomization::OnRemoveAssetsClicked)
		]
	];

	const TWeakPtr<FZ4PackageCustomization> WeakPanel = StaticCastSharedRef<FZ4PackageCustomization>(AsShared());
	Category.AddCustomRow(FText::FromString(TEXT("Asset Picker")), false)
	.WholeRowContent()
	[
		SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.VAlign(VAlign_Center)
		.Padding(0.0f, 0.0f, 10.0f, 0.0f)
		[
			SNew(STextBlock)
			.Text(FText::FromString(TEXT("Add Asset:")))
		]
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f)
		[
			SNew(SObjectPropertyEntryBox)
			.AllowClear(false)
			.OnShouldFilterAsset_Lambda([WeakPanel](const FAssetData& AssetData) { return ShouldFilterAsset(AssetData, WeakPanel); })
			.OnObjectChanged(this, &FZ4PackageCustomization::OnAssetPicked)
		]
	];

	if (Package->Data.Assets.Num() > 0)
	{
		Category.AddCustomRow(FText::FromString(TEXT("Total Assets")), false)
		.WholeRowContent()
		[
			SNew(SBox)
			.MinDesiredWidth(250)
			[
				SNew(STextBlock)
				.AutoWrapText(true)
				.Text(this, &FZ4PackageCustomization::GetAssetCounterText)
			]
		];
		BuildMainAssetRows(Category);
	}
}

void FZ4PackageCustomization::BuildMainAssetRows(IDetailCategoryBuilder& Category)
{
	for (const FZ4Asset& Asset : Package->Data.Assets)
	{
		const FText TypeText = Asset.Class ? Asset.Class->GetDisplayNameText() : LOCTEXT("UnknownAssetType", "Unknown type");
		const FText PackageNameText = FText::FromName(Asset.AssetName);
		Category.AddCustomRow(FText::Format(LOCTEXT("MainAssetFilter", "{0} {1}"), FText::FromName(Asset.Name), PackageNameText), false)
		.WholeRowContent()
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.FillWidth(1.0f)
			.VAlign(VAlign_Center)
			[
				SNew(STextBlock)
				.Text(FText::Format(LOCTEXT("MainAssetLabel", "{0} ({1})"), FText::FromName(Asset.Name), TypeText))
			]
			+ SHorizontalBox::Slot()
			.FillWidth(2.0f)
			.VAlign(VAlign_Center)
			[
				SNew(STextBlock)
				.Text(PackageNameText)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			[
				SNew(SButton)
				.Text(LOCTEXT("RemoveAsset", "Remove"))
				.ToolTipText(LOCTEXT("RemoveAssetTooltip", "Take this asset out of the package; what other main assets use stays."))
				.HAlign(HAlign_Center)
				.OnClicked(FOnClicked::CreateSP(this, &FZ4PackageCustomization::OnRemoveAssetClicked, Asset.AssetName))
				.IsEnabled(this, &FZ4PackageCustomization::IsButtonEnabled)
			]
		];
	}
}

void FZ4PackageCustomization::BuildExportCategory(IDetailCategoryBuilder& Category)
{
	Category.AddCustomRow(LOCTEXT("ApplyCook", "ApplyCook"), false)
	.WholeRowContent()
	[
		MakeSingleButtonRow(&FZ4PackageCustomization::OnGetApplyCookButtonText,
			&FZ4PackageCustomization::OnGetApplyCookButtonTooltipText, &FZ4PackageCustomization::OnApplyCookClicked)
	];

	Category.AddCustomRow(LOCTEXT("MakePak", "MakePak"), false)
	.WholeRowContent()
	[
		MakeSingleButtonRow(&FZ4PackageCustomization::OnGetMakePakButtonText,
			&FZ4PackageCustomization::OnGetMakePakButtonTooltipText, &FZ4PackageCustomization::OnMakePakClicked)
	];

	Category.AddCustomRow(LOCTEXT("LogPak", "LogPak"), false)
	.WholeRowContent()
	[
		MakeSingleButtonRow(&FZ4PackageCustomization::OnGetLogPakButtonText,
			&FZ4PackageCustomization::OnGetLogPakButtonTooltipText, &FZ4PackageCustomization::OnLogPakClicked)
	];
}

void FZ4PackageCustomization::BuildDependenciesCategory(IDetailCategoryBuilder& Category)
{
	Category.AddCustomRow(LOCTEXT("GetDependencies", "GetDependencies"), false)
	.WholeRowContent()
	[
		MakeSingleButtonRow(&FZ4PackageCustomization::OnGetGetDependenciesButtonText,
			&FZ4PackageCustomization::OnGetGetDependenciesButtonTooltipText, &FZ4PackageCustomization::OnGetDependenciesClicked)
	];

	if (Package->ExternalDependencies.Num() == 0)
	{
		return;
	}

	Category.AddCustomRow(LOCTEXT("DependencyWarning", "DependencyWarning"), false)
	.WholeRowContent()
	[
		SNew(STextBlock)
		.Text(FText::Format(LOCTEXT("DependencyWarningText", "{0} referenced assets are outside of this package's directory."),
			FText::AsNumber(Package->ExternalDependencies.Num())))
		.ColorAndOpacity(FLinearColor::Red)
	];

	Category.AddCustomRow(LOCTEXT("CopyDependencies", "CopyDependencies"), false)
	.WholeRowContent()
	[
		MakeSingleButtonRow(&FZ4PackageCustomization::OnGetCopyDependenciesButtonText,
			&FZ4PackageCustomization::OnGetCopyDependenciesButtonTooltipText, &FZ4PackageCustomization::OnCopyDependenciesClicked)
	];

	IDetailGroup& MissingDependencies = Category.AddGroup(TEXT("MissingDependenciesGroup"),
		LOCTEXT("MissingDependenciesLabel", "Missing Dependencies"), false, false);
	MissingDependencies.AddWidgetRow()
	.WholeRowContent()
	[
		SNew(SBox)
		[
			SNew(STextBlock)
			.AutoWrapText(true)
			.Text(this, &FZ4PackageCustomization::GetMissingDependenciesText)
		]
	];
}

FText FZ4PackageCustomization::GetAssetCounterText() const
{
	const UZ4Package* LivePackage = Package.Get();
	if (!LivePackage)
	{
		return FText::FromString(TEXT("Main Assets: 0 | Assets To Cook: 0"));
	}
	// Main assets that other main assets use are dependencies too, and are cooked once.
	int32 AssetsToCook = LivePackage->Data.AssetsIndexMap.Num();
	for (const TPair<FName, FZ4ReferenceList>& Dependency : LivePackage->Dependencies)
	{
		if (!LivePackage->Data.AssetsIndexMap.Contains(Dependency.Key))
		{
			++AssetsToCook;
		}
	}
	return FText::FromString(FString::Printf(TEXT("Main Assets: %d | Assets To Cook: %d"), LivePackage->Data.Assets.Num(), AssetsToCook));
}

FText FZ4PackageCustomization::GetMissingDependenciesText() const
{
	FString List;
	if (const UZ4Package* LivePackage = Package.Get())
	{
		for (const TPair<FName, int32>& Dependency : LivePackage->ExternalDependencies)
		{
			// One tab per level of depth at which the dependency was found.
			for (int32 Depth = 0; Depth < Dependency.Value; ++Depth)
			{
				List += TEXT("\t");
			}
			List += Dependency.Key.ToString();
			List += TEXT("\n");
		}
	}
	return FText::FromString(List);
}

bool FZ4PackageCustomization::ShouldFilterAsset(const FAssetData& AssetData, const TWeakPtr<FZ4PackageCustomization>& WeakPanel)
{
	if (const TSharedPtr<FZ4PackageCustomization> Panel = WeakPanel.Pin())
	{
		const UZ4Package* LivePackage = Panel->Package.Get();
		if (LivePackage && !UZ4Package::IsInFolder(AssetData.PackageName.ToString(), LivePackage->PackageFolder))
		{
			return true;
		}
	}

	// Exact classes only: a subclass of one of these is hidden.
	static const FTopLevelAssetPath PackageClassPaths[] = {
		UWorld::StaticClass()->GetClassPathName(),
		UStaticMesh::StaticClass()->GetClassPathName(),
		USkeletalMesh::StaticClass()->GetClassPathName(),
		UBlueprint::StaticClass()->GetClassPathName(),
		UAnimBlueprint::StaticClass()->GetClassPathName(),
	};
	for (const FTopLevelAssetPath& ClassPath : PackageClassPaths)
	{
		if (AssetData.AssetClassPath == ClassPath)
		{
			return false;
		}
	}
	return true;
}

void FZ4PackageCustomization::OnAssetPicked(const FAssetData& AssetData)
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->AddAsset(AssetData);
		RefreshDetails();
	}
}

FReply FZ4PackageCustomization::OnFindAssetsClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->FindAllAssets();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnRemoveAssetsClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->RemoveAllAssets();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnRemoveAssetClicked(FName AssetName)
{
	// Looked up by name at the click: the row's index may be stale once another row was removed.
	UZ4Package* LivePackage = Package.Get();
	const int32* Index = LivePackage ? LivePackage->Data.AssetsIndexMap.Find(AssetName) : nullptr;
	if (Index && LivePackage->Data.Assets.IsValidIndex(*Index))
	{
		LivePackage->RemoveAsset(&LivePackage->Data.Assets[*Index]);
		RefreshDetails();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnGetDependenciesClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->FindAllDependencies();
		RefreshDetails();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnCopyDependenciesClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->CopyDependencies();
		RefreshDetails();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnApplyCookClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->ApplyCookSettings();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnCookFilesClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->CookAssets();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnMakePakClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->MakePakFile();
	}
	return FReply::Handled();
}

FReply FZ4PackageCustomization::OnLogPakClicked()
{
	if (UZ4Package* LivePackage = Package.Get())
	{
		LivePackage->LogPakFile();
	}
	return FReply::Handled();
}

FText FZ4PackageCustomization::OnGetFindAssetsButtonText() const
{
	return FText::FromString(TEXT("Add All Assets"));
}

FText FZ4PackageCustomization::OnGetFindAssetsButtonTooltipText() const
{
	return FText::FromString(TEXT("Find all assets in this directory and add them to the package. Generate names and thumbnails for each."));
}

FText FZ4PackageCustomization::OnGetRemoveAssetsButtonText() const
{
	return FText::FromString(TEXT("Remove All Assets"));
}

FText FZ4PackageCustomization::OnGetRemoveAssetsButtonTooltipText() const
{
	return FText::FromString(TEXT("Remove all assets from this package, reseting it to its default state."));
}

FText FZ4PackageCustomization::OnGetGetDependenciesButtonText() const
{
	return FText::FromString(TEXT("Find Dependencies"));
}

FText FZ4PackageCustomization::OnGetGetDependenciesButtonTooltipText() const
{
	return FText::FromString(TEXT("Find all additional assets needed by the assets in this package."));
}

FText FZ4PackageCustomization::OnGetApplyCookButtonText() const
{
	return FText::FromString(TEXT("Apply Cook Settings"));
}

FText FZ4PackageCustomization::OnGetApplyCookButtonTooltipText() const
{
	return FText::FromString(TEXT("Set project cook settings."));
}

FText FZ4PackageCustomization::OnGetCookFilesButtonText() const
{
	return FText::FromString(TEXT("Cook Assets"));
}

FText FZ4PackageCustomization::OnGetCookFilesButtonTooltipText() const
{
	return FText::FromString(TEXT("Cook all the files required by this asset."));
}

FText FZ4PackageCustomization::OnGetMakePakButtonText() const
{
	return FText::FromString(TEXT("Make Pak File"));
}

FText FZ4PackageCustomization::OnGetMakePakButtonTooltipText() const
{
	return FText::FromString(TEXT("Export cooked assets to a .pak file to use in Quillon."));
}

FText FZ4PackageCustomization::OnGetLogPakButtonText() const
{
	return FText::FromString(TEXT("Log Pak File"));
}

FText FZ4PackageCustomization::OnGetLogPakButtonTooltipText() const
{
	return FText::FromString(TEXT("Log the contents of the exported pak file for this package, if it exists, to a console window."));
}

FText FZ4PackageCustomization::OnGetCopyDependenciesButtonText() const
{
	return FText::FromString(TEXT("Copy Dependencies"));
}

FText FZ4PackageCustomization::OnGetCopyDependenciesButtonTooltipText() const
{
	return FText::FromString(TEXT("EXPERIMENTAL: Copy missing dependencies into this directory. Works fine for missing textures but can go wrong with more complex assets. Use the migration tool or move manually in this case."));
}

#undef LOCTEXT_NAMESPACE
