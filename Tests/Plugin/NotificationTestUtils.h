#pragma once

#include "CoreMinimal.h"
#include "StandIn/EditorTick.h"
#include "StandIn/NotificationLog.h"

#include <chrono>
#include <thread>

namespace UE::Quillon::Test
{
	// Ticks the editor, as its main loop would, until a notification is shown (the pak tool's outcome, which comes
	// on a later tick) or a minute has passed; the notifications shown.
	inline TArray<UE::StandIn::FShownNotification> TickEditorUntilNotified()
	{
		const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
		while (UE::StandIn::GetShownNotifications().Num() == 0 && std::chrono::steady_clock::now() < Deadline)
		{
			UE::StandIn::TickEditor(0.1f);
			std::this_thread::sleep_for(std::chrono::milliseconds(5));
		}
		return UE::StandIn::GetShownNotifications();
	}
}
