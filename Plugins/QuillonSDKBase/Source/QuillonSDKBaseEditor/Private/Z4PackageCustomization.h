#pragma once

#include "CoreMinimal.h"
#include "IDetailCustomization.h"
#include "Input/Reply.h"
#include "UObject/WeakObjectPtr.h"

class IDetailCategoryBuilder;
class IDetailLayoutBuilder;
class SWidget;
class UZ4Package;
struct FAssetData;

/** The package's details panel: buttons that drive the package's operations, its counts and an asset picker. */
class FZ4PackageCustomization : public IDetailCustomization
{
public:
	static TSharedRef<IDetailCustomization> MakeInstance();

	virtual ~FZ4PackageCustomization() override;

	virtual void CustomizeDetails(IDetailLayoutBuilder& InDetailBuilder) override;

	/** Rebuilds the whole details view, and so this panel. */
	void RefreshDetails();

protected:
	bool IsButtonEnabled() const;

	FReply OnFindAssetsClicked();
	FReply OnRemoveAssetsClicked();
	FReply OnGetDependenciesClicked();
	FReply OnCopyDependenciesClicked();
	FReply OnApplyCookClicked();
	FReply OnCookFilesClicked();
	FReply OnMakePakClicked();
	FReply OnLogPakClicked();
	FReply OnRemoveAssetClicked(FName AssetName);

	FText OnGetFindAssetsButtonText() const;
	FText OnGetFindAssetsButtonTooltipText() const;
	FText OnGetRemoveAssetsButtonText() const;
	FText OnGetRemoveAssetsButtonTooltipText() const;
	FText OnGetGetDependenciesButtonText() const;
	FText OnGetGetDependenciesButtonTooltipText() const;
	FText OnGetApplyCookButtonText() const;
	FText OnGetApplyCookButtonTooltipText() const;
	FText OnGetCookFilesButtonText() const;
	FText OnGetCookFilesButtonTooltipText() const;
	FText OnGetMakePakButtonText() const;
	FText OnGetMakePakButtonTooltipText() const;
	FText OnGetLogPakButtonText() const;
	FText OnGetLogPakButtonTooltipText() const;
	FText OnGetCopyDependenciesButtonText() const;
	FText OnGetCopyDependenciesButtonTooltipText() const;

private:
	using FTextGetter = FText (FZ4PackageCustomization::*)() const;
	using FClickHandler = FReply (FZ4PackageCustomization::*)();

	TSharedRef<SWidget> MakePanelButton(FTextGetter TextGetter, FTextGetter TooltipGetter, FClickHandler ClickHandler);
	TSharedRef<SWidget> MakeSingleButtonRow(FTextGetter TextGetter, FTextGetter TooltipGetter, FClickHandler ClickHandler);

	void BuildAddAssetsCategory(IDetailCategoryBuilder& Category);
	void BuildMainAssetRows(IDetailCategoryBuilder& Category);
	void BuildExportCategory(IDetailCategoryBuilder& Category);
	void BuildDependenciesCategory(IDetailCategoryBuilder& Category);

	FText GetAssetCounterText() const;
	FText GetMissingDependenciesText() const;
	void OnAssetPicked(const FAssetData& AssetData);

	static bool ShouldFilterAsset(const FAssetData& AssetData, const TWeakPtr<FZ4PackageCustomization>& WeakPanel);

	IDetailLayoutBuilder* DetailBuilder = nullptr;
	// Weak, so a panel outliving its package (and the removal of its subscription) never touches a dead object.
	TWeakObjectPtr<UZ4Package> Package;
	FDelegateHandle PackageChangedHandle;
};
