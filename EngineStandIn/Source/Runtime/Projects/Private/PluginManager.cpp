#include "Interfaces/IPluginManager.h"

#include "HAL/FileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

namespace
{
	class FPlugin final : public IPlugin
	{
	public:
		FPlugin(FString InName, FString InDescriptorFileName, FPluginDescriptor InDescriptor)
			: Name(MoveTemp(InName))
			, DescriptorFileName(MoveTemp(InDescriptorFileName))
			, Descriptor(MoveTemp(InDescriptor))
		{
		}

		virtual const FString& GetName() const override { return Name; }
		virtual FString GetBaseDir() const override { return FPaths::GetPath(DescriptorFileName); }
		virtual FString GetContentDir() const override { return GetBaseDir() / TEXT("Content"); }
		virtual const FString& GetDescriptorFileName() const override { return DescriptorFileName; }
		virtual const FPluginDescriptor& GetDescriptor() const override { return Descriptor; }

	private:
		FString Name;
		FString DescriptorFileName;
		FPluginDescriptor Descriptor;
	};

	/**
	 * The engine discovers its plug-ins once at start-up; the stand-in looks when asked, since a test changes projects
	 * while the process runs. The project's plug-ins come before the engine's, as they take precedence there.
	 */
	class FPluginManager final : public IPluginManager
	{
	public:
		virtual TSharedPtr<IPlugin> FindPlugin(const FString& Name) override
		{
			const FString FileName = Name + TEXT(".uplugin");
			for (const FString& PluginsDir : {FPaths::ProjectPluginsDir(), FPaths::EnginePluginsDir()})
			{
				TArray<FString> Found;
				IFileManager::Get().FindFilesRecursive(Found, *PluginsDir, *FileName, true, false);
				Found.Sort();
				for (const FString& DescriptorFileName : Found)
				{
					FString Text;
					FPluginDescriptor Descriptor;
					FText FailReason;
					if (FFileHelper::LoadFileToString(Text, *DescriptorFileName) && Descriptor.Read(Text, FailReason))
					{
						return MakeShared<FPlugin>(FPaths::GetBaseFilename(DescriptorFileName), DescriptorFileName, MoveTemp(Descriptor));
					}
				}
			}
			return nullptr;
		}
	};
}

IPluginManager& IPluginManager::Get()
{
	static FPluginManager Manager;
	return Manager;
}
