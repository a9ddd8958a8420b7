#include "StandIn/PackageQueryLog.h"

#include <mutex>

namespace UE::StandIn
{
	namespace
	{
		TArray<FPackageQueryLog*>& ActiveLogs()
		{
			static TArray<FPackageQueryLog*> Logs;
			return Logs;
		}

		// Disk checks may run on several threads at once.
		std::mutex& RecordMutex()
		{
			static std::mutex Mutex;
			return Mutex;
		}
	}

	FPackageQueryLog::FPackageQueryLog()
	{
		ActiveLogs().Add(this);
	}

	FPackageQueryLog::~FPackageQueryLog()
	{
		ActiveLogs().Remove(this);
	}

	int32 FPackageQueryLog::Num(EPackageQuery Query) const
	{
		return Totals[(uint8)Query];
	}

	int32 FPackageQueryLog::Num(EPackageQuery Query, FName PackageName) const
	{
		return Counts[(uint8)Query].FindRef(PackageName);
	}

	TArray<FName> FPackageQueryLog::GetPackages(EPackageQuery Query) const
	{
		TArray<FName> Packages;
		Counts[(uint8)Query].GetKeys(Packages);
		return Packages;
	}

	bool FPackageQueryLog::IsRecording()
	{
		return ActiveLogs().Num() > 0;
	}

	void FPackageQueryLog::Record(EPackageQuery Query, FName PackageName)
	{
		std::lock_guard<std::mutex> Lock(RecordMutex());
		for (FPackageQueryLog* Log : ActiveLogs())
		{
			++Log->Counts[(uint8)Query].FindOrAdd(PackageName);
			++Log->Totals[(uint8)Query];
		}
	}
}
