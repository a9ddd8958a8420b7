#pragma once

#include "CoreMinimal.h"
#include "JsonTextWriter.h"
#include <nlohmann/json.hpp>
#include <set>
#include <string>

class UObject;
class UPackage;
class UStruct;
class FProperty;

namespace UE::StandIn
{
	// Keys keep the order they were written in, so a saved package reads in declaration order.
	using FJson = nlohmann::ordered_json;

	std::string ToJsonString(const FString& Text);
	FString FromJsonString(const std::string& Text);

	struct FSaveContext
	{
		const UPackage* Package = nullptr;
		std::set<std::string> Imports;
		std::set<std::string> SoftReferences;
	};

	struct FLoadContext
	{
		UPackage* Package = nullptr;
		FString Error;
		// Finds or loads the object at a path; null when there is none.
		TFunction<UObject*(const FString& Path)> ResolveObject;
	};

	class FPropertyWriter
	{
	public:
		FPropertyWriter(FJsonTextWriter& InOut, FSaveContext& InContext) : Out(InOut), Context(InContext) {}
		void WriteObject(const UObject* Object);
		void WriteSoftPath(const FString& Path);

		FJsonTextWriter& Out;
		FSaveContext& Context;
	};

	class FPropertyReader
	{
	public:
		FPropertyReader(const UE::StandIn::FJson& InValue, FLoadContext& InContext) : In(InValue), Context(InContext) {}
		bool Fail(const FString& Why)
		{
			if (Context.Error.IsEmpty())
			{
				Context.Error = Why;
			}
			return false;
		}

		const UE::StandIn::FJson& In;
		FLoadContext& Context;
	};

	// A property that content (a blueprint class) declares: {"Name", "Type": Object|SoftObject|Class|Bool|Int|Float|String|Name, "PropertyClass"?, "Flags"?}.
	FProperty* CreateContentProperty(UStruct* Owner, const UE::StandIn::FJson& Description, FString& OutError);
	UE::StandIn::FJson DescribeContentProperty(const FProperty* Property);

	// The reflected properties of a struct or object (all but transient ones) as a JSON object.
	void WriteProperties(const UStruct* Struct, const void* Container, FJsonTextWriter& Out, FSaveContext& Context);
	// Reads what WriteProperties wrote; names the struct no longer has are skipped, as tagged properties are.
	bool ReadProperties(const UStruct* Struct, void* Container, const UE::StandIn::FJson& In, FLoadContext& Context);
}
