// HeaderTool --module <Name> --header <path/X.h> --output <folder>
// Writes <folder>/X.generated.h and <folder>/X.gen.cpp.
#include "HeaderModel.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace
{
	bool WriteFile(const std::filesystem::path& Path, const std::string& Text)
	{
		std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
		Out << Text;
		return static_cast<bool>(Out);
	}
}

int main(int ArgC, char** ArgV)
{
	std::string Module;
	std::string Header;
	std::string Output;
	for (int I = 1; I + 1 < ArgC; I += 2)
	{
		const std::string Key = ArgV[I];
		if (Key == "--module")
		{
			Module = ArgV[I + 1];
		}
		else if (Key == "--header")
		{
			Header = ArgV[I + 1];
		}
		else if (Key == "--output")
		{
			Output = ArgV[I + 1];
		}
	}
	if (Module.empty() || Header.empty() || Output.empty())
	{
		std::cerr << "usage: HeaderTool --module <Name> --header <Header.h> --output <Folder>\n";
		return 2;
	}

	std::ifstream In(Header, std::ios::binary);
	if (!In)
	{
		std::cerr << Header << ": error: cannot open the header\n";
		return 1;
	}
	std::ostringstream Text;
	Text << In.rdbuf();

	try
	{
		const HeaderTool::FHeaderModel Model = HeaderTool::ParseHeader(Header, Text.str());
		const std::string BaseName = std::filesystem::path(Header).stem().string();
		const HeaderTool::FGeneratedFiles Files = HeaderTool::GenerateCode(Model, Module, BaseName);
		std::filesystem::create_directories(Output);
		if (!WriteFile(std::filesystem::path(Output) / (BaseName + ".generated.h"), Files.GeneratedHeader)
			|| !WriteFile(std::filesystem::path(Output) / (BaseName + ".gen.cpp"), Files.GeneratedSource))
		{
			std::cerr << Output << ": error: cannot write the generated files\n";
			return 1;
		}
	}
	catch (const std::exception& Error)
	{
		std::cerr << Error.what() << "\n";
		return 1;
	}
	return 0;
}
