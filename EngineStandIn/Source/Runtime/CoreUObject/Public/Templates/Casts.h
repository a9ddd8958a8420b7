#pragma once

#include "CoreTypes.h"
#include "UObject/ObjectPtr.h"
#include <type_traits>

class UObject;
class UClass;

namespace UE::CastPrivate
{
	COREUOBJECT_API bool IsA(const UObject* Object, const UClass* Class);
	COREUOBJECT_API const UClass* ClassOf(const UObject* Object);
}

// Reflected casts test the object's class, so they also work for classes that content defines.
template<class To, class From>
To* Cast(From* Src)
{
	if constexpr (std::is_base_of_v<UObject, std::remove_cv_t<To>>)
	{
		if (Src && UE::CastPrivate::IsA(Src, To::StaticClass()))
		{
			return static_cast<To*>(Src);
		}
		return nullptr;
	}
	else
	{
		return dynamic_cast<To*>(Src);
	}
}

template<class To, class From>
To* Cast(const TObjectPtr<From>& Src)
{
	return Cast<To>(Src.Get());
}

template<class To, class From>
To* CastChecked(From* Src)
{
	To* Result = Cast<To>(Src);
	check(Result || !Src);
	return Result;
}

template<class To, class From>
To* ExactCast(From* Src)
{
	return Src && UE::CastPrivate::ClassOf(Src) == To::StaticClass() ? static_cast<To*>(Src) : nullptr;
}
