#pragma once

#include "CoreMinimal.h"

class UZ4Package;

namespace UE::StandInEditor
{
	// What a creator wants to know of a package at the end of a run: its main assets with display names and
	// types, how many dependencies it has and which lie outside its folder (with the depth they were found
	// at), and its pak file with the size, when there is one.
	TArray<FString> DescribePackage(const UZ4Package& Package);
}
