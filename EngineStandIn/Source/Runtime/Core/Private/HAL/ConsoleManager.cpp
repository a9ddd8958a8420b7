#include "HAL/IConsoleManager.h"

#include "Containers/Map.h"
#include "Logging/LogMacros.h"
#include "Misc/CString.h"
#include "Misc/OutputDevice.h"

DEFINE_LOG_CATEGORY_STATIC(LogConsoleManager, Log, All);

IConsoleManager* IConsoleManager::Singleton = nullptr;

namespace
{
	const TCHAR* GetSetByTCHAR(EConsoleVariableFlags Flags)
	{
		switch (static_cast<uint32>(Flags) & ECVF_SetByMask)
		{
			case ECVF_SetByConstructor:
				return TEXT("Constructor");
			case ECVF_SetByScalability:
				return TEXT("Scalability");
			case ECVF_SetByGameSetting:
				return TEXT("GameSetting");
			case ECVF_SetByProjectSetting:
				return TEXT("ProjectSetting");
			case ECVF_SetBySystemSettingsIni:
				return TEXT("SystemSettingsIni");
			case ECVF_SetByPluginLowPriority:
				return TEXT("PluginLowPriority");
			case ECVF_SetByDeviceProfile:
				return TEXT("DeviceProfile");
			case ECVF_SetByPluginHighPriority:
				return TEXT("PluginHighPriority");
			case ECVF_SetByGameOverride:
				return TEXT("GameOverride");
			case ECVF_SetByConsoleVariablesIni:
				return TEXT("ConsoleVariablesIni");
			case ECVF_SetByHotfix:
				return TEXT("Hotfix");
			case ECVF_SetByPreview:
				return TEXT("Preview");
			case ECVF_SetByCommandline:
				return TEXT("Commandline");
			case ECVF_SetByCode:
				return TEXT("Code");
			case ECVF_SetByConsole:
				return TEXT("Console");
			default:
				return TEXT("<UNKNOWN>");
		}
	}

	bool ParseBool(const TCHAR* Text, bool& OutValue)
	{
		for (const TCHAR* Word : {TEXT("True"), TEXT("Yes"), TEXT("On")})
		{
			if (FCString::Stricmp(Text, Word) == 0)
			{
				OutValue = true;
				return true;
			}
		}
		for (const TCHAR* Word : {TEXT("False"), TEXT("No"), TEXT("Off")})
		{
			if (FCString::Stricmp(Text, Word) == 0)
			{
				OutValue = false;
				return true;
			}
		}
		int32 Number = 0;
		if (LexTryParseString(Number, Text))
		{
			OutValue = Number != 0;
			return true;
		}
		return false;
	}

	// How each value type reads and writes its text. Reading is as lenient as the engine's (text that is
	// not a number reads as 0); TryParse is the strict check the console input applies first.
	template <typename T>
	struct TConsoleValueTraits;

	template <>
	struct TConsoleValueTraits<bool>
	{
		static constexpr const TCHAR* Kind = TEXT("a boolean");
		static void FromString(bool& Value, const TCHAR* Text) { Value = FCString::ToBool(Text); }
		static bool TryParse(const TCHAR* Text)
		{
			bool Ignored;
			return ParseBool(Text, Ignored);
		}
		static FString ToString(bool Value) { return Value ? TEXT("true") : TEXT("false"); }
		static bool ToBool(bool Value) { return Value; }
		static int32 ToInt(bool Value) { return Value ? 1 : 0; }
		static float ToFloat(bool Value) { return Value ? 1.0f : 0.0f; }
	};

	template <>
	struct TConsoleValueTraits<int32>
	{
		static constexpr const TCHAR* Kind = TEXT("a whole number");
		static void FromString(int32& Value, const TCHAR* Text) { Value = FCString::Atoi(Text); }
		static bool TryParse(const TCHAR* Text)
		{
			int32 Ignored;
			return LexTryParseString(Ignored, Text);
		}
		static FString ToString(int32 Value) { return FString::Printf(TEXT("%d"), Value); }
		static bool ToBool(int32 Value) { return Value != 0; }
		static int32 ToInt(int32 Value) { return Value; }
		static float ToFloat(int32 Value) { return static_cast<float>(Value); }
	};

	template <>
	struct TConsoleValueTraits<float>
	{
		static constexpr const TCHAR* Kind = TEXT("a number");
		static void FromString(float& Value, const TCHAR* Text) { Value = FCString::Atof(Text); }
		static bool TryParse(const TCHAR* Text)
		{
			float Ignored;
			return LexTryParseString(Ignored, Text);
		}
		static FString ToString(float Value) { return FString::Printf(TEXT("%g"), Value); }
		static bool ToBool(float Value) { return Value != 0.0f; }
		static int32 ToInt(float Value) { return static_cast<int32>(Value); }
		static float ToFloat(float Value) { return Value; }
	};

	template <>
	struct TConsoleValueTraits<FString>
	{
		static constexpr const TCHAR* Kind = TEXT("a string");
		static void FromString(FString& Value, const TCHAR* Text) { Value = Text; }
		static bool TryParse(const TCHAR* Text) { return true; }
		static FString ToString(const FString& Value) { return Value; }
		static bool ToBool(const FString& Value) { return FCString::ToBool(*Value); }
		static int32 ToInt(const FString& Value) { return FCString::Atoi(*Value); }
		static float ToFloat(const FString& Value) { return FCString::Atof(*Value); }
	};

	class FConsoleObjectBase
	{
	protected:
		FConsoleObjectBase(const TCHAR* InHelp, EConsoleVariableFlags InFlags)
			: Help(InHelp ? InHelp : TEXT("")), Flags(InFlags)
		{
		}

		FString Help;
		EConsoleVariableFlags Flags;
	};

	/** A variable that owns its value (OwnedValue) or refers to the caller's storage. */
	template <typename T>
	class TConsoleVariable final : public IConsoleVariable, private FConsoleObjectBase
	{
		using FTraits = TConsoleValueTraits<T>;

	public:
		TConsoleVariable(const T& DefaultValue, T* InRefValue, const TCHAR* InHelp, EConsoleVariableFlags InFlags)
			: FConsoleObjectBase(InHelp, InFlags), OwnedValue(DefaultValue),
			  Value(InRefValue ? InRefValue : &OwnedValue)
		{
		}

		virtual const TCHAR* GetHelp() const override { return *Help; }
		virtual void SetHelp(const TCHAR* InValue) override { Help = InValue; }
		virtual EConsoleVariableFlags GetFlags() const override { return Flags; }
		virtual void SetFlags(const EConsoleVariableFlags InValue) override { Flags = InValue; }
		virtual IConsoleVariable* AsVariable() override { return this; }
		virtual bool IsVariableBool() const override { return std::is_same_v<T, bool>; }
		virtual bool IsVariableInt() const override { return std::is_same_v<T, int32>; }
		virtual bool IsVariableFloat() const override { return std::is_same_v<T, float>; }
		virtual bool IsVariableString() const override { return std::is_same_v<T, FString>; }

		// The engine refuses a set from a source of lower priority than the last one; nothing here relies on
		// that, so every set applies and only records who set the value.
		virtual void Set(const TCHAR* InValue, EConsoleVariableFlags SetBy, FName Tag) override
		{
			FTraits::FromString(*Value, InValue ? InValue : TEXT(""));
			Flags =
				static_cast<EConsoleVariableFlags>((static_cast<uint32>(Flags) & ~static_cast<uint32>(ECVF_SetByMask)) |
												   (static_cast<uint32>(SetBy) & ECVF_SetByMask));
			OnChangedCallback.Broadcast(this);
		}

		virtual bool GetBool() const override { return FTraits::ToBool(*Value); }
		virtual int32 GetInt() const override { return FTraits::ToInt(*Value); }
		virtual float GetFloat() const override { return FTraits::ToFloat(*Value); }
		virtual FString GetString() const override { return FTraits::ToString(*Value); }

		virtual void SetOnChangedCallback(const FConsoleVariableDelegate& Callback) override
		{
			OnChangedCallback.Add(Callback);
		}

		virtual FConsoleVariableMulticastDelegate& OnChangedDelegate() override { return OnChangedCallback; }

	private:
		virtual void Release() override { delete this; }

		T OwnedValue;
		T* Value;
		FConsoleVariableMulticastDelegate OnChangedCallback;
	};

	/** A command; Run calls whichever delegate it was registered with, or returns false for none. */
	template <typename DelegateType>
	class TConsoleCommand final : public IConsoleCommand, private FConsoleObjectBase
	{
	public:
		TConsoleCommand(const DelegateType& InDelegate, const TCHAR* InHelp, EConsoleVariableFlags InFlags)
			: FConsoleObjectBase(InHelp, InFlags), Delegate(InDelegate)
		{
		}

		virtual const TCHAR* GetHelp() const override { return *Help; }
		virtual void SetHelp(const TCHAR* InValue) override { Help = InValue; }
		virtual EConsoleVariableFlags GetFlags() const override { return Flags; }
		virtual void SetFlags(const EConsoleVariableFlags InValue) override { Flags = InValue; }
		virtual IConsoleCommand* AsCommand() override { return this; }

		virtual bool Execute(const TArray<FString>& Args, UWorld* InWorld, FOutputDevice& OutputDevice) override
		{
			if constexpr (std::is_same_v<DelegateType, FConsoleCommandDelegate>)
			{
				return Delegate.ExecuteIfBound();
			}
			else if constexpr (std::is_same_v<DelegateType, FConsoleCommandWithArgsDelegate>)
			{
				return Delegate.ExecuteIfBound(Args);
			}
			else if constexpr (std::is_same_v<DelegateType, FConsoleCommandWithWorldDelegate>)
			{
				return Delegate.ExecuteIfBound(InWorld);
			}
			else if constexpr (std::is_same_v<DelegateType, FConsoleCommandWithWorldAndArgsDelegate>)
			{
				return Delegate.ExecuteIfBound(Args, InWorld);
			}
			else if constexpr (std::is_same_v<DelegateType, FConsoleCommandWithArgsAndOutputDeviceDelegate>)
			{
				return Delegate.ExecuteIfBound(Args, OutputDevice);
			}
			else if constexpr (std::is_same_v<DelegateType, FConsoleCommandWithWorldArgsAndOutputDeviceDelegate>)
			{
				return Delegate.ExecuteIfBound(Args, InWorld, OutputDevice);
			}
			else if constexpr (std::is_same_v<DelegateType, FConsoleCommandWithOutputDeviceDelegate>)
			{
				return Delegate.ExecuteIfBound(OutputDevice);
			}
			else
			{
				return false;
			}
		}

	private:
		virtual void Release() override { delete this; }

		DelegateType Delegate;
	};

	// An exec-only command has no delegate of its own.
	struct FNoDelegate
	{
	};

	// A prefix test ignoring case that, unlike FString::StartsWith, takes the empty prefix as matching all.
	bool MatchPartialName(const TCHAR* Name, const TCHAR* Prefix)
	{
		for (; *Prefix; ++Name, ++Prefix)
		{
			if (FChar::ToLower(*Name) != FChar::ToLower(*Prefix))
			{
				return false;
			}
		}
		return true;
	}

	/** Reads the first blank-separated word of a line and moves past it and the blanks that follow. */
	FString ReadWord(const TCHAR*& It)
	{
		while (*It && FChar::IsWhitespace(*It))
		{
			++It;
		}
		const TCHAR* Start = It;
		while (*It && !FChar::IsWhitespace(*It))
		{
			++It;
		}
		FString Word = FString::ConstructFromPtrSize(Start, static_cast<int32>(It - Start));
		while (*It && FChar::IsWhitespace(*It))
		{
			++It;
		}
		return Word;
	}

	// Text accepted by a variable of the object's type, as the console input checks it.
	bool IsValidValueFor(IConsoleObject& Object, const TCHAR* Text, const TCHAR*& OutKind)
	{
		if (Object.IsVariableBool())
		{
			OutKind = TConsoleValueTraits<bool>::Kind;
			return TConsoleValueTraits<bool>::TryParse(Text);
		}
		if (Object.IsVariableInt())
		{
			OutKind = TConsoleValueTraits<int32>::Kind;
			return TConsoleValueTraits<int32>::TryParse(Text);
		}
		if (Object.IsVariableFloat())
		{
			OutKind = TConsoleValueTraits<float>::Kind;
			return TConsoleValueTraits<float>::TryParse(Text);
		}
		OutKind = TConsoleValueTraits<FString>::Kind;
		return true;
	}
}

/** Holds every console object by name (matched ignoring case), in a map as the engine's manager does. */
class FConsoleManager final : public IConsoleManager
{
public:
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, bool DefaultValue, const TCHAR* Help,
													  uint32 Flags) override
	{
		return AddVariable<bool>(Name, DefaultValue, nullptr, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, int32 DefaultValue, const TCHAR* Help,
													  uint32 Flags) override
	{
		return AddVariable<int32>(Name, DefaultValue, nullptr, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, float DefaultValue, const TCHAR* Help,
													  uint32 Flags) override
	{
		return AddVariable<float>(Name, DefaultValue, nullptr, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const TCHAR* DefaultValue, const TCHAR* Help,
													  uint32 Flags) override
	{
		return AddVariable<FString>(Name, FString(DefaultValue ? DefaultValue : TEXT("")), nullptr, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const FString& DefaultValue, const TCHAR* Help,
													  uint32 Flags) override
	{
		return AddVariable<FString>(Name, DefaultValue, nullptr, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help,
														 uint32 Flags) override
	{
		return AddVariable<bool>(Name, RefValue, &RefValue, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help,
														 uint32 Flags) override
	{
		return AddVariable<int32>(Name, RefValue, &RefValue, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help,
														 uint32 Flags) override
	{
		return AddVariable<float>(Name, RefValue, &RefValue, Help, Flags);
	}

	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help,
														 uint32 Flags) override
	{
		return AddVariable<FString>(Name, RefValue, &RefValue, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandDelegate& Command, uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithArgsDelegate& Command,
													uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithWorldDelegate& Command,
													uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithWorldAndArgsDelegate& Command,
													uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command,
													uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command,
													uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithOutputDeviceDelegate& Command,
													uint32 Flags) override
	{
		return AddCommand(Name, Command, Help, Flags);
	}

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, uint32 Flags) override
	{
		return AddCommand(Name, FNoDelegate(), Help, Flags);
	}

	virtual void UnregisterConsoleObject(IConsoleObject* ConsoleObject, bool bKeepState) override
	{
		if (!ConsoleObject)
		{
			return;
		}
		for (TPair<FString, IConsoleObject*>& Pair : ConsoleObjects)
		{
			if (Pair.Value == ConsoleObject)
			{
				Unregister(Pair.Key, bKeepState);
				return;
			}
		}
	}

	virtual void UnregisterConsoleObject(const TCHAR* Name, bool bKeepState) override
	{
		if (Name && ConsoleObjects.Contains(Name))
		{
			Unregister(Name, bKeepState);
		}
	}

	virtual IConsoleVariable* FindConsoleVariable(const TCHAR* Name, bool bTrackFrequentCalls) const override
	{
		IConsoleObject* Object = FindConsoleObject(Name, bTrackFrequentCalls);
		return Object && !Object->TestFlags(ECVF_Unregistered) ? Object->AsVariable() : nullptr;
	}

	virtual IConsoleObject* FindConsoleObject(const TCHAR* Name, bool bTrackFrequentCalls) const override
	{
		IConsoleObject* const* Found = Name ? ConsoleObjects.Find(Name) : nullptr;
		// A variable made from an ini line before its code registered it is not there yet for callers.
		return Found && !(*Found)->TestFlags(ECVF_CreatedFromIni) ? *Found : nullptr;
	}

	virtual FString FindConsoleObjectName(const IConsoleObject* Obj) const override
	{
		for (const TPair<FString, IConsoleObject*>& Pair : ConsoleObjects)
		{
			if (Pair.Value == Obj)
			{
				return Pair.Key;
			}
		}
		return FString();
	}

	virtual void ForEachConsoleObjectThatStartsWith(const FConsoleObjectVisitor& Visitor,
													const TCHAR* ThatStartsWith) const override
	{
		const TCHAR* Prefix = ThatStartsWith ? ThatStartsWith : TEXT("");
		for (const TPair<FString, IConsoleObject*>& Pair : ConsoleObjects)
		{
			if (MatchPartialName(*Pair.Key, Prefix))
			{
				Visitor.Execute(*Pair.Key, Pair.Value);
			}
		}
	}

	virtual void ForEachConsoleObjectThatContains(const FConsoleObjectVisitor& Visitor,
												  const TCHAR* ThatContains) const override
	{
		const TCHAR* Part = ThatContains ? ThatContains : TEXT("");
		for (const TPair<FString, IConsoleObject*>& Pair : ConsoleObjects)
		{
			if (Pair.Key.Contains(Part, ESearchCase::IgnoreCase))
			{
				Visitor.Execute(*Pair.Key, Pair.Value);
			}
		}
	}

	virtual bool ProcessUserConsoleInput(const TCHAR* Input, FOutputDevice& Ar, UWorld* InWorld) override
	{
		check(Input);
		const TCHAR* It = Input;
		FString Name = ReadWord(It);
		if (Name.IsEmpty())
		{
			return false;
		}
		// A trailing '?' asks for help.
		const bool bEndedInQuestion = Name.EndsWith(TEXT("?"), ESearchCase::CaseSensitive);
		if (bEndedInQuestion)
		{
			Name.LeftChopInline(1);
		}

		IConsoleObject* Object = FindConsoleObject(*Name, true);
		if (!Object || Object->TestFlags(ECVF_Unregistered))
		{
			return false;
		}
		// Echo the name as it was registered.
		Name = FindConsoleObjectName(Object);

		if (IConsoleCommand* Command = Object->AsCommand())
		{
			TArray<FString> Args;
			FString(It).ParseIntoArrayWS(Args);
			if (bEndedInQuestion || (Args.Num() == 1 && Args[0] == TEXT("?")))
			{
				Ar.Logf(TEXT("HELP for '%s':\n%s"), *Name, Command->GetHelp());
				return true;
			}
			return Command->Execute(Args, InWorld, Ar);
		}

		IConsoleVariable* Variable = Object->AsVariable();
		if (!Variable)
		{
			return false;
		}
		const bool bReadOnly = Variable->TestFlags(ECVF_ReadOnly);
		if (bEndedInQuestion || FCString::Strcmp(It, TEXT("?")) == 0)
		{
			Ar.Logf(TEXT("HELP for '%s'%s:\n%s"), *Name, bReadOnly ? TEXT("(ReadOnly)") : TEXT(""),
					Variable->GetHelp());
			return true;
		}
		if (*It == 0)
		{
			Ar.Logf(TEXT("%s = \"%s\"      LastSetBy: %s"), *Name, *Variable->GetString(),
					GetSetByTCHAR(Variable->GetFlags()));
			return true;
		}

		FString Value = FString(It).TrimStartAndEnd();
		if (Value.Len() >= 2 && Value[0] == TEXT('"') && Value[Value.Len() - 1] == TEXT('"'))
		{
			Value.MidInline(1, Value.Len() - 2);
		}
		if (Value.Len() > 0 && Value[0] == TEXT('='))
		{
			Ar.Logf(TEXT("Warning: Processing the console input parameters the leading '=' is ignored (only needed for "
						 "ini files)."));
			Value.MidInline(1);
		}
		if (bReadOnly)
		{
			Ar.Logf(TEXT("Error: %s is read only!"), *Name);
			return true;
		}
		// The engine reads text that is no number as 0; here the console refuses it and says so, so a bad
		// line is seen rather than silently zeroing the variable.
		const TCHAR* Kind = nullptr;
		if (!IsValidValueFor(*Object, *Value, Kind))
		{
			Ar.Logf(TEXT("Error: %s takes %s, not \"%s\"; it stays \"%s\"."), *Name, Kind, *Value,
					*Variable->GetString());
			return true;
		}
		Variable->Set(*Value, ECVF_SetByConsole);
		Ar.Logf(TEXT("%s = \"%s\""), *Name, *Variable->GetString());
		return true;
	}

private:
	template <typename T>
	IConsoleVariable* AddVariable(const TCHAR* Name, const T& DefaultValue, T* RefValue, const TCHAR* Help,
								  uint32 Flags)
	{
		IConsoleObject* Added = AddObject(
			Name, new TConsoleVariable<T>(DefaultValue, RefValue, Help, static_cast<EConsoleVariableFlags>(Flags)));
		return Added ? Added->AsVariable() : nullptr;
	}

	template <typename DelegateType>
	IConsoleCommand* AddCommand(const TCHAR* Name, const DelegateType& Delegate, const TCHAR* Help, uint32 Flags)
	{
		IConsoleObject* Added = AddObject(
			Name, new TConsoleCommand<DelegateType>(Delegate, Help, static_cast<EConsoleVariableFlags>(Flags)));
		return Added ? Added->AsCommand() : nullptr;
	}

	// Takes ownership of Object. A name still held by an unregistered object is taken over; a name in use
	// keeps its object, which is returned, and the new one is dropped.
	IConsoleObject* AddObject(const TCHAR* Name, IConsoleObject* Object)
	{
		check(Name && *Name);
		if (IConsoleObject** Existing = ConsoleObjects.Find(Name))
		{
			if ((*Existing)->TestFlags(ECVF_Unregistered))
			{
				(*Existing)->Release();
				*Existing = Object;
				return Object;
			}
			UE_LOG(LogConsoleManager, Warning,
				   TEXT("Console object named '%s' already exists but is being registered again"), Name);
			Object->Release();
			return *Existing;
		}
		ConsoleObjects.Add(Name, Object);
		return Object;
	}

	// Name is a copy: it may be the key of the entry being removed.
	void Unregister(const FString Name, bool bKeepState)
	{
		IConsoleObject* Object = ConsoleObjects.FindRef(Name);
		if (bKeepState)
		{
			Object->SetFlags(static_cast<EConsoleVariableFlags>(Object->GetFlags() | ECVF_Unregistered));
		}
		else
		{
			ConsoleObjects.Remove(Name);
			Object->Release();
		}
	}

	TMap<FString, IConsoleObject*> ConsoleObjects;
};

void IConsoleManager::SetupSingleton()
{
	// Never destroyed: console objects are unregistered from destructors of other libraries at exit.
	if (!Singleton)
	{
		Singleton = new FConsoleManager();
	}
}
