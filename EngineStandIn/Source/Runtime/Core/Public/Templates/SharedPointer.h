#pragma once

#include "CoreTypes.h"
#include "Misc/AssertionMacros.h"
#include "Templates/TypeHash.h"
#include "Templates/UnrealTemplate.h"

#include <memory>
#include <type_traits>

/** Thread safety of a shared pointer's reference count. Both modes count atomically here. */
enum class ESPMode : uint8
{
	NotThreadSafe = 0,
	ThreadSafe = 1
};

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedRef;

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedPtr;

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TWeakPtr;

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedFromThis;

namespace SharedPointerInternals
{
	/** What MakeShareable returns: a raw pointer waiting to be owned by a shared pointer or reference. */
	template <class ObjectType>
	struct TRawPtrProxy
	{
		ObjectType* Object;

		explicit TRawPtrProxy(ObjectType* InObject) : Object(InObject) {}
	};

	template <class ObjectType, typename DeleterType>
	struct TRawPtrProxyWithDeleter
	{
		ObjectType* Object;
		DeleterType Deleter;

		TRawPtrProxyWithDeleter(ObjectType* InObject, DeleterType&& InDeleter)
			: Object(InObject), Deleter(MoveTemp(InDeleter))
		{
		}
	};

	/** Lets the pointer types and casts reach each other's storage. */
	struct FAccess
	{
		template <class PointerType>
		static const auto& Get(const PointerType& Pointer)
		{
			return Pointer.Storage;
		}

		template <class PointerType, class StorageType>
		static PointerType Make(StorageType&& Storage)
		{
			return PointerType(Forward<StorageType>(Storage), 0);
		}
	};
}

template <class ObjectType, ESPMode Mode>
class TSharedRef
{
	template <class, ESPMode>
	friend class TSharedRef;
	template <class, ESPMode>
	friend class TSharedPtr;
	template <class, ESPMode>
	friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;

public:
	using ElementType = ObjectType;

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedRef(OtherType* InObject) : Storage(std::shared_ptr<OtherType>(InObject))
	{
		checkf(InObject != nullptr, TEXT("A TSharedRef cannot be made from a null pointer"));
	}

	template <class OtherType, typename DeleterType,
			  typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(OtherType* InObject, DeleterType&& InDeleter)
		: Storage(std::shared_ptr<OtherType>(InObject, Forward<DeleterType>(InDeleter)))
	{
		checkf(InObject != nullptr, TEXT("A TSharedRef cannot be made from a null pointer"));
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
		: Storage(std::shared_ptr<OtherType>(InRawPtrProxy.Object))
	{
		checkf(InRawPtrProxy.Object != nullptr, TEXT("A TSharedRef cannot be made from a null pointer"));
	}

	template <class OtherType, typename DeleterType,
			  typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(SharedPointerInternals::TRawPtrProxyWithDeleter<OtherType, DeleterType>&& InRawPtrProxy)
		: Storage(std::shared_ptr<OtherType>(InRawPtrProxy.Object, MoveTemp(InRawPtrProxy.Deleter)))
	{
		checkf(InRawPtrProxy.Object != nullptr, TEXT("A TSharedRef cannot be made from a null pointer"));
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const TSharedRef<OtherType, Mode>& InSharedRef) : Storage(InSharedRef.Storage)
	{
	}

	// Moving a reference copies it: a TSharedRef is never null, not even after a move.
	TSharedRef(const TSharedRef& InSharedRef) = default;
	TSharedRef& operator=(const TSharedRef& InSharedRef) = default;

	ObjectType* Get() const { return Storage.get(); }

	ObjectType* operator->() const { return Storage.get(); }

	ObjectType& operator*() const { return *Storage; }

	bool IsValid() const { return true; }

	TSharedPtr<ObjectType, Mode> ToSharedPtr() const { return TSharedPtr<ObjectType, Mode>(*this); }

	TWeakPtr<ObjectType, Mode> ToWeakPtr() const { return TWeakPtr<ObjectType, Mode>(*this); }

	int32 GetSharedReferenceCount() const { return static_cast<int32>(Storage.use_count()); }

	bool IsUnique() const { return Storage.use_count() == 1; }

	friend uint32 GetTypeHash(const TSharedRef& Ref) { return PointerHash(Ref.Get()); }

private:
	TSharedRef(std::shared_ptr<ObjectType> InStorage, int) : Storage(MoveTemp(InStorage)) { check(Storage != nullptr); }

	std::shared_ptr<ObjectType> Storage;
};

template <class ObjectType, ESPMode Mode>
class TSharedPtr
{
	template <class, ESPMode>
	friend class TSharedRef;
	template <class, ESPMode>
	friend class TSharedPtr;
	template <class, ESPMode>
	friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;

public:
	using ElementType = ObjectType;

	TSharedPtr() = default;

	TSharedPtr(TYPE_OF_NULLPTR) {}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedPtr(OtherType* InObject) : Storage(std::shared_ptr<OtherType>(InObject))
	{
	}

	template <class OtherType, typename DeleterType,
			  typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(OtherType* InObject, DeleterType&& InDeleter)
		: Storage(std::shared_ptr<OtherType>(InObject, Forward<DeleterType>(InDeleter)))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
		: Storage(std::shared_ptr<OtherType>(InRawPtrProxy.Object))
	{
	}

	template <class OtherType, typename DeleterType,
			  typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(SharedPointerInternals::TRawPtrProxyWithDeleter<OtherType, DeleterType>&& InRawPtrProxy)
		: Storage(std::shared_ptr<OtherType>(InRawPtrProxy.Object, MoveTemp(InRawPtrProxy.Deleter)))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr) : Storage(InSharedPtr.Storage)
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& InSharedPtr) : Storage(MoveTemp(InSharedPtr.Storage))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedRef<OtherType, Mode>& InSharedRef) : Storage(InSharedRef.Storage)
	{
	}

	/** Aliasing: shares ownership with InSharedPtr but points at InObject. */
	template <class OtherType>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr, ObjectType* InObject)
		: Storage(InSharedPtr.Storage, InObject)
	{
	}

	TSharedPtr(const TSharedPtr&) = default;
	TSharedPtr(TSharedPtr&&) = default;
	TSharedPtr& operator=(const TSharedPtr&) = default;
	TSharedPtr& operator=(TSharedPtr&&) = default;

	TSharedPtr& operator=(TYPE_OF_NULLPTR)
	{
		Storage.reset();
		return *this;
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr& operator=(const SharedPointerInternals::TRawPtrProxy<OtherType>& InRawPtrProxy)
	{
		Storage = std::shared_ptr<OtherType>(InRawPtrProxy.Object);
		return *this;
	}

	ObjectType* Get() const { return Storage.get(); }

	bool IsValid() const { return Storage != nullptr; }

	explicit operator bool() const { return Storage != nullptr; }

	ObjectType* operator->() const
	{
		checkf(IsValid(), TEXT("Dereferencing a null TSharedPtr"));
		return Storage.get();
	}

	ObjectType& operator*() const
	{
		checkf(IsValid(), TEXT("Dereferencing a null TSharedPtr"));
		return *Storage;
	}

	void Reset() { Storage.reset(); }

	TSharedRef<ObjectType, Mode> ToSharedRef() const
	{
		checkf(IsValid(), TEXT("ToSharedRef called on a null TSharedPtr"));
		return TSharedRef<ObjectType, Mode>(Storage, 0);
	}

	TWeakPtr<ObjectType, Mode> ToWeakPtr() const { return TWeakPtr<ObjectType, Mode>(*this); }

	int32 GetSharedReferenceCount() const { return static_cast<int32>(Storage.use_count()); }

	bool IsUnique() const { return Storage.use_count() == 1; }

	friend uint32 GetTypeHash(const TSharedPtr& Ptr) { return PointerHash(Ptr.Get()); }

private:
	TSharedPtr(std::shared_ptr<ObjectType> InStorage, int) : Storage(MoveTemp(InStorage)) {}

	std::shared_ptr<ObjectType> Storage;
};

template <class ObjectType, ESPMode Mode>
class TWeakPtr
{
	template <class, ESPMode>
	friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;

public:
	using ElementType = ObjectType;

	TWeakPtr() = default;

	TWeakPtr(TYPE_OF_NULLPTR) {}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedRef<OtherType, Mode>& InSharedRef)
		: Object(InSharedRef.Get()), Storage(SharedPointerInternals::FAccess::Get(InSharedRef))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedPtr<OtherType, Mode>& InSharedPtr)
		: Object(InSharedPtr.Get()), Storage(SharedPointerInternals::FAccess::Get(InSharedPtr))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& InWeakPtr) : Object(InWeakPtr.Object), Storage(InWeakPtr.Storage)
	{
	}

	TWeakPtr(const TWeakPtr&) = default;
	TWeakPtr(TWeakPtr&&) = default;
	TWeakPtr& operator=(const TWeakPtr&) = default;
	TWeakPtr& operator=(TWeakPtr&&) = default;

	TWeakPtr& operator=(TYPE_OF_NULLPTR)
	{
		Reset();
		return *this;
	}

	TSharedPtr<ObjectType, Mode> Pin() const
	{
		return SharedPointerInternals::FAccess::Make<TSharedPtr<ObjectType, Mode>>(Storage.lock());
	}

	bool IsValid() const { return Object != nullptr && !Storage.expired(); }

	void Reset()
	{
		Object = nullptr;
		Storage.reset();
	}

	bool HasSameObject(const void* InOtherPtr) const { return Pin().Get() == InOtherPtr; }

	friend bool operator==(const TWeakPtr& Lhs, const TWeakPtr& Rhs) { return Lhs.Pin().Get() == Rhs.Pin().Get(); }

	friend bool operator!=(const TWeakPtr& Lhs, const TWeakPtr& Rhs) { return !(Lhs == Rhs); }

	friend bool operator==(const TWeakPtr& Lhs, TYPE_OF_NULLPTR) { return !Lhs.IsValid(); }

	friend bool operator!=(const TWeakPtr& Lhs, TYPE_OF_NULLPTR) { return Lhs.IsValid(); }

	/** Hashes the address the pointer was made from, which does not change when the object dies. */
	friend uint32 GetTypeHash(const TWeakPtr& Ptr) { return PointerHash(Ptr.Object); }

private:
	ObjectType* Object = nullptr;
	std::weak_ptr<ObjectType> Storage;
};

/** Lets an object that is owned by shared pointers hand out further shared pointers to itself. */
template <class ObjectType, ESPMode Mode>
class TSharedFromThis : public std::enable_shared_from_this<ObjectType>
{
public:
	TSharedRef<ObjectType, Mode> AsShared()
	{
		std::shared_ptr<ObjectType> Shared = this->weak_from_this().lock();
		checkf(Shared != nullptr,
			   TEXT("AsShared called on an object that no shared pointer owns (in its constructor or destructor?)"));
		return SharedPointerInternals::FAccess::Make<TSharedRef<ObjectType, Mode>>(MoveTemp(Shared));
	}

	TSharedRef<const ObjectType, Mode> AsShared() const
	{
		std::shared_ptr<const ObjectType> Shared = this->weak_from_this().lock();
		checkf(Shared != nullptr,
			   TEXT("AsShared called on an object that no shared pointer owns (in its constructor or destructor?)"));
		return SharedPointerInternals::FAccess::Make<TSharedRef<const ObjectType, Mode>>(MoveTemp(Shared));
	}

	TWeakPtr<ObjectType, Mode> AsWeak()
	{
		std::shared_ptr<ObjectType> Shared = this->weak_from_this().lock();
		return Shared ? TWeakPtr<ObjectType, Mode>(
							SharedPointerInternals::FAccess::Make<TSharedRef<ObjectType, Mode>>(MoveTemp(Shared)))
					  : TWeakPtr<ObjectType, Mode>();
	}

	TWeakPtr<const ObjectType, Mode> AsWeak() const
	{
		std::shared_ptr<const ObjectType> Shared = this->weak_from_this().lock();
		return Shared ? TWeakPtr<const ObjectType, Mode>(
							SharedPointerInternals::FAccess::Make<TSharedRef<const ObjectType, Mode>>(MoveTemp(Shared)))
					  : TWeakPtr<const ObjectType, Mode>();
	}

	bool DoesSharedInstanceExist() const { return !this->weak_from_this().expired(); }

protected:
	TSharedFromThis() = default;
	TSharedFromThis(const TSharedFromThis&) {}
	TSharedFromThis& operator=(const TSharedFromThis&) { return *this; }
	~TSharedFromThis() = default;

	template <class OtherType>
	static TSharedRef<OtherType, Mode> SharedThis(OtherType* ThisPtr)
	{
		return StaticCastSharedRef<OtherType>(ThisPtr->AsShared());
	}

	template <class OtherType>
	static TSharedRef<const OtherType, Mode> SharedThis(const OtherType* ThisPtr)
	{
		return StaticCastSharedRef<const OtherType>(ThisPtr->AsShared());
	}
};

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedRef<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return A.Get() == B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator!=(const TSharedRef<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return A.Get() != B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedPtr<ObjectTypeA, Mode>& A, const TSharedPtr<ObjectTypeB, Mode>& B)
{
	return A.Get() == B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator!=(const TSharedPtr<ObjectTypeA, Mode>& A, const TSharedPtr<ObjectTypeB, Mode>& B)
{
	return A.Get() != B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedPtr<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return A.Get() == B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator!=(const TSharedPtr<ObjectTypeA, Mode>& A, const TSharedRef<ObjectTypeB, Mode>& B)
{
	return A.Get() != B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator==(const TSharedRef<ObjectTypeA, Mode>& A, const TSharedPtr<ObjectTypeB, Mode>& B)
{
	return A.Get() == B.Get();
}

template <class ObjectTypeA, class ObjectTypeB, ESPMode Mode>
bool operator!=(const TSharedRef<ObjectTypeA, Mode>& A, const TSharedPtr<ObjectTypeB, Mode>& B)
{
	return A.Get() != B.Get();
}

template <class ObjectType, ESPMode Mode>
bool operator==(const TSharedPtr<ObjectType, Mode>& A, TYPE_OF_NULLPTR)
{
	return !A.IsValid();
}

template <class ObjectType, ESPMode Mode>
bool operator!=(const TSharedPtr<ObjectType, Mode>& A, TYPE_OF_NULLPTR)
{
	return A.IsValid();
}

template <class ObjectType, ESPMode Mode>
bool operator==(TYPE_OF_NULLPTR, const TSharedPtr<ObjectType, Mode>& A)
{
	return !A.IsValid();
}

template <class ObjectType, ESPMode Mode>
bool operator!=(TYPE_OF_NULLPTR, const TSharedPtr<ObjectType, Mode>& A)
{
	return A.IsValid();
}

template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe, typename... ArgTypes>
TSharedRef<ObjectType, Mode> MakeShared(ArgTypes&&... Args)
{
	return SharedPointerInternals::FAccess::Make<TSharedRef<ObjectType, Mode>>(
		std::make_shared<ObjectType>(Forward<ArgTypes>(Args)...));
}

template <class ObjectType>
SharedPointerInternals::TRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject)
{
	return SharedPointerInternals::TRawPtrProxy<ObjectType>(InObject);
}

template <class ObjectType, typename DeleterType>
SharedPointerInternals::TRawPtrProxyWithDeleter<ObjectType, std::decay_t<DeleterType>>
MakeShareable(ObjectType* InObject, DeleterType&& InDeleter)
{
	return SharedPointerInternals::TRawPtrProxyWithDeleter<ObjectType, std::decay_t<DeleterType>>(
		InObject, std::decay_t<DeleterType>(Forward<DeleterType>(InDeleter)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> StaticCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return SharedPointerInternals::FAccess::Make<TSharedRef<CastToType, Mode>>(
		std::static_pointer_cast<CastToType>(SharedPointerInternals::FAccess::Get(InSharedRef)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> StaticCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return SharedPointerInternals::FAccess::Make<TSharedPtr<CastToType, Mode>>(
		std::static_pointer_cast<CastToType>(SharedPointerInternals::FAccess::Get(InSharedPtr)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedRef<CastToType, Mode> ConstCastSharedRef(const TSharedRef<CastFromType, Mode>& InSharedRef)
{
	return SharedPointerInternals::FAccess::Make<TSharedRef<CastToType, Mode>>(
		std::const_pointer_cast<CastToType>(SharedPointerInternals::FAccess::Get(InSharedRef)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TSharedPtr<CastToType, Mode> ConstCastSharedPtr(const TSharedPtr<CastFromType, Mode>& InSharedPtr)
{
	return SharedPointerInternals::FAccess::Make<TSharedPtr<CastToType, Mode>>(
		std::const_pointer_cast<CastToType>(SharedPointerInternals::FAccess::Get(InSharedPtr)));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TWeakPtr<CastToType, Mode> StaticCastWeakPtr(const TWeakPtr<CastFromType, Mode>& InWeakPtr)
{
	return TWeakPtr<CastToType, Mode>(StaticCastSharedPtr<CastToType>(InWeakPtr.Pin()));
}

template <class CastToType, class CastFromType, ESPMode Mode>
TWeakPtr<CastToType, Mode> ConstCastWeakPtr(const TWeakPtr<CastFromType, Mode>& InWeakPtr)
{
	return TWeakPtr<CastToType, Mode>(ConstCastSharedPtr<CastToType>(InWeakPtr.Pin()));
}
