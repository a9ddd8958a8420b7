#include "Framework/Notifications/NotificationManager.h"

#include "StandIn/NotificationLog.h"

#include <mutex>

namespace
{
	struct FNotificationRecord
	{
		std::mutex Mutex;
		TArray<UE::StandIn::FShownNotification> Shown;
	};

	FNotificationRecord& GetRecord()
	{
		static FNotificationRecord* Record = new FNotificationRecord();
		return *Record;
	}

	// Keeps its record up to date; a record cleared since leaves the item writing nowhere.
	class FRecordedNotificationItem final : public SNotificationItem
	{
	public:
		FRecordedNotificationItem(int32 InIndex, uint32 InGeneration) : Index(InIndex), Generation(InGeneration) {}

		virtual void SetText(const TAttribute<FText>& InText) override
		{
			Update([&InText](UE::StandIn::FShownNotification& Shown) { Shown.Text = InText.Get().ToString(); });
		}

		virtual void SetSubText(const TAttribute<FText>& InSubText) override
		{
			Update([&InSubText](UE::StandIn::FShownNotification& Shown)
				{
					Shown.SubText = InSubText.Get().ToString();
				});
		}

		virtual void SetCompletionState(ECompletionState State) override
		{
			CompletionState = State;
			Update([State](UE::StandIn::FShownNotification& Shown) { Shown.CompletionState = State; });
		}

		virtual ECompletionState GetCompletionState() const override { return CompletionState; }

		virtual void SetExpireDuration(float ExpireDuration) override
		{
			Update([ExpireDuration](UE::StandIn::FShownNotification& Shown) { Shown.ExpireDuration = ExpireDuration; });
		}

		virtual void ExpireAndFadeout() override { Fadeout(); }

		virtual void Fadeout() override
		{
			Update([](UE::StandIn::FShownNotification& Shown) { Shown.bFadedOut = true; });
		}

	private:
		template <typename FunctionType>
		void Update(FunctionType&& Change);

		int32 Index;
		uint32 Generation;
		ECompletionState CompletionState = CS_None;
	};

	uint32 GRecordGeneration = 0;

	template <typename FunctionType>
	void FRecordedNotificationItem::Update(FunctionType&& Change)
	{
		FNotificationRecord& Record = GetRecord();
		std::lock_guard<std::mutex> Lock(Record.Mutex);
		if (Generation == GRecordGeneration && Record.Shown.IsValidIndex(Index))
		{
			Change(Record.Shown[Index]);
		}
	}
}

FSlateNotificationManager& FSlateNotificationManager::Get()
{
	static FSlateNotificationManager* Manager = new FSlateNotificationManager();
	return *Manager;
}

TSharedPtr<SNotificationItem> FSlateNotificationManager::AddNotification(const FNotificationInfo& Info)
{
	UE::StandIn::FShownNotification Shown;
	Shown.Text = Info.Text.Get().ToString();
	Shown.SubText = Info.SubText.Get().ToString();
	Shown.bFireAndForget = Info.bFireAndForget;
	Shown.ExpireDuration = Info.ExpireDuration;
	FNotificationRecord& Record = GetRecord();
	std::lock_guard<std::mutex> Lock(Record.Mutex);
	const int32 Index = Record.Shown.Add(Shown);
	return MakeShared<FRecordedNotificationItem>(Index, GRecordGeneration);
}

namespace UE::StandIn
{
	TArray<FShownNotification> GetShownNotifications()
	{
		FNotificationRecord& Record = GetRecord();
		std::lock_guard<std::mutex> Lock(Record.Mutex);
		return Record.Shown;
	}

	void ClearShownNotifications()
	{
		FNotificationRecord& Record = GetRecord();
		std::lock_guard<std::mutex> Lock(Record.Mutex);
		Record.Shown.Reset();
		++GRecordGeneration;
	}
}
