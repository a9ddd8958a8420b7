#include "Misc/PrintfArgs.h"

#include "Containers/StringConv.h"
#include "Containers/UnrealString.h"
#include "Misc/AssertionMacros.h"
#include "Misc/Char.h"

#include <cstdio>
#include <string>

namespace UE::Core::Private
{
	namespace
	{
		struct FPlaceholder
		{
			bool bLeftAlign = false;
			bool bZeroPad = false;
			std::string Flags;
			int32 Width = -1;
			int32 Precision = -1;
			bool bShortModifier = false;
			TCHAR Conversion = 0;
		};

		/** Lets the formatter write straight into an FString, through the few calls it makes on a std::wstring. */
		struct FStringOutput
		{
			FString& String;

			void push_back(TCHAR Char) { String.AppendChar(Char); }
			void append(const TCHAR* Text, SIZE_T Count) { String.AppendChars(Text, static_cast<int32>(Count)); }
			void append(const TCHAR* First, const TCHAR* Last) { append(First, static_cast<SIZE_T>(Last - First)); }
			void append(SIZE_T Count, TCHAR Char)
			{
				for (SIZE_T Index = 0; Index < Count; ++Index)
				{
					String.AppendChar(Char);
				}
			}
			void reserve(SIZE_T Count) { String.Reserve(static_cast<int32>(Count)); }
			SIZE_T size() const { return static_cast<SIZE_T>(String.Len()); }
		};

		template <typename OutputType>
		void AppendNarrow(OutputType& Out, const char* Text)
		{
			for (; *Text; ++Text)
			{
				Out.push_back(static_cast<TCHAR>(static_cast<unsigned char>(*Text)));
			}
		}

		/** Formats one number with the C library, which is only ever given a number and a format it knows. */
		template <typename OutputType, typename ValueType>
		void AppendFormattedNumber(OutputType& Out, const FPlaceholder& Placeholder, const char* LengthAndConversion,
								   ValueType Value)
		{
			std::string Format = "%" + Placeholder.Flags;
			if (Placeholder.Width >= 0)
			{
				Format += std::to_string(Placeholder.Width);
			}
			if (Placeholder.Precision >= 0)
			{
				Format += "." + std::to_string(Placeholder.Precision);
			}
			Format += LengthAndConversion;

			char Small[128];
			const int Needed = std::snprintf(Small, sizeof(Small), Format.c_str(), Value);
			if (Needed < static_cast<int>(sizeof(Small)))
			{
				AppendNarrow(Out, Small);
				return;
			}
			std::string Large(static_cast<SIZE_T>(Needed) + 1, '\0');
			std::snprintf(Large.data(), Large.size(), Format.c_str(), Value);
			AppendNarrow(Out, Large.c_str());
		}

		template <typename OutputType>
		void AppendPadded(OutputType& Out, const FPlaceholder& Placeholder, const TCHAR* Text, SIZE_T TextLen)
		{
			if (Placeholder.Precision >= 0 && static_cast<SIZE_T>(Placeholder.Precision) < TextLen)
			{
				TextLen = static_cast<SIZE_T>(Placeholder.Precision);
			}
			const SIZE_T Padding = Placeholder.Width > 0 && static_cast<SIZE_T>(Placeholder.Width) > TextLen
									   ? static_cast<SIZE_T>(Placeholder.Width) - TextLen
									   : 0;
			if (!Placeholder.bLeftAlign)
			{
				Out.append(Padding, TEXT(' '));
			}
			Out.append(Text, TextLen);
			if (Placeholder.bLeftAlign)
			{
				Out.append(Padding, TEXT(' '));
			}
		}

		int64 AsSigned(const FPrintfArg& Arg)
		{
			switch (Arg.Size)
			{
				case 1:
					return static_cast<int8>(Arg.Unsigned);
				case 2:
					return static_cast<int16>(Arg.Unsigned);
				case 4:
					return static_cast<int32>(Arg.Unsigned);
				default:
					return static_cast<int64>(Arg.Unsigned);
			}
		}

		uint64 AsUnsigned(const FPrintfArg& Arg)
		{
			switch (Arg.Size)
			{
				case 1:
					return static_cast<uint8>(Arg.Unsigned);
				case 2:
					return static_cast<uint16>(Arg.Unsigned);
				case 4:
					return static_cast<uint32>(Arg.Unsigned);
				default:
					return Arg.Unsigned;
			}
		}

		bool IsInteger(const FPrintfArg& Arg)
		{
			return Arg.Kind == FPrintfArg::EKind::Signed || Arg.Kind == FPrintfArg::EKind::Unsigned;
		}

		/** Room for the format's own text and its string arguments, so a long text is not regrown as it is written. */
		SIZE_T EstimateLength(const TCHAR* Format, const FPrintfArg* Args, int32 NumArgs)
		{
			SIZE_T Length = std::char_traits<TCHAR>::length(Format);
			for (int32 Index = 0; Index < NumArgs; ++Index)
			{
				if (Args[Index].Kind == FPrintfArg::EKind::WideString && Args[Index].WideString)
				{
					Length += std::char_traits<TCHAR>::length(Args[Index].WideString);
				}
			}
			return Length;
		}

		template <typename OutputType>
		void FormatPrintfTo(OutputType& Out, const TCHAR* Format, const FPrintfArg* Args, int32 NumArgs)
		{
			if (!Format)
			{
				return;
			}
			Out.reserve(Out.size() + EstimateLength(Format, Args, NumArgs));

			int32 NextArg = 0;
			auto TakeArg = [&]() -> const FPrintfArg&
			{
				checkf(NextArg < NumArgs, TEXT("Not enough arguments for the format string \"%s\""), Format);
				return Args[NextArg++];
			};

			for (const TCHAR* Cursor = Format; *Cursor;)
			{
				if (*Cursor != TEXT('%'))
				{
					Out.push_back(*Cursor++);
					continue;
				}
				const TCHAR* PlaceholderStart = Cursor++;
				if (*Cursor == TEXT('%'))
				{
					Out.push_back(TEXT('%'));
					++Cursor;
					continue;
				}

				FPlaceholder Placeholder;
				for (;; ++Cursor)
				{
					const TCHAR Flag = *Cursor;
					if (Flag == TEXT('-') || Flag == TEXT('+') || Flag == TEXT(' ') || Flag == TEXT('#') ||
						Flag == TEXT('0'))
					{
						Placeholder.bLeftAlign |= Flag == TEXT('-');
						Placeholder.bZeroPad |= Flag == TEXT('0');
						Placeholder.Flags.push_back(static_cast<char>(Flag));
						continue;
					}
					break;
				}
				if (*Cursor == TEXT('*'))
				{
					const FPrintfArg& WidthArg = TakeArg();
					checkf(IsInteger(WidthArg), TEXT("'*' width needs an integer argument in \"%s\""), Format);
					Placeholder.Width = static_cast<int32>(AsSigned(WidthArg));
					if (Placeholder.Width < 0)
					{
						Placeholder.bLeftAlign = true;
						Placeholder.Flags.push_back('-');
						Placeholder.Width = -Placeholder.Width;
					}
					++Cursor;
				}
				else
				{
					while (FChar::IsDigit(*Cursor))
					{
						Placeholder.Width = (Placeholder.Width < 0 ? 0 : Placeholder.Width * 10) + (*Cursor++ - TEXT('0'));
					}
				}
				if (*Cursor == TEXT('.'))
				{
					++Cursor;
					Placeholder.Precision = 0;
					if (*Cursor == TEXT('*'))
					{
						const FPrintfArg& PrecisionArg = TakeArg();
						checkf(IsInteger(PrecisionArg), TEXT("'*' precision needs an integer argument in \"%s\""), Format);
						Placeholder.Precision = static_cast<int32>(AsSigned(PrecisionArg));
						++Cursor;
					}
					else
					{
						while (FChar::IsDigit(*Cursor))
						{
							Placeholder.Precision = Placeholder.Precision * 10 + (*Cursor++ - TEXT('0'));
						}
					}
				}
				// Every argument carries its own size, so length modifiers only matter for %hs / %hc.
				for (;;)
				{
					if (*Cursor == TEXT('h'))
					{
						Placeholder.bShortModifier = true;
						++Cursor;
					}
					else if (*Cursor == TEXT('l') || *Cursor == TEXT('L') || *Cursor == TEXT('z') || *Cursor == TEXT('j') ||
							 *Cursor == TEXT('t') || *Cursor == TEXT('q'))
					{
						++Cursor;
					}
					else if (*Cursor == TEXT('I') && Cursor[1] == TEXT('6') && Cursor[2] == TEXT('4'))
					{
						Cursor += 3;
					}
					else if (*Cursor == TEXT('I') && Cursor[1] == TEXT('3') && Cursor[2] == TEXT('2'))
					{
						Cursor += 3;
					}
					else
					{
						break;
					}
				}

				Placeholder.Conversion = *Cursor;
				if (!Placeholder.Conversion)
				{
					Out.append(PlaceholderStart, Cursor);
					break;
				}
				++Cursor;

				switch (Placeholder.Conversion)
				{
					case TEXT('d'):
					case TEXT('i'):
					{
						const FPrintfArg& Arg = TakeArg();
						checkf(IsInteger(Arg), TEXT("%%%c needs an integer argument in \"%s\""), Placeholder.Conversion,
							   Format);
						AppendFormattedNumber(Out, Placeholder, "lld", static_cast<long long>(AsSigned(Arg)));
						break;
					}
					case TEXT('u'):
					case TEXT('x'):
					case TEXT('X'):
					case TEXT('o'):
					{
						const FPrintfArg& Arg = TakeArg();
						checkf(IsInteger(Arg), TEXT("%%%c needs an integer argument in \"%s\""), Placeholder.Conversion,
							   Format);
						const char Conversion[] = {'l', 'l', static_cast<char>(Placeholder.Conversion), '\0'};
						AppendFormattedNumber(Out, Placeholder, Conversion,
											  static_cast<unsigned long long>(AsUnsigned(Arg)));
						break;
					}
					case TEXT('f'):
					case TEXT('F'):
					case TEXT('e'):
					case TEXT('E'):
					case TEXT('g'):
					case TEXT('G'):
					case TEXT('a'):
					case TEXT('A'):
					{
						const FPrintfArg& Arg = TakeArg();
						checkf(Arg.Kind == FPrintfArg::EKind::Float, TEXT("%%%c needs a floating point argument in \"%s\""),
							   Placeholder.Conversion, Format);
						const char Conversion[] = {static_cast<char>(Placeholder.Conversion), '\0'};
						AppendFormattedNumber(Out, Placeholder, Conversion, Arg.Float);
						break;
					}
					case TEXT('c'):
					{
						const FPrintfArg& Arg = TakeArg();
						checkf(IsInteger(Arg), TEXT("%%c needs a character argument in \"%s\""), Format);
						const TCHAR Char = Placeholder.bShortModifier
											   ? static_cast<TCHAR>(static_cast<unsigned char>(AsUnsigned(Arg)))
											   : static_cast<TCHAR>(AsUnsigned(Arg));
						AppendPadded(Out, Placeholder, &Char, 1);
						break;
					}
					case TEXT('s'):
					{
						const FPrintfArg& Arg = TakeArg();
						if (Arg.Kind == FPrintfArg::EKind::Pointer && Arg.Pointer == nullptr)
						{
							AppendPadded(Out, Placeholder, TEXT("(null)"), 6);
						}
						else if (Placeholder.bShortModifier)
						{
							checkf(Arg.Kind == FPrintfArg::EKind::AnsiString,
								   TEXT("%%hs needs an ANSICHAR string in \"%s\""), Format);
							std::wstring Wide;
							if (Arg.AnsiString)
							{
								ConvertUTF8ToTCHAR(Arg.AnsiString,
												   static_cast<int32>(std::char_traits<char>::length(Arg.AnsiString)),
												   Wide);
							}
							else
							{
								Wide = TEXT("(null)");
							}
							AppendPadded(Out, Placeholder, Wide.c_str(), Wide.size());
						}
						else
						{
							checkf(
								Arg.Kind == FPrintfArg::EKind::WideString,
								TEXT("%%s needs a TCHAR string (pass *MyString; use %%hs for ANSICHAR strings) in \"%s\""),
								Format);
							const TCHAR* Text = Arg.WideString ? Arg.WideString : TEXT("(null)");
							AppendPadded(Out, Placeholder, Text, std::char_traits<TCHAR>::length(Text));
						}
						break;
					}
					case TEXT('p'):
					{
						const FPrintfArg& Arg = TakeArg();
						char Buffer[32];
						const void* Pointer =
							Arg.Kind == FPrintfArg::EKind::WideString	? static_cast<const void*>(Arg.WideString)
							: Arg.Kind == FPrintfArg::EKind::AnsiString ? static_cast<const void*>(Arg.AnsiString)
							: Arg.Kind == FPrintfArg::EKind::Pointer	? Arg.Pointer
																		: nullptr;
						std::snprintf(Buffer, sizeof(Buffer), "0x%016llX",
									  static_cast<unsigned long long>(reinterpret_cast<UPTRINT>(Pointer)));
						std::wstring Wide;
						AppendNarrow(Wide, Buffer);
						AppendPadded(Out, Placeholder, Wide.c_str(), Wide.size());
						break;
					}
					default:
						// Not a conversion this formatter knows: keep the text as written.
						Out.append(PlaceholderStart, Cursor);
						break;
				}
			}
		}
	}

	void FormatPrintf(std::wstring& Out, const TCHAR* Format, const FPrintfArg* Args, int32 NumArgs)
	{
		FormatPrintfTo(Out, Format, Args, NumArgs);
	}

	void FormatPrintf(FString& Out, const TCHAR* Format, const FPrintfArg* Args, int32 NumArgs)
	{
		FStringOutput Output{Out};
		FormatPrintfTo(Output, Format, Args, NumArgs);
	}
}
