#include "Dom/JsonValue.h"

#include "Dom/JsonObject.h"

double FJsonValue::AsNumber() const
{
	return 0.0;
}

FString FJsonValue::AsString() const
{
	return FString();
}

bool FJsonValue::AsBool() const
{
	return false;
}

const TArray<TSharedPtr<FJsonValue>>& FJsonValue::AsArray() const
{
	static const TArray<TSharedPtr<FJsonValue>> Empty;
	return Empty;
}

const TSharedPtr<FJsonObject>& FJsonValue::AsObject() const
{
	static const TSharedPtr<FJsonObject> Empty;
	return Empty;
}

bool FJsonValue::TryGetNumber(int32& OutNumber) const
{
	double Number = 0.0;
	if (!TryGetNumber(Number) || Number != static_cast<double>(static_cast<int32>(Number)))
	{
		return false;
	}
	OutNumber = static_cast<int32>(Number);
	return true;
}

bool FJsonValue::TryGetNumber(int64& OutNumber) const
{
	// Beyond 2^63 the conversion would be undefined; every whole double below it converts exactly.
	constexpr double Limit = 9223372036854775808.0;
	double Number = 0.0;
	if (!TryGetNumber(Number) || !(Number >= -Limit && Number < Limit) || Number != static_cast<double>(static_cast<int64>(Number)))
	{
		return false;
	}
	OutNumber = static_cast<int64>(Number);
	return true;
}

bool FJsonValueString::TryGetString(FString& OutString) const
{
	OutString = Value;
	return true;
}

bool FJsonValueNumber::TryGetNumber(double& OutNumber) const
{
	OutNumber = Value;
	return true;
}

bool FJsonValueBoolean::TryGetBool(bool& OutBool) const
{
	OutBool = Value;
	return true;
}

bool FJsonValueArray::TryGetArray(const TArray<TSharedPtr<FJsonValue>>*& OutArray) const
{
	OutArray = &Value;
	return true;
}

bool FJsonValueObject::TryGetObject(const TSharedPtr<FJsonObject>*& OutObject) const
{
	OutObject = &Value;
	return Value.IsValid();
}
