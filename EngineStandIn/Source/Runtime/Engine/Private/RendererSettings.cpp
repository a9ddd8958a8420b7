#include "Engine/RendererSettings.h"

URendererSettings::URendererSettings(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
	bAllowStaticLighting = true;
}
