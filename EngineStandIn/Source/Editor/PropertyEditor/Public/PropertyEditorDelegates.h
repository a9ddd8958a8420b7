#pragma once

#include "CoreMinimal.h"

class IDetailCustomization;

/** Makes the customization of a class's details panel; called each time a details view builds the panel. */
DECLARE_DELEGATE_RetVal(TSharedRef<IDetailCustomization>, FOnGetDetailCustomizationInstance);
