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

}  // namespace zorbel::engine
