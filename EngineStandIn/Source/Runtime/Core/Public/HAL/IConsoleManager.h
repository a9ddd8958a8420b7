#pragma once

#include "CoreTypes.h"
#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Delegates/Delegate.h"
#include "Delegates/DelegateCombinations.h"
#include "Misc/AssertionMacros.h"
#include "UObject/NameTypes.h"

class FOutputDevice;
class IConsoleObject;
class IConsoleVariable;
struct IConsoleCommand;
class UWorld;

/** Bits of a console object's flags: what it is (low 16 bits) and who set its value last (top byte). */
enum EConsoleVariableFlags
{
	ECVF_FlagMask = 0x0000ffff,
	ECVF_Default = 0x0,
	ECVF_Cheat = 0x1,
	ECVF_ReadOnly = 0x4,
	ECVF_Unregistered = 0x8,
	ECVF_CreatedFromIni = 0x10,
	ECVF_RenderThreadSafe = 0x20,
	ECVF_Scalability = 0x40,
	ECVF_ScalabilityGroup = 0x80,
	ECVF_Preview = 0x100,
	ECVF_GeneralShaderChange = 0x200,
	ECVF_MobileShaderChange = 0x400,
	ECVF_DesktopShaderChange = 0x800,
	ECVF_ExcludeFromPreview = 0x1000,

	ECVF_SetFlagMask = 0x00ff0000,
	ECVF_Set_NoSinkCall_Unsafe = 0x00010000,

	ECVF_SetByMask = 0xff000000,
	ECVF_SetByConstructor = 0x00000000,
	ECVF_SetByScalability = 0x01000000,
	ECVF_SetByGameSetting = 0x02000000,
	ECVF_SetByProjectSetting = 0x03000000,
	ECVF_SetBySystemSettingsIni = 0x04000000,
	ECVF_SetByPluginLowPriority = 0x05000000,
	ECVF_SetByDeviceProfile = 0x06000000,
	ECVF_SetByPluginHighPriority = 0x07000000,
	ECVF_SetByGameOverride = 0x08000000,
	ECVF_SetByConsoleVariablesIni = 0x09000000,
	ECVF_SetByHotfix = 0x0A000000,
	ECVF_SetByPreview = 0x0B000000,
	ECVF_SetByCommandline = 0x0C000000,
	ECVF_SetByCode = 0x0D000000,
	ECVF_SetByConsole = 0x0E000000,
};

DECLARE_DELEGATE(FConsoleCommandDelegate);
DECLARE_DELEGATE_OneParam(FConsoleCommandWithArgsDelegate, const TArray<FString>&);
DECLARE_DELEGATE_OneParam(FConsoleCommandWithWorldDelegate, UWorld*);
DECLARE_DELEGATE_TwoParams(FConsoleCommandWithWorldAndArgsDelegate, const TArray<FString>&, UWorld*);
DECLARE_DELEGATE_TwoParams(FConsoleCommandWithArgsAndOutputDeviceDelegate, const TArray<FString>&, FOutputDevice&);
DECLARE_DELEGATE_ThreeParams(FConsoleCommandWithWorldArgsAndOutputDeviceDelegate, const TArray<FString>&, UWorld*,
							 FOutputDevice&);
DECLARE_DELEGATE_OneParam(FConsoleCommandWithOutputDeviceDelegate, FOutputDevice&);
DECLARE_DELEGATE_TwoParams(FConsoleObjectVisitor, const TCHAR*, IConsoleObject*);
DECLARE_DELEGATE_OneParam(FConsoleVariableDelegate, IConsoleVariable*);
DECLARE_MULTICAST_DELEGATE_OneParam(FConsoleVariableMulticastDelegate, IConsoleVariable*);

/** A console variable or command. */
class IConsoleObject
{
public:
	IConsoleObject() = default;
	virtual ~IConsoleObject() = default;

	IConsoleObject(const IConsoleObject&) = delete;
	IConsoleObject& operator=(const IConsoleObject&) = delete;

	virtual const TCHAR* GetHelp() const = 0;
	virtual void SetHelp(const TCHAR* Value) = 0;
	virtual EConsoleVariableFlags GetFlags() const = 0;
	virtual void SetFlags(const EConsoleVariableFlags Value) = 0;

	void ClearFlags(const EConsoleVariableFlags Value)
	{
		SetFlags(static_cast<EConsoleVariableFlags>(static_cast<uint32>(GetFlags()) & ~static_cast<uint32>(Value)));
	}

	/** True if any of the given bits is set. */
	bool TestFlags(const EConsoleVariableFlags Value) const
	{
		return (static_cast<uint32>(GetFlags()) & static_cast<uint32>(Value)) != 0;
	}

	virtual IConsoleVariable* AsVariable() { return nullptr; }

	virtual bool IsVariableBool() const { return false; }

	virtual bool IsVariableInt() const { return false; }

	virtual bool IsVariableFloat() const { return false; }

	virtual bool IsVariableString() const { return false; }

	virtual IConsoleCommand* AsCommand() { return nullptr; }

private:
	friend class FConsoleManager;

	/** Destroys the object; only the console manager that owns it calls this. */
	virtual void Release() = 0;
};

/** A console variable: a named value of one type (bool, int32, float or FString). */
class IConsoleVariable : public IConsoleObject
{
public:
	/** Sets the value from text, as the console does; SetBy goes into the top byte of the flags. */
	virtual void Set(const TCHAR* InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode, FName Tag = NAME_None) = 0;

	virtual bool GetBool() const = 0;
	virtual int32 GetInt() const = 0;
	virtual float GetFloat() const = 0;
	/** The value as text: "true"/"false", a whole number, a number in %g form, or the string. */
	virtual FString GetString() const = 0;

	void GetValue(bool& OutBoolValue) const { OutBoolValue = GetBool(); }

	void GetValue(int32& OutIntValue) const { OutIntValue = GetInt(); }

	void GetValue(float& OutFloatValue) const { OutFloatValue = GetFloat(); }

	void GetValue(FString& OutStringValue) const { OutStringValue = GetString(); }

	virtual void SetOnChangedCallback(const FConsoleVariableDelegate& Callback) = 0;
	virtual FConsoleVariableMulticastDelegate& OnChangedDelegate() = 0;

	void Set(bool InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode, FName Tag = NAME_None)
	{
		Set(InValue ? TEXT("1") : TEXT("0"), SetBy, Tag);
	}

	void Set(int32 InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode, FName Tag = NAME_None)
	{
		Set(*FString::Printf(TEXT("%d"), InValue), SetBy, Tag);
	}

	void Set(float InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode, FName Tag = NAME_None)
	{
		Set(*FString::Printf(TEXT("%.9g"), InValue), SetBy, Tag);
	}

	void Set(const FString& InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode, FName Tag = NAME_None)
	{
		Set(*InValue, SetBy, Tag);
	}
};

/** A console command: runs its delegate with the words that follow its name. */
struct IConsoleCommand : public IConsoleObject
{
	/** False when nothing is bound to the command (it is handled elsewhere, by an Exec). */
	virtual bool Execute(const TArray<FString>& Args, UWorld* InWorld, FOutputDevice& OutputDevice) = 0;
};

/** The registry of console variables and commands. */
struct IConsoleManager
{
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, bool DefaultValue, const TCHAR* Help,
													  uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, int32 DefaultValue, const TCHAR* Help,
													  uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, float DefaultValue, const TCHAR* Help,
													  uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const TCHAR* DefaultValue, const TCHAR* Help,
													  uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const FString& DefaultValue, const TCHAR* Help,
													  uint32 Flags = ECVF_Default) = 0;

	/** Variables whose value lives in the caller's storage, which must outlive the registration. */
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help,
														 uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help,
														 uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help,
														 uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help,
														 uint32 Flags = ECVF_Default) = 0;

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithArgsDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithWorldDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithWorldAndArgsDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													const FConsoleCommandWithOutputDeviceDelegate& Command,
													uint32 Flags = ECVF_Default) = 0;
	/** A command with no delegate, listed for help and completion; some Exec handles it. */
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help,
													uint32 Flags = ECVF_Default) = 0;

	/**
	 * With bKeepState the object stays listed, flagged ECVF_Unregistered, and can no longer be found or run;
	 * without it the object is destroyed.
	 */
	virtual void UnregisterConsoleObject(IConsoleObject* ConsoleObject, bool bKeepState = true) = 0;
	virtual void UnregisterConsoleObject(const TCHAR* Name, bool bKeepState = true) = 0;

	/** Names are matched ignoring case. */
	virtual IConsoleVariable* FindConsoleVariable(const TCHAR* Name, bool bTrackFrequentCalls = true) const = 0;
	virtual IConsoleObject* FindConsoleObject(const TCHAR* Name, bool bTrackFrequentCalls = true) const = 0;
	virtual FString FindConsoleObjectName(const IConsoleObject* Obj) const = 0;

	/**
	 * Visits every listed object (unregistered ones included) whose name starts with ThatStartsWith, ignoring
	 * case, in the order of the manager's map: registration order, except that a new object takes the place
	 * of the one most recently dropped. Objects must not be unregistered from inside the visitor.
	 */
	virtual void ForEachConsoleObjectThatStartsWith(const FConsoleObjectVisitor& Visitor,
													const TCHAR* ThatStartsWith = TEXT("")) const = 0;
	virtual void ForEachConsoleObjectThatContains(const FConsoleObjectVisitor& Visitor,
												  const TCHAR* ThatContains) const = 0;

	/**
	 * Runs a line typed into the console: "Name" prints a variable, "Name Value" sets it, "Name ?" prints
	 * help, "Command Args..." runs a command. False if the line names no registered object.
	 */
	virtual bool ProcessUserConsoleInput(const TCHAR* Input, FOutputDevice& Ar, UWorld* InWorld) = 0;

	static IConsoleManager& Get()
	{
		if (!Singleton)
		{
			SetupSingleton();
			check(Singleton != nullptr);
		}
		return *Singleton;
	}

protected:
	virtual ~IConsoleManager() = default;

private:
	static CORE_API IConsoleManager* Singleton;
	static CORE_API void SetupSingleton();
};

/** Registers a console object for as long as it lives, as a file-scope or member object. */
class FAutoConsoleObject
{
protected:
	explicit FAutoConsoleObject(IConsoleObject* InTarget) : Target(InTarget) { check(Target); }

public:
	virtual ~FAutoConsoleObject() { IConsoleManager::Get().UnregisterConsoleObject(Target); }

	FAutoConsoleObject(const FAutoConsoleObject&) = delete;
	FAutoConsoleObject& operator=(const FAutoConsoleObject&) = delete;

	IConsoleVariable* AsVariable() { return Target->AsVariable(); }

	const IConsoleVariable* AsVariable() const { return Target->AsVariable(); }

private:
	IConsoleObject* Target;
};

/** A console variable whose value lives in the caller's storage. */
class FAutoConsoleVariableRef : private FAutoConsoleObject
{
public:
	FAutoConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default)
		: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
	{
	}

	FAutoConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default)
		: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
	{
	}

	FAutoConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default)
		: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
	{
	}

	FAutoConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default)
		: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
	{
	}

	IConsoleVariable& operator*() { return *AsVariable(); }

	IConsoleVariable* operator->() { return AsVariable(); }
};

/** A console variable of type T (bool, int32, float or FString) that owns its value. */
template <class T>
class TAutoConsoleVariable : public FAutoConsoleObject
{
public:
	TAutoConsoleVariable(const TCHAR* Name, const T& DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default)
		: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariable(Name, DefaultValue, Help, Flags))
	{
	}

	// The engine keeps a render-thread copy of each value; here every thread reads the one value.
	T GetValueOnGameThread() const
	{
		T Value;
		AsVariable()->GetValue(Value);
		return Value;
	}

	T GetValueOnRenderThread() const { return GetValueOnGameThread(); }

	T GetValueOnAnyThread(bool bForceGameThread = false) const { return GetValueOnGameThread(); }

	IConsoleVariable& operator*() { return *AsVariable(); }

	IConsoleVariable* operator->() { return AsVariable(); }
};
