#include "Widgets/SNullWidget.h"

#include "Widgets/SLeafWidget.h"

namespace
{
	class SNullWidgetContent : public SLeafWidget
	{
	public:
		SNullWidgetContent() { SetTypeOfWidget(FName(TEXT("SNullWidget"))); }
	};
}

FNoChildren SLeafWidget::NoChildrenInstance;

TSharedRef<SWidget> SNullWidget::NullWidget = MakeShared<SNullWidgetContent>();
