#pragma once

#include "CoreMinimal.h"
#include "DetailCategoryImpl.h"
#include "DetailLayoutBuilder.h"
#include "PropertyEditorModule.h"

class IDetailCustomization;

namespace UE::StandIn
{
	class FDetailsView;
}

/** The layout of one build of a details view: its categories and rows, and the customizations that made them. */
class FDetailLayoutBuilderImpl : public IDetailLayoutBuilder, public TSharedFromThis<FDetailLayoutBuilderImpl>
{
public:
	FDetailLayoutBuilderImpl(const TArray<TWeakObjectPtr<UObject>>& InObjects, UE::StandIn::FDetailsView& InView);

	virtual void GetObjectsBeingCustomized(TArray<TWeakObjectPtr<UObject>>& OutObjects) const override;
	virtual IDetailCategoryBuilder& EditCategory(FName CategoryName, const FText& NewLocalizedDisplayName = FText::GetEmpty(),
												 ECategoryPriority::Type CategoryType = ECategoryPriority::Default) override;
	virtual void HideCategory(FName CategoryName) override { HiddenCategories.Add(CategoryName); }
	virtual TSharedRef<IPropertyHandle> GetProperty(const FName PropertyPath, const UStruct* ClassOutermost = nullptr, FName InstanceName = NAME_None) const override;
	virtual void ForceRefreshDetails() override;
	virtual UClass* GetBaseClass() const override { return BaseClass; }

	/** The default rows of the objects' visible properties, then the customizations registered for their class. */
	void Build(const FCustomDetailLayoutNameMap& RegisteredLayouts);

	/** The categories that are not hidden, by priority and then sort order. */
	TArray<const FDetailCategoryImpl*> GetSortedCategories() const;

	/** The view goes before a layout that something else still holds. */
	void DetachFromView() { View = nullptr; }

private:
	FDetailCategoryImpl& FindOrAddCategory(FName CategoryName);
	void AddCallInEditorButtons(const TArray<UClass*>& ClassChain);

	TArray<TWeakObjectPtr<UObject>> Objects;
	UClass* BaseClass = nullptr;
	UE::StandIn::FDetailsView* View;
	TArray<TUniquePtr<FDetailCategoryImpl>> Categories;
	TSet<FName> HiddenCategories;
	TArray<TSharedRef<IDetailCustomization>> Customizations;
	int32 NextSortOrder = 0;
};
