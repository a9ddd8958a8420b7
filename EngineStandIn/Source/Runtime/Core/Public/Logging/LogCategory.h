#pragma once

#include "CoreTypes.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

using FLogCategoryName = FName;

/** A log category: its name and how verbose it is at run time (never above its compile-time limit). */
struct CORE_API FLogCategoryBase
{
	FLogCategoryBase(const FLogCategoryName& InCategoryName, ELogVerbosity::Type InDefaultVerbosity,
					 ELogVerbosity::Type InCompileTimeVerbosity);
	~FLogCategoryBase() = default;

	FLogCategoryBase(const FLogCategoryBase&) = delete;
	FLogCategoryBase& operator=(const FLogCategoryBase&) = delete;

	FORCEINLINE bool IsSuppressed(ELogVerbosity::Type VerbosityLevel) const
	{
		return !((VerbosityLevel & ELogVerbosity::VerbosityMask) <= Verbosity);
	}

	FORCEINLINE const FLogCategoryName& GetCategoryName() const { return CategoryName; }

	FORCEINLINE ELogVerbosity::Type GetVerbosity() const { return static_cast<ELogVerbosity::Type>(Verbosity); }

	FORCEINLINE ELogVerbosity::Type GetCompileTimeVerbosity() const { return CompileTimeVerbosity; }

	void SetVerbosity(ELogVerbosity::Type Verbosity);
	void ResetToDefault();

private:
	ELogVerbosity::Type Verbosity;
	ELogVerbosity::Type DefaultVerbosity;
	ELogVerbosity::Type CompileTimeVerbosity;
	FLogCategoryName CategoryName;
};

template <ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity>
struct FLogCategory : public FLogCategoryBase
{
	static_assert((InDefaultVerbosity & ELogVerbosity::VerbosityMask) < ELogVerbosity::NumVerbosity,
				  "Bogus default verbosity.");
	static_assert(InCompileTimeVerbosity < ELogVerbosity::NumVerbosity, "Bogus compile time verbosity.");

	static constexpr ELogVerbosity::Type CompileTimeVerbosity = InCompileTimeVerbosity;

	FORCEINLINE FLogCategory(const FLogCategoryName& InCategoryName)
		: FLogCategoryBase(InCategoryName, InDefaultVerbosity, CompileTimeVerbosity)
	{
	}
};
