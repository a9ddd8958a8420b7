#include "Serialization/JsonReader.h"

#include "Dom/JsonObject.h"

#include <cstdlib>
#include <string>

namespace UE::Json::Private
{
	namespace
	{
		// Deeper nesting than any real document has; it keeps a damaged or hostile file from exhausting the stack.
		constexpr int32 MaxDepth = 512;

		class FTextParser
		{
		public:
			explicit FTextParser(const FString& InText) : Chars(*InText), Length(InText.Len()) {}

			TSharedPtr<FJsonValue> ParseDocument(FString& OutError)
			{
				SkipWhiteSpace();
				TSharedPtr<FJsonValue> Value = ParseValue(0);
				if (Value.IsValid())
				{
					SkipWhiteSpace();
					if (Position < Length)
					{
						Fail(TEXT("unexpected text after the value"));
						Value.Reset();
					}
				}
				if (!Value.IsValid())
				{
					OutError = Error;
				}
				return Value;
			}

		private:
			TSharedPtr<FJsonValue> ParseValue(int32 Depth)
			{
				if (Position >= Length)
				{
					return Fail(TEXT("the text ends where a value was expected"));
				}
				switch (Chars[Position])
				{
					case TEXT('{'): return ParseObject(Depth + 1);
					case TEXT('['): return ParseArray(Depth + 1);
					case TEXT('"'):
					{
						FString String;
						if (!ParseString(String))
						{
							return nullptr;
						}
						return MakeShared<FJsonValueString>(MoveTemp(String));
					}
					case TEXT('t'): return ParseWord(TEXT("true"), MakeShared<FJsonValueBoolean>(true));
					case TEXT('f'): return ParseWord(TEXT("false"), MakeShared<FJsonValueBoolean>(false));
					case TEXT('n'): return ParseWord(TEXT("null"), MakeShared<FJsonValueNull>());
					default: return ParseNumber();
				}
			}

			TSharedPtr<FJsonValue> ParseObject(int32 Depth)
			{
				if (Depth > MaxDepth)
				{
					return Fail(TEXT("objects and arrays nested too deeply"));
				}
				++Position;
				TSharedPtr<FJsonObject> Object = MakeShared<FJsonObject>();
				SkipWhiteSpace();
				if (Position < Length && Chars[Position] == TEXT('}'))
				{
					++Position;
					return MakeShared<FJsonValueObject>(Object);
				}
				while (true)
				{
					SkipWhiteSpace();
					FString Key;
					if (Position >= Length || Chars[Position] != TEXT('"'))
					{
						return Fail(TEXT("expected a field name in double quotes"));
					}
					if (!ParseString(Key))
					{
						return nullptr;
					}
					SkipWhiteSpace();
					if (Position >= Length || Chars[Position] != TEXT(':'))
					{
						return Fail(TEXT("expected ':' after a field name"));
					}
					++Position;
					SkipWhiteSpace();
					TSharedPtr<FJsonValue> Value = ParseValue(Depth);
					if (!Value.IsValid())
					{
						return nullptr;
					}
					Object->Values.Add(MoveTemp(Key), MoveTemp(Value));
					SkipWhiteSpace();
					if (Position < Length && Chars[Position] == TEXT(','))
					{
						++Position;
						continue;
					}
					if (Position < Length && Chars[Position] == TEXT('}'))
					{
						++Position;
						return MakeShared<FJsonValueObject>(Object);
					}
					return Fail(TEXT("expected ',' or '}' in an object"));
				}
			}

			TSharedPtr<FJsonValue> ParseArray(int32 Depth)
			{
				if (Depth > MaxDepth)
				{
					return Fail(TEXT("objects and arrays nested too deeply"));
				}
				++Position;
				TArray<TSharedPtr<FJsonValue>> Elements;
				SkipWhiteSpace();
				if (Position < Length && Chars[Position] == TEXT(']'))
				{
					++Position;
					return MakeShared<FJsonValueArray>(MoveTemp(Elements));
				}
				while (true)
				{
					SkipWhiteSpace();
					TSharedPtr<FJsonValue> Value = ParseValue(Depth);
					if (!Value.IsValid())
					{
						return nullptr;
					}
					Elements.Add(MoveTemp(Value));
					SkipWhiteSpace();
					if (Position < Length && Chars[Position] == TEXT(','))
					{
						++Position;
						continue;
					}
					if (Position < Length && Chars[Position] == TEXT(']'))
					{
						++Position;
						return MakeShared<FJsonValueArray>(MoveTemp(Elements));
					}
					return Fail(TEXT("expected ',' or ']' in an array"));
				}
			}

			bool ParseString(FString& OutString)
			{
				++Position;
				while (Position < Length)
				{
					const TCHAR Char = Chars[Position++];
					if (Char == TEXT('"'))
					{
						return true;
					}
					if (Char < 0x20)
					{
						Fail(TEXT("a control character inside a string"));
						return false;
					}
					if (Char != TEXT('\\'))
					{
						OutString.AppendChar(Char);
						continue;
					}
					if (Position >= Length)
					{
						break;
					}
					const TCHAR Escaped = Chars[Position++];
					switch (Escaped)
					{
						case TEXT('"'): OutString.AppendChar(TEXT('"')); break;
						case TEXT('\\'): OutString.AppendChar(TEXT('\\')); break;
						case TEXT('/'): OutString.AppendChar(TEXT('/')); break;
						case TEXT('b'): OutString.AppendChar(TEXT('\b')); break;
						case TEXT('f'): OutString.AppendChar(TEXT('\f')); break;
						case TEXT('n'): OutString.AppendChar(TEXT('\n')); break;
						case TEXT('r'): OutString.AppendChar(TEXT('\r')); break;
						case TEXT('t'): OutString.AppendChar(TEXT('\t')); break;
						case TEXT('u'):
						{
							uint32 CodePoint = 0;
							if (!ParseHex4(CodePoint))
							{
								return false;
							}
							// A surrogate pair names one character beyond the basic plane.
							if (CodePoint >= 0xD800 && CodePoint < 0xDC00 && Position + 1 < Length && Chars[Position] == TEXT('\\') && Chars[Position + 1] == TEXT('u'))
							{
								const int32 PairStart = Position;
								Position += 2;
								uint32 Low = 0;
								if (!ParseHex4(Low))
								{
									return false;
								}
								if (Low >= 0xDC00 && Low < 0xE000)
								{
									CodePoint = 0x10000 + ((CodePoint - 0xD800) << 10) + (Low - 0xDC00);
								}
								else
								{
									Position = PairStart;
								}
							}
							OutString.AppendChar(static_cast<TCHAR>(CodePoint));
							break;
						}
						default:
							Fail(TEXT("an unknown escape in a string"));
							return false;
					}
				}
				Fail(TEXT("a string is not closed"));
				return false;
			}

			bool ParseHex4(uint32& OutValue)
			{
				if (Position + 4 > Length)
				{
					Fail(TEXT("\\u needs four hexadecimal digits"));
					return false;
				}
				OutValue = 0;
				for (int32 Index = 0; Index < 4; ++Index)
				{
					const TCHAR Digit = Chars[Position++];
					uint32 Value;
					if (Digit >= TEXT('0') && Digit <= TEXT('9'))
					{
						Value = Digit - TEXT('0');
					}
					else if (Digit >= TEXT('a') && Digit <= TEXT('f'))
					{
						Value = Digit - TEXT('a') + 10;
					}
					else if (Digit >= TEXT('A') && Digit <= TEXT('F'))
					{
						Value = Digit - TEXT('A') + 10;
					}
					else
					{
						Fail(TEXT("\\u needs four hexadecimal digits"));
						return false;
					}
					OutValue = OutValue * 16 + Value;
				}
				return true;
			}

			TSharedPtr<FJsonValue> ParseNumber()
			{
				// The JSON number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
				const int32 Start = Position;
				auto SkipDigits = [this]()
				{
					const int32 First = Position;
					while (Position < Length && Chars[Position] >= TEXT('0') && Chars[Position] <= TEXT('9'))
					{
						++Position;
					}
					return Position > First;
				};
				if (Position < Length && Chars[Position] == TEXT('-'))
				{
					++Position;
				}
				if (Position < Length && Chars[Position] == TEXT('0'))
				{
					++Position;
				}
				else if (!SkipDigits())
				{
					Position = Start;
					return Fail(TEXT("expected a value"));
				}
				if (Position < Length && Chars[Position] == TEXT('.'))
				{
					++Position;
					if (!SkipDigits())
					{
						return Fail(TEXT("expected digits after '.'"));
					}
				}
				if (Position < Length && (Chars[Position] == TEXT('e') || Chars[Position] == TEXT('E')))
				{
					++Position;
					if (Position < Length && (Chars[Position] == TEXT('+') || Chars[Position] == TEXT('-')))
					{
						++Position;
					}
					if (!SkipDigits())
					{
						return Fail(TEXT("expected digits in an exponent"));
					}
				}
				const std::string Ascii(Chars + Start, Chars + Position);
				return MakeShared<FJsonValueNumber>(std::strtod(Ascii.c_str(), nullptr));
			}

			TSharedPtr<FJsonValue> ParseWord(const TCHAR* Word, TSharedPtr<FJsonValue> Value)
			{
				const int32 WordLength = FCString::Strlen(Word);
				if (Position + WordLength > Length || FCString::Strncmp(Chars + Position, Word, WordLength) != 0)
				{
					return Fail(TEXT("expected a value"));
				}
				Position += WordLength;
				return Value;
			}

			void SkipWhiteSpace()
			{
				while (Position < Length && (Chars[Position] == TEXT(' ') || Chars[Position] == TEXT('\t') || Chars[Position] == TEXT('\n') || Chars[Position] == TEXT('\r')))
				{
					++Position;
				}
			}

			TSharedPtr<FJsonValue> Fail(const TCHAR* What)
			{
				if (Error.IsEmpty())
				{
					int32 Line = 1;
					int32 Column = 1;
					for (int32 Index = 0; Index < Position && Index < Length; ++Index)
					{
						Column = Chars[Index] == TEXT('\n') ? 1 : Column + 1;
						Line += Chars[Index] == TEXT('\n') ? 1 : 0;
					}
					Error = FString::Printf(TEXT("Line %d, character %d: %s"), Line, Column, What);
				}
				return nullptr;
			}

			const TCHAR* Chars;
			int32 Length;
			int32 Position = 0;
			FString Error;
		};
	}

	TSharedPtr<FJsonValue> ParseText(const FString& Text, FString& OutError)
	{
		OutError.Reset();
		return FTextParser(Text).ParseDocument(OutError);
	}
}
