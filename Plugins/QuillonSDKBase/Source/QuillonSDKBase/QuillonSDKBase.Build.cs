using UnrealBuildTool;

public class QuillonSDKBase : ModuleRules
{
	public QuillonSDKBase(ReadOnlyTargetRules Target) : base(Target)
	{
		PCHUsage = PCHUsageMode.UseExplicitOrSharedPCHs;

		PublicDependencyModuleNames.AddRange(new string[]
		{
			"Core",
			"CoreUObject",
			"Engine",
		});

		PrivateDependencyModuleNames.AddRange(new string[]
		{
			"AssetRegistry",
		});

		if (Target.bBuildEditor)
		{
			PrivateDependencyModuleNames.AddRange(new string[]
			{
				"AssetTools",
				"DeveloperToolSettings",
				"ImageWrapper",
				"Json",
				"Projects",
				"RenderCore",
				"Slate",
				"SlateCore",
				"TargetPlatform",
				"UnrealEd",
			});
		}
	}
}
