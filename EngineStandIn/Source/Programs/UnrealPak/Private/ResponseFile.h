#pragma once

#include <string>
#include <vector>

// One line of a response file: a file on disk and the path it gets inside the pak.
struct FPakInputEntry
{
	std::string SourcePath;
	std::string MountPath;
	int LineNumber = 0;
	// Set by a "-compress" after the two paths: compress this entry even without -compress on the
	// command line.
	bool bCompress = false;
};

// Reads a response file: one entry a line, "<source path> <mount path> [-option ...]", each path
// optionally between double quotes; blank lines are skipped. Throws FPakError naming the file and line.
std::vector<FPakInputEntry> ReadResponseFile(const std::string& Path);
