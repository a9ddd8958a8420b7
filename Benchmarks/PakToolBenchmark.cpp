// The pak tool's create throughput on cooked-like data, beside the floors of the same bytes: cat
// (reading and writing them, uncompressed) and gzip -6 (one deflate stream per file, compressed).
// Each reports bytes_per_second over the input bytes; the compressed runs also report their output size
// against gzip -6's.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
	namespace fs = std::filesystem;

	constexpr uint64_t TargetBytes = 500ull * 1024 * 1024;

	// Cooked content of several kinds: serialized properties (names and numbers, compress well), texture
	// mips (smooth with noise, compress somewhat) and already-compressed bulk data (do not compress).
	std::string MakeCookedLikeFile(std::mt19937_64& Random, size_t Size, int Kind)
	{
		std::string Bytes;
		Bytes.reserve(Size);
		if (Kind == 0)
		{
			static const char* const Names[] = {"StaticMaterials", "RelativeLocation", "BodySetup", "LODGroup", "MaterialSlotName", "ImportedBounds", "NaniteSettings", "LightmapResolution"};
			while (Bytes.size() < Size)
			{
				Bytes += Names[Random() % 8];
				Bytes += '\0';
				const uint64_t Value = Random() % 100000;
				Bytes.append(reinterpret_cast<const char*>(&Value), 4);
				Bytes += "/Game/Props/SM_Chair_" + std::to_string(Random() % 64) + ';';
			}
		}
		else if (Kind == 1)
		{
			uint8_t Level = static_cast<uint8_t>(Random());
			while (Bytes.size() < Size)
			{
				Level = static_cast<uint8_t>(Level + static_cast<int>(Random() % 5) - 2);
				Bytes += static_cast<char>(Level ^ (Random() % 4 == 0 ? Random() % 8 : 0));
			}
		}
		else
		{
			while (Bytes.size() < Size)
			{
				const uint64_t Value = Random();
				Bytes.append(reinterpret_cast<const char*>(&Value), 8);
			}
		}
		Bytes.resize(Size);
		return Bytes;
	}

	struct FCookedData
	{
		fs::path Root;
		std::vector<fs::path> Files;
		uint64_t TotalBytes = 0;
		fs::path ResponseFile;
		std::string QuotedFiles;

		FCookedData()
		{
			Root = fs::temp_directory_path() / ("quillon-pakbench-" + std::to_string(getpid()));
			fs::create_directories(Root / "Cooked Content");
			std::mt19937_64 Random(7);
			std::ofstream Response(Root / "Manifest.txt", std::ios::binary);
			for (int Index = 0; TotalBytes < TargetBytes; ++Index)
			{
				// Mostly small files and a few large ones, as a cooked package folder has.
				const size_t Size = Index % 10 == 0 ? (4u << 20) : (64u << 10) + Random() % (448u << 10);
				const int Kind = Index % 10 == 0 ? 2 : (Index % 3 == 0 ? 1 : 0);
				const fs::path File = Root / "Cooked Content" / ("Asset_" + std::to_string(Index) + ".uasset");
				std::ofstream(File, std::ios::binary) << MakeCookedLikeFile(Random, Size, Kind);
				Files.push_back(File);
				TotalBytes += Size;
				Response << '"' << File.string() << "\" \"../../../QuillonVTT/Content/Asset_" << Index << ".uasset\"\n";
				QuotedFiles += " '" + File.string() + "'";
			}
			ResponseFile = Root / "Manifest.txt";
		}

		~FCookedData()
		{
			std::error_code Ignored;
			fs::remove_all(Root, Ignored);
		}
	};

	FCookedData& GetCookedData()
	{
		static FCookedData Data;
		return Data;
	}

	fs::path PakToolPath()
	{
		return fs::read_symlink("/proc/self/exe").parent_path() / "UnrealPak.exe";
	}

	uint64_t RunTimed(benchmark::State& State, const std::string& Command, const fs::path& Output)
	{
		uint64_t OutputBytes = 0;
		for (auto _ : State)
		{
			if (std::system(Command.c_str()) != 0)
			{
				State.SkipWithError(("failed: " + Command).c_str());
				return 0;
			}
			OutputBytes = fs::file_size(Output);
			State.PauseTiming();
			fs::remove(Output);
			State.ResumeTiming();
		}
		State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * GetCookedData().TotalBytes));
		State.counters["input_MB"] = static_cast<double>(GetCookedData().TotalBytes) / (1 << 20);
		State.counters["output_MB"] = static_cast<double>(OutputBytes) / (1 << 20);
		return OutputBytes;
	}

	uint64_t GzipBytes = 0;

	void BM_Cat(benchmark::State& State)
	{
		const FCookedData& Data = GetCookedData();
		const fs::path Output = Data.Root / "all.bin";
		RunTimed(State, "cat" + Data.QuotedFiles + " > '" + Output.string() + "'", Output);
	}

	void BM_Gzip6(benchmark::State& State)
	{
		const FCookedData& Data = GetCookedData();
		const fs::path Output = Data.Root / "all.gz";
		GzipBytes = RunTimed(State, "gzip -6 -c" + Data.QuotedFiles + " > '" + Output.string() + "'", Output);
	}

	void BM_PakCreate(benchmark::State& State)
	{
		const FCookedData& Data = GetCookedData();
		const bool bCompress = State.range(0) != 0;
		const fs::path Output = Data.Root / "Paks" / "Bench.pak";
		const std::string Command = "'" + PakToolPath().string() + "' '" + Output.string() + "' -create='" +
			Data.ResponseFile.string() + "'" + (bCompress ? " -compress" : "") + " > /dev/null";
		const uint64_t PakBytes = RunTimed(State, Command, Output);
		if (bCompress && GzipBytes > 0)
		{
			State.counters["size_vs_gzip6"] = static_cast<double>(PakBytes) / static_cast<double>(GzipBytes);
		}
	}
}

// The floors first, so the compressed pak can be set against gzip's size.
BENCHMARK(BM_Cat)->Name("PakTool/Floor/cat")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Gzip6)->Name("PakTool/Floor/gzip-6")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_PakCreate)->Name("PakTool/Create")->ArgName("compress")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
