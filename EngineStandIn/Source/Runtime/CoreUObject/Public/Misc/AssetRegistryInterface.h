#pragma once

#include "CoreMinimal.h"
#include "Misc/EnumClassFlags.h"

namespace UE::AssetRegistry
{
	/** The kinds of dependency the registry keeps; they may be combined. */
	enum class EDependencyCategory : uint8
	{
		Package = 0x01,
		Manage = 0x02,
		SearchableName = 0x04,

		None = 0x0,
		All = Package | Manage | SearchableName,
	};
	ENUM_CLASS_FLAGS(EDependencyCategory);

	/** Properties a dependency has. */
	enum class EDependencyProperty : uint8
	{
		None = 0,

		// Package dependencies
		Hard = 0x1,
		Game = 0x2,
		Build = 0x4,
		PackageMask = 0x7,

		SearchableNameMask = 0x0,

		// Manage dependencies
		Direct = 0x8,
		ManageMask = 0x8,

		AllMask = PackageMask | SearchableNameMask | ManageMask,
	};
	ENUM_CLASS_FLAGS(EDependencyProperty);

	/** Requirements a dependency must meet to be returned by a query; several may be combined. */
	enum class EDependencyQuery : uint32
	{
		NoRequirements = 0,

		Hard = 0x001,
		NotHard = 0x002,
		Soft = NotHard,
		Game = 0x004,
		NotGame = 0x008,
		EditorOnly = NotGame,
		Build = 0x010,
		NotBuild = 0x020,
		Propagation = 0x040,

		Direct = 0x400,
		NotDirect = 0x800,
		Indirect = NotDirect,

		PackageMask = 0x00ff,
		SearchableNameMask = 0x0000,
		ManageMask = 0x0f00,
	};
	ENUM_CLASS_FLAGS(EDependencyQuery);

	/** Which dependencies a query returns: default-constructed, it requires and excludes nothing. */
	struct COREUOBJECT_API FDependencyQuery
	{
		EDependencyProperty Required = EDependencyProperty::None;
		EDependencyProperty Excluded = EDependencyProperty::None;
		TArray<EDependencyProperty> RequiredUnions;

		FDependencyQuery() = default;
		FDependencyQuery(EDependencyQuery QueryFlags);
	};
}

/** What other modules may ask of the asset registry without depending on its module. */
class COREUOBJECT_API IAssetRegistryInterface
{
public:
	virtual ~IAssetRegistryInterface() = default;

	/** Fills OutDependencies with the direct dependencies of the given package. */
	virtual void GetDependencies(FName InPackageName, TArray<FName>& OutDependencies,
		UE::AssetRegistry::EDependencyCategory Category = UE::AssetRegistry::EDependencyCategory::Package,
		const UE::AssetRegistry::FDependencyQuery& Flags = UE::AssetRegistry::FDependencyQuery()) = 0;
};
