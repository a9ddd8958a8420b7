#include "HeaderModel.h"

#include <cctype>
#include <stdexcept>

namespace HeaderTool
{
	bool FSpecifiers::Has(const std::string& Name) const
	{
		for (const auto& Entry : Entries)
		{
			if (Entry.first == Name)
			{
				return true;
			}
		}
		return false;
	}

	std::string FSpecifiers::Value(const std::string& Name) const
	{
		for (const auto& Entry : Entries)
		{
			if (Entry.first == Name)
			{
				return Entry.second;
			}
		}
		return std::string();
	}

	namespace
	{
		enum class ETokenKind
		{
			Identifier,
			Number,
			String,
			Symbol
		};

		struct FToken
		{
			ETokenKind Kind;
			std::string Text;
			int Line;
			std::string Guard;
			std::string DocComment;
		};

		struct FGuardFrame
		{
			std::string Condition; // the condition that applies in the current branch, "" when irrelevant
		};

		std::string Trim(const std::string& Text)
		{
			const size_t Begin = Text.find_first_not_of(" \t\r\n");
			if (Begin == std::string::npos)
			{
				return std::string();
			}
			const size_t End = Text.find_last_not_of(" \t\r\n");
			return Text.substr(Begin, End - Begin + 1);
		}

		// Only the editor guards change what is reflected; any other condition is taken as always true.
		std::string GuardOf(const std::string& Condition)
		{
			const std::string Cond = Trim(Condition);
			if (Cond == "WITH_EDITORONLY_DATA" || Cond == "WITH_EDITOR")
			{
				return Cond;
			}
			return std::string();
		}

		std::string CleanDocComment(const std::string& Raw)
		{
			std::string Result;
			size_t Pos = 0;
			while (Pos <= Raw.size())
			{
				size_t End = Raw.find('\n', Pos);
				if (End == std::string::npos)
				{
					End = Raw.size();
				}
				std::string Line = Trim(Raw.substr(Pos, End - Pos));
				while (!Line.empty() && (Line[0] == '*' || Line[0] == '/'))
				{
					Line = Trim(Line.substr(1));
				}
				while (!Line.empty() && (Line.back() == '*' || Line.back() == '/'))
				{
					Line = Trim(Line.substr(0, Line.size() - 1));
				}
				if (!Line.empty())
				{
					if (!Result.empty())
					{
						Result += "\n";
					}
					Result += Line;
				}
				Pos = End + 1;
			}
			return Result;
		}

		std::vector<FToken> Tokenize(const std::string& Path, const std::string& Text)
		{
			std::vector<FToken> Tokens;
			std::vector<FGuardFrame> Guards;
			std::string PendingDoc;
			int Line = 1;
			size_t I = 0;
			bool bLineStart = true;

			auto CurrentGuard = [&Guards]()
			{
				std::string Result;
				for (const FGuardFrame& Frame : Guards)
				{
					if (!Frame.Condition.empty())
					{
						Result = Result.empty() ? Frame.Condition : Result + " && " + Frame.Condition;
					}
				}
				return Result;
			};

			while (I < Text.size())
			{
				const char C = Text[I];
				if (C == '\n')
				{
					++Line;
					++I;
					bLineStart = true;
					continue;
				}
				if (std::isspace(static_cast<unsigned char>(C)))
				{
					++I;
					continue;
				}
				if (C == '#' && bLineStart)
				{
					std::string Directive;
					while (I < Text.size() && Text[I] != '\n')
					{
						if (Text[I] == '\\' && I + 1 < Text.size() && Text[I + 1] == '\n')
						{
							I += 2;
							++Line;
							continue;
						}
						Directive += Text[I++];
					}
					Directive = Trim(Directive.substr(1));
					const size_t Space = Directive.find_first_of(" \t(");
					const std::string Keyword = Directive.substr(0, Space);
					const std::string Rest = Space == std::string::npos ? std::string() : Directive.substr(Space);
					if (Keyword == "if" || Keyword == "ifdef")
					{
						Guards.push_back({GuardOf(Rest)});
					}
					else if (Keyword == "ifndef")
					{
						Guards.push_back({std::string()});
					}
					else if (Keyword == "elif" || Keyword == "else")
					{
						if (Guards.empty())
						{
							throw std::runtime_error(Path + "(" + std::to_string(Line) + "): #" + Keyword + " without #if");
						}
						// The other branch of an editor guard is the game build's: reflect nothing special there.
						Guards.back().Condition = Guards.back().Condition.empty() ? std::string() : "!" + Guards.back().Condition;
					}
					else if (Keyword == "endif")
					{
						if (Guards.empty())
						{
							throw std::runtime_error(Path + "(" + std::to_string(Line) + "): #endif without #if");
						}
						Guards.pop_back();
					}
					continue;
				}
				bLineStart = false;
				if (C == '/' && I + 1 < Text.size() && Text[I + 1] == '/')
				{
					while (I < Text.size() && Text[I] != '\n')
					{
						++I;
					}
					continue;
				}
				if (C == '/' && I + 1 < Text.size() && Text[I + 1] == '*')
				{
					const bool bDoc = I + 2 < Text.size() && Text[I + 2] == '*';
					const size_t End = Text.find("*/", I + 2);
					if (End == std::string::npos)
					{
						throw std::runtime_error(Path + "(" + std::to_string(Line) + "): unterminated comment");
					}
					const std::string Body = Text.substr(I + (bDoc ? 3 : 2), End - I - (bDoc ? 3 : 2));
					for (char Ch : Body)
					{
						Line += Ch == '\n' ? 1 : 0;
					}
					if (bDoc)
					{
						PendingDoc = CleanDocComment(Body);
					}
					I = End + 2;
					continue;
				}
				FToken Token{ETokenKind::Symbol, std::string(), Line, CurrentGuard(), std::string()};
				if (std::isalpha(static_cast<unsigned char>(C)) || C == '_')
				{
					Token.Kind = ETokenKind::Identifier;
					while (I < Text.size() && (std::isalnum(static_cast<unsigned char>(Text[I])) || Text[I] == '_'))
					{
						Token.Text += Text[I++];
					}
				}
				else if (std::isdigit(static_cast<unsigned char>(C)) || (C == '.' && I + 1 < Text.size() && std::isdigit(static_cast<unsigned char>(Text[I + 1]))))
				{
					Token.Kind = ETokenKind::Number;
					while (I < Text.size() && (std::isalnum(static_cast<unsigned char>(Text[I])) || Text[I] == '.' || Text[I] == '\''))
					{
						Token.Text += Text[I++];
					}
				}
				else if (C == '"' || C == '\'')
				{
					Token.Kind = ETokenKind::String;
					Token.Text += Text[I++];
					while (I < Text.size() && Text[I] != C)
					{
						if (Text[I] == '\\' && I + 1 < Text.size())
						{
							Token.Text += Text[I++];
						}
						Token.Text += Text[I++];
					}
					Token.Text += C;
					++I;
				}
				else if (C == ':' && I + 1 < Text.size() && Text[I + 1] == ':')
				{
					Token.Text = "::";
					I += 2;
				}
				else
				{
					Token.Text = std::string(1, C);
					++I;
				}
				if (Token.Kind == ETokenKind::Identifier)
				{
					Token.DocComment = PendingDoc;
				}
				if (Token.Text == ";" || Token.Text == "}" || Token.Text == "{")
				{
					PendingDoc.clear();
				}
				Tokens.push_back(std::move(Token));
			}
			return Tokens;
		}

		class FParser
		{
		public:
			FParser(const std::string& InPath, std::vector<FToken> InTokens)
				: Path(InPath)
				, Tokens(std::move(InTokens))
			{
			}

			FHeaderModel Parse()
			{
				FHeaderModel Model;
				Model.Path = Path;
				while (Pos < Tokens.size())
				{
					const FToken& Token = Tokens[Pos];
					if (Token.Kind == ETokenKind::Identifier && (Token.Text == "UCLASS" || Token.Text == "USTRUCT"))
					{
						Model.Types.push_back(ParseClassOrStruct());
					}
					else if (Token.Kind == ETokenKind::Identifier && Token.Text == "UENUM")
					{
						Model.Types.push_back(ParseEnum());
					}
					else
					{
						++Pos;
					}
				}
				return Model;
			}

		private:
			[[noreturn]] void Fail(const std::string& Message) const
			{
				const int Line = Pos < Tokens.size() ? Tokens[Pos].Line : (Tokens.empty() ? 0 : Tokens.back().Line);
				throw std::runtime_error(Path + "(" + std::to_string(Line) + "): " + Message);
			}

			const FToken& Peek(size_t Offset = 0) const
			{
				if (Pos + Offset >= Tokens.size())
				{
					Fail("unexpected end of file");
				}
				return Tokens[Pos + Offset];
			}

			const FToken& Next()
			{
				const FToken& Token = Peek();
				++Pos;
				return Token;
			}

			void Expect(const std::string& Text)
			{
				if (Peek().Text != Text)
				{
					Fail("expected '" + Text + "' but found '" + Peek().Text + "'");
				}
				++Pos;
			}

			// Reads a balanced (...) group and returns its inner tokens.
			std::vector<FToken> ReadGroup()
			{
				Expect("(");
				std::vector<FToken> Inner;
				int Depth = 1;
				while (true)
				{
					const FToken& Token = Next();
					if (Token.Text == "(")
					{
						++Depth;
					}
					else if (Token.Text == ")" && --Depth == 0)
					{
						return Inner;
					}
					Inner.push_back(Token);
				}
			}

			static std::string Unquote(const std::string& Text)
			{
				if (Text.size() >= 2 && Text.front() == '"' && Text.back() == '"')
				{
					return Text.substr(1, Text.size() - 2);
				}
				return Text;
			}

			static std::string Join(const std::vector<FToken>& Tokens, size_t Begin, size_t End)
			{
				std::string Result;
				for (size_t I = Begin; I < End; ++I)
				{
					const std::string& Text = Tokens[I].Text;
					const bool bGlue = Result.empty() || Text == "<" || Text == ">" || Text == "::" || Text == "," || Text == "*" || Text == "&" || Text == "(" || Text == ")" || Text == "[" || Text == "]"
						|| Result.back() == '<' || Result.back() == ':' || Result.back() == '(' || Result.back() == '[';
					if (!bGlue)
					{
						Result += ' ';
					}
					Result += Text;
					if (Text == ",")
					{
						Result += ' ';
					}
				}
				return Result;
			}

			// Splits a specifier list at top-level commas: Key, Key = Value, meta = (A = "x", B).
			FSpecifiers ParseSpecifiers(const std::vector<FToken>& Inner)
			{
				FSpecifiers Result;
				std::vector<std::vector<FToken>> Items(1);
				int Depth = 0;
				for (const FToken& Token : Inner)
				{
					if (Token.Text == "(")
					{
						++Depth;
					}
					else if (Token.Text == ")")
					{
						--Depth;
					}
					if (Token.Text == "," && Depth == 0)
					{
						Items.emplace_back();
						continue;
					}
					Items.back().push_back(Token);
				}
				for (const std::vector<FToken>& Item : Items)
				{
					if (Item.empty())
					{
						continue;
					}
					const std::string Key = Item[0].Text;
					std::string Value;
					if (Item.size() > 2 && Item[1].Text == "=")
					{
						if (Item[2].Text == "(")
						{
							std::vector<FToken> MetaTokens(Item.begin() + 3, Item.end() - 1);
							if (Key == "meta" || Key == "Meta")
							{
								const FSpecifiers MetaList = ParseSpecifiers(MetaTokens);
								for (const auto& Entry : MetaList.Entries)
								{
									Result.Meta.push_back(Entry);
								}
								continue;
							}
							Value = Join(MetaTokens, 0, MetaTokens.size());
						}
						else
						{
							std::string Joined;
							for (size_t I = 2; I < Item.size(); ++I)
							{
								Joined += Unquote(Item[I].Text);
							}
							Value = Joined;
						}
					}
					Result.Entries.emplace_back(Key, Value);
				}
				return Result;
			}

			FTypeDecl ParseClassOrStruct()
			{
				FTypeDecl Type;
				const FToken& Macro = Next();
				Type.Kind = Macro.Text == "UCLASS" ? ETypeKind::Class : ETypeKind::Struct;
				Type.Guard = Macro.Guard;
				Type.ToolTip = Macro.DocComment;
				Type.Specifiers = ParseSpecifiers(ReadGroup());
				const std::string Keyword = Next().Text;
				if (Keyword != "class" && Keyword != "struct")
				{
					Fail("expected class or struct after " + Macro.Text);
				}
				std::string Access = Keyword == "class" ? "private" : "public";
				// [API macro] Name [final] [: public Base, ...]
				std::vector<std::string> Names;
				while (Peek().Text != ":" && Peek().Text != "{")
				{
					const std::string Word = Next().Text;
					if (Word != "final" && Word.find("_API") == std::string::npos)
					{
						Names.push_back(Word);
					}
				}
				if (Names.empty())
				{
					Fail("missing type name");
				}
				Type.Name = Names.back();
				if (Peek().Text == ":")
				{
					++Pos;
					while (Peek().Text == "public" || Peek().Text == "protected" || Peek().Text == "private" || Peek().Text == "virtual")
					{
						++Pos;
					}
					std::vector<FToken> BaseTokens;
					while (Peek().Text != "{" && Peek().Text != ",")
					{
						BaseTokens.push_back(Next());
					}
					Type.Super = Join(BaseTokens, 0, BaseTokens.size());
					while (Peek().Text != "{")
					{
						++Pos;
					}
				}
				Expect("{");
				int Depth = 1;
				while (Depth > 0)
				{
					const FToken& Token = Peek();
					if (Token.Text == "{")
					{
						++Depth;
						++Pos;
					}
					else if (Token.Text == "}")
					{
						--Depth;
						++Pos;
					}
					else if (Depth == 1 && (Token.Text == "public" || Token.Text == "protected" || Token.Text == "private") && Peek(1).Text == ":")
					{
						Access = Token.Text;
						Pos += 2;
					}
					else if (Depth == 1 && (Token.Text == "GENERATED_BODY" || Token.Text == "GENERATED_UCLASS_BODY" || Token.Text == "GENERATED_USTRUCT_BODY"))
					{
						Type.GeneratedBodyLine = Token.Line;
						++Pos;
						ReadGroup();
						if (Type.Kind == ETypeKind::Class)
						{
							Access = "private"; // as the engine's macro leaves it
						}
					}
					else if (Depth == 1 && Token.Text == "UPROPERTY")
					{
						Type.Properties.push_back(ParseProperty(Access));
					}
					else if (Depth == 1 && Token.Text == "UFUNCTION")
					{
						Type.Functions.push_back(ParseFunction());
					}
					else
					{
						++Pos;
					}
				}
				if (Type.GeneratedBodyLine == 0)
				{
					Fail(Type.Name + " has no GENERATED_BODY()");
				}
				return Type;
			}

			FPropertyDecl ParseProperty(const std::string& Access)
			{
				FPropertyDecl Property;
				const FToken& Macro = Next();
				Property.Guard = Macro.Guard;
				Property.Line = Macro.Line;
				Property.Access = Access;
				Property.ToolTip = Macro.DocComment;
				Property.Specifiers = ParseSpecifiers(ReadGroup());
				std::vector<FToken> Decl;
				int Depth = 0;
				while (true)
				{
					const FToken& Token = Next();
					if (Token.Text == "(" || Token.Text == "{" || Token.Text == "[")
					{
						++Depth;
					}
					else if (Token.Text == ")" || Token.Text == "}" || Token.Text == "]")
					{
						--Depth;
					}
					else if (Token.Text == ";" && Depth == 0)
					{
						break;
					}
					Decl.push_back(Token);
				}
				// Cut the initializer, the bit width or the array extent; the name is the identifier before.
				size_t End = Decl.size();
				int Angle = 0;
				for (size_t I = 0; I < Decl.size(); ++I)
				{
					const std::string& Text = Decl[I].Text;
					if (Text == "<")
					{
						++Angle;
					}
					else if (Text == ">")
					{
						--Angle;
					}
					else if (Angle == 0 && (Text == "=" || Text == "{" || Text == "[" || Text == ":"))
					{
						Property.bBitfield = Text == ":";
						End = I;
						break;
					}
				}
				size_t Begin = 0;
				while (Begin < End && (Decl[Begin].Text == "mutable" || Decl[Begin].Text == "UPROPERTY"))
				{
					++Begin;
				}
				if (End == 0 || Decl[End - 1].Kind != ETokenKind::Identifier || End - 1 <= Begin)
				{
					Fail("cannot read the property declaration after UPROPERTY");
				}
				Property.Name = Decl[End - 1].Text;
				Property.Type = Join(Decl, Begin, End - 1);
				return Property;
			}

			FFunctionDecl ParseFunction()
			{
				FFunctionDecl Function;
				const FToken& Macro = Next();
				Function.Guard = Macro.Guard;
				Function.ToolTip = Macro.DocComment;
				Function.Specifiers = ParseSpecifiers(ReadGroup());
				std::vector<std::string> Before;
				while (Peek().Text != "(")
				{
					Before.push_back(Next().Text);
				}
				if (Before.empty())
				{
					Fail("cannot read the function declaration after UFUNCTION");
				}
				Function.Name = Before.back();
				for (size_t I = 0; I + 1 < Before.size(); ++I)
				{
					Function.bStatic |= Before[I] == "static";
				}
				Function.bReturnsVoid = Before.size() >= 2 && Before[Before.size() - 2] == "void";
				const std::vector<FToken> Params = ReadGroup();
				Function.bHasParameters = !(Params.empty() || (Params.size() == 1 && Params[0].Text == "void"));
				// Skip qualifiers and the body or the terminating semicolon.
				while (Peek().Text != ";" && Peek().Text != "{")
				{
					++Pos;
				}
				if (Peek().Text == ";")
				{
					++Pos;
				}
				else
				{
					int Depth = 0;
					do
					{
						const std::string& Text = Next().Text;
						Depth += Text == "{" ? 1 : (Text == "}" ? -1 : 0);
					} while (Depth > 0);
				}
				return Function;
			}

			FTypeDecl ParseEnum()
			{
				FTypeDecl Type;
				Type.Kind = ETypeKind::Enum;
				const FToken& Macro = Next();
				Type.Guard = Macro.Guard;
				Type.ToolTip = Macro.DocComment;
				Type.Specifiers = ParseSpecifiers(ReadGroup());
				Expect("enum");
				if (Peek().Text != "class")
				{
					Fail("only scoped enums (enum class) are reflected");
				}
				++Pos;
				Type.Name = Next().Text;
				Type.UnderlyingType = "int32";
				if (Peek().Text == ":")
				{
					++Pos;
					Type.UnderlyingType = Next().Text;
				}
				Expect("{");
				while (Peek().Text != "}")
				{
					FEnumEntry Entry;
					Entry.Name = Next().Text;
					while (Peek().Text != "," && Peek().Text != "}")
					{
						if (Peek().Text == "UMETA")
						{
							++Pos;
							Entry.Meta = ParseSpecifiers(ReadGroup()).Entries;
						}
						else
						{
							++Pos;
						}
					}
					if (Peek().Text == ",")
					{
						++Pos;
					}
					Type.Entries.push_back(std::move(Entry));
				}
				Expect("}");
				return Type;
			}

			std::string Path;
			std::vector<FToken> Tokens;
			size_t Pos = 0;
		};
	}

	FHeaderModel ParseHeader(const std::string& Path, const std::string& Text)
	{
		FParser Parser(Path, Tokenize(Path, Text));
		return Parser.Parse();
	}
}
