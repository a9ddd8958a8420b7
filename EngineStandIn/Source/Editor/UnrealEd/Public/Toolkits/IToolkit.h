#pragma once

#include "CoreMinimal.h"

/** Where an editor opens: in a window of its own, or inside the level editor. */
namespace EToolkitMode
{
	enum Type
	{
		Standalone,
		WorldCentric,
	};
}

/** An editor of the editor: an asset editor or a mode's toolkit. */
class IToolkit : public TSharedFromThis<IToolkit>
{
public:
	virtual ~IToolkit() = default;

	/** The editor's kind, the same for every instance: "GenericAssetEditor". */
	virtual FName GetToolkitFName() const = 0;

	/** The editor's kind as shown to a creator. */
	virtual FText GetBaseToolkitName() const = 0;

	/** The editor's title: what it edits. */
	virtual FText GetToolkitName() const = 0;

	virtual bool IsAssetEditor() const = 0;
};
