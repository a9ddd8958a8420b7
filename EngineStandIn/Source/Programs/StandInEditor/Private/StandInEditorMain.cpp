#include "CoreMinimal.h"
#include "EditorRun.h"
#include "Misc/CommandLine.h"
#include "StandIn/StringConv.h"

int main(int ArgC, char** ArgV)
{
	TArray<FString> Arguments;
	TArray<TCHAR*> ArgumentPointers;
	for (int Index = 0; Index < ArgC; ++Index)
	{
		Arguments.Add(UE::StandIn::FromUtf8(ArgV[Index]));
	}
	for (FString& Argument : Arguments)
	{
		ArgumentPointers.Add(Argument.GetCharArray().GetData());
	}
	FCommandLine::Set(*FCommandLine::BuildFromArgV(nullptr, ArgC, ArgumentPointers.GetData(), nullptr));
	return static_cast<int>(UE::StandInEditor::RunStandInEditor(FCommandLine::Get()));
}
