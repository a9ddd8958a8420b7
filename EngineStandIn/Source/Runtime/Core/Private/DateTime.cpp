#include "Misc/DateTime.h"

#include <chrono>
#include <ctime>

namespace
{
	constexpr int64 TicksPerMillisecond = 10000;
	constexpr int64 TicksPerSecond = 10000000;
	constexpr int64 TicksPerDay = TicksPerSecond * 86400;
	// Days from 0001-01-01 to 1970-01-01.
	constexpr int64 UnixEpochDays = 719162;

	/** Days since 1970-01-01 of a civil date (proleptic Gregorian). */
	int64 DaysFromCivil(int64 Year, int64 Month, int64 Day)
	{
		Year -= Month <= 2 ? 1 : 0;
		const int64 Era = (Year >= 0 ? Year : Year - 399) / 400;
		const int64 YearOfEra = Year - Era * 400;
		const int64 DayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
		const int64 DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
		return Era * 146097 + DayOfEra - 719468;
	}

	void CivilFromDays(int64 Days, int32& OutYear, int32& OutMonth, int32& OutDay)
	{
		Days += 719468;
		const int64 Era = (Days >= 0 ? Days : Days - 146096) / 146097;
		const int64 DayOfEra = Days - Era * 146097;
		const int64 YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
		const int64 DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
		const int64 MonthPrime = (5 * DayOfYear + 2) / 153;
		OutDay = static_cast<int32>(DayOfYear - (153 * MonthPrime + 2) / 5 + 1);
		OutMonth = static_cast<int32>(MonthPrime < 10 ? MonthPrime + 3 : MonthPrime - 9);
		OutYear = static_cast<int32>(YearOfEra + Era * 400 + (OutMonth <= 2 ? 1 : 0));
	}
}

FDateTime::FDateTime(int32 Year, int32 Month, int32 Day, int32 Hour, int32 Minute, int32 Second, int32 Millisecond)
	: Ticks((DaysFromCivil(Year, Month, Day) + UnixEpochDays) * TicksPerDay +
			(static_cast<int64>(Hour) * 3600 + Minute * 60 + Second) * TicksPerSecond +
			Millisecond * TicksPerMillisecond)
{
}

FDateTime FDateTime::UtcNow()
{
	const auto Now = std::chrono::system_clock::now().time_since_epoch();
	const int64 Ticks100ns = std::chrono::duration_cast<std::chrono::nanoseconds>(Now).count() / 100;
	return FDateTime(UnixEpochDays * TicksPerDay + Ticks100ns);
}

FDateTime FDateTime::Now()
{
	const FDateTime Utc = UtcNow();
	const std::time_t Seconds = static_cast<std::time_t>(Utc.ToUnixTimestamp());
	std::tm Local = {};
	localtime_r(&Seconds, &Local);
	return FDateTime(Utc.Ticks + static_cast<int64>(Local.tm_gmtoff) * TicksPerSecond);
}

FDateTime FDateTime::FromUnixTimestamp(int64 UnixTime)
{
	return FDateTime(UnixEpochDays * TicksPerDay + UnixTime * TicksPerSecond);
}

int64 FDateTime::ToUnixTimestamp() const
{
	return (Ticks - UnixEpochDays * TicksPerDay) / TicksPerSecond;
}

int32 FDateTime::GetYear() const
{
	int32 Year, Month, Day;
	CivilFromDays(Ticks / TicksPerDay - UnixEpochDays, Year, Month, Day);
	return Year;
}

int32 FDateTime::GetMonth() const
{
	int32 Year, Month, Day;
	CivilFromDays(Ticks / TicksPerDay - UnixEpochDays, Year, Month, Day);
	return Month;
}

int32 FDateTime::GetDay() const
{
	int32 Year, Month, Day;
	CivilFromDays(Ticks / TicksPerDay - UnixEpochDays, Year, Month, Day);
	return Day;
}

int32 FDateTime::GetHour() const
{
	return static_cast<int32>((Ticks % TicksPerDay) / (TicksPerSecond * 3600));
}

int32 FDateTime::GetMinute() const
{
	return static_cast<int32>((Ticks % (TicksPerSecond * 3600)) / (TicksPerSecond * 60));
}

int32 FDateTime::GetSecond() const
{
	return static_cast<int32>((Ticks % (TicksPerSecond * 60)) / TicksPerSecond);
}

int32 FDateTime::GetMillisecond() const
{
	return static_cast<int32>((Ticks % TicksPerSecond) / TicksPerMillisecond);
}

FString FDateTime::ToString() const
{
	return ToString(TEXT("%Y.%m.%d-%H.%M.%S"));
}

FString FDateTime::ToString(const TCHAR* Format) const
{
	FString Result;
	for (const TCHAR* Cursor = Format; *Cursor; ++Cursor)
	{
		if (*Cursor != TEXT('%') || !Cursor[1])
		{
			Result.AppendChar(*Cursor);
			continue;
		}
		switch (*++Cursor)
		{
			case TEXT('Y'):
				Result += FString::Printf(TEXT("%04d"), GetYear());
				break;
			case TEXT('m'):
				Result += FString::Printf(TEXT("%02d"), GetMonth());
				break;
			case TEXT('d'):
				Result += FString::Printf(TEXT("%02d"), GetDay());
				break;
			case TEXT('H'):
				Result += FString::Printf(TEXT("%02d"), GetHour());
				break;
			case TEXT('M'):
				Result += FString::Printf(TEXT("%02d"), GetMinute());
				break;
			case TEXT('S'):
				Result += FString::Printf(TEXT("%02d"), GetSecond());
				break;
			case TEXT('s'):
				Result += FString::Printf(TEXT("%03d"), GetMillisecond());
				break;
			default:
				Result.AppendChar(*Cursor);
				break;
		}
	}
	return Result;
}

FString FDateTime::ToIso8601() const
{
	return ToString(TEXT("%Y-%m-%dT%H:%M:%S.%sZ"));
}
