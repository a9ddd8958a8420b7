using UnrealBuildTool;

public class QuillonSDKBaseEditor : ModuleRules
{
	public QuillonSDKBaseEditor(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[]
		{
			"Core",
			"CoreUObject",
			"Engine",
			"UnrealEd",
		});

		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"AssetTools",
			"PlacementMode",
			"PropertyEditor",
			"QuillonSDKBase",
			"Slate",
			"SlateCore",
		});
	}
}
