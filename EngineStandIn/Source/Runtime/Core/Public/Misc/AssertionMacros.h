#pragma once

#include "CoreTypes.h"
#include "Misc/PrintfArgs.h"

struct FDebug
{
	/** Reports a failed check or verify and ends the process. */
	[[noreturn]] static CORE_API void AssertFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line,
												   const TCHAR* Message);

	/** Reports a failed ensure as an error on the log; returns false so it can sit inside a condition. */
	static CORE_API bool EnsureFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line, const TCHAR* Message);
};

namespace UE::Assert::Private
{
	template <typename... Types>
	[[noreturn]] FORCENOINLINE void CheckFailed(const ANSICHAR* Expr, const ANSICHAR* File, int32 Line,
												const TCHAR* Format, Types... Args)
	{
		const std::wstring Message = UE::Core::Private::FormatPrintf(Format, Args...);
		FDebug::AssertFailed(Expr, File, Line, Message.c_str());
	}

	template <typename... Types>
	FORCENOINLINE bool EnsureFailed(bool& bFiredBefore, bool bAlways, const ANSICHAR* Expr, const ANSICHAR* File,
									int32 Line, const TCHAR* Format, Types... Args)
	{
		if (bFiredBefore && !bAlways)
		{
			return false;
		}
		bFiredBefore = true;
		const std::wstring Message = UE::Core::Private::FormatPrintf(Format, Args...);
		return FDebug::EnsureFailed(Expr, File, Line, Message.c_str());
	}
}

#define UE_CHECK_IMPL(Expr, Format, ...)                                                                               \
	do                                                                                                                 \
	{                                                                                                                  \
		if (UNLIKELY(!(Expr)))                                                                                         \
		{                                                                                                              \
			::UE::Assert::Private::CheckFailed(#Expr, __FILE__, __LINE__, Format __VA_OPT__(, ) __VA_ARGS__);          \
		}                                                                                                              \
	} while (false)

#define check(Expr) UE_CHECK_IMPL(Expr, TEXT(""))
#define checkf(Expr, Format, ...) UE_CHECK_IMPL(Expr, Format __VA_OPT__(, ) __VA_ARGS__)
#define verify(Expr) UE_CHECK_IMPL(Expr, TEXT(""))
#define verifyf(Expr, Format, ...) UE_CHECK_IMPL(Expr, Format __VA_OPT__(, ) __VA_ARGS__)
#define checkCode(Code)                                                                                                \
	do                                                                                                                 \
	{                                                                                                                  \
		Code;                                                                                                          \
	} while (false)
#define checkNoEntry()                                                                                                 \
	::UE::Assert::Private::CheckFailed("Enclosing block should never be called", __FILE__, __LINE__, TEXT(""))
#define checkNoReentry() ((void)0)
#define checkNoRecursion() ((void)0)
#define unimplemented()                                                                                                \
	::UE::Assert::Private::CheckFailed("Unimplemented function called", __FILE__, __LINE__, TEXT(""))

#define checkSlow(Expr) ((void)0)
#define checkfSlow(Expr, Format, ...) ((void)0)
#define verifySlow(Expr)                                                                                               \
	do                                                                                                                 \
	{                                                                                                                  \
		(void)(Expr);                                                                                                  \
	} while (false)

#define UE_ENSURE_IMPL(bAlways, Expr, Format, ...)                                                                     \
	(LIKELY(!!(Expr)) || ::UE::Assert::Private::EnsureFailed(                                                          \
							 []() -> bool&                                                                             \
							 {                                                                                         \
								 static bool bFiredBefore = false;                                                     \
								 return bFiredBefore;                                                                  \
							 }(),                                                                                      \
							 bAlways, #Expr, __FILE__, __LINE__, Format __VA_OPT__(, ) __VA_ARGS__))

#define ensure(Expr) UE_ENSURE_IMPL(false, Expr, TEXT(""))
#define ensureMsgf(Expr, Format, ...) UE_ENSURE_IMPL(false, Expr, Format __VA_OPT__(, ) __VA_ARGS__)
#define ensureAlways(Expr) UE_ENSURE_IMPL(true, Expr, TEXT(""))
#define ensureAlwaysMsgf(Expr, Format, ...) UE_ENSURE_IMPL(true, Expr, Format __VA_OPT__(, ) __VA_ARGS__)
