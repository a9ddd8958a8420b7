#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace UE::StandIn::Private
{
	/**
	 * Splits a command line into arguments as a Windows program's C runtime does: blanks separate, double
	 * quotes group, "" inside quotes is one literal quote, and backslashes are literal unless they precede a
	 * quote (2n of them then give n and the quote groups; 2n+1 give n and a literal quote).
	 */
	std::vector<std::string> SplitWindowsCommandLine(std::string_view CommandLine);
}
