#pragma once

#include "CoreMinimal.h"
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

class IFileHandle;

namespace UE::StandIn
{
	/**
	 * Writes a JSON document as text as it goes, one value after another, with the layout nlohmann's
	 * dump(1, '\t') gives a document built in memory: a saved package is read back by that library, and a large
	 * package is written without first building every value as a node of its own.
	 */
	class FJsonTextWriter
	{
	public:
		/**
		 * Writes the document into File as it goes, a piece at a time, so that a large package is never held whole
		 * in memory; Finish writes the last piece.
		 */
		explicit FJsonTextWriter(IFileHandle& InFile) : File(InFile) {}

		void BeginObject();
		void EndObject();
		void BeginArray();
		void EndArray();
		// Names the next value of the object being written.
		void Key(std::string_view Name);

		void Null();
		void Bool(bool bValue);
		void Integer(int64 Value);
		void Unsigned(uint64 Value);
		void Number(double Value);
		// UTF-8 text.
		void String(std::string_view Utf8);
		void String(const FString& Value);
		void String(FName Name);
		// A value already built in memory.
		void Value(const nlohmann::ordered_json& Value);

		// Writes what the file does not have yet; false if any write to it failed.
		bool Finish();

	private:
		struct FLevel
		{
			bool bObject = false;
			bool bEmpty = true;
		};

		void BeginValue();
		void EndLevel(char Close);
		void AppendEscaped(std::string_view Utf8);
		// Hands a full piece to the file, between two values.
		void WriteOutIfFull();

		IFileHandle& File;
		bool bWriteFailed = false;
		// The piece not written yet.
		std::string Text;
		std::vector<FLevel> Levels;
		bool bAfterKey = false;
		// Reused for every conversion, so writing a string does not allocate once it has grown.
		std::string Utf8Scratch;
		FString NameScratch;
	};
}
