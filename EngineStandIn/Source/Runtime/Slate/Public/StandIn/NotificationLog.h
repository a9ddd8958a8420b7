#pragma once

#include "CoreMinimal.h"
#include "Widgets/Notifications/SNotificationList.h"

namespace UE::StandIn
{
	/** A notification as it stands now: later changes through its item show here. */
	struct FShownNotification
	{
		FString Text;
		FString SubText;
		SNotificationItem::ECompletionState CompletionState = SNotificationItem::CS_None;
		bool bFireAndForget = true;
		float ExpireDuration = 0.0f;
		bool bFadedOut = false;
	};

	/** Every notification added, oldest first. */
	SLATE_API TArray<FShownNotification> GetShownNotifications();
	SLATE_API void ClearShownNotifications();
}
