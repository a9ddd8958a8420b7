#include "Z4SDKTypes.h"

#include "Animation/AnimBlueprint.h"
#include "Animation/AnimInstance.h"
#include "Engine/SkeletalMesh.h"
#include "Engine/Texture2D.h"
#include "QuillonSDKBase.h"
#include "Z4SDKManager.h"

namespace
{
	UTexture2D* ProfileTextureOrNull()
	{
		const UZ4SDKManager* Manager = FQuillonSDKBaseModule::GetSDKMananger();
		return Manager ? Manager->ProfileTexture.Get() : nullptr;
	}
}

FZ4SkeletalMesh::FZ4SkeletalMesh()
	: Thumbnail(ProfileTextureOrNull())
{
}

USkeletalMesh* FZ4SkeletalMesh::Get()
{
	if (USkeletalMesh* Cached = CachedMesh.Get())
	{
		return Cached;
	}
	if (USkeletalMesh* Loaded = Mesh.Get())
	{
		CachedMesh = Loaded;
		return Loaded;
	}
	if (Path.IsEmpty())
	{
		return nullptr;
	}
	USkeletalMesh* Result = Cast<USkeletalMesh>(StaticLoadObject(USkeletalMesh::StaticClass(), nullptr, *Path));
	CachedMesh = Result;
	return Result;
}

FZ4AnimationInstance::FZ4AnimationInstance()
	: Thumbnail(ProfileTextureOrNull())
{
}

TSubclassOf<UAnimInstance> FZ4AnimationInstance::Get()
{
	UClass* Cached = CachedClass.Get();
	if (Cached && Cached->IsChildOf(UAnimInstance::StaticClass()))
	{
		return Cached;
	}
	if (UAnimBlueprint* Blueprint = AnimBP.Get())
	{
		UClass* Generated = Blueprint->GeneratedClass.Get();
		CachedClass = Generated;
		return Generated;
	}
	if (GeneratedClassPath.IsEmpty())
	{
		return nullptr;
	}
	UClass* Loaded = Cast<UClass>(StaticLoadObject(UClass::StaticClass(), nullptr, *GeneratedClassPath));
	CachedClass = Loaded;
	return Loaded;
}
