#pragma once

#include <string>

// Runs console command lines: the built-ins echo, pause and exit, and programs as child processes
// that share this console's standard streams.
class FCommandRunner
{
public:
	// Runs one line ("a & b && c || d"); returns the error level after it.
	int RunLine(const std::string& Line);

	int GetErrorLevel() const { return ErrorLevel; }
	bool IsExitRequested() const { return bExitRequested; }

	// The file a program name runs: a path with a slash as it is (relative to the working folder),
	// otherwise the working folder and then each folder of PATH; ".exe" is tried after the bare name.
	// Empty when there is none.
	static std::string FindProgram(const std::string& Name);

private:
	void RunCommand(const std::string& CommandText);
	void RunEcho(const std::string& Text, bool bEmptyShowsState);
	void RunPause();
	void RunExit(const std::string& ArgumentText);
	void RunProgram(const std::string& Program, const std::string& ArgumentText);

	// As in cmd.exe, echo and pause succeed without touching the error level, so "&&" and "||" follow
	// the last command's success while the exit code stays that of the last program.
	int ErrorLevel = 0;
	bool bLastSucceeded = true;
	bool bExitRequested = false;
};
