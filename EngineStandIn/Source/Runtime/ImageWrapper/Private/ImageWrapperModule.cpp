#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"
#include "PngImageWrapper.h"

class FImageWrapperModule : public IImageWrapperModule
{
public:
	// Only PNG is needed here; every other format has no wrapper.
	virtual TSharedPtr<IImageWrapper> CreateImageWrapper(const EImageFormat InFormat, const TCHAR* InOptionalDebugImageName) override
	{
		if (InFormat == EImageFormat::PNG)
		{
			return MakeShared<FPngImageWrapper>();
		}
		return nullptr;
	}
};

IMPLEMENT_MODULE(FImageWrapperModule, ImageWrapper)
