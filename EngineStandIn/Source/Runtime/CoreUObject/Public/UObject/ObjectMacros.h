#pragma once

#include "CoreTypes.h"
// STRUCT_OFFSET, which the generated code uses.
#include "Templates/UnrealTemplate.h"

class UObject;
class UClass;
class UEnum;
class UScriptStruct;
class UPackage;

// Reflection markers: read by the header tool, empty for the compiler.
#define UCLASS(...)
#define USTRUCT(...)
#define UENUM(...)
#define UPROPERTY(...)
#define UFUNCTION(...)
#define UMETA(...)
#define UPARAM(...)
#define UINTERFACE(...)
#define UDELEGATE(...)

#define BODY_MACRO_COMBINE_INNER(A, B, C, D) A##B##C##D
#define BODY_MACRO_COMBINE(A, B, C, D) BODY_MACRO_COMBINE_INNER(A, B, C, D)
#define GENERATED_BODY(...) BODY_MACRO_COMBINE(CURRENT_FILE_ID, _, __LINE__, _GENERATED_BODY)
#define GENERATED_UCLASS_BODY(...) GENERATED_BODY()
#define GENERATED_USTRUCT_BODY(...) GENERATED_BODY()

// Each reflected type's own object; specialized by the generated code of the type's module.
template<typename T>
UEnum* StaticEnum();
template<typename T>
UClass* StaticClass();
template<typename T>
UScriptStruct* StaticStruct();

enum EObjectFlags : uint32
{
	RF_NoFlags = 0x00000000,
	RF_Public = 0x00000001,
	RF_Standalone = 0x00000002,
	RF_MarkAsNative = 0x00000004,
	RF_Transactional = 0x00000008,
	RF_ClassDefaultObject = 0x00000010,
	RF_ArchetypeObject = 0x00000020,
	RF_Transient = 0x00000040,
	RF_MarkAsRootSet = 0x00000080,
	RF_TagGarbageTemp = 0x00000100,
	RF_NeedInitialization = 0x00000200,
	RF_NeedLoad = 0x00000400,
	RF_KeepForCooker = 0x00000800,
	RF_NeedPostLoad = 0x00001000,
	RF_NeedPostLoadSubobjects = 0x00002000,
	RF_NewerVersionExists = 0x00004000,
	RF_BeginDestroyed = 0x00008000,
	RF_FinishDestroyed = 0x00010000,
	RF_BeingRegenerated = 0x00020000,
	RF_DefaultSubObject = 0x00040000,
	RF_WasLoaded = 0x00080000,
	RF_TextExportTransient = 0x00100000,
	RF_LoadCompleted = 0x00200000,
	RF_InheritableComponentTemplate = 0x00400000,
	RF_DuplicateTransient = 0x00800000,
	RF_StrongRefOnFrame = 0x01000000,
	RF_NonPIEDuplicateTransient = 0x02000000,
	RF_WillBeLoaded = 0x08000000,
	RF_HasExternalPackage = 0x10000000,
	RF_MirroredGarbage = 0x40000000,
	RF_AllocatedInSharedPage = 0x80000000,
	RF_AllFlags = 0xffffffff,
};

inline constexpr EObjectFlags operator|(EObjectFlags A, EObjectFlags B) { return EObjectFlags(uint32(A) | uint32(B)); }
inline constexpr EObjectFlags operator&(EObjectFlags A, EObjectFlags B) { return EObjectFlags(uint32(A) & uint32(B)); }
inline constexpr EObjectFlags operator~(EObjectFlags A) { return EObjectFlags(~uint32(A)); }
inline EObjectFlags& operator|=(EObjectFlags& A, EObjectFlags B) { return A = A | B; }
inline EObjectFlags& operator&=(EObjectFlags& A, EObjectFlags B) { return A = A & B; }

// In the editor, assets survive a collection until they are explicitly released.
#define GARBAGE_COLLECTION_KEEPFLAGS (WITH_EDITOR ? RF_Standalone : RF_NoFlags)

enum class EInternalObjectFlags : int32
{
	None = 0,
	Garbage = 1 << 21,
	RootSet = 1 << 30,
};

typedef uint64 EPropertyFlags;
#define CPF_None 0ull
#define CPF_Edit 0x0000000000000001ull
#define CPF_ConstParm 0x0000000000000002ull
#define CPF_BlueprintVisible 0x0000000000000004ull
#define CPF_ExportObject 0x0000000000000008ull
#define CPF_BlueprintReadOnly 0x0000000000000010ull
#define CPF_Net 0x0000000000000020ull
#define CPF_EditFixedSize 0x0000000000000040ull
#define CPF_Parm 0x0000000000000080ull
#define CPF_OutParm 0x0000000000000100ull
#define CPF_ZeroConstructor 0x0000000000000200ull
#define CPF_ReturnParm 0x0000000000000400ull
#define CPF_DisableEditOnTemplate 0x0000000000000800ull
#define CPF_NonNullable 0x0000000000001000ull
#define CPF_Transient 0x0000000000002000ull
#define CPF_Config 0x0000000000004000ull
#define CPF_RequiredParm 0x0000000000008000ull
#define CPF_DisableEditOnInstance 0x0000000000010000ull
#define CPF_EditConst 0x0000000000020000ull
#define CPF_GlobalConfig 0x0000000000040000ull
#define CPF_InstancedReference 0x0000000000080000ull
#define CPF_DuplicateTransient 0x0000000000200000ull
#define CPF_SaveGame 0x0000000001000000ull
#define CPF_NoClear 0x0000000002000000ull
#define CPF_ReferenceParm 0x0000000008000000ull
#define CPF_BlueprintAssignable 0x0000000010000000ull
#define CPF_Deprecated 0x0000000020000000ull
#define CPF_IsPlainOldData 0x0000000040000000ull
#define CPF_RepSkip 0x0000000080000000ull
#define CPF_RepNotify 0x0000000100000000ull
#define CPF_Interp 0x0000000200000000ull
#define CPF_NonTransactional 0x0000000400000000ull
#define CPF_EditorOnly 0x0000000800000000ull
#define CPF_NoDestructor 0x0000001000000000ull
#define CPF_AutoWeak 0x0000004000000000ull
#define CPF_ContainsInstancedReference 0x0000008000000000ull
#define CPF_AssetRegistrySearchable 0x0000010000000000ull
#define CPF_SimpleDisplay 0x0000020000000000ull
#define CPF_AdvancedDisplay 0x0000040000000000ull
#define CPF_Protected 0x0000080000000000ull
#define CPF_BlueprintCallable 0x0000100000000000ull
#define CPF_BlueprintAuthorityOnly 0x0000200000000000ull
#define CPF_TextExportTransient 0x0000400000000000ull
#define CPF_NonPIEDuplicateTransient 0x0000800000000000ull
#define CPF_ExposeOnSpawn 0x0001000000000000ull
#define CPF_PersistentInstance 0x0002000000000000ull
#define CPF_UObjectWrapper 0x0004000000000000ull
#define CPF_HasGetValueTypeHash 0x0008000000000000ull
#define CPF_NativeAccessSpecifierPublic 0x0010000000000000ull
#define CPF_NativeAccessSpecifierProtected 0x0020000000000000ull
#define CPF_NativeAccessSpecifierPrivate 0x0040000000000000ull
#define CPF_SkipSerialization 0x0080000000000000ull

enum EClassFlags : uint32
{
	CLASS_None = 0x00000000u,
	CLASS_Abstract = 0x00000001u,
	CLASS_DefaultConfig = 0x00000002u,
	CLASS_Config = 0x00000004u,
	CLASS_Transient = 0x00000008u,
	CLASS_Optional = 0x00000010u,
	CLASS_MatchedSerializers = 0x00000020u,
	CLASS_ProjectUserConfig = 0x00000040u,
	CLASS_Native = 0x00000080u,
	CLASS_NotPlaceable = 0x00000200u,
	CLASS_PerObjectConfig = 0x00000400u,
	CLASS_ReplicationDataIsSetUp = 0x00000800u,
	CLASS_EditInlineNew = 0x00001000u,
	CLASS_CollapseCategories = 0x00002000u,
	CLASS_Interface = 0x00004000u,
	CLASS_Const = 0x00010000u,
	CLASS_NeedsDeferredDependencyLoading = 0x00020000u,
	CLASS_CompiledFromBlueprint = 0x00040000u,
	CLASS_MinimalAPI = 0x00080000u,
	CLASS_RequiredAPI = 0x00100000u,
	CLASS_DefaultToInstanced = 0x00200000u,
	CLASS_TokenStreamAssembled = 0x00400000u,
	CLASS_HasInstancedReference = 0x00800000u,
	CLASS_Hidden = 0x01000000u,
	CLASS_Deprecated = 0x02000000u,
	CLASS_HideDropDown = 0x04000000u,
	CLASS_GlobalUserConfig = 0x08000000u,
	CLASS_Intrinsic = 0x10000000u,
	CLASS_Constructed = 0x20000000u,
	CLASS_ConfigDoNotCheckDefaults = 0x40000000u,
	CLASS_NewerVersionExists = 0x80000000u,
};

inline constexpr EClassFlags operator|(EClassFlags A, EClassFlags B) { return EClassFlags(uint32(A) | uint32(B)); }
inline constexpr EClassFlags operator&(EClassFlags A, EClassFlags B) { return EClassFlags(uint32(A) & uint32(B)); }
inline EClassFlags& operator|=(EClassFlags& A, EClassFlags B) { return A = A | B; }

enum EFunctionFlags : uint32
{
	FUNC_None = 0x00000000,
	FUNC_Final = 0x00000001,
	FUNC_BlueprintCallable = 0x04000000,
	FUNC_Native = 0x00000400,
	FUNC_Static = 0x00002000,
	FUNC_Public = 0x00020000,
};

inline constexpr EFunctionFlags operator|(EFunctionFlags A, EFunctionFlags B) { return EFunctionFlags(uint32(A) | uint32(B)); }

enum ELoadFlags
{
	LOAD_None = 0x00000000,
	LOAD_Async = 0x00000001,
	LOAD_NoWarn = 0x00000002,
	LOAD_EditorOnly = 0x00000004,
	LOAD_ResolvingDeferredExports = 0x00000008,
	LOAD_Verify = 0x00000010,
	LOAD_NoVerify = 0x00000080,
	LOAD_IsVerifying = 0x00000100,
	LOAD_SkipLoadImportedPackages = 0x00000200,
	LOAD_DisableDependencyPreloading = 0x00001000,
	LOAD_Quiet = 0x00002000,
	LOAD_FindIfFail = 0x00004000,
	LOAD_MemoryReader = 0x00008000,
	LOAD_NoRedirects = 0x00010000,
	LOAD_ForDiff = 0x00020000,
	LOAD_PackageForPIE = 0x00080000,
	LOAD_DeferDependencyLoads = 0x00100000,
	LOAD_ForFileDiff = 0x00200000,
	LOAD_DisableCompileOnLoad = 0x00400000,
	LOAD_DisableEngineVersionChecks = 0x00800000,
};

enum ERenameFlags : uint32
{
	REN_None = 0x0000,
	REN_ForceNoResetLoaders = 0x0001,
	REN_Test = 0x0002,
	REN_DoNotDirty = 0x0004,
	REN_DontCreateRedirectors = 0x0010,
	REN_NonTransactional = 0x0020,
	REN_ForceGlobalUnique = 0x0040,
	REN_SkipGeneratedClasses = 0x0080,
};

// Names of the object-path separators: between a package and its assets, and before a subobject.
#define SUBOBJECT_DELIMITER_CHAR TEXT(':')
