#include "CommandLineParsing.h"

namespace
{
	bool IsBlank(char Character)
	{
		return Character == ' ' || Character == '\t';
	}

	char AsciiLower(char Character)
	{
		return (Character >= 'A' && Character <= 'Z') ? static_cast<char>(Character - 'A' + 'a') : Character;
	}

	std::string_view TrimLeadingBlanks(std::string_view Text)
	{
		while (!Text.empty() && IsBlank(Text.front()))
		{
			Text.remove_prefix(1);
		}
		return Text;
	}
}

FCmdInvocation ParseInvocation(std::string_view CommandLine)
{
	FCmdInvocation Invocation;
	size_t Index = 0;
	while (true)
	{
		while (Index < CommandLine.size() && IsBlank(CommandLine[Index]))
		{
			++Index;
		}
		if (Index + 1 >= CommandLine.size() || CommandLine[Index] != '/')
		{
			return Invocation;
		}
		const char Switch = AsciiLower(CommandLine[Index + 1]);
		Index += 2;
		if (Switch == 'c' || Switch == 'k')
		{
			Invocation.Mode = Switch == 'c' ? ECmdMode::RunAndExit : ECmdMode::RunAndStay;
			Invocation.CommandText = std::string(TrimLeadingBlanks(CommandLine.substr(Index)));
			return Invocation;
		}
		if (Switch == 's')
		{
			Invocation.bSwitchS = true;
		}
		// Other switches (/q, /d, /a, /u, /e:on ...) change nothing here.
		while (Index < CommandLine.size() && !IsBlank(CommandLine[Index]) && CommandLine[Index] != '/')
		{
			++Index;
		}
	}
}

std::string ApplyQuoteRule(std::string_view Text, bool bSwitchS,
						   const std::function<bool(const std::string&)>& IsExecutableFile)
{
	if (Text.empty() || Text.front() != '"')
	{
		return std::string(Text);
	}
	const size_t LastQuote = Text.rfind('"');
	if (!bSwitchS && LastQuote != 0 && Text.find('"', 1) == LastQuote)
	{
		const std::string Between(Text.substr(1, LastQuote - 1));
		const bool bHasSpecial = Between.find_first_of("&<>()@^|") != std::string::npos;
		const bool bHasBlank = Between.find_first_of(" \t") != std::string::npos;
		if (!bHasSpecial && bHasBlank && IsExecutableFile(Between))
		{
			return std::string(Text);
		}
	}
	if (LastQuote == 0)
	{
		return std::string(Text.substr(1));
	}
	return std::string(Text.substr(1, LastQuote - 1)) + std::string(Text.substr(LastQuote + 1));
}

bool SplitCommandChain(std::string_view Line, std::vector<FChainedCommand>& OutCommands, std::string& OutError)
{
	OutCommands.clear();
	FChainedCommand Current;
	const auto FinishCommand = [&](EChainOperator NextOperator)
	{
		if (!TrimLeadingBlanks(Current.Text).empty())
		{
			OutCommands.push_back(std::move(Current));
		}
		Current = FChainedCommand();
		Current.Operator = NextOperator;
	};

	bool bQuoted = false;
	for (size_t Index = 0; Index < Line.size(); ++Index)
	{
		const char Character = Line[Index];
		const bool bDoubled = Index + 1 < Line.size() && Line[Index + 1] == Character;
		if (Character == '"')
		{
			bQuoted = !bQuoted;
			Current.Text.push_back(Character);
		}
		else if (bQuoted)
		{
			Current.Text.push_back(Character);
		}
		else if (Character == '^')
		{
			if (Index + 1 < Line.size())
			{
				Current.Text.push_back(Line[++Index]);
			}
		}
		else if (Character == '&')
		{
			FinishCommand(bDoubled ? EChainOperator::IfSucceeded : EChainOperator::Always);
			Index += bDoubled ? 1 : 0;
		}
		else if (Character == '|' && bDoubled)
		{
			FinishCommand(EChainOperator::IfFailed);
			++Index;
		}
		else if (Character == '|' || Character == '<' || Character == '>')
		{
			OutError = std::string("This console does not support pipes or redirection ('") + Character + "').";
			return false;
		}
		else
		{
			Current.Text.push_back(Character);
		}
	}
	FinishCommand(EChainOperator::Always);
	return true;
}

FProgramAndArguments SplitProgram(std::string_view CommandText)
{
	std::string_view Text = TrimLeadingBlanks(CommandText);
	// "@" only hides the command's echo, which this console never prints.
	while (!Text.empty() && Text.front() == '@')
	{
		Text = TrimLeadingBlanks(Text.substr(1));
	}
	FProgramAndArguments Result;
	if (!Text.empty() && Text.front() == '"')
	{
		const size_t Closing = Text.find('"', 1);
		const size_t End = Closing == std::string_view::npos ? Text.size() : Closing;
		Result.Program = std::string(Text.substr(1, End - 1));
		Result.ArgumentText = std::string(Text.substr(std::min(End + 1, Text.size())));
		return Result;
	}
	size_t End = 0;
	while (End < Text.size() && !IsBlank(Text[End]))
	{
		++End;
	}
	Result.Program = std::string(Text.substr(0, End));
	Result.ArgumentText = std::string(Text.substr(End));
	return Result;
}

std::vector<std::string> SplitArguments(std::string_view Text)
{
	std::vector<std::string> Arguments;
	size_t Index = 0;
	while (true)
	{
		while (Index < Text.size() && IsBlank(Text[Index]))
		{
			++Index;
		}
		if (Index == Text.size())
		{
			return Arguments;
		}
		std::string Argument;
		bool bQuoted = false;
		while (Index < Text.size() && (bQuoted || !IsBlank(Text[Index])))
		{
			const char Character = Text[Index];
			if (Character == '\\')
			{
				size_t End = Index;
				while (End < Text.size() && Text[End] == '\\')
				{
					++End;
				}
				const size_t NumBackslashes = End - Index;
				if (End < Text.size() && Text[End] == '"')
				{
					Argument.append(NumBackslashes / 2, '\\');
					if (NumBackslashes % 2 == 1)
					{
						Argument.push_back('"');
						++End;
					}
				}
				else
				{
					Argument.append(NumBackslashes, '\\');
				}
				Index = End;
			}
			else if (Character == '"')
			{
				if (bQuoted && Index + 1 < Text.size() && Text[Index + 1] == '"')
				{
					Argument.push_back('"');
					Index += 2;
				}
				else
				{
					bQuoted = !bQuoted;
					++Index;
				}
			}
			else
			{
				Argument.push_back(Character);
				++Index;
			}
		}
		Arguments.push_back(std::move(Argument));
	}
}
