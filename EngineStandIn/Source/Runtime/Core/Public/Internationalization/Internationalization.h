#pragma once

#include "CoreTypes.h"
#include "Internationalization/Text.h"

class CORE_API FInternationalization
{
public:
	/** Backs LOCTEXT and NSLOCTEXT: a text that keeps its namespace and key. */
	static FText ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(const TCHAR* InTextLiteral,
																		 const TCHAR* InNamespace, const TCHAR* InKey);
};

#define LOCTEXT(InKey, InTextLiteral)                                                                                  \
	FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(                                    \
		TEXT(InTextLiteral), TEXT(LOCTEXT_NAMESPACE), TEXT(InKey))
#define NSLOCTEXT(InNamespace, InKey, InTextLiteral)                                                                   \
	FInternationalization::ForUseOnlyByLocMacroAndGraphNodeTextLiterals_CreateText(TEXT(InTextLiteral),                \
																				   TEXT(InNamespace), TEXT(InKey))
#define INVTEXT(InTextLiteral) FText::AsCultureInvariant(TEXT(InTextLiteral))
