#include "DetailLayoutBuilderImpl.h"

#include "IDetailCustomization.h"
#include "PropertyHandleImpl.h"
#include "StandIn/DetailsView.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "Widgets/Input/SButton.h"

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

	// "CaptureSettings" as "Capture Settings", as the engine's FName::NameToDisplayString shows a name.
	FString NameToDisplayString(const FString& Name)
	{
		FString Display;
		for (int32 Index = 0; Index < Name.Len(); ++Index)
		{
			const TCHAR Char = Name[Index];
			if (Index > 0 && FChar::IsUpper(Char) && !FChar::IsUpper(Name[Index - 1]))
			{
				Display.AppendChar(TEXT(' '));
			}
			Display.AppendChar(Char);
		}
		return Display;
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

TSharedRef<IPropertyHandle> FDetailLayoutBuilderImpl::GetProperty(const FName PropertyPath, const UStruct* ClassOutermost, FName InstanceName) const
{
	TArray<FString> Names;
	PropertyPath.ToString().ParseIntoArray(Names, TEXT("."));
	const FProperty* Top = BaseClass && !Names.IsEmpty() ? BaseClass->FindPropertyByName(FName(*Names[0])) : nullptr;
	if (!Top || !FPropertyHandleImpl::IsPropertyShown(*Top, Objects))
	{
		return MakeShared<FPropertyHandleImpl>();
	}
	TSharedPtr<IPropertyHandle> Handle = MakeShared<FPropertyHandleImpl>(Objects, TArray<FPropertyHandleImpl::FStep>{{Top, INDEX_NONE}});
	for (int32 Index = 1; Index < Names.Num() && Handle; ++Index)
	{
		Handle = Handle->GetChildHandle(FName(*Names[Index]), false);
	}
	return Handle ? Handle.ToSharedRef() : MakeShared<FPropertyHandleImpl>();
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
			if (FPropertyHandleImpl::IsPropertyShown(**It, Objects))
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
	AddCallInEditorButtons(ClassChain);
}

void FDetailLayoutBuilderImpl::AddCallInEditorButtons(const TArray<UClass*>& ClassChain)
{
	// A function marked CallInEditor is a button in its category that calls it on every object shown.
	for (UClass* Class : ClassChain)
	{
		for (UField* Field = Class->Children; Field; Field = Field->Next)
		{
			UFunction* Function = Cast<UFunction>(Field);
			if (!Function || !Function->HasMetaData(TEXT("CallInEditor")) || !Function->Invoker)
			{
				continue;
			}
			const FString& CategoryMeta = Function->GetMetaData(TEXT("Category"));
			FString Category = CategoryMeta;
			CategoryMeta.Split(TEXT("|"), &Category, nullptr);
			const FString& DisplayNameMeta = Function->GetMetaData(TEXT("DisplayName"));
			const FText Label = FText::FromString(DisplayNameMeta.IsEmpty() ? NameToDisplayString(Function->GetName()) : DisplayNameMeta);
			const TArray<TWeakObjectPtr<UObject>> CalledOn = Objects;
			const FNativeFunctionInvoker Invoker = Function->Invoker;
			FindOrAddCategory(Category.IsEmpty() ? Class->GetFName() : FName(*Category)).AddCustomRow(Label)
			.WholeRowContent()
			[
				SNew(SButton)
				.Text(Label)
				.ToolTipText(Function->GetToolTipText())
				.OnClicked(FOnClicked::CreateLambda([CalledOn, Invoker]()
				{
					// The engine records a transaction for the objects, which marks their packages dirty.
					for (const TWeakObjectPtr<UObject>& Object : CalledOn)
					{
						if (UObject* Live = Object.Get())
						{
							Live->Modify();
							Invoker(Live);
						}
					}
					return FReply::Handled();
				}))
			];
		}
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
