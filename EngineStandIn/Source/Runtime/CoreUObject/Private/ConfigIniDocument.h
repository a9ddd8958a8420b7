#pragma once

#include "CoreMinimal.h"
#include "Misc/FileHelper.h"

namespace UE::CoreUObject::Private
{
	/**
	 * One ini file kept as its lines, so that writing a key changes that key's lines only: comments, blank
	 * lines, other keys and other sections stay exactly as they were, and so do the file's encoding and line
	 * ends. Sections and keys are compared ignoring case, as the engine's config does.
	 */
	class FConfigIniDocument
	{
	public:
		/** Reads the file; a missing file is an empty document. False when the file exists but cannot be read. */
		bool Load(const FString& Filename);
		bool Save(const FString& Filename) const;

		/**
		 * Whether Key has lines in Section. OutValues gets its values after the file's array operators:
		 * "+Key" adds a value not there yet, ".Key" adds it anyway, "-Key" removes it, "!Key" clears them all.
		 */
		bool FindValues(const FString& Section, const FString& Key, TArray<FString>& OutValues) const;

		/**
		 * Replaces every line of Key in Section with NewLines (whole lines, operators included): where the
		 * key's first line was, or else after the section's last key; a missing section is added at the end.
		 */
		void SetKeyLines(const FString& Section, const FString& Key, const TArray<FString>& NewLines);

	private:
		struct FSectionRange
		{
			int32 Header = INDEX_NONE;
			int32 End = INDEX_NONE; // one past the section's last line
		};

		TArray<FSectionRange> FindSections(const FString& Section) const;

		TArray<FString> Lines;
		FString LineTerminator = LINE_TERMINATOR;
		bool bEndsWithTerminator = true;
		FFileHelper::EEncodingOptions Encoding = FFileHelper::EEncodingOptions::ForceAnsi;
		bool bKeepEncoding = false;
	};
}
