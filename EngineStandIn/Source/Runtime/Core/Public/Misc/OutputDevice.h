#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Logging/LogVerbosity.h"
#include "UObject/NameTypes.h"

/** Something log lines can be written to. */
class CORE_API FOutputDevice
{
public:
	FOutputDevice() = default;
	FOutputDevice(FOutputDevice&&) = default;
	FOutputDevice(const FOutputDevice&) = default;
	FOutputDevice& operator=(FOutputDevice&&) = default;
	FOutputDevice& operator=(const FOutputDevice&) = default;
	virtual ~FOutputDevice() = default;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) = 0;

	virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category, const double Time)
	{
		Serialize(V, Verbosity, Category);
	}

	virtual void Flush() {}

	virtual void TearDown() {}

	virtual bool CanBeUsedOnAnyThread() const { return false; }

	virtual bool CanBeUsedOnMultipleThreads() const { return false; }

	virtual bool IsMemoryOnly() const { return false; }

	void Log(const TCHAR* S) { Serialize(S, ELogVerbosity::Log, NAME_None); }

	void Log(const FString& S) { Serialize(*S, ELogVerbosity::Log, NAME_None); }

	void Log(ELogVerbosity::Type Verbosity, const TCHAR* S) { Serialize(S, Verbosity, NAME_None); }

	void Log(ELogVerbosity::Type Verbosity, const FString& S) { Serialize(*S, Verbosity, NAME_None); }

	void Log(const FName& Category, ELogVerbosity::Type Verbosity, const TCHAR* Str)
	{
		Serialize(Str, Verbosity, Category);
	}

	void Log(const FName& Category, ELogVerbosity::Type Verbosity, const FString& S)
	{
		Serialize(*S, Verbosity, Category);
	}

	template <typename FmtType, typename... Types>
	void Logf(const FmtType& Fmt, Types... Args)
	{
		Serialize(*FString::Printf(Fmt, Args...), ELogVerbosity::Log, NAME_None);
	}

	template <typename FmtType, typename... Types>
	void Logf(ELogVerbosity::Type Verbosity, const FmtType& Fmt, Types... Args)
	{
		Serialize(*FString::Printf(Fmt, Args...), Verbosity, NAME_None);
	}

	template <typename FmtType, typename... Types>
	void CategorizedLogf(const FName& Category, ELogVerbosity::Type Verbosity, const FmtType& Fmt, Types... Args)
	{
		Serialize(*FString::Printf(Fmt, Args...), Verbosity, Category);
	}
};
