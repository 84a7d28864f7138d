// zorbel-engine.exe: our own RTTY engine. The program starts it as it
// starts MMTTY (mmtty.bat beside zorbel.exe, "-r -h<HEX>"), and it speaks
// MMTTY's contract towards it.

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "win32/SettingsStore.h"
#include "zorbel-engine/EngineOptions.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/win32/EngineWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace zorbel::engine_side;
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(argv ? argv + 1 : nullptr, argv ? argv + count : nullptr);
    LocalFree(argv);
    std::wstring error;
    const auto options = ParseEngineOptions(arguments, error);
    if (!options) {
        MessageBoxW(nullptr, error.c_str(), L"MMTTY Engine", MB_OK | MB_ICONERROR);
        return 2;
    }
    zorbel::win32::RegistrySettingsStore store(kEngineSettingsKey);
    std::wstring refusedSettings;
    EngineSettings settings = LoadEngineSettings(store, refusedSettings);
    EngineWindow window(*options, store, std::move(settings), refusedSettings);
    if (!window.Create(instance, showCommand)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
