#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

class UClass;
struct FAssetData;

/** Asks whether the asset picker hides an asset: true hides it. */
DECLARE_DELEGATE_RetVal_OneParam(bool, FOnShouldFilterAsset, const FAssetData& /*AssetData*/);

/** Tells that an object was chosen. */
DECLARE_DELEGATE_OneParam(FOnSetObject, const FAssetData&);

/**
 * Shows an object value with a picker of assets to choose from. The picker lists the assets of the allowed
 * class (subclasses included) that the asset registry knows, less those OnShouldFilterAsset hides.
 */
class PROPERTYEDITOR_API SObjectPropertyEntryBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SObjectPropertyEntryBox)
		: _AllowedClass(nullptr)
		, _AllowClear(true)
		, _DisplayThumbnail(true)
		{
		}
		/** The path of the object shown; None when unset. */
		SLATE_ATTRIBUTE(FString, ObjectPath)
		/** The class of the assets offered; UObject when unset. */
		SLATE_ARGUMENT(const UClass*, AllowedClass)
		SLATE_EVENT(FOnSetObject, OnObjectChanged)
		SLATE_EVENT(FOnShouldFilterAsset, OnShouldFilterAsset)
		SLATE_ARGUMENT(bool, AllowClear)
		SLATE_ARGUMENT(bool, DisplayThumbnail)
	SLATE_END_ARGS()

	SObjectPropertyEntryBox() = default;

	void Construct(const FArguments& InArgs);

	virtual void PaintAsText(UE::StandIn::FWidgetTextPainter& Painter) override;

	/** Stand-in: the assets the picker offers now, by name. */
	TArray<FAssetData> GetPickableAssets() const;

	/** Stand-in: whether the picker would offer this asset, as far as OnShouldFilterAsset says. */
	bool IsAssetPickable(const FAssetData& AssetData) const;

	/**
	 * Stand-in: chooses an asset as a user would in the picker: only one the picker offers, named by its
	 * package or object path. False when the picker does not offer it.
	 */
	bool PickAsset(const FString& AssetPath);

private:
	TAttribute<FString> ObjectPath;
	const UClass* AllowedClass = nullptr;
	FOnSetObject OnObjectChanged;
	FOnShouldFilterAsset OnShouldFilterAsset;
	bool bAllowClear = true;
};
