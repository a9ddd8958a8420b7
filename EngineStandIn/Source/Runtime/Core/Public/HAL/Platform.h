#pragma once

#include <cstddef>
#include <cstdint>

#ifndef PLATFORM_WINDOWS
#define PLATFORM_WINDOWS 0
#endif
#ifndef PLATFORM_LINUX
#define PLATFORM_LINUX 1
#endif
#ifndef PLATFORM_MAC
#define PLATFORM_MAC 0
#endif
#ifndef PLATFORM_LITTLE_ENDIAN
#define PLATFORM_LITTLE_ENDIAN 1
#endif
#ifndef UE_BUILD_SHIPPING
#define UE_BUILD_SHIPPING 0
#endif
#ifndef UE_BUILD_DEVELOPMENT
#define UE_BUILD_DEVELOPMENT 1
#endif
#ifndef UE_BUILD_DEBUG
#define UE_BUILD_DEBUG 0
#endif
#ifndef WITH_EDITOR
#define WITH_EDITOR 1
#endif
#ifndef WITH_EDITORONLY_DATA
#define WITH_EDITORONLY_DATA WITH_EDITOR
#endif
#ifndef DO_CHECK
#define DO_CHECK 1
#endif
#ifndef DO_GUARD_SLOW
#define DO_GUARD_SLOW 0
#endif
#ifndef CORE_API
#define CORE_API
#endif

typedef unsigned char uint8;
typedef unsigned short int uint16;
typedef unsigned int uint32;
typedef unsigned long long uint64;
typedef signed char int8;
typedef signed short int int16;
typedef signed int int32;
typedef signed long long int64;

typedef char ANSICHAR;
typedef wchar_t WIDECHAR;
typedef char16_t UTF16CHAR;
typedef char32_t UTF32CHAR;
typedef WIDECHAR TCHAR;

typedef std::size_t SIZE_T;
typedef std::ptrdiff_t SSIZE_T;
typedef std::intptr_t PTRINT;
typedef std::uintptr_t UPTRINT;
typedef decltype(nullptr) TYPE_OF_NULLPTR;

#define TEXT_PASTE(x) L##x
#define TEXT(x) TEXT_PASTE(x)

#define LINE_TERMINATOR TEXT("\n")
#define LINE_TERMINATOR_ANSI "\n"

#define FORCEINLINE inline __attribute__((always_inline))
#define FORCENOINLINE __attribute__((noinline))
#define UE_NODISCARD [[nodiscard]]
#define UE_NORETURN [[noreturn]]
#define LIKELY(x) __builtin_expect(!!(x), 1)
#define UNLIKELY(x) __builtin_expect(!!(x), 0)
#define UE_ASSUME(x) ((void)0)
#define DLLEXPORT __attribute__((visibility("default")))
#define DLLIMPORT __attribute__((visibility("default")))
#define PLATFORM_BREAK() __builtin_trap()

#define UE_DEPRECATED(Version, Message)                                                                                \
	[[deprecated(Message " Please update your code to the new API before upgrading to the next release, otherwise "    \
						 "your project will no longer compile.")]]

#define PRAGMA_DISABLE_DEPRECATION_WARNINGS                                                                            \
	_Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wdeprecated-declarations\"")
#define PRAGMA_ENABLE_DEPRECATION_WARNINGS _Pragma("GCC diagnostic pop")

#define UE_STATIC_DEPRECATE(Version, bExpression, Message) static_assert(!(bExpression), Message)
