#include "DetailLayoutBuilderImpl.h"

#include "GameFramework/Actor.h"
#include "IDetailCustomization.h"
#include "StandIn/DetailsView.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

namespace
{
	UClass* FindCommonBaseClass(const TArray<TWeakObjectPtr<UObject>>& Objects)
	{
		UClass* Common = nullptr;
		for (const TWeakObjectPtr<UObject>& Object : Objects)
		{
			if (UObject* Live = Object.Get())
			{
				UClass* Class = Live->GetClass();
				if (!Common)
				{
					Common = Class;
				}
				while (Common && !Class->IsChildOf(Common))
				{
					Common = Common->GetSuperClass();
				}
			}
		}
		return Common;
	}

	// A property's category is the first part of its Category metadata ("Asset Data|Meshes" is "Asset Data").
	FName GetPropertyCategory(const FProperty& Property, const UClass& OwnerClass)
	{
		FString Category = Property.GetMetaData(TEXT("Category"));
		FString TopLevel;
		if (Category.Split(TEXT("|"), &TopLevel, nullptr))
		{
			Category = TopLevel;
		}
		return Category.IsEmpty() ? OwnerClass.GetFName() : FName(*Category);
	}
}

FDetailLayoutBuilderImpl::FDetailLayoutBuilderImpl(const TArray<TWeakObjectPtr<UObject>>& InObjects,
												   UE::StandIn::FDetailsView& InView)
	: Objects(InObjects)
	, BaseClass(FindCommonBaseClass(InObjects))
	, View(&InView)
{
}

void FDetailLayoutBuilderImpl::GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const
{
	OutObjects = Objects;
}

IDetailCategoryBuilder& FDetailLayoutBuilderImpl::EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName,
															   ECategoryPriority::Type CategoryType)
{
	FDetailCategoryImpl& Category = FindOrAddCategory(CategoryName);
	if (!NewLocalizedDisplayName.IsEmpty())
	{
		Category.SetDisplayName(NewLocalizedDisplayName);
	}
	Category.SetPriority(CategoryType);
	return Category;
}

void FDetailLayoutBuilderImpl::ForceRefreshDetails()
{
	if (View)
	{
		View->RequestRefresh();
	}
}

void FDetailLayoutBuilderImpl::Build(const FCustomDetailLayoutNameMap& RegisteredLayouts)
{
	if (!BaseClass)
	{
		return;
	}

	// Base classes first, as their properties come first in the editor.
	TArray<UClass*> ClassChain;
	for (UClass* Class = BaseClass; Class; Class = Class->GetSuperClass())
	{
		ClassChain.Insert(Class, 0);
	}

	TArray<TPair<FName, const FProperty*>> PropertyRows;
	for (UClass* Class : ClassChain)
	{
		for (TFieldIterator<FProperty> It(Class, EFieldIteratorFlags::ExcludeSuper); It; ++It)
		{
			if (IsPropertyVisible(**It))
			{
				PropertyRows.Emplace(GetPropertyCategory(**It, *Class), *It);
			}
		}
	}

	// Categories the customizations ask for are ordered first, in the order they ask; then the property
	// categories they did not touch, in property order. SetSortOrder overrides either.
	TArray<const FDetailLayoutCallback*> Callbacks;
	for (UClass* Class : ClassChain)
	{
		if (const FDetailLayoutCallback* Callback = RegisteredLayouts.Find(Class->GetFName()))
		{
			Callbacks.Add(Callback);
		}
	}
	Callbacks.StableSort([](const FDetailLayoutCallback& A, const FDetailLayoutCallback& B) { return A.Order < B.Order; });
	for (const FDetailLayoutCallback* Callback : Callbacks)
	{
		if (Callback->DetailLayoutDelegate.IsBound())
		{
			TSharedRef<IDetailCustomization> Customization = Callback->DetailLayoutDelegate.Execute();
			Customizations.Add(Customization);
			Customization->CustomizeDetails(TSharedPtr<IDetailLayoutBuilder>(AsShared()));
		}
	}

	for (const TPair<FName, const FProperty*>& Row : PropertyRows)
	{
		FindOrAddCategory(Row.Key).AddPropertyRow(*Row.Value);
	}
}

TArray<const FDetailCategoryImpl*> FDetailLayoutBuilderImpl::GetSortedCategories() const
{
	TArray<const FDetailCategoryImpl*> Result;
	for (const TUniquePtr<FDetailCategoryImpl>& Category : Categories)
	{
		if (!HiddenCategories.Contains(Category->GetCategoryName()))
		{
			Result.Add(Category.Get());
		}
	}
	Result.StableSort([](const FDetailCategoryImpl& A, const FDetailCategoryImpl& B)
		{
			return A.GetPriority() != B.GetPriority() ? A.GetPriority() < B.GetPriority() : A.GetSortOrder() < B.GetSortOrder();
		});
	return Result;
}

FDetailCategoryImpl& FDetailLayoutBuilderImpl::FindOrAddCategory(FName CategoryName)
{
	for (const TUniquePtr<FDetailCategoryImpl>& Category : Categories)
	{
		if (Category->GetCategoryName() == CategoryName)
		{
			return *Category;
		}
	}
	FDetailCategoryImpl& Category = *Categories.Add_GetRef(MakeUnique<FDetailCategoryImpl>(CategoryName, *this));
	Category.SetSortOrder(NextSortOrder++);
	return Category;
}

bool FDetailLayoutBuilderImpl::IsPropertyVisible(const FProperty& Property) const
{
	if (!Property.HasAnyPropertyFlags(CPF_Edit) || Property.HasAnyPropertyFlags(CPF_Deprecated))
	{
		return false;
	}
	// EditDefaultsOnly hides a property on placed actors; assets (a data asset, a package) still show it.
	// EditInstanceOnly hides it on class defaults and archetypes.
	for (const TWeakObjectPtr<UObject>& Object : Objects)
	{
		const UObject* Live = Object.Get();
		if (!Live)
		{
			continue;
		}
		const bool bIsTemplate = Live->IsTemplate();
		if (Property.HasAnyPropertyFlags(CPF_DisableEditOnInstance) && !bIsTemplate && Live->IsA(AActor::StaticClass()))
		{
			return false;
		}
		if (Property.HasAnyPropertyFlags(CPF_DisableEditOnTemplate) && bIsTemplate)
		{
			return false;
		}
	}
	return true;
}
