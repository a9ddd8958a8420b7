#include "StandIn/WidgetTextPainter.h"

#include "Widgets/SWidget.h"

namespace UE::StandIn
{
	void FWidgetTextPainter::AddLine(const FString& Line)
	{
		FString Indented;
		for (int32 Level = 0; Level < Indent; ++Level)
		{
			Indented += TEXT("  ");
		}
		Lines.Add(Indented + Line);
	}

	void FWidgetTextPainter::AddLines(const FString& Text)
	{
		TArray<FString> TextLines;
		Text.ParseIntoArray(TextLines, TEXT("\n"), false);
		if (TextLines.Num() > 0 && TextLines.Last().IsEmpty())
		{
			TextLines.Pop();
		}
		for (const FString& Line : TextLines)
		{
			AddLine(Line);
		}
	}

	void FWidgetTextPainter::Paint(SWidget& Widget)
	{
		Widget.PaintAsText(*this);
	}

	FString FWidgetTextPainter::ToString() const
	{
		FString Result;
		for (const FString& Line : Lines)
		{
			Result += Line;
			Result += TEXT("\n");
		}
		return Result;
	}

	FString FWidgetTextPainter::DescribeColor(const FLinearColor& Color)
	{
		const struct
		{
			const FLinearColor& Color;
			const TCHAR* Name;
		} NamedColors[] = {
			{FLinearColor::White, TEXT("white")}, {FLinearColor::Gray, TEXT("gray")},
			{FLinearColor::Black, TEXT("black")}, {FLinearColor::Red, TEXT("red")},
			{FLinearColor::Green, TEXT("green")}, {FLinearColor::Blue, TEXT("blue")},
			{FLinearColor::Yellow, TEXT("yellow")},
		};
		for (const auto& Named : NamedColors)
		{
			if (Named.Color == Color)
			{
				return Named.Name;
			}
		}
		return Color.ToString();
	}
}
