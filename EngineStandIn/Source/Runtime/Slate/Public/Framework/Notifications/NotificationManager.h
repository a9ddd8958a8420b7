#pragma once

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"
#include "Widgets/Notifications/SNotificationList.h"

/** Shows the editor's floating notifications. */
class SLATE_API FSlateNotificationManager
{
public:
	static FSlateNotificationManager& Get();

	/** Adds a notification; the item lets the caller change its text and completion state later. */
	TSharedPtr<SNotificationItem> AddNotification(const FNotificationInfo& Info);

protected:
	FSlateNotificationManager() = default;
};
