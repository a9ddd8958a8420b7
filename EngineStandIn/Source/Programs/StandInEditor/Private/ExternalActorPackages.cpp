#include "ExternalActorPackages.h"

#include "StandIn/StringConv.h"

#include <string>

namespace UE::StandInEditor
{
	namespace
	{
		uint64 Fnv1a64(const std::string& Bytes, uint64 Hash)
		{
			for (const unsigned char Byte : Bytes)
			{
				Hash = (Hash ^ Byte) * 0x100000001b3ull;
			}
			return Hash;
		}

		FString Base36(uint64 Value, int32 Digits)
		{
			const TCHAR* Alphabet = TEXT("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
			FString Text;
			for (int32 Index = 0; Index < Digits; ++Index)
			{
				Text.AppendChar(Alphabet[Value % 36]);
				Value /= 36;
			}
			return Text;
		}
	}

	FString MakeExternalActorPackageName(const FString& LevelPackageName, const FString& ActorName)
	{
		const std::string Key = UE::StandIn::ToUtf8(LevelPackageName + TEXT(":") + ActorName);
		const FString Id = Base36(Fnv1a64(Key, 0xcbf29ce484222325ull), 12) + Base36(Fnv1a64(Key, 0x84222325cbf29ce4ull), 12);
		FString LevelPath = LevelPackageName;
		LevelPath.RemoveFromStart(TEXT("/Game/"));
		return FString::Printf(TEXT("/Game/__ExternalActors__/%s/%s/%s/%s"), *LevelPath, *Id.Left(1), *Id.Mid(1, 2), *Id.Mid(3));
	}
}
