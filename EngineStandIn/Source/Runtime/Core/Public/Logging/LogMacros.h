#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Logging/LogCategory.h"
#include "Logging/LogVerbosity.h"

#include <type_traits>

#ifndef COMPILED_IN_MINIMUM_VERBOSITY
#define COMPILED_IN_MINIMUM_VERBOSITY VeryVerbose
#endif

namespace UE::Logging::Private
{
	/** Writes one line to GLog. */
	CORE_API void BasicLog(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File,
						   int32 Line, const TCHAR* Message);

	/** Writes the line, then ends the process as a fatal error. */
	[[noreturn]] CORE_API void BasicFatal(const FLogCategoryBase& Category, const ANSICHAR* File, int32 Line,
										  const TCHAR* Message);
}

/**
 * Logs a formatted line: UE_LOG(LogTemp, Warning, TEXT("Found %d files in %s"), Count, *Folder).
 * Lines above the category's compile-time verbosity are compiled out; lines above its run-time verbosity
 * are dropped. A Fatal line ends the process.
 */
#define UE_LOG(CategoryName, Verbosity, Format, ...)                                                                   \
	do                                                                                                                 \
	{                                                                                                                  \
		using FUELogCategoryType = std::decay_t<decltype(CategoryName)>;                                               \
		if constexpr ((ELogVerbosity::Verbosity & ELogVerbosity::VerbosityMask) == ELogVerbosity::Fatal)               \
		{                                                                                                              \
			::UE::Logging::Private::BasicFatal(CategoryName, __FILE__, __LINE__,                                       \
											   *FString::Printf(Format __VA_OPT__(, ) __VA_ARGS__));                   \
		}                                                                                                              \
		else if constexpr ((ELogVerbosity::Verbosity & ELogVerbosity::VerbosityMask) <=                                \
							   ELogVerbosity::COMPILED_IN_MINIMUM_VERBOSITY &&                                         \
						   (ELogVerbosity::Verbosity & ELogVerbosity::VerbosityMask) <=                                \
							   FUELogCategoryType::CompileTimeVerbosity)                                               \
		{                                                                                                              \
			if (!CategoryName.IsSuppressed(ELogVerbosity::Verbosity))                                                  \
			{                                                                                                          \
				::UE::Logging::Private::BasicLog(CategoryName, ELogVerbosity::Verbosity, __FILE__, __LINE__,           \
												 *FString::Printf(Format __VA_OPT__(, ) __VA_ARGS__));                 \
			}                                                                                                          \
		}                                                                                                              \
	} while (false)

#define UE_LOG_ACTIVE(CategoryName, Verbosity)                                                                         \
	(!CategoryName.IsSuppressed(ELogVerbosity::Verbosity) &&                                                           \
	 (ELogVerbosity::Verbosity & ELogVerbosity::VerbosityMask) <=                                                      \
		 std::decay_t<decltype(CategoryName)>::CompileTimeVerbosity)

#define UE_SUPPRESS(CategoryName, Verbosity, ExecuteCodeBlock)                                                         \
	do                                                                                                                 \
	{                                                                                                                  \
		if (UE_LOG_ACTIVE(CategoryName, Verbosity))                                                                    \
		{                                                                                                              \
			ExecuteCodeBlock;                                                                                          \
		}                                                                                                              \
	} while (false)

/** In a header: [MODULE_API] DECLARE_LOG_CATEGORY_EXTERN(LogMine, Log, All); then DEFINE_LOG_CATEGORY(LogMine) once. */
#define DECLARE_LOG_CATEGORY_EXTERN(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                              \
	extern struct FLogCategory##CategoryName                                                                           \
		: public FLogCategory<ELogVerbosity::DefaultVerbosity, ELogVerbosity::CompileTimeVerbosity>                    \
	{                                                                                                                  \
		FORCEINLINE FLogCategory##CategoryName() : FLogCategory(TEXT(#CategoryName)) {}                                \
	} CategoryName;

#define DEFINE_LOG_CATEGORY(CategoryName) FLogCategory##CategoryName CategoryName;

#define DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                               \
	static struct FLogCategory##CategoryName                                                                           \
		: public FLogCategory<ELogVerbosity::DefaultVerbosity, ELogVerbosity::CompileTimeVerbosity>                    \
	{                                                                                                                  \
		FORCEINLINE FLogCategory##CategoryName() : FLogCategory(TEXT(#CategoryName)) {}                                \
	} CategoryName;

#define DECLARE_LOG_CATEGORY_CLASS(CategoryName, DefaultVerbosity, CompileTimeVerbosity)                               \
	DEFINE_LOG_CATEGORY_STATIC(CategoryName, DefaultVerbosity, CompileTimeVerbosity)

#define DEFINE_LOG_CATEGORY_CLASS(Class, CategoryName) Class::FLogCategory##CategoryName Class::CategoryName;

#include "CoreGlobals.h"
