#pragma once

#include "CoreMinimal.h"

class SWidget;

namespace UE::StandIn
{
	// The headless editor's way of painting: each widget that shows something writes lines of text, children
	// indented under the widget that groups them. What a widget writes is part of its own class
	// (SWidget::PaintAsText); attributes are evaluated while painting, as a real paint pass would.
	class SLATECORE_API FWidgetTextPainter
	{
	public:
		void AddLine(const FString& Line);
		// Each line of a multi-line text, at the current indent; a final line break adds no empty line.
		void AddLines(const FString& Text);
		void PushIndent() { ++Indent; }
		void PopIndent() { --Indent; }
		void Paint(SWidget& Widget);

		const TArray<FString>& GetLines() const { return Lines; }
		FString ToString() const;

		// "red", "white"... for the engine's named colours, the colour's own text for any other.
		static FString DescribeColor(const FLinearColor& Color);

	private:
		TArray<FString> Lines;
		int32 Indent = 0;
	};

	// Indents its painter for the lifetime of the scope.
	struct FScopedTextIndent
	{
		explicit FScopedTextIndent(FWidgetTextPainter& InPainter) : Painter(InPainter) { Painter.PushIndent(); }
		~FScopedTextIndent() { Painter.PopIndent(); }

		FWidgetTextPainter& Painter;
	};
}
