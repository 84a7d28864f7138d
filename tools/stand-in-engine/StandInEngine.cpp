// A stand-in for the MMTTY engine, for trying and testing the program
// without a sound card: it takes the engine's command line and commands,
// logs them, answers the value query and feeds characters from a text file.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "CommandLog.h"
#include "FeedText.h"
#include "StandInOptions.h"
#include "engine/EngineCodes.h"
#include "engine/EngineNames.h"
#include "engine/EngineValues.h"
#include "engine/SharedBlock.h"
#include "platform/win32/Handles.h"

namespace zorbel::standin {
namespace {

using engine::EngineAnswer;
using engine::EngineCommand;

// A command only the stand-in knows: start feeding now (with --feed-on-request).
constexpr WPARAM kFeedRequest = 0x7F00;
constexpr UINT_PTR kFeedTimer = 1;
// 45.45 baud with 7.5 bits a character (start, five data bits, 1.5 stop bits).
constexpr UINT kRealRateMs = 165;
constexpr std::size_t kFastBurst = 500;  // posts per timer tick in fast mode

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Hex(std::uint64_t number) {
    std::ostringstream text;
    text << std::uppercase << std::hex << number;
    return text.str();
}

class StandInEngine {
public:
    StandInEngine(StandInOptions options, CommandLog& log)
        : options_(std::move(options)), log_(log),
          engineMessage_(RegisterWindowMessageA(std::string(engine::kEngineLinkName).c_str())),
          mainWindow_(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(options_.mainWindow))),
          notchPair_(engine::PackNotchPair(options_.notchHigh, options_.notchLow)) {
        if (!options_.feedPath.empty() || options_.extraCode)
            feed_ = FeedCodes(options_.feedPath.empty() ? "" : ReadFileBytes(options_.feedPath), options_.extraCode);
    }

    bool Create(HINSTANCE instance, int showCommand) {
        LogSharedBlock();
        Sleep(options_.windowDelayMs);
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &StandInEngine::WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "ZorbelMmttyStandIn";
        if (!RegisterClassA(&windowClass)) return false;
        window_ = CreateWindowExA(0, windowClass.lpszClassName, std::string(engine::kEngineWindowTitle).c_str(),
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 400, 120, nullptr, nullptr,
                                  instance, this);
        if (!window_) return false;
        ShowWindow(window_, showCommand);
        Answer(EngineAnswer::Announce, reinterpret_cast<LPARAM>(window_));
        Answer(EngineAnswer::Started, 0);
        log_.Line("window " + Hex(reinterpret_cast<std::uintptr_t>(window_)));
        return true;
    }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
        }
        auto* self = reinterpret_cast<StandInEngine*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == self->engineMessage_) {
            self->OnCommand(wParam, static_cast<std::int32_t>(lParam));
            return 0;
        }
        if (self && message == WM_TIMER && wParam == kFeedTimer) {
            self->FeedSome();
            return 0;
        }
        if (message == WM_DESTROY) {
            if (self) self->log_.Line("end");
            PostQuitMessage(0);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    void OnCommand(WPARAM code, std::int32_t value) {
        log_.Line("command " + std::to_string(code) + " " + std::to_string(value));
        switch (code) {
        case static_cast<WPARAM>(EngineCommand::Handshake):
            if (!mainWindow_) mainWindow_ = reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
            if (!options_.feedOnRequest) StartFeed();
            break;
        case static_cast<WPARAM>(EngineCommand::End):
            DestroyWindow(window_);
            break;
        case static_cast<WPARAM>(EngineCommand::DockPosition):
            SetWindowPos(window_, nullptr, static_cast<std::int16_t>(value & 0xFFFF), value >> 16, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case static_cast<WPARAM>(EngineCommand::DockWidth): {
            RECT outer{};
            GetWindowRect(window_, &outer);
            SetWindowPos(window_, nullptr, 0, 0, value, outer.bottom - outer.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case static_cast<WPARAM>(EngineCommand::QueryValues):
            if (options_.silent) break;
            Answer(EngineAnswer::ValueA, options_.mark);
            Answer(EngineAnswer::ValueB, options_.space);
            Answer(EngineAnswer::NotchPair, notchPair_);
            break;
        case static_cast<WPARAM>(EngineCommand::Visibility):
            ShowWindow(window_, value == 0 ? SW_HIDE : SW_SHOWNOACTIVATE);
            break;
        case static_cast<WPARAM>(EngineCommand::Release):
            KillTimer(window_, kFeedTimer);
            ShowWindow(window_, SW_HIDE);
            break;
        case static_cast<WPARAM>(EngineCommand::SetNotch):
            notchPair_ = value;
            break;
        case kFeedRequest:
            StartFeed();
            break;
        default:
            break;
        }
    }

    void Answer(EngineAnswer code, LPARAM value) {
        PostMessageA(mainWindow_, engineMessage_, static_cast<WPARAM>(code), value);
    }

    void StartFeed() {
        if (feed_.empty() || feedStarted_) return;
        feedStarted_ = true;
        SetTimer(window_, kFeedTimer, options_.fast ? USER_TIMER_MINIMUM : kRealRateMs, nullptr);
    }

    // Posts the next characters; a post the full queue refuses is tried again at the next tick.
    void FeedSome() {
        const std::size_t burst = options_.fast ? kFastBurst : 1;
        for (std::size_t sent = 0; sent < burst && next_ < feed_.size(); ++sent, ++next_) {
            if (!PostMessageA(mainWindow_, engineMessage_, static_cast<WPARAM>(EngineAnswer::Character),
                              feed_[next_]))
                return;
        }
        if (next_ < feed_.size()) return;
        log_.Line("feed done " + std::to_string(feed_.size()));
        // A broadcast station sends on and on: start the text again.
        if (options_.repeat) {
            next_ = 0;
            return;
        }
        KillTimer(window_, kFeedTimer);
    }

    // What the program left in the shared block, as a real engine would read it.
    void LogSharedBlock() {
        const win32::KernelHandle mapping(
            OpenFileMappingA(FILE_MAP_READ, FALSE, std::string(engine::kEngineLinkName).c_str()));
        const win32::MappedView view(
            mapping ? MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, engine::kSharedBlockSize) : nullptr);
        if (!view) {
            log_.Line("block missing");
            return;
        }
        log_.Line("block " + std::string(static_cast<const char*>(view.get()) + engine::kTitleFieldOffset));
    }

    StandInOptions options_;
    CommandLog& log_;
    UINT engineMessage_;
    HWND mainWindow_;
    std::int32_t notchPair_;
    HWND window_ = nullptr;
    std::vector<std::int32_t> feed_;
    std::size_t next_ = 0;
    bool feedStarted_ = false;
};

}  // namespace
}  // namespace zorbel::standin

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    using namespace zorbel::standin;
    std::string error;
    const auto options = ParseStandInOptions(std::vector<std::string>(__argv + 1, __argv + __argc), error);
    CommandLog log(options && !options->logPath.empty() ? options->logPath : ProgramFolder() + "mmtty_standin.log");
    if (!options) {
        log.Line(error);
        return 2;
    }
    log.Line("start main " + Hex(options->mainWindow));
    StandInEngine engine(*options, log);
    if (!engine.Create(instance, showCommand)) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
