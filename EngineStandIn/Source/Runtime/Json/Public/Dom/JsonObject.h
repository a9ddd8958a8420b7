#pragma once

#include "CoreMinimal.h"
#include "Dom/JsonValue.h"

/**
 * A JSON object: its fields by name, in the order they were first set. The Try* accessors are false when the field
 * is missing or of another kind.
 */
class JSON_API FJsonObject
{
public:
	TMap<FString, TSharedPtr<FJsonValue>> Values;

	TSharedPtr<FJsonValue> TryGetField(const FString& FieldName) const;
	bool HasField(const FString& FieldName) const;
	void SetField(const FString& FieldName, const TSharedPtr<FJsonValue>& Value);
	void RemoveField(const FString& FieldName);

	void SetNumberField(const FString& FieldName, double Number);
	void SetStringField(const FString& FieldName, const FString& StringValue);
	void SetBoolField(const FString& FieldName, bool InValue);
	void SetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>& Array);
	void SetArrayField(const FString& FieldName, TArray<TSharedPtr<FJsonValue>>&& Array);
	void SetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>& JsonObject);

	bool TryGetNumberField(const FString& FieldName, double& OutNumber) const;
	bool TryGetNumberField(const FString& FieldName, int32& OutNumber) const;
	bool TryGetNumberField(const FString& FieldName, int64& OutNumber) const;
	bool TryGetStringField(const FString& FieldName, FString& OutString) const;
	bool TryGetBoolField(const FString& FieldName, bool& OutBool) const;
	bool TryGetArrayField(const FString& FieldName, const TArray<TSharedPtr<FJsonValue>>*& OutArray) const;
	bool TryGetObjectField(const FString& FieldName, const TSharedPtr<FJsonObject>*& OutObject) const;
};
