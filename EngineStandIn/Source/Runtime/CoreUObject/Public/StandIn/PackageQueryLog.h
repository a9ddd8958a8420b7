#pragma once

#include "CoreMinimal.h"

namespace UE::StandIn
{
	/** The package queries that are recorded. */
	enum class EPackageQuery : uint8
	{
		/** FPackageName::DoesPackageExist: a look at the disk. */
		DoesPackageExist,
		/** IAssetRegistry::GetDependencies. */
		GetDependencies,
		/** IAssetRegistry::GetReferencers. */
		GetReferencers,

		Num
	};

	/**
	 * Counts the package queries made while it exists, per query and package name, so tests and benchmarks can
	 * tell how often a caller asks the disk and the asset registry. Main thread only, like the queries.
	 */
	class COREUOBJECT_API FPackageQueryLog
	{
	public:
		FPackageQueryLog();
		~FPackageQueryLog();
		FPackageQueryLog(const FPackageQueryLog&) = delete;
		FPackageQueryLog& operator=(const FPackageQueryLog&) = delete;

		/** Every query of the kind since this log was made. */
		int32 Num(EPackageQuery Query) const;
		/** The queries of the kind about one package. */
		int32 Num(EPackageQuery Query, FName PackageName) const;
		/** The packages asked about at least once, in the order they were first asked about. */
		TArray<FName> GetPackages(EPackageQuery Query) const;

		/** For the engine's own queries: whether any log is listening, so a name need not be made for none. */
		static bool IsRecording();
		static void Record(EPackageQuery Query, FName PackageName);

	private:
		TMap<FName, int32> Counts[(uint8)EPackageQuery::Num];
		int32 Totals[(uint8)EPackageQuery::Num] = {};
	};
}
