#include "UObject/SoftObjectPath.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/TopLevelAssetPath.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/Object.h"
#include "UObject/UObjectGlobals.h"
#include "ObjectConstruction.h"
#include "UObjectArray.h"

bool FTopLevelAssetPath::TrySetPath(const FString& Path)
{
	Reset();
	if (Path.IsEmpty() || Path == TEXT("None"))
	{
		return false;
	}
	const int32 Dot = Path.Find(TEXT("."));
	if (Dot == INDEX_NONE || !Path.StartsWith(TEXT("/")))
	{
		return false;
	}
	const FString Asset = Path.RightChop(Dot + 1);
	if (Asset.IsEmpty() || Asset.Contains(TEXT(".")) || Asset.Contains(TEXT(":")))
	{
		return false;
	}
	PackageName = FName(*Path.Left(Dot));
	AssetName = FName(*Asset);
	return true;
}

FString FTopLevelAssetPath::ToString() const
{
	if (IsNull())
	{
		return FString();
	}
	return AssetName.IsNone() ? PackageName.ToString() : PackageName.ToString() + TEXT(".") + AssetName.ToString();
}

FSoftObjectPath::FSoftObjectPath(const UObject* Object)
{
	if (Object)
	{
		SetPath(Object->GetPathName());
	}
}

void FSoftObjectPath::SetPath(const FString& Path)
{
	Reset();
	FString Trimmed = Path;
	Trimmed.TrimStartAndEndInline();
	if (Trimmed.IsEmpty() || Trimmed == TEXT("None"))
	{
		return;
	}
	const int32 Dot = Trimmed.Find(TEXT("."));
	if (Dot == INDEX_NONE)
	{
		AssetPath = FTopLevelAssetPath(FName(*Trimmed), NAME_None);
		return;
	}
	FString Rest = Trimmed.RightChop(Dot + 1);
	int32 SubStart = INDEX_NONE;
	for (int32 Index = 0; Index < Rest.Len(); ++Index)
	{
		if (Rest[Index] == TEXT(':') || Rest[Index] == TEXT('.'))
		{
			SubStart = Index;
			break;
		}
	}
	if (SubStart != INDEX_NONE)
	{
		SubPathString = Rest.RightChop(SubStart + 1);
		Rest = Rest.Left(SubStart);
	}
	AssetPath = FTopLevelAssetPath(FName(*Trimmed.Left(Dot)), FName(*Rest));
}

FString FSoftObjectPath::ToString() const
{
	if (IsNull())
	{
		return FString();
	}
	FString Result = AssetPath.ToString();
	if (!SubPathString.IsEmpty())
	{
		Result += TEXT(":") + SubPathString;
	}
	return Result;
}

UObject* FSoftObjectPath::ResolveObject() const
{
	return IsNull() ? nullptr : UE::CoreUObject::Private::FindObjectByPath(nullptr, ToString());
}

UObject* FSoftObjectPath::TryLoad() const
{
	if (IsNull())
	{
		return nullptr;
	}
	UObject* Found = ResolveObject();
	return Found ? Found : StaticLoadObject(UObject::StaticClass(), nullptr, *ToString());
}

FSoftObjectPtr& FSoftObjectPtr::operator=(const UObject* Object)
{
	ObjectPath = FSoftObjectPath(Object);
	WeakPtr = Object;
	return *this;
}

FSoftObjectPtr& FSoftObjectPtr::operator=(const FSoftObjectPath& InPath)
{
	ObjectPath = InPath;
	WeakPtr.Reset();
	return *this;
}

UObject* FSoftObjectPtr::Get() const
{
	if (UObject* Cached = WeakPtr.Get())
	{
		return Cached;
	}
	UObject* Found = ObjectPath.ResolveObject();
	WeakPtr = Found;
	return Found;
}

UObject* FSoftObjectPtr::LoadSynchronous() const
{
	if (UObject* Found = Get())
	{
		return Found;
	}
	UObject* Loaded = ObjectPath.TryLoad();
	WeakPtr = Loaded;
	return Loaded;
}

void FSoftObjectPtr::Reset()
{
	ObjectPath.Reset();
	WeakPtr.Reset();
}

FWeakObjectPtr& FWeakObjectPtr::operator=(const UObject* Object)
{
	FUObjectArray::FItem* Item = Object ? FUObjectArray::Get().FindItem(Object) : nullptr;
	if (Item)
	{
		ObjectIndex = Object->GetUniqueID();
		ObjectSerialNumber = Item->SerialNumber;
	}
	else
	{
		Reset();
	}
	return *this;
}

UObject* FWeakObjectPtr::Get() const
{
	if (ObjectIndex < 0)
	{
		return nullptr;
	}
	FUObjectArray::FItem* Item = FUObjectArray::Get().GetItem(ObjectIndex);
	if (!Item || Item->SerialNumber != ObjectSerialNumber || Item->bGarbage)
	{
		return nullptr;
	}
	return static_cast<UObject*>(Item->Object);
}

bool FWeakObjectPtr::IsStale() const
{
	return ObjectIndex >= 0 && Get() == nullptr;
}
