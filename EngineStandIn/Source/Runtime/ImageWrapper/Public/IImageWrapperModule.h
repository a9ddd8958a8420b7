#pragma once

#include "CoreMinimal.h"
#include "IImageWrapper.h"
#include "Modules/ModuleInterface.h"

/** The ImageWrapper module: makes image wrappers for the image file formats. */
class IImageWrapperModule : public IModuleInterface
{
public:
	/** A wrapper for the format, or null when the format is not supported. */
	virtual TSharedPtr<IImageWrapper> CreateImageWrapper(const EImageFormat InFormat, const TCHAR* InOptionalDebugImageName = nullptr) = 0;
};
