// What the header tool learns from one header: its reflected enums, structs and classes.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace HeaderTool
{
	using FMetaData = std::vector<std::pair<std::string, std::string>>;

	struct FSpecifiers
	{
		std::vector<std::pair<std::string, std::string>> Entries; // specifier and its value ("" when bare)
		FMetaData Meta;

		bool Has(const std::string& Name) const;
		std::string Value(const std::string& Name) const;
	};

	struct FPropertyDecl
	{
		std::string Name;
		std::string Type;
		FSpecifiers Specifiers;
		std::string Guard; // preprocessor condition the declaration sits under, empty when none
		std::string Access;
		std::string ToolTip;
		bool bBitfield = false;
		int Line = 0;
	};

	struct FFunctionDecl
	{
		std::string Name;
		FSpecifiers Specifiers;
		std::string Guard;
		std::string ToolTip;
		bool bStatic = false;
		bool bHasParameters = false;
		bool bReturnsVoid = true;
	};

	struct FEnumEntry
	{
		std::string Name;
		FMetaData Meta;
	};

	enum class ETypeKind
	{
		Class,
		Struct,
		Enum
	};

	struct FTypeDecl
	{
		ETypeKind Kind = ETypeKind::Class;
		std::string Name;
		std::string Super;
		std::string UnderlyingType; // enums
		FSpecifiers Specifiers;
		std::string Guard;
		std::string ToolTip;
		int GeneratedBodyLine = 0;
		std::vector<FPropertyDecl> Properties;
		std::vector<FFunctionDecl> Functions;
		std::vector<FEnumEntry> Entries;
	};

	struct FHeaderModel
	{
		std::string Path;
		std::vector<FTypeDecl> Types;
	};

	// Parses a header; throws std::runtime_error with "file(line): message" on malformed declarations.
	FHeaderModel ParseHeader(const std::string& Path, const std::string& Text);

	struct FGeneratedFiles
	{
		std::string GeneratedHeader;
		std::string GeneratedSource;
	};

	FGeneratedFiles GenerateCode(const FHeaderModel& Model, const std::string& ModuleName, const std::string& BaseName);
}
