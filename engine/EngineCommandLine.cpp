#include "engine/EngineCommandLine.h"

#include <algorithm>
#include <cctype>

#include "engine/EngineNames.h"

namespace zorbel::engine {

std::string EngineBasePath(std::string_view currentDirectory) {
    std::string upper(currentDirectory);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const bool inDevelopmentTree = upper.find(kEngineDevelopmentMark) != std::string::npos;
    return std::string(inDevelopmentTree ? kEngineDevelopmentBase : kEngineBaseName);
}

std::string EngineCommandLine(std::string_view basePath, std::uint64_t mainWindowHandle) {
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string hex;
    do {
        hex.insert(hex.begin(), kHexDigits[mainWindowHandle % 16]);
        mainWindowHandle /= 16;
    } while (mainWindowHandle != 0);
    return std::string(basePath) + std::string(kEngineOptions) + hex;
}

std::string CommandProcessorPath(std::string_view comSpec, std::string_view systemFolder) {
    const bool fullPath = comSpec.size() > 2 && ((comSpec[1] == ':' && (comSpec[2] == '\\' || comSpec[2] == '/')) ||
                                                 comSpec.starts_with("\\\\"));
    if (fullPath) return std::string(comSpec);
    std::string path(systemFolder);
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + "cmd.exe";
}

EngineLaunch PlanEngineLaunch(std::string_view basePath, EngineProgram program, std::string_view commandProcessor,
                              std::uint64_t mainWindowHandle) {
    const std::string commandLine = EngineCommandLine(basePath, mainWindowHandle);
    if (program == EngineProgram::Executable) return {std::string(basePath) + ".exe", commandLine, true, false};
    // A batch file runs only through the command processor.
    // Appended, not "literal" + string: GCC 12 warns falsely (-Wrestrict) on that operator.
    std::string processorCall = "\"";
    processorCall.append(commandProcessor).append("\" /c ").append(commandLine);
    return {std::string(commandProcessor), processorCall, false, true};
}

}  // namespace zorbel::engine
