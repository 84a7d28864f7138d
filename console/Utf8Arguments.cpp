#include "console/Utf8Arguments.h"

#include <memory>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace zorbel::console {

#ifdef _WIN32
namespace {

std::string Utf8FromWide(const wchar_t* wideText) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wideText, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string utf8Text(static_cast<std::size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wideText, -1, utf8Text.data(), size, nullptr, nullptr);
    return utf8Text;
}

struct LocalFreeDeleter {
    void operator()(wchar_t** arguments) const { LocalFree(arguments); }
};

}  // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    const std::unique_ptr<wchar_t*, LocalFreeDeleter> wideArguments(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    for (int index = 1; wideArguments && index < count; ++index) arguments.push_back(Utf8FromWide(wideArguments.get()[index]));
    return arguments;
}
#else
std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }
#endif

std::filesystem::path PathFromUtf8(const std::string& utf8Text) {
    return std::filesystem::path(std::u8string(utf8Text.begin(), utf8Text.end()));
}

}  // namespace zorbel::console
