#pragma once

#include "HAL/Platform.h"

#include <string>
#include <type_traits>

class FString;

namespace UE::Core::Private
{
	/** One argument of a printf-style call, with its type kept so the formatter never guesses. */
	struct FPrintfArg
	{
		enum class EKind : uint8
		{
			Signed,
			Unsigned,
			Float,
			WideString,
			AnsiString,
			Pointer
		};

		EKind Kind = EKind::Signed;
		uint8 Size = 0;
		union
		{
			int64 Signed;
			uint64 Unsigned;
			double Float;
			const TCHAR* WideString;
			const ANSICHAR* AnsiString;
			const void* Pointer;
		};

		FPrintfArg() : Signed(0) {}
	};

	template <typename T>
	FPrintfArg MakePrintfArg(T Value)
	{
		using FBare = std::remove_cv_t<T>;
		static_assert(!std::is_same_v<FBare, FString>,
					  "FString passed to a printf-style format: pass *String instead.");
		static_assert(
			std::is_arithmetic_v<FBare> || std::is_enum_v<FBare> || std::is_pointer_v<FBare> ||
				std::is_null_pointer_v<FBare>,
			"Invalid argument passed to a printf-style format: only numbers, enums and pointers are accepted.");

		FPrintfArg Arg;
		if constexpr (std::is_enum_v<FBare>)
		{
			return MakePrintfArg(static_cast<std::underlying_type_t<FBare>>(Value));
		}
		else if constexpr (std::is_floating_point_v<FBare>)
		{
			Arg.Kind = FPrintfArg::EKind::Float;
			Arg.Size = sizeof(FBare);
			Arg.Float = static_cast<double>(Value);
		}
		else if constexpr (std::is_integral_v<FBare> && std::is_signed_v<FBare>)
		{
			Arg.Kind = FPrintfArg::EKind::Signed;
			Arg.Size = sizeof(FBare);
			Arg.Signed = static_cast<int64>(Value);
		}
		else if constexpr (std::is_integral_v<FBare>)
		{
			Arg.Kind = FPrintfArg::EKind::Unsigned;
			Arg.Size = sizeof(FBare);
			Arg.Unsigned = static_cast<uint64>(Value);
		}
		else if constexpr (std::is_null_pointer_v<FBare>)
		{
			Arg.Kind = FPrintfArg::EKind::Pointer;
			Arg.Size = sizeof(void*);
			Arg.Pointer = nullptr;
		}
		else if constexpr (std::is_same_v<std::remove_cv_t<std::remove_pointer_t<FBare>>, TCHAR>)
		{
			Arg.Kind = FPrintfArg::EKind::WideString;
			Arg.Size = sizeof(void*);
			Arg.WideString = Value;
		}
		else if constexpr (std::is_same_v<std::remove_cv_t<std::remove_pointer_t<FBare>>, ANSICHAR>)
		{
			Arg.Kind = FPrintfArg::EKind::AnsiString;
			Arg.Size = sizeof(void*);
			Arg.AnsiString = Value;
		}
		else
		{
			Arg.Kind = FPrintfArg::EKind::Pointer;
			Arg.Size = sizeof(void*);
			Arg.Pointer = reinterpret_cast<const void*>(Value);
		}
		return Arg;
	}

	/**
	 * Formats with the engine's printf rules: %s and %ls take a TCHAR string, %hs an ANSICHAR string,
	 * %c a TCHAR; length modifiers are accepted and ignored since every argument carries its own size.
	 */
	CORE_API void FormatPrintf(std::wstring& Out, const TCHAR* Format, const FPrintfArg* Args, int32 NumArgs);
	CORE_API void FormatPrintf(FString& Out, const TCHAR* Format, const FPrintfArg* Args, int32 NumArgs);

	template <typename... Types>
	std::wstring FormatPrintf(const TCHAR* Format, Types... Args)
	{
		std::wstring Out;
		if constexpr (sizeof...(Types) == 0)
		{
			FormatPrintf(Out, Format, nullptr, 0);
		}
		else
		{
			const FPrintfArg ArgArray[] = {MakePrintfArg(Args)...};
			FormatPrintf(Out, Format, ArgArray, static_cast<int32>(sizeof...(Types)));
		}
		return Out;
	}
}
