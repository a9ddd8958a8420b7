#include "ProgramTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

#ifndef STANDIN_BINARIES_DIR
// A local build without the project's definitions: the test program lives in the binaries folder.
#define STANDIN_BINARIES_DIR ""
#endif
#ifndef STANDIN_WINDOWS_DIR
#define STANDIN_WINDOWS_DIR ""
#endif

namespace ProgramTest
{
	namespace
	{
		std::filesystem::path BinariesFolder()
		{
			if (std::string_view(STANDIN_BINARIES_DIR).empty())
			{
				return std::filesystem::read_symlink("/proc/self/exe").parent_path();
			}
			return STANDIN_BINARIES_DIR;
		}

		std::filesystem::path WindowsFolder()
		{
			if (std::string_view(STANDIN_WINDOWS_DIR).empty())
			{
				return (BinariesFolder() / "../../../Windows").lexically_normal();
			}
			return STANDIN_WINDOWS_DIR;
		}
	}

	FProcessResult RunProcess(const std::filesystem::path& Program, const std::vector<std::string>& Arguments,
							  const std::filesystem::path& WorkingFolder)
	{
		int Pipe[2];
		if (pipe2(Pipe, O_CLOEXEC) != 0)
		{
			throw std::runtime_error("pipe failed");
		}
		posix_spawn_file_actions_t Actions;
		posix_spawn_file_actions_init(&Actions);
		posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
		posix_spawn_file_actions_adddup2(&Actions, Pipe[1], STDOUT_FILENO);
		posix_spawn_file_actions_adddup2(&Actions, Pipe[1], STDERR_FILENO);
		posix_spawn_file_actions_addchdir_np(&Actions, WorkingFolder.c_str());

		std::vector<std::string> ArgStrings = Arguments;
		ArgStrings.insert(ArgStrings.begin(), Program.string());
		std::vector<char*> ArgV;
		for (std::string& Argument : ArgStrings)
		{
			ArgV.push_back(Argument.data());
		}
		ArgV.push_back(nullptr);

		pid_t Child = 0;
		const int SpawnError = posix_spawn(&Child, Program.c_str(), &Actions, nullptr, ArgV.data(), environ);
		posix_spawn_file_actions_destroy(&Actions);
		close(Pipe[1]);
		FProcessResult Result;
		if (SpawnError != 0)
		{
			close(Pipe[0]);
			Result.Output = "cannot start " + Program.string();
			return Result;
		}

		char Buffer[65536];
		ssize_t Count;
		while ((Count = read(Pipe[0], Buffer, sizeof(Buffer))) != 0)
		{
			if (Count < 0)
			{
				if (errno == EINTR)
				{
					continue;
				}
				break;
			}
			Result.Output.append(Buffer, static_cast<size_t>(Count));
		}
		close(Pipe[0]);

		int Status = 0;
		while (waitpid(Child, &Status, 0) < 0 && errno == EINTR)
		{
		}
		Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
		return Result;
	}

	std::filesystem::path UnrealPakPath()
	{
		return BinariesFolder() / "UnrealPak.exe";
	}

	std::filesystem::path CmdPath()
	{
		return WindowsFolder() / "System32" / "cmd.exe";
	}

	FTempFolder::FTempFolder()
	{
		std::string Template = (std::filesystem::temp_directory_path() / "QuillonProgramsXXXXXX").string();
		if (!mkdtemp(Template.data()))
		{
			throw std::runtime_error("mkdtemp failed");
		}
		Root = Template;
	}

	FTempFolder::~FTempFolder()
	{
		std::error_code Ignored;
		std::filesystem::remove_all(Root, Ignored);
	}

	void WriteFile(const std::filesystem::path& Path, std::string_view Bytes)
	{
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
		Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
		if (!Out)
		{
			throw std::runtime_error("cannot write " + Path.string());
		}
	}

	std::string ReadFile(const std::filesystem::path& Path)
	{
		std::ifstream In(Path, std::ios::binary);
		std::ostringstream Text;
		Text << In.rdbuf();
		return Text.str();
	}

	std::vector<std::string> ListFiles(const std::filesystem::path& Folder)
	{
		std::vector<std::string> Files;
		if (!std::filesystem::exists(Folder))
		{
			return Files;
		}
		for (const auto& Item : std::filesystem::recursive_directory_iterator(Folder))
		{
			if (Item.is_regular_file())
			{
				Files.push_back(std::filesystem::relative(Item.path(), Folder).string());
			}
		}
		std::sort(Files.begin(), Files.end());
		return Files;
	}

	std::string CompressibleBytes(size_t Size, unsigned Seed)
	{
		std::mt19937 Random(Seed);
		std::string Bytes;
		while (Bytes.size() < Size)
		{
			Bytes += "Vertex " + std::to_string(Bytes.size()) + ": " + std::to_string(Random() % 1000) + " " +
					 std::to_string(Random() % 1000) + "\n";
		}
		Bytes.resize(Size);
		return Bytes;
	}

	std::string RandomBytes(size_t Size, unsigned Seed)
	{
		std::mt19937 Random(Seed);
		std::string Bytes(Size, '\0');
		for (char& Byte : Bytes)
		{
			Byte = static_cast<char>(Random());
		}
		return Bytes;
	}
}
