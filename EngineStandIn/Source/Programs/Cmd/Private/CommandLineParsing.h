#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class ECmdMode
{
	// /c: run the command line, then exit with its code.
	RunAndExit,
	// /k: run the command line, then keep reading commands when a terminal is attached.
	RunAndStay,
	// Neither: read commands from standard input.
	Interactive,
};

struct FCmdInvocation
{
	ECmdMode Mode = ECmdMode::Interactive;
	// /s: always strip the outer quotes of the command line.
	bool bSwitchS = false;
	// The text after /c or /k, leading blanks removed.
	std::string CommandText;
};

// Reads the switches of a console command line ("/s /k ...") up to /c or /k.
FCmdInvocation ParseInvocation(std::string_view CommandLine);

// The console's rule for the quotes of the text after /c or /k: the quotes are kept when there are
// exactly two, nothing of &<>()@^| between them, at least one blank between them, and the text
// between them names an executable file (and no /s); otherwise, when the text starts with a quote, that
// first quote and the last quote of the text are removed and everything else is kept.
std::string ApplyQuoteRule(std::string_view Text, bool bSwitchS,
						   const std::function<bool(const std::string&)>& IsExecutableFile);

enum class EChainOperator
{
	// The first command of a line, or after "&": always runs.
	Always,
	// After "&&": runs when the previous command succeeded.
	IfSucceeded,
	// After "||": runs when the previous command failed.
	IfFailed,
};

struct FChainedCommand
{
	EChainOperator Operator = EChainOperator::Always;
	std::string Text;
};

// Splits a line at "&", "&&" and "||" outside double quotes; "^" outside quotes makes the next
// character literal. Pipes and redirection are not supported: false with a message in OutError.
bool SplitCommandChain(std::string_view Line, std::vector<FChainedCommand>& OutCommands, std::string& OutError);

// A command's program (the first token, quoted or not) and the raw text after it.
struct FProgramAndArguments
{
	std::string Program;
	std::string ArgumentText;
};

FProgramAndArguments SplitProgram(std::string_view CommandText);

// Splits argument text as Windows programs do: blanks separate, double quotes group, "" inside quotes
// is a literal quote, and backslashes are literal except before a quote (2n+1 backslashes and a quote
// give n backslashes and a literal quote; 2n and a quote give n backslashes and a grouping quote).
std::vector<std::string> SplitArguments(std::string_view Text);
