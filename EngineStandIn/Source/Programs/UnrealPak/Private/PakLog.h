#pragma once

#include <string>
#include <string_view>

// Console output in the engine's log line form ("LogPakFile: Display: ..."), so the editor's "Log Pak
// File" console reads like the engine's tool.
namespace PakLog
{
	void SetVerbose(bool bInVerbose);
	bool IsVerbose();

	void Display(std::string_view Message);
	// Printed only with -log.
	void Verbose(std::string_view Message);
	void Warning(std::string_view Message);
	void Error(std::string_view Message);

	// A path as it appears in messages: between double quotes.
	std::string Quote(std::string_view Path);
}
