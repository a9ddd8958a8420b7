#pragma once

#include "CoreMinimal.h"
#include "Misc/Attribute.h"
#include "Widgets/SCompoundWidget.h"

/** How a notification is to be set up. */
struct FNotificationInfo
{
	FNotificationInfo(const FText& InText) : Text(InText) {}

	TAttribute<FText> Text;
	TAttribute<FText> SubText;
	float FadeInDuration = 0.5f;
	float FadeOutDuration = 2.0f;
	/** Seconds a fire-and-forget notification stays before it fades out. */
	float ExpireDuration = 1.0f;
	bool bUseThrobber = true;
	bool bUseSuccessFailIcons = true;
	bool bUseLargeFont = true;
	/** When true the notification goes away on its own after ExpireDuration. */
	bool bFireAndForget = true;
};

/**
 * A notification shown in the editor's corner. The stand-in records what would be shown
 * (StandIn/NotificationLog.h) instead of drawing it.
 */
class SLATE_API SNotificationItem : public SCompoundWidget
{
public:
	enum ECompletionState
	{
		CS_None,
		CS_Pending,
		CS_Success,
		CS_Fail,
	};

	virtual ~SNotificationItem() = default;

	virtual void SetText(const TAttribute<FText>& InText) = 0;
	virtual void SetSubText(const TAttribute<FText>& InSubText) = 0;
	virtual void SetCompletionState(ECompletionState State) = 0;
	virtual ECompletionState GetCompletionState() const = 0;
	virtual void SetExpireDuration(float ExpireDuration) = 0;
	/** Waits for the expire duration, then fades out. */
	virtual void ExpireAndFadeout() = 0;
	virtual void Fadeout() = 0;
};
