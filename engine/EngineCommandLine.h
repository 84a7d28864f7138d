#pragma once
// Where the engine program lives and how it is started.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorbel::engine {

// The engine path without extension: the fixed development path when the
// current directory (compared in upper case) lies in a VB6 tree, else the
// plain name relative to the current directory.
std::string EngineBasePath(std::string_view currentDirectory);

// base & " -r -h" & the main window's handle in upper-case hex without
// leading zeros.
std::string EngineCommandLine(std::string_view basePath, std::uint64_t mainWindowHandle);

// The command processor for a batch file: %ComSpec% when it names a full
// path, else cmd.exe in the system folder; never a name for the search path,
// which could find a planted cmd.exe in the current directory.
std::string CommandProcessorPath(std::string_view comSpec, std::string_view systemFolder);

enum class EngineProgram { Executable, BatchFile };

struct EngineLaunch {
    std::string application;  // the file started, with its path
    std::string commandLine;
    // The started process is the engine itself, so its end without a window
    // ends the wait for one. A batch file may start the engine and return.
    bool processEndEndsWait;
    // The command processor of a batch file gets no console window: on
    // Windows it would stand open all session, and closing it ends the engine.
    bool withoutConsole;
};

// How to start the engine program found at basePath (plus ".exe" or ".bat").
EngineLaunch PlanEngineLaunch(std::string_view basePath, EngineProgram program, std::string_view commandProcessor,
                              std::uint64_t mainWindowHandle);

}  // namespace zorbel::engine
