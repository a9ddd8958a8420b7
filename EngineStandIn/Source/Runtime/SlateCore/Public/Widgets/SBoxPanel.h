#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

/** How a box slot takes its share of the box: as much as its content asks for, or a part of what is left. */
enum class ESizeRule : uint8
{
	Auto,
	Stretch,
};

/** A panel that lays its slots out in a row (SHorizontalBox) or a column. */
class SLATECORE_API SBoxPanel : public SPanel
{
public:
	/** A slot of a box: its widget, size rule, alignment and padding. */
	class FSlot
	{
	public:
		FSlot() : Widget(SNullWidget::NullWidget) {}

		const TSharedRef<SWidget>& GetWidget() const { return Widget; }
		ESizeRule GetSizeRule() const { return SizeRule; }
		float GetSizeValue() const { return SizeValue.Get(1.0f); }
		EHorizontalAlignment GetHorizontalAlignment() const { return HAlignment; }
		EVerticalAlignment GetVerticalAlignment() const { return VAlignment; }
		const FMargin& GetPadding() const { return SlotPadding; }

		// Filled by the slot arguments of the box that holds the slot.
		TSharedRef<SWidget> Widget;
		// Box slots stretch unless told otherwise.
		ESizeRule SizeRule = ESizeRule::Stretch;
		TAttribute<float> SizeValue = 1.0f;
		EHorizontalAlignment HAlignment = HAlign_Fill;
		EVerticalAlignment VAlignment = VAlign_Fill;
		FMargin SlotPadding;
	};

	virtual FChildren* GetChildren() override { return &Children; }

	int32 NumSlots() const { return Children.Num(); }

	virtual void PaintAsText(UE::StandIn::FWidgetTextPainter& Painter) override;

protected:
	SBoxPanel() = default;

	void AddSlot(const FSlot& InSlot) { Children.Slots.Add(InSlot); }

	const FSlot& GetSlot(int32 Index) const { return Children.Slots[Index]; }

private:
	class FBoxChildren : public FChildren
	{
	public:
		virtual int32 Num() const override { return Slots.Num(); }
		virtual TSharedRef<SWidget> GetChildAt(int32 Index) override { return Slots[Index].GetWidget(); }
		virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return Slots[Index].GetWidget(); }

		TArray<FSlot> Slots;
	};

	FBoxChildren Children;
};

/** Lays its slots out left to right. */
class SLATECORE_API SHorizontalBox : public SBoxPanel
{
public:
	class FSlot : public SBoxPanel::FSlot
	{
	public:
		/** What "+ SHorizontalBox::Slot()" builds. */
		struct FSlotArguments
		{
			FSlotArguments& AutoWidth()
			{
				Slot.SizeRule = ESizeRule::Auto;
				return *this;
			}

			FSlotArguments& FillWidth(TAttribute<float> InStretchCoefficient)
			{
				Slot.SizeRule = ESizeRule::Stretch;
				Slot.SizeValue = MoveTemp(InStretchCoefficient);
				return *this;
			}

			FSlotArguments& Padding(const FMargin& InPadding)
			{
				Slot.SlotPadding = InPadding;
				return *this;
			}

			FSlotArguments& Padding(float Left, float Top, float Right, float Bottom)
			{
				return Padding(FMargin(Left, Top, Right, Bottom));
			}

			FSlotArguments& HAlign(EHorizontalAlignment InHAlignment)
			{
				Slot.HAlignment = InHAlignment;
				return *this;
			}

			FSlotArguments& VAlign(EVerticalAlignment InVAlignment)
			{
				Slot.VAlignment = InVAlignment;
				return *this;
			}

			FSlotArguments& operator[](const TSharedRef<SWidget>& InChildWidget)
			{
				Slot.Widget = InChildWidget;
				return *this;
			}

			SBoxPanel::FSlot Slot;
		};
	};

	static FSlot::FSlotArguments Slot() { return FSlot::FSlotArguments(); }

	SLATE_BEGIN_ARGS(SHorizontalBox) {}
		SLATE_SLOT_ARGUMENT(SHorizontalBox::FSlot, Slots)
	SLATE_END_ARGS()

	SHorizontalBox() = default;

	void Construct(const FArguments& InArgs);
};
