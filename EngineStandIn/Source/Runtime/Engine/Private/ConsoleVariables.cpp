#include "ConsoleVariables.h"

#include "HAL/IConsoleManager.h"

// A slice of the console variables and commands the engine's renderer, particle systems, landscape grass and
// foliage register, under their own names, types and defaults; flags as far as they are known. Whatever
// reads them in the engine is not stood in: here they are values to print, set and capture.
namespace UE::Engine::Private
{
	namespace
	{
		constexpr uint32 ScalableRender = ECVF_Scalability | ECVF_RenderThreadSafe;

		struct FIntVariable
		{
			const TCHAR* Name;
			int32 DefaultValue;
			uint32 Flags;
			const TCHAR* Help;
		};

		struct FFloatVariable
		{
			const TCHAR* Name;
			float DefaultValue;
			uint32 Flags;
			const TCHAR* Help;
		};

		const FIntVariable IntVariables[] = {
			{TEXT("r.Shadow.MaxResolution"), 2048, ScalableRender,
			 TEXT("Max square dimensions (in texels) allowed for rendering shadow depths.")},
			{TEXT("r.Shadow.MaxCSMResolution"), 2048, ScalableRender,
			 TEXT("Max square dimensions (in texels) allowed for rendering cascaded shadow depths.")},
			{TEXT("r.Shadow.CSM.MaxCascades"), 10, ScalableRender,
			 TEXT("The maximum number of cascades with which to render dynamic directional light shadows.")},
			{TEXT("r.PostProcessAAQuality"), 4, ScalableRender,
			 TEXT("Defines the postprocess anti aliasing method which allows to adjust for quality or performance.")},
			{TEXT("r.MotionBlurQuality"), 4, ScalableRender,
			 TEXT("Defines the motion blur method which allows to adjust for quality or performance.")},
			{TEXT("r.BloomQuality"), 5, ScalableRender, TEXT("0: off, 1: low quality .. 5: high quality.")},
			{TEXT("r.AmbientOcclusionLevels"), -1, ScalableRender,
			 TEXT("Defines how many mip levels are using during the ambient occlusion calculation.")},
			{TEXT("r.DepthOfFieldQuality"), 2, ScalableRender, TEXT("Allows to adjust the depth of field quality.")},
			{TEXT("r.SSR.Quality"), 3, ScalableRender,
			 TEXT("Whether to use screen space reflections and at what quality setting.")},
			{TEXT("r.Tonemapper.Quality"), 5, ScalableRender,
			 TEXT("Defines the Tonemapper Quality in the range 0..5.")},
			{TEXT("r.MaxAnisotropy"), 4, ScalableRender,
			 TEXT("MaxAnisotropy should range from 1 to 16. Higher values mean better texture quality when using "
				  "anisotropic filtering.")},
			{TEXT("r.VolumetricFog"), 1, ScalableRender, TEXT("Whether to allow the volumetric fog feature.")},
			{TEXT("r.ForceLOD"), -1, ScalableRender, TEXT("LOD level to force, -1 is off.")},
			{TEXT("r.SkeletalMeshLODBias"), 0, ECVF_Scalability,
			 TEXT("LOD bias for skeletal meshes (does not affect animation editor viewports).")},
			{TEXT("r.Shadow.FreezeCamera"), 0, ECVF_Cheat | ECVF_RenderThreadSafe,
			 TEXT("Debug the shadow methods by allowing to observe the system from outside.")},
			{TEXT("r.VisualizeOccludedPrimitives"), 0, ECVF_Cheat | ECVF_RenderThreadSafe,
			 TEXT("Draw boxes for all occluded primitives.")},
			{TEXT("r.RayTracing"), 0, ECVF_ReadOnly | ECVF_RenderThreadSafe, TEXT("0 to disable ray tracing.")},
			{TEXT("rhi.SyncInterval"), 1, ECVF_RenderThreadSafe,
			 TEXT("Determines the frequency of VSyncs in supported RHIs.")},
			{TEXT("RHI.MaximumFrameLatency"), 3, ECVF_RenderThreadSafe,
			 TEXT("Number of frames that can be queued for render.")},
			{TEXT("sg.ViewDistanceQuality"), 3, ECVF_ScalabilityGroup | ECVF_Preview,
			 TEXT("Scalability quality state (internally used by scalability system, ini load/save or using "
				  "SCALABILITY console command).")},
			{TEXT("sg.ShadowQuality"), 3, ECVF_ScalabilityGroup | ECVF_Preview,
			 TEXT("Scalability quality state (internally used by scalability system, ini load/save or using "
				  "SCALABILITY console command).")},
			{TEXT("sg.FoliageQuality"), 3, ECVF_ScalabilityGroup | ECVF_Preview,
			 TEXT("Scalability quality state (internally used by scalability system, ini load/save or using "
				  "SCALABILITY console command).")},
			{TEXT("fx.MaxCPUParticlesPerEmitter"), 1000, ECVF_Default,
			 TEXT("Maximum number of CPU particles allowed per-emitter.")},
			{TEXT("fx.MaxGPUParticlesSpawnedPerFrame"), 1024 * 1024, ECVF_Default,
			 TEXT("Maximum number of GPU particles allowed to spawn per-frame per-emitter.")},
			{TEXT("FX.FreezeParticleSimulation"), 0, ECVF_Cheat, TEXT("Freeze particle simulation.")},
			{TEXT("FX.FreezeGPUSimulation"), 0, ECVF_Cheat, TEXT("Freeze particles simulated on the GPU.")},
			{TEXT("FX.GPUSimulationTextureSizeX"), 1024, ECVF_ReadOnly,
			 TEXT("GPU particle simulation texture size X.")},
			{TEXT("FX.GPUSimulationTextureSizeY"), 1024, ECVF_ReadOnly,
			 TEXT("GPU particle simulation texture size Y.")},
			{TEXT("grass.Enable"), 1, ECVF_Scalability, TEXT("1: Enable Grass; 0: Disable Grass.")},
			{TEXT("grass.DisableDynamicShadows"), 0, ECVF_Default,
			 TEXT("0: Dynamic shadows from grass follow the grass type bCastDynamicShadow flag; 1: Dynamic shadows are "
				  "disabled for all grass.")},
			{TEXT("foliage.DitheredLOD"), 1, ECVF_RenderThreadSafe,
			 TEXT("If set to 0, dithered LOD is disabled for foliage.")},
			{TEXT("foliage.ForceLOD"), -1, ECVF_RenderThreadSafe,
			 TEXT("If greater than or equal to zero, forces the foliage LOD to that level.")},
			{TEXT("foliage.CullAll"), 0, ECVF_Cheat | ECVF_RenderThreadSafe,
			 TEXT("If greater than zero, everything is culled.")},
		};

		const FFloatVariable FloatVariables[] = {
			{TEXT("r.ScreenPercentage"), 100.0f, ECVF_Scalability | ECVF_Default,
			 TEXT("To render in lower resolution and upscale for better performance (combined up with the "
				  "blurriness).")},
			{TEXT("r.ViewDistanceScale"), 1.0f, ScalableRender,
			 TEXT("Controls the view distance scale. A primitive's MaxDrawDistance is scaled by this value.")},
			{TEXT("r.Shadow.DistanceScale"), 1.0f, ScalableRender,
			 TEXT("Scalability option to trade shadow distance versus performance for directional lights (clamped "
				  "within a reasonable range).")},
			{TEXT("r.StaticMeshLODDistanceScale"), 1.0f, ScalableRender,
			 TEXT("Scale factor for the distance used in computing discrete LOD for static meshes.")},
			{TEXT("r.Color.Min"), 0.0f, ECVF_RenderThreadSafe,
			 TEXT("Allows to define where the value 0 in the color channels is mapped to after color grading.")},
			{TEXT("r.Color.Mid"), 0.5f, ECVF_RenderThreadSafe,
			 TEXT("Allows to define where the value 0.5 in the color channels is mapped to after color grading.")},
			{TEXT("r.Color.Max"), 1.0f, ECVF_RenderThreadSafe,
			 TEXT("Allows to define where the value 1.0 in the color channels is mapped to after color grading.")},
			{TEXT("t.MaxFPS"), 0.0f, ECVF_Default, TEXT("Caps FPS to the given value. Set to <= 0 to be uncapped.")},
			{TEXT("grass.DensityScale"), 1.0f, ScalableRender, TEXT("Multiplier on all grass densities.")},
			{TEXT("grass.CullDistanceScale"), 1.0f, ScalableRender, TEXT("Multiplier on all grass cull distances.")},
			{TEXT("foliage.DensityScale"), 1.0f, ScalableRender,
			 TEXT("Controls the amount of foliage to render. Foliage must opt-in to density scaling through the "
				  "foliage type.")},
			{TEXT("foliage.LODDistanceScale"), 1.0f, ECVF_RenderThreadSafe,
			 TEXT("Scale factor for the distance used in computing LOD for foliage.")},
		};

		// Commands whose work (render targets, caches, culling) has no counterpart here; they run and do nothing.
		const TCHAR* const Commands[][2] = {
			{TEXT("r.ResetViewState"), TEXT("Reset some state (e.g. TemporalAA index) to make rendering more "
											"deterministic (for automated screenshot verification).")},
			{TEXT("r.DumpRenderTargetPoolMemory"), TEXT("Dump allocation information for the render target pool.")},
			{TEXT("fx.DumpNCPoolInfo"), TEXT("Dump Niagara Component Pool Info.")},
			{TEXT("grass.FlushCache"), TEXT("Flush the grass cache, debugging.")},
			{TEXT("foliage.Freeze"), TEXT("Freezes the foliage culling and LOD.")},
			{TEXT("foliage.Unfreeze"), TEXT("Unfreezes the foliage culling and LOD.")},
		};
	}

	void RegisterConsoleObjects(TArray<IConsoleObject*>& OutObjects)
	{
		IConsoleManager& ConsoleManager = IConsoleManager::Get();
		for (const FIntVariable& Variable : IntVariables)
		{
			OutObjects.Add(ConsoleManager.RegisterConsoleVariable(Variable.Name, Variable.DefaultValue, Variable.Help,
																  Variable.Flags));
		}
		for (const FFloatVariable& Variable : FloatVariables)
		{
			OutObjects.Add(ConsoleManager.RegisterConsoleVariable(Variable.Name, Variable.DefaultValue, Variable.Help,
																  Variable.Flags));
		}
		for (const auto& Command : Commands)
		{
			OutObjects.Add(ConsoleManager.RegisterConsoleCommand(
				Command[0], Command[1], FConsoleCommandDelegate::CreateLambda([] {}), ECVF_Default));
		}
	}
}
