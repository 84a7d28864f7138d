// Time from launching zorbel.exe to its main window being visible (the
// splash holds it back for 3 s). Starts as an installed program does: an
// empty settings store and a working folder that has its weather folder.
//
//   bench_start_up.exe <zorbel.exe> <working folder> [runs]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kBound = std::chrono::seconds(15);

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

bool MainWindowVisible(DWORD processId) {
    struct Search {
        DWORD processId;
        bool found;
    } search{processId, false};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            s.found = owner == s.processId && IsWindowVisible(window) &&
                      std::wcscmp(className, L"ZorbelMainWindow") == 0;
            return !s.found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Seconds until the main window showed, or a negative number when it did not within the bound.
double TimeOneStart(const std::wstring& exe, const std::wstring& folder) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\ZORBEL");
    std::filesystem::create_directories(folder + L"\\Wetterberichte");
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const auto launch = Clock::now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &started))
        return -1;
    const UniqueHandle process(started.hProcess), thread(started.hThread);
    double seconds = -1;
    while (Clock::now() - launch < kBound) {
        if (MainWindowVisible(started.dwProcessId)) {
            seconds = std::chrono::duration<double>(Clock::now() - launch).count();
            break;
        }
        Sleep(10);
    }
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), 10000);
    return seconds;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: bench_start_up.exe <zorbel.exe> <working folder> [runs]\n", stderr);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 3;
    int failed = 0;
    for (int run = 1; run <= runs; ++run) {
        const double seconds = TimeOneStart(argv[1], argv[2]);
        if (seconds < 0) {
            std::printf("start %d: no main window within %lld s\n", run, static_cast<long long>(kBound.count()));
            ++failed;
        } else {
            std::printf("start %d: main window shown %.2f s after the launch (goal: at most 3.5 s)\n", run, seconds);
        }
    }
    return failed;
}
