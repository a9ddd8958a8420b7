#include "Misc/EngineVersion.h"

FEngineVersion::FEngineVersion(uint16 InMajor, uint16 InMinor, uint16 InPatch, uint32 InChangelist, const FString& InBranch)
	: FEngineVersionBase(InMajor, InMinor, InPatch, InChangelist)
	, Branch(InBranch)
{
}

const FEngineVersion& FEngineVersion::Current()
{
	// The stand-in is built from no changelist; its branch says what it stands in for.
	static const FEngineVersion Version(5, 5, 0, 0, TEXT("++UE5+Release-5.5"));
	return Version;
}

FString FEngineVersion::ToString(EVersionComponent LastComponent) const
{
	FString Text = FString::Printf(TEXT("%u"), static_cast<uint32>(Major));
	if (LastComponent >= EVersionComponent::Minor)
	{
		Text += FString::Printf(TEXT(".%u"), static_cast<uint32>(Minor));
	}
	if (LastComponent >= EVersionComponent::Patch)
	{
		Text += FString::Printf(TEXT(".%u"), static_cast<uint32>(Patch));
	}
	if (LastComponent >= EVersionComponent::Changelist)
	{
		Text += FString::Printf(TEXT("-%u"), Changelist);
	}
	if (LastComponent >= EVersionComponent::Branch && !Branch.IsEmpty())
	{
		Text += TEXT("+") + Branch;
	}
	return Text;
}
