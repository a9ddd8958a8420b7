#include "PropertyCustomizationHelpers.h"

#include "AssetRegistry/ARFilter.h"
#include "AssetRegistry/AssetData.h"
#include "AssetRegistry/AssetRegistryModule.h"
#include "AssetRegistry/IAssetRegistry.h"
#include "Modules/ModuleManager.h"
#include "StandIn/WidgetTextPainter.h"
#include "UObject/Class.h"
#include "UObject/Object.h"

void SObjectPropertyEntryBox::Construct(const FArguments& InArgs)
{
	ObjectPath = InArgs._ObjectPath;
	AllowedClass = InArgs._AllowedClass ? InArgs._AllowedClass : UObject::StaticClass();
	OnObjectChanged = InArgs._OnObjectChanged;
	OnShouldFilterAsset = InArgs._OnShouldFilterAsset;
	bAllowClear = InArgs._AllowClear;
}

TArray<FAssetData> SObjectPropertyEntryBox::GetPickableAssets() const
{
	FARFilter Filter;
	Filter.ClassPaths.Add(AllowedClass->GetClassPathName());
	Filter.bRecursiveClasses = true;
	TArray<FAssetData> Assets;
	FModuleManager::LoadModuleChecked<FAssetRegistryModule>(TEXT("AssetRegistry")).Get().GetAssets(Filter, Assets);

	TArray<FAssetData> Pickable;
	for (const FAssetData& Asset : Assets)
	{
		if (IsAssetPickable(Asset))
		{
			Pickable.Add(Asset);
		}
	}
	// The picker lists assets by name.
	Pickable.StableSort([](const FAssetData& A, const FAssetData& B)
		{
			const int32 ByName = A.AssetName.ToString().Compare(B.AssetName.ToString(), ESearchCase::IgnoreCase);
			return ByName != 0 ? ByName < 0 : A.PackageName.ToString().Compare(B.PackageName.ToString(), ESearchCase::IgnoreCase) < 0;
		});
	return Pickable;
}

bool SObjectPropertyEntryBox::IsAssetPickable(const FAssetData& AssetData) const
{
	return !OnShouldFilterAsset.IsBound() || !OnShouldFilterAsset.Execute(AssetData);
}

bool SObjectPropertyEntryBox::PickAsset(const FString& AssetPath)
{
	for (const FAssetData& Asset : GetPickableAssets())
	{
		if (Asset.PackageName.ToString().Equals(AssetPath, ESearchCase::IgnoreCase) ||
			Asset.GetObjectPathString().Equals(AssetPath, ESearchCase::IgnoreCase))
		{
			OnObjectChanged.ExecuteIfBound(Asset);
			return true;
		}
	}
	return false;
}

void SObjectPropertyEntryBox::PaintAsText(UE::StandIn::FWidgetTextPainter& Painter)
{
	const FString Current = ObjectPath.Get(FString());
	const TArray<FAssetData> Pickable = GetPickableAssets();
	Painter.AddLine(FString::Printf(TEXT("<%s>  picker offers %d asset%s%s"), Current.IsEmpty() ? TEXT("None") : *Current,
									Pickable.Num(), Pickable.Num() == 1 ? TEXT("") : TEXT("s"), Pickable.Num() ? TEXT(":") : TEXT("")));
	UE::StandIn::FScopedTextIndent Indent(Painter);
	for (const FAssetData& Asset : Pickable)
	{
		Painter.AddLine(Asset.PackageName.ToString());
	}
}
