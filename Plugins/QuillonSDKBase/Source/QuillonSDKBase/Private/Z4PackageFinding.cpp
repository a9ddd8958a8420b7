#include "Z4PackageFinding.h"

FString FZ4PackageFinding::GetChainText() const
{
	FString Text;
	for (const FName& Link : Chain)
	{
		if (!Text.IsEmpty())
		{
			Text += TEXT(" \u2192 ");
		}
		Text += Link.ToString();
	}
	return Text;
}

const TCHAR* FZ4PackageFinding::GetSeverityName(EZ4FindingSeverity Severity)
{
	switch (Severity)
	{
	case EZ4FindingSeverity::Error:
		return TEXT("error");
	case EZ4FindingSeverity::Warning:
		return TEXT("warning");
	default:
		return TEXT("note");
	}
}
