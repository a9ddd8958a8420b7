#pragma once

#include "CoreMinimal.h"
#include "CookOnTheSide/CookOnTheFlyServer.h"
#include "UObject/WeakObjectPtr.h"

namespace UE::StandIn
{
	/** One call of UCookOnTheFlyServer::StartCookByTheBook, with what the cooker was initialised and started with. */
	struct FStartedCook
	{
		TWeakObjectPtr<UCookOnTheFlyServer> Cooker;
		ECookMode::Type CookMode = ECookMode::CookOnTheFly;
		ECookInitializationFlags InitializationFlags = ECookInitializationFlags::None;
		FString OutputDirectoryOverride;
		/** The names of the options' target platforms, "(null)" for a null entry. */
		TArray<FString> TargetPlatformNames;
		/** As given; its platform pointers are only good while the engine that owns them runs. */
		UCookOnTheFlyServer::FCookByTheBookStartupOptions Options;
		/** False when the cooker refused to start the session. */
		bool bSessionStarted = false;
	};

	/** Every start of a cook by the book is recorded; a log shows those made while it exists, in order. */
	class UNREALED_API FStartedCookLog
	{
	public:
		FStartedCookLog();
		FStartedCookLog(const FStartedCookLog&) = delete;
		FStartedCookLog& operator=(const FStartedCookLog&) = delete;

		TArray<FStartedCook> GetStartedCooks() const;

	private:
		int32 FirstCook;
	};

	/** Called by the cooker. */
	void RecordStartedCook(FStartedCook&& StartedCook);
}
