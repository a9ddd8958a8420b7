#pragma once

#include "CoreMinimal.h"

class IDetailLayoutBuilder;

/** Customizes how a details view lays out the objects of one class. */
class IDetailCustomization : public TSharedFromThis<IDetailCustomization>
{
public:
	virtual ~IDetailCustomization() {}

	/** Called when the details view builds (or rebuilds) its layout. */
	virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) = 0;

	virtual void CustomizeDetails(const TSharedPtr<IDetailLayoutBuilder>& DetailBuilder) { CustomizeDetails(*DetailBuilder); }
};
