#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Templates/TypeHash.h"

/** A moment in time: 100-nanosecond ticks since midnight, January 1, 0001. */
struct CORE_API FDateTime
{
	FDateTime() = default;

	explicit FDateTime(int64 InTicks) : Ticks(InTicks) {}

	FDateTime(int32 Year, int32 Month, int32 Day, int32 Hour = 0, int32 Minute = 0, int32 Second = 0,
			  int32 Millisecond = 0);

	static FDateTime Now();
	static FDateTime UtcNow();
	static FDateTime MinValue() { return FDateTime(0); }

	/** From seconds since 1970-01-01 UTC. */
	static FDateTime FromUnixTimestamp(int64 UnixTime);
	int64 ToUnixTimestamp() const;

	int64 GetTicks() const { return Ticks; }

	int32 GetYear() const;
	int32 GetMonth() const;
	int32 GetDay() const;
	int32 GetHour() const;
	int32 GetMinute() const;
	int32 GetSecond() const;
	int32 GetMillisecond() const;

	/** "2024.05.01-13.45.09", the engine's default form. */
	FString ToString() const;

	/** %Y %m %d %H %M %S %s (milliseconds) and %% are replaced; other text is kept. */
	FString ToString(const TCHAR* Format) const;

	/** "2024-05-01T13:45:09.000Z" */
	FString ToIso8601() const;

	friend bool operator==(const FDateTime& A, const FDateTime& B) { return A.Ticks == B.Ticks; }

	friend bool operator!=(const FDateTime& A, const FDateTime& B) { return A.Ticks != B.Ticks; }

	friend bool operator<(const FDateTime& A, const FDateTime& B) { return A.Ticks < B.Ticks; }

	friend bool operator>(const FDateTime& A, const FDateTime& B) { return A.Ticks > B.Ticks; }

	friend bool operator<=(const FDateTime& A, const FDateTime& B) { return A.Ticks <= B.Ticks; }

	friend bool operator>=(const FDateTime& A, const FDateTime& B) { return A.Ticks >= B.Ticks; }

	friend uint32 GetTypeHash(const FDateTime& DateTime) { return GetTypeHash(DateTime.Ticks); }

private:
	int64 Ticks = 0;
};
