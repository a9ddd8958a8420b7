#pragma once

#include "CoreMinimal.h"

/** How much a finding of "Check Package" matters for the pak. */
enum class EZ4FindingSeverity : uint8
{
	/** The pak would be incomplete, stale or unusable. */
	Error,
	/** The pak works, but not as the creator may expect. */
	Warning,
	/** Worth knowing; nothing to fix. */
	Note,
};

/**
 * One thing "Check Package" found. A plain struct, not a reflected one: findings are made and read by C++ (the panel,
 * "Make Pak File", the build report) and never saved with the package.
 */
struct QUILLONSDKBASE_API FZ4PackageFinding
{
	EZ4FindingSeverity Severity = EZ4FindingSeverity::Note;

	/** Stable across versions, for scripts and the build report: OutsideDependency, StaleCookedFile, ... */
	FName Code;

	/** The package the finding is about. */
	FName Package;

	/** The packages from a main asset to Package, both included; only Package when no main asset leads to it. */
	TArray<FName> Chain;

	FText Message;

	/** What the creator can do about it. */
	FText Hint;

	/** The chain as the creator reads it: "/Game/Tavern/L_Tavern → /Game/Tavern/BP_Torch → /Game/Shared/M_Stone". */
	FString GetChainText() const;

	/** "error", "warning" or "note". */
	static const TCHAR* GetSeverityName(EZ4FindingSeverity Severity);
};
