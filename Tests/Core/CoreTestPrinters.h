#pragma once

#include "CoreMinimal.h"
#include "StandIn/StringConv.h"

#include <gtest/gtest.h>

#include <ostream>

// GoogleTest finds these by argument-dependent lookup, so failures print readable values.

inline void PrintTo(const FString& String, std::ostream* Stream)
{
	*Stream << '"' << UE::StandIn::ToUtf8(String) << '"';
}

inline void PrintTo(const FName& Name, std::ostream* Stream)
{
	*Stream << "FName(" << UE::StandIn::ToUtf8(Name.ToString()) << ')';
}

inline void PrintTo(const FText& Text, std::ostream* Stream)
{
	*Stream << "FText(" << UE::StandIn::ToUtf8(Text.ToString()) << ')';
}

template <typename ElementType, typename AllocatorType>
void PrintTo(const TArray<ElementType, AllocatorType>& Array, std::ostream* Stream)
{
	*Stream << '{';
	for (int64 Index = 0; Index < Array.Num(); ++Index)
	{
		*Stream << (Index ? ", " : "") << ::testing::PrintToString(Array[Index]);
	}
	*Stream << '}';
}
