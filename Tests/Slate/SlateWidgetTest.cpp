#include "CoreMinimal.h"
#include "StandIn/WidgetTextPainter.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"

#include <gtest/gtest.h>

namespace
{
	// What a details panel binds its widgets to: an object owned by a shared reference.
	class FCounterPanel : public TSharedFromThis<FCounterPanel>
	{
	public:
		FText GetLabel() const { return FText::FromString(FString::Printf(TEXT("Clicked %d"), Clicks)); }
		bool IsButtonEnabled() const { return bEnabled; }

		FReply OnClicked()
		{
			++Clicks;
			return FReply::Handled();
		}

		int32 Clicks = 0;
		bool bEnabled = true;
	};

	FString Paint(const TSharedRef<SWidget>& Widget)
	{
		UE::StandIn::FWidgetTextPainter Painter;
		Painter.Paint(*Widget);
		return Painter.ToString();
	}
}

TEST(SlateWidgetTest, DeclaredBoxKeepsItsSlotsInOrderWithTheirLayout)
{
	TSharedPtr<STextBlock> Label;
	TSharedRef<SHorizontalBox> Box = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot()
		.AutoWidth()
		.VAlign(VAlign_Center)
		.Padding(0.0f, 0.0f, 10.0f, 0.0f)
		[
			SAssignNew(Label, STextBlock).Text(FText::FromString(TEXT("Add Asset:")))
		]
		+ SHorizontalBox::Slot()
		.FillWidth(1.0f)
		.HAlign(HAlign_Right)
		[
			SNew(SBox).MinDesiredWidth(250)
		];

	ASSERT_EQ(Box->GetChildren()->Num(), 2);
	ASSERT_TRUE(Label.IsValid());
	EXPECT_EQ(Box->GetChildren()->GetChildAt(0), TSharedRef<SWidget>(Label.ToSharedRef()));
	EXPECT_EQ(Label->GetType(), FName(TEXT("STextBlock")));
	EXPECT_EQ(Box->GetChildren()->GetChildAt(1)->GetType(), FName(TEXT("SBox")));
	EXPECT_EQ(StaticCastSharedRef<SBox>(Box->GetChildren()->GetChildAt(1))->GetMinDesiredWidth().Get(), 250.0f);
	EXPECT_EQ(Paint(Box), TEXT("Add Asset:\n"));
}

TEST(SlateWidgetTest, BoundAttributesAreEvaluatedWhenPaintedAndHoldTheirObjectWeakly)
{
	TSharedRef<FCounterPanel> Panel = MakeShared<FCounterPanel>();
	TSharedRef<SButton> Button = SNew(SButton)
		.Text(Panel.Get(), &FCounterPanel::GetLabel)
		.ToolTipText(FText::FromString(TEXT("Counts clicks.")))
		.IsEnabled(Panel.Get(), &FCounterPanel::IsButtonEnabled)
		.OnClicked(Panel.Get(), &FCounterPanel::OnClicked);

	EXPECT_EQ(Paint(Button), TEXT("[Clicked 0]  Counts clicks.\n"));
	Button->SimulateClick();
	Button->SimulateClick();
	Panel->bEnabled = false;
	EXPECT_EQ(Paint(Button), TEXT("[Clicked 2] (disabled)  Counts clicks.\n"));
	EXPECT_EQ(Panel.GetSharedReferenceCount(), 1) << "the button must not keep its panel alive";

	Panel->bEnabled = true;
	EXPECT_TRUE(Button->IsEnabled());
	Panel = MakeShared<FCounterPanel>();
	// The panel is gone: the click runs nothing, and the attributes keep the last values they produced.
	Button->SimulateClick();
	EXPECT_EQ(Paint(Button), TEXT("[Clicked 2]  Counts clicks.\n"));
}

TEST(SlateWidgetTest, TextBlockPaintsEachLineAndItsColour)
{
	int32 Count = 2;
	TSharedRef<STextBlock> Warning = SNew(STextBlock)
		.Text_Lambda([&Count]() { return FText::AsNumber(Count); })
		.ColorAndOpacity(FLinearColor::Red);
	TSharedRef<STextBlock> List = SNew(STextBlock)
		.AutoWrapText(true)
		.Text(FText::FromString(TEXT("\t\t/Game/Other/T_Rock\n/Game/Other/M_Rock\n")));

	EXPECT_EQ(Paint(Warning), TEXT("2  [red]\n"));
	Count = 1234;
	EXPECT_EQ(Paint(Warning), TEXT("1,234  [red]\n"));
	EXPECT_EQ(Paint(List), TEXT("\t\t/Game/Other/T_Rock\n/Game/Other/M_Rock\n"));
	EXPECT_TRUE(List->GetAutoWrapText());
	EXPECT_FALSE(List->GetColorAndOpacity().IsColorSpecified());
}

TEST(SlateWidgetTest, AttributeFromValueLambdaOrGetter)
{
	TAttribute<FText> Unset;
	EXPECT_FALSE(Unset.IsSet());
	EXPECT_TRUE(Unset.Get(FText::FromString(TEXT("Default"))).EqualTo(FText::FromString(TEXT("Default"))));

	TAttribute<bool> Value = true;
	EXPECT_TRUE(Value.IsSet());
	EXPECT_FALSE(Value.IsBound());
	EXPECT_TRUE(Value.Get());

	int32 Calls = 0;
	TAttribute<int32> Lambda = TAttribute<int32>::CreateLambda([&Calls]() { return ++Calls; });
	EXPECT_EQ(Lambda.Get(), 1);
	EXPECT_EQ(Lambda.Get(), 2);
	Lambda.Set(7);
	EXPECT_EQ(Lambda.Get(), 7);
	EXPECT_EQ(Calls, 2);

	TSharedRef<FCounterPanel> Panel = MakeShared<FCounterPanel>();
	TAttribute<bool> Bound;
	Bound.Bind(Panel.Get(), &FCounterPanel::IsButtonEnabled);
	EXPECT_TRUE(Bound.IsBound());
	Panel->bEnabled = false;
	EXPECT_FALSE(Bound.Get());
	Panel = MakeShared<FCounterPanel>();
	EXPECT_FALSE(Bound.IsBound());
	EXPECT_FALSE(Bound.Get());
}
