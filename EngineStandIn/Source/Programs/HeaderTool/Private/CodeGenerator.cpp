#include "HeaderModel.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace HeaderTool
{
	namespace
	{
		std::string Upper(std::string Text)
		{
			std::transform(Text.begin(), Text.end(), Text.begin(), [](unsigned char C) { return static_cast<char>(std::toupper(C)); });
			return Text;
		}

		std::string Escape(const std::string& Text)
		{
			std::string Result;
			for (char C : Text)
			{
				switch (C)
				{
					case '\\': Result += "\\\\"; break;
					case '"': Result += "\\\""; break;
					case '\n': Result += "\\n"; break;
					default: Result += C;
				}
			}
			return Result;
		}

		std::string Literal(const std::string& Text)
		{
			return "TEXT(\"" + Escape(Text) + "\")";
		}

		// The engine names reflected types without their C++ prefix letter (UZ4Package -> Z4Package).
		std::string StripPrefix(const std::string& Name)
		{
			if (Name.size() > 1 && (Name[0] == 'U' || Name[0] == 'A' || Name[0] == 'F') && std::isupper(static_cast<unsigned char>(Name[1])))
			{
				return Name.substr(1);
			}
			return Name;
		}

		std::string MetaList(FMetaData Meta, const std::string& ToolTip)
		{
			if (!ToolTip.empty())
			{
				Meta.emplace_back("ToolTip", ToolTip);
			}
			std::string Result = "{";
			for (size_t I = 0; I < Meta.size(); ++I)
			{
				Result += (I ? ", " : " ") + std::string("{ ") + Literal(Meta[I].first) + ", " + Literal(Meta[I].second) + " }";
			}
			return Result + (Meta.empty() ? "}" : " }");
		}

		FMetaData PropertyMeta(const FPropertyDecl& Property)
		{
			FMetaData Meta;
			const std::string Category = Property.Specifiers.Value("Category");
			if (!Category.empty())
			{
				Meta.emplace_back("Category", Category);
			}
			for (const auto& Entry : Property.Specifiers.Meta)
			{
				Meta.push_back(Entry);
			}
			return Meta;
		}

		std::string PropertyFlags(const FPropertyDecl& Property)
		{
			static const std::map<std::string, std::string> FlagsBySpecifier = {
				{"EditAnywhere", "CPF_Edit"},
				{"EditDefaultsOnly", "CPF_Edit | CPF_DisableEditOnInstance"},
				{"EditInstanceOnly", "CPF_Edit | CPF_DisableEditOnTemplate"},
				{"VisibleAnywhere", "CPF_Edit | CPF_EditConst"},
				{"VisibleDefaultsOnly", "CPF_Edit | CPF_EditConst | CPF_DisableEditOnInstance"},
				{"VisibleInstanceOnly", "CPF_Edit | CPF_EditConst | CPF_DisableEditOnTemplate"},
				{"BlueprintReadOnly", "CPF_BlueprintVisible | CPF_BlueprintReadOnly"},
				{"BlueprintReadWrite", "CPF_BlueprintVisible"},
				{"Transient", "CPF_Transient"},
				{"DuplicateTransient", "CPF_DuplicateTransient"},
				{"Config", "CPF_Config"},
				{"GlobalConfig", "CPF_GlobalConfig | CPF_Config"},
				{"EditFixedSize", "CPF_EditFixedSize"},
				{"SaveGame", "CPF_SaveGame"},
				{"Instanced", "CPF_PersistentInstance | CPF_ExportObject | CPF_InstancedReference"},
				{"AdvancedDisplay", "CPF_AdvancedDisplay"},
				{"SimpleDisplay", "CPF_SimpleDisplay"},
				{"NoClear", "CPF_NoClear"},
				{"AssetRegistrySearchable", "CPF_AssetRegistrySearchable"},
				{"Interp", "CPF_Edit | CPF_BlueprintVisible | CPF_Interp"},
				{"NonTransactional", "CPF_NonTransactional"},
			};
			std::vector<std::string> Flags;
			for (const auto& Entry : Property.Specifiers.Entries)
			{
				const auto Found = FlagsBySpecifier.find(Entry.first);
				if (Found != FlagsBySpecifier.end())
				{
					Flags.push_back(Found->second);
				}
			}
			if (Property.Guard.find("WITH_EDITORONLY_DATA") != std::string::npos)
			{
				Flags.push_back("CPF_EditorOnly");
			}
			if (Property.Access == "public")
			{
				Flags.push_back("CPF_NativeAccessSpecifierPublic");
			}
			else if (Property.Access == "protected")
			{
				Flags.push_back("CPF_NativeAccessSpecifierProtected");
			}
			else
			{
				Flags.push_back("CPF_NativeAccessSpecifierPrivate");
			}
			std::string Result;
			for (const std::string& Flag : Flags)
			{
				Result += (Result.empty() ? "" : " | ") + Flag;
			}
			return Result;
		}

		std::string ClassFlags(const FTypeDecl& Type)
		{
			std::vector<std::string> Flags = {"CLASS_Native"};
			if (Type.Specifiers.Has("Abstract"))
			{
				Flags.push_back("CLASS_Abstract");
			}
			if (Type.Specifiers.Has("MinimalAPI"))
			{
				Flags.push_back("CLASS_MinimalAPI");
			}
			if (Type.Specifiers.Has("Transient"))
			{
				Flags.push_back("CLASS_Transient");
			}
			if (Type.Specifiers.Has("Config"))
			{
				Flags.push_back("CLASS_Config");
			}
			if (Type.Specifiers.Has("DefaultConfig"))
			{
				Flags.push_back("CLASS_DefaultConfig");
			}
			if (Type.Specifiers.Has("Deprecated"))
			{
				Flags.push_back("CLASS_Deprecated");
			}
			if (Type.Specifiers.Has("HideDropdown"))
			{
				Flags.push_back("CLASS_HideDropDown");
			}
			if (Type.Specifiers.Has("EditInlineNew"))
			{
				Flags.push_back("CLASS_EditInlineNew");
			}
			std::string Result;
			for (const std::string& Flag : Flags)
			{
				Result += (Result.empty() ? "" : " | ") + Flag;
			}
			return Result;
		}

		FMetaData TypeMeta(const FTypeDecl& Type)
		{
			FMetaData Meta;
			for (const auto& Entry : Type.Specifiers.Entries)
			{
				if (Entry.first == "BlueprintType")
				{
					Meta.emplace_back("BlueprintType", "true");
				}
				else if (Entry.first == "NotBlueprintType")
				{
					Meta.emplace_back("NotBlueprintType", "true");
				}
				else if (Entry.first == "Blueprintable")
				{
					Meta.emplace_back("IsBlueprintBase", "true");
				}
				else if (Entry.first == "NotBlueprintable")
				{
					Meta.emplace_back("IsBlueprintBase", "false");
				}
				else if (Entry.first == "ClassGroup" || Entry.first == "DisplayName" || Entry.first == "HideCategories")
				{
					Meta.emplace_back(Entry.first, Entry.second);
				}
			}
			for (const auto& Entry : Type.Specifiers.Meta)
			{
				Meta.push_back(Entry);
			}
			return Meta;
		}

		void OpenGuard(std::ostringstream& Out, const std::string& Guard, const std::string& Indent)
		{
			if (!Guard.empty())
			{
				Out << "#if " << Guard << "\n";
			}
		}

		void CloseGuard(std::ostringstream& Out, const std::string& Guard)
		{
			if (!Guard.empty())
			{
				Out << "#endif\n";
			}
		}

		void WriteMembers(std::ostringstream& Out, const FTypeDecl& Type, const std::string& Owner)
		{
			for (const FPropertyDecl& Property : Type.Properties)
			{
				OpenGuard(Out, Property.Guard, "\t\t");
				const std::string Meta = MetaList(PropertyMeta(Property), Property.ToolTip);
				if (Property.bBitfield)
				{
					Out << "\t\tUE::CodeGen::AddBitfieldBoolProperty(" << Owner << ", " << Literal(Property.Name) << ", "
						<< PropertyFlags(Property) << ", &GetBit_" << Property.Name << ", &SetBit_" << Property.Name << ", " << Meta << ");\n";
				}
				else
				{
					Out << "\t\tUE::CodeGen::AddProperty<decltype(ThisType::" << Property.Name << ")>(" << Owner << ", " << Literal(Property.Name)
						<< ", " << PropertyFlags(Property) << ", STRUCT_OFFSET(ThisType, " << Property.Name << "), " << Meta << ");\n";
				}
				CloseGuard(Out, Property.Guard);
			}
			for (const FFunctionDecl& Function : Type.Functions)
			{
				OpenGuard(Out, Function.Guard, "\t\t");
				FMetaData Meta = Function.Specifiers.Meta;
				for (const auto& Entry : Function.Specifiers.Entries)
				{
					if (Entry.first == "CallInEditor" || Entry.first == "BlueprintCallable" || Entry.first == "BlueprintPure" || Entry.first == "Exec")
					{
						Meta.emplace_back(Entry.first, "true");
					}
					else if (Entry.first == "Category")
					{
						Meta.emplace_back("Category", Entry.second);
					}
				}
				const bool bInvokable = !Function.bHasParameters && !Function.bStatic && Function.bReturnsVoid;
				Out << "\t\tUE::CodeGen::AddFunction(" << Owner << ", " << Literal(Function.Name) << ", "
					<< (Function.bStatic ? "FUNC_Native | FUNC_Static" : "FUNC_Native") << ", " << MetaList(Meta, Function.ToolTip) << ", "
					<< (bInvokable ? "&Invoke_" + Function.Name : std::string("nullptr")) << ");\n";
				CloseGuard(Out, Function.Guard);
			}
		}

		void WriteAccessors(std::ostringstream& Out, const FTypeDecl& Type)
		{
			for (const FPropertyDecl& Property : Type.Properties)
			{
				if (!Property.bBitfield)
				{
					continue;
				}
				OpenGuard(Out, Property.Guard, "\t");
				Out << "\tstatic bool GetBit_" << Property.Name << "(const void* Container) { return static_cast<const ThisType*>(Container)->" << Property.Name << " != 0; }\n";
				Out << "\tstatic void SetBit_" << Property.Name << "(void* Container, bool bValue) { static_cast<ThisType*>(Container)->" << Property.Name << " = bValue; }\n";
				CloseGuard(Out, Property.Guard);
			}
			for (const FFunctionDecl& Function : Type.Functions)
			{
				if (Function.bHasParameters || Function.bStatic || !Function.bReturnsVoid)
				{
					continue;
				}
				OpenGuard(Out, Function.Guard, "\t");
				Out << "\tstatic void Invoke_" << Function.Name << "(UObject* Object) { static_cast<ThisType*>(Object)->" << Function.Name << "(); }\n";
				CloseGuard(Out, Function.Guard);
			}
		}
	}

	FGeneratedFiles GenerateCode(const FHeaderModel& Model, const std::string& ModuleName, const std::string& BaseName)
	{
		const std::string FileId = "FID_" + ModuleName + "_" + BaseName + "_h";
		const std::string Package = "/Script/" + ModuleName;
		const std::string Api = Upper(ModuleName) + "_API";

		std::ostringstream H;
		H << "// Generated by the header tool from " << BaseName << ".h. Do not edit.\n\n";
		H << "#ifdef " << Upper(ModuleName) << "_" << BaseName << "_generated_h\n";
		H << "#error \"" << BaseName << ".generated.h already included, missing '#pragma once' in " << BaseName << ".h\"\n#endif\n";
		H << "#define " << Upper(ModuleName) << "_" << BaseName << "_generated_h\n\n";
		H << "#include \"UObject/ObjectMacros.h\"\n#include \"UObject/ScriptMacros.h\"\n\n";
		H << "#undef CURRENT_FILE_ID\n#define CURRENT_FILE_ID " << FileId << "\n\n";

		std::ostringstream Cpp;
		Cpp << "// Generated by the header tool from " << BaseName << ".h. Do not edit.\n\n";
		if (Model.Types.empty())
		{
			return {H.str(), Cpp.str()};
		}
		Cpp << "#include \"UObject/GeneratedCppIncludes.h\"\n";
		Cpp << "#include \"" << Model.Path << "\"\n\n";

		for (const FTypeDecl& Type : Model.Types)
		{
			if (Type.Kind == ETypeKind::Enum)
			{
				H << "enum class " << Type.Name << " : " << Type.UnderlyingType << ";\n";
				H << "template<> " << Api << " UEnum* StaticEnum<" << Type.Name << ">();\n\n";

				OpenGuard(Cpp, Type.Guard, "");
				Cpp << "template<> UEnum* StaticEnum<" << Type.Name << ">()\n{\n\tstatic UEnum* Enum = nullptr;\n\tif (!Enum)\n\t{\n";
				Cpp << "\t\tEnum = UE::CodeGen::ConstructUEnum(" << Literal(Package) << ", " << Literal(Type.Name) << ", {\n";
				for (const FEnumEntry& Entry : Type.Entries)
				{
					Cpp << "\t\t\t{ " << Literal(Type.Name + "::" + Entry.Name) << ", static_cast<int64>(" << Type.Name << "::" << Entry.Name << "), "
						<< MetaList(Entry.Meta, "") << " },\n";
				}
				Cpp << "\t\t}, " << MetaList(TypeMeta(Type), Type.ToolTip) << ");\n\t}\n\treturn Enum;\n}\n";
				Cpp << "static UE::CodeGen::FRegisterCompiledInType Z_CompiledIn_" << Type.Name << "(" << Literal(Package) << ", [] { StaticEnum<" << Type.Name << ">(); });\n";
				CloseGuard(Cpp, Type.Guard);
				Cpp << "\n";
				continue;
			}

			const bool bClass = Type.Kind == ETypeKind::Class;
			const std::string Statics = std::string(bClass ? "Z_Construct_UClass_" : "Z_Construct_UScriptStruct_") + Type.Name + "_Statics";

			H << "#define " << FileId << "_" << Type.GeneratedBodyLine << "_GENERATED_BODY \\\n";
			H << "public: \\\n";
			if (bClass)
			{
				H << "\tusing ThisClass = " << Type.Name << "; \\\n";
				H << "\tusing Super = " << Type.Super << "; \\\n";
				H << "\tstatic UClass* StaticClass(); \\\n";
				H << "\tstatic const TCHAR* StaticPackage() { return " << Literal(Package) << "; } \\\n";
				H << "\tfriend struct " << Statics << "; \\\n";
				H << "private:\n\n";
				H << "class " << Type.Name << ";\ntemplate<> " << Api << " UClass* StaticClass<" << Type.Name << ">();\n\n";
			}
			else
			{
				if (!Type.Super.empty())
				{
					H << "\tusing Super = " << Type.Super << "; \\\n";
				}
				H << "\tstatic UScriptStruct* StaticStruct(); \\\n";
				H << "\tfriend struct " << Statics << ";\n\n";
				H << "struct " << Type.Name << ";\ntemplate<> " << Api << " UScriptStruct* StaticStruct<" << Type.Name << ">();\n\n";
			}

			OpenGuard(Cpp, Type.Guard, "");
			Cpp << "struct " << Statics << "\n{\n\tusing ThisType = " << Type.Name << ";\n";
			WriteAccessors(Cpp, Type);
			Cpp << "\tstatic void AddMembers(" << (bClass ? "UClass" : "UScriptStruct") << "* Owner)\n\t{\n";
			WriteMembers(Cpp, Type, "Owner");
			Cpp << "\t}\n};\n\n";

			if (bClass)
			{
				std::string ConfigName = Type.Specifiers.Value("Config");
				Cpp << "UClass* " << Type.Name << "::StaticClass()\n{\n\tstatic UClass* Class = nullptr;\n\tif (!Class)\n\t{\n";
				Cpp << "\t\tUClass* SuperClass = " << Type.Super << "::StaticClass();\n";
				Cpp << "\t\tClass = UE::CodeGen::ConstructUClass<" << Type.Name << ">(" << Literal(Package) << ", " << Literal(StripPrefix(Type.Name)) << ", SuperClass, "
					<< ClassFlags(Type) << ", " << (ConfigName.empty() ? std::string("nullptr") : Literal(ConfigName)) << ", " << MetaList(TypeMeta(Type), Type.ToolTip) << ");\n";
				Cpp << "\t\t" << Statics << "::AddMembers(Class);\n";
				Cpp << "\t\tUE::CodeGen::FinishUClass(Class);\n\t}\n\treturn Class;\n}\n";
				Cpp << "template<> UClass* StaticClass<" << Type.Name << ">()\n{\n\treturn " << Type.Name << "::StaticClass();\n}\n";
				Cpp << "static UE::CodeGen::FRegisterCompiledInType Z_CompiledIn_" << Type.Name << "(" << Literal(Package) << ", [] { " << Type.Name << "::StaticClass(); });\n";
			}
			else
			{
				Cpp << "UScriptStruct* " << Type.Name << "::StaticStruct()\n{\n\tstatic UScriptStruct* Struct = nullptr;\n\tif (!Struct)\n\t{\n";
				Cpp << "\t\tStruct = UE::CodeGen::ConstructUScriptStruct<" << Type.Name << ">(" << Literal(Package) << ", " << Literal(StripPrefix(Type.Name)) << ", "
					<< (Type.Super.empty() ? std::string("nullptr") : Type.Super + "::StaticStruct()") << ", " << MetaList(TypeMeta(Type), Type.ToolTip) << ");\n";
				Cpp << "\t\t" << Statics << "::AddMembers(Struct);\n";
				Cpp << "\t\tUE::CodeGen::FinishUScriptStruct(Struct);\n\t}\n\treturn Struct;\n}\n";
				Cpp << "template<> UScriptStruct* StaticStruct<" << Type.Name << ">()\n{\n\treturn " << Type.Name << "::StaticStruct();\n}\n";
				Cpp << "static UE::CodeGen::FRegisterCompiledInType Z_CompiledIn_" << Type.Name << "(" << Literal(Package) << ", [] { " << Type.Name << "::StaticStruct(); });\n";
			}
			CloseGuard(Cpp, Type.Guard);
			Cpp << "\n";
		}

		return {H.str(), Cpp.str()};
	}
}
