#pragma once

#include "CoreMinimal.h"
#include "Serialization/JsonTypes.h"

class FJsonObject;

/** A JSON value of any kind. The As* accessors give a neutral value (and log nothing) when the kind differs. */
class JSON_API FJsonValue
{
public:
	virtual ~FJsonValue() = default;

	virtual double AsNumber() const;
	virtual FString AsString() const;
	virtual bool AsBool() const;
	virtual const TArray<TSharedPtr<FJsonValue>>& AsArray() const;
	virtual const TSharedPtr<FJsonObject>& AsObject() const;

	virtual bool TryGetNumber(double& OutNumber) const { return false; }
	bool TryGetNumber(int32& OutNumber) const;
	bool TryGetNumber(int64& OutNumber) const;
	virtual bool TryGetString(FString& OutString) const { return false; }
	virtual bool TryGetBool(bool& OutBool) const { return false; }
	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const { return false; }
	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const { return false; }

	bool IsNull() const { return Type == EJson::Null || Type == EJson::None; }

	EJson Type = EJson::None;

protected:
	FJsonValue() = default;
};

class JSON_API FJsonValueString : public FJsonValue
{
public:
	explicit FJsonValueString(const FString& InString) : Value(InString) { Type = EJson::String; }
	explicit FJsonValueString(FString&& InString) : Value(MoveTemp(InString)) { Type = EJson::String; }

	virtual FString AsString() const override { return Value; }
	virtual bool TryGetString(FString& OutString) const override;

protected:
	FString Value;
};

class JSON_API FJsonValueNumber : public FJsonValue
{
public:
	explicit FJsonValueNumber(double InNumber) : Value(InNumber) { Type = EJson::Number; }

	virtual double AsNumber() const override { return Value; }
	virtual bool TryGetNumber(double& OutNumber) const override;

protected:
	double Value;
};

class JSON_API FJsonValueBoolean : public FJsonValue
{
public:
	explicit FJsonValueBoolean(bool bInValue) : Value(bInValue) { Type = EJson::Boolean; }

	virtual bool AsBool() const override { return Value; }
	virtual bool TryGetBool(bool& OutBool) const override;

protected:
	bool Value;
};

class JSON_API FJsonValueArray : public FJsonValue
{
public:
	explicit FJsonValueArray(const TArray<TSharedPtr<FJsonValue>>& InArray) : Value(InArray) { Type = EJson::Array; }
	explicit FJsonValueArray(TArray<TSharedPtr<FJsonValue>>&& InArray) : Value(MoveTemp(InArray)) { Type = EJson::Array; }

	virtual const TArray<TSharedPtr<FJsonValue>>& AsArray() const override { return Value; }
	virtual bool TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const override;

protected:
	TArray<TSharedPtr<FJsonValue>> Value;
};

class JSON_API FJsonValueObject : public FJsonValue
{
public:
	explicit FJsonValueObject(TSharedPtr<FJsonObject> InObject) : Value(MoveTemp(InObject)) { Type = EJson::Object; }

	virtual const TSharedPtr<FJsonObject>& AsObject() const override { return Value; }
	virtual bool TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const override;

protected:
	TSharedPtr<FJsonObject> Value;
};

class JSON_API FJsonValueNull : public FJsonValue
{
public:
	FJsonValueNull() { Type = EJson::Null; }
};
