#include "AssetTypeActions_Z4Package.h"
#include "QuillonSDKBaseEditor.h"
#include "Z4Package.h"

FText FAssetTypeActions_Z4Package::GetName() const
{
	return INVTEXT("Package");
}

UClass* FAssetTypeActions_Z4Package::GetSupportedClass() const
{
	return UZ4Package::StaticClass();
}

FColor FAssetTypeActions_Z4Package::GetTypeColor() const
{
	return FQuillonSDKBaseEditorModule::QuillonColour();
}

uint32 FAssetTypeActions_Z4Package::GetCategories()
{
	return FQuillonSDKBaseEditorModule::GetVTTAssetCategory();
}
