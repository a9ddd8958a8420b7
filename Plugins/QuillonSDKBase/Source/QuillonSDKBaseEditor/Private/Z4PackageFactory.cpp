#include "Z4PackageFactory.h"
#include "QuillonSDKBase.h"
#include "Z4Package.h"

UZ4PackageFactory::UZ4PackageFactory()
{
	SupportedClass = UZ4Package::StaticClass();
	bCreateNew = true;
}

UObject* UZ4PackageFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context,
											 FFeedbackContext* Warn)
{
	// The context is the template the new package copies its values from. Anything but a package cannot be one
	// (the engine would stop on it), so the package then starts from the class defaults, as with no context.
	UZ4Package* Template = Cast<UZ4Package>(Context);
	if (Context && !Template)
	{
		UE_LOG(Z4LogSDK, Warning, TEXT("Z4PackageFactory: %s is not a package and cannot be the template of %s; it starts from the defaults."),
			   *Context->GetPathName(), *InName.ToString());
	}
	return NewObject<UZ4Package>(InParent, UZ4Package::StaticClass(), InName, Flags, Template);
}
