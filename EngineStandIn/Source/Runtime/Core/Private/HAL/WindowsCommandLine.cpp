#include "WindowsCommandLine.h"

namespace UE::StandIn::Private
{
	std::vector<std::string> SplitWindowsCommandLine(std::string_view CommandLine)
	{
		std::vector<std::string> Arguments;
		size_t Index = 0;
		const size_t Length = CommandLine.size();
		while (true)
		{
			while (Index < Length && (CommandLine[Index] == ' ' || CommandLine[Index] == '\t'))
			{
				++Index;
			}
			if (Index >= Length)
			{
				return Arguments;
			}
			std::string Argument;
			bool bInQuotes = false;
			while (Index < Length)
			{
				const char Char = CommandLine[Index];
				if (!bInQuotes && (Char == ' ' || Char == '\t'))
				{
					break;
				}
				if (Char == '\\')
				{
					size_t NumBackslashes = 0;
					while (Index < Length && CommandLine[Index] == '\\')
					{
						++NumBackslashes;
						++Index;
					}
					if (Index < Length && CommandLine[Index] == '"')
					{
						Argument.append(NumBackslashes / 2, '\\');
						if (NumBackslashes % 2 == 1)
						{
							Argument.push_back('"');
							++Index;
						}
					}
					else
					{
						Argument.append(NumBackslashes, '\\');
					}
					continue;
				}
				if (Char == '"')
				{
					if (bInQuotes && Index + 1 < Length && CommandLine[Index + 1] == '"')
					{
						Argument.push_back('"');
						Index += 2;
					}
					else
					{
						bInQuotes = !bInQuotes;
						++Index;
					}
					continue;
				}
				Argument.push_back(Char);
				++Index;
			}
			Arguments.push_back(std::move(Argument));
		}
	}
}
