#include "StandIn/ContentBrowserModel.h"
#include "AssetRegistry/AssetData.h"
#include "AssetToolsModule.h"
#include "Engine/World.h"
#include "Factories/Factory.h"
#include "HAL/FileManager.h"
#include "IAssetTools.h"
#include "IAssetTypeActions.h"
#include "Misc/PackageName.h"
#include "Misc/Paths.h"
#include "Toolkits/IToolkit.h"
#include "Toolkits/SimpleAssetEditor.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/SavePackage.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UObjectHash.h"
#include <algorithm>

namespace UE::StandIn
{
	namespace
	{
		IAssetTools& AssetTools()
		{
			return FAssetToolsModule::GetModule().Get();
		}

		template <typename ElementType, typename ProjectionType>
		void SortByName(TArray<ElementType>& Elements, ProjectionType Projection)
		{
			std::stable_sort(Elements.GetData(), Elements.GetData() + Elements.Num(),
							 [&Projection](const ElementType& A, const ElementType& B)
							 { return Projection(A).Compare(Projection(B), ESearchCase::IgnoreCase) < 0; });
		}

		FString ColorText(const FColor& Color)
		{
			return FString::Printf(TEXT("colour %d,%d,%d,%d"), Color.R, Color.G, Color.B, Color.A);
		}
	}

	TArray<FContentBrowserCategory> GetContentBrowserCategories()
	{
		TArray<FAdvancedAssetCategory> AllCategories;
		AssetTools().GetAllAdvancedAssetCategories(AllCategories);
		TArray<TWeakPtr<IAssetTypeActions>> ActionsList;
		AssetTools().GetAssetTypeActionsList(ActionsList);

		TArray<FContentBrowserCategory> Result;
		for (const FAdvancedAssetCategory& Category : AllCategories)
		{
			FContentBrowserCategory Entry;
			Entry.Bit = Category.CategoryType;
			Entry.Name = Category.CategoryName;
			for (const TWeakPtr<IAssetTypeActions>& WeakActions : ActionsList)
			{
				const TSharedPtr<IAssetTypeActions> Actions = WeakActions.Pin();
				if (Actions.IsValid() && (Actions->GetCategories() & Category.CategoryType) != 0)
				{
					Entry.AssetTypes.Add({Actions->GetName(), Actions->GetTypeColor(), Actions->GetSupportedClass()});
				}
			}
			if (Entry.AssetTypes.Num() > 0)
			{
				SortByName(Entry.AssetTypes, [](const FContentBrowserAssetType& Type) { return Type.Name.ToString(); });
				Result.Add(MoveTemp(Entry));
			}
		}
		return Result;
	}

	TArray<FContentBrowserAsset> GetFolderAssets(const FString& PackagePath)
	{
		TArray<FContentBrowserAsset> Result;
		FString Folder;
		if (!FPackageName::TryConvertLongPackageNameToFilename(PackagePath / TEXT(""), Folder))
		{
			return Result;
		}
		TArray<FString> Files;
		for (const FString* Extension : {&FPackageName::GetAssetPackageExtension(), &FPackageName::GetMapPackageExtension()})
		{
			IFileManager::Get().FindFiles(Files, *(Folder / (TEXT("*") + *Extension)), true, false);
		}
		for (const FString& File : Files)
		{
			const FString PackageName = PackagePath / FPaths::GetBaseFilename(File);
			UPackage* Package = LoadPackage(nullptr, *PackageName, LOAD_None);
			if (!Package)
			{
				continue;
			}
			TArray<UObject*> Objects;
			GetObjectsWithOuter(Package, Objects, false);
			for (UObject* Object : Objects)
			{
				if (!Object->HasAnyFlags(RF_Public))
				{
					continue;
				}
				FContentBrowserAsset Asset;
				Asset.ObjectPath = FAssetData(Object).GetObjectPathString();
				Asset.AssetName = Object->GetFName();
				Asset.Class = Object->GetClass();
				if (const TSharedPtr<IAssetTypeActions> Actions = AssetTools().GetAssetTypeActionsForClass(Asset.Class).Pin())
				{
					Asset.TypeName = Actions->GetName();
					Asset.TypeColor = Actions->GetTypeColor();
					Asset.bHasAssetTypeActions = true;
				}
				else
				{
					Asset.TypeName = Asset.Class->GetDisplayNameText();
					Asset.TypeColor = FColor(127, 127, 127);
				}
				Result.Add(MoveTemp(Asset));
			}
		}
		SortByName(Result, [](const FContentBrowserAsset& Asset) { return Asset.AssetName.ToString(); });
		return Result;
	}

	TArray<FNewAssetMenuEntry> GetNewAssetMenu()
	{
		TArray<FNewAssetMenuEntry> Result;
		TArray<UObject*> Classes;
		GetObjectsOfClass(UClass::StaticClass(), Classes);
		for (UObject* Object : Classes)
		{
			UClass* Class = static_cast<UClass*>(Object);
			if (!Class->IsChildOf(UFactory::StaticClass()) || Class->HasAnyClassFlags(CLASS_Abstract))
			{
				continue;
			}
			const UFactory* Factory = static_cast<const UFactory*>(Class->GetDefaultObject());
			if (!Factory->ShouldShowInNewMenu() || !ensure(!Factory->GetDisplayName().IsEmpty()))
			{
				continue;
			}
			Result.Add({Factory->GetDisplayName(), Factory->GetMenuCategories(), Class, Factory->GetSupportedClass()});
		}
		SortByName(Result, [](const FNewAssetMenuEntry& Entry) { return Entry.DisplayName.ToString(); });
		return Result;
	}

	const FNewAssetMenuEntry* FindNewAssetMenuEntry(const TArray<FNewAssetMenuEntry>& Menu, const FString& DisplayName)
	{
		return Menu.FindByPredicate([&DisplayName](const FNewAssetMenuEntry& Entry)
									{ return Entry.DisplayName.ToString().Equals(DisplayName, ESearchCase::IgnoreCase); });
	}

	UObject* CreateAssetFromNewAssetMenu(const FNewAssetMenuEntry& Entry, const FString& PackagePath, const FString& AssetName)
	{
		UFactory* Factory = NewObject<UFactory>(GetTransientPackage(), Entry.FactoryClass);
		UObject* Asset = AssetTools().CreateAsset(AssetName, PackagePath, Entry.SupportedClass, Factory);
		if (Asset && Factory->bEditAfterNew)
		{
			OpenAsset(Asset);
		}
		return Asset;
	}

	bool SaveAsset(UObject* Asset)
	{
		if (!Asset)
		{
			return false;
		}
		UPackage* Package = Asset->GetPackage();
		const FString Extension = Asset->IsA<UWorld>() ? FPackageName::GetMapPackageExtension() : FPackageName::GetAssetPackageExtension();
		FString Filename;
		if (!FPackageName::TryConvertLongPackageNameToFilename(Package->GetName(), Filename, Extension))
		{
			return false;
		}
		FSavePackageArgs SaveArgs;
		SaveArgs.TopLevelFlags = RF_Public | RF_Standalone;
		return UPackage::SavePackage(Package, Asset, *Filename, SaveArgs);
	}

	void OpenAsset(UObject* Asset)
	{
		if (!Asset)
		{
			return;
		}
		TArray<UObject*> Objects;
		Objects.Add(Asset);
		if (const TSharedPtr<IAssetTypeActions> Actions = AssetTools().GetAssetTypeActionsForClass(Asset->GetClass()).Pin())
		{
			Actions->OpenAssetEditor(Objects);
			return;
		}
		FSimpleAssetEditor::CreateEditor(EToolkitMode::Standalone, TSharedPtr<IToolkitHost>(), Objects);
	}

	FString DrawContentBrowser(const FString& PackagePath)
	{
		FString Text = TEXT("Content browser\n  Filters:\n");
		for (const FContentBrowserCategory& Category : GetContentBrowserCategories())
		{
			Text += FString::Printf(TEXT("    %s\n"), *Category.Name.ToString());
			for (const FContentBrowserAssetType& Type : Category.AssetTypes)
			{
				Text += FString::Printf(TEXT("      %s  (%s, %s)\n"), *Type.Name.ToString(), *ColorText(Type.Color),
										Type.SupportedClass ? *Type.SupportedClass->GetPathName() : TEXT("no class"));
			}
		}
		const TArray<FContentBrowserAsset> Assets = GetFolderAssets(PackagePath);
		Text += FString::Printf(TEXT("  %s (%d %s):\n"), *PackagePath, Assets.Num(), Assets.Num() == 1 ? TEXT("item") : TEXT("items"));
		for (const FContentBrowserAsset& Asset : Assets)
		{
			Text += FString::Printf(TEXT("    %s  [%s, %s]\n"), *Asset.AssetName.ToString(), *Asset.TypeName.ToString(), *ColorText(Asset.TypeColor));
		}
		return Text;
	}
}
