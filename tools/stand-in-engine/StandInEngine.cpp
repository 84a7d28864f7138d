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
#include "engine/CharacterSender.h"
#include "engine/EngineNames.h"
#include "engine/EngineValues.h"
#include "FeedText.h"
#include "StandInOptions.h"
#include "win32/EngineSideLink.h"
#include "win32/Window.h"

namespace zorbel::standin {
namespace {

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

class StandInEngine : public win32::Window {
public:
    StandInEngine(StandInOptions options, CommandLog& log)
        : options_(std::move(options)), log_(log),
          link_(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(options_.mainWindow))),
          sender_([this](std::int32_t code) { return link_.Post(engine::EngineAnswer::Character, code); }),
          notchPair_(engine::PackNotchPair(options_.notchHigh, options_.notchLow)) {
        if (!options_.feedPath.empty() || options_.extraCode)
            feed_ = FeedCodes(options_.feedPath.empty() ? "" : ReadFileBytes(options_.feedPath), options_.extraCode);
    }

    bool Create(HINSTANCE instance, int showCommand) {
        const std::string title = engine_side::EngineSideLink::SharedBlockTitle();
        log_.Line(title.empty() ? "block missing" : "block " + title);
        Sleep(options_.windowDelayMs);
        WNDCLASSEXW windowClass{};
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"ZorbelMmttyStandIn";
        const std::string caption(engine::kEngineWindowTitle);  // plain ASCII
        if (!RegisterWindowClass(windowClass) ||
            !CreateWindowOf({.className = windowClass.lpszClassName,
                             .title = std::wstring(caption.begin(), caption.end()).c_str(),
                             .style = WS_OVERLAPPEDWINDOW,
                             .width = 400,
                             .height = 120}))
            return false;
        ShowWindow(hwnd_, showCommand);
        link_.Announce(hwnd_);
        log_.Line("window " + Hex(reinterpret_cast<std::uintptr_t>(hwnd_)));
        return true;
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == link_.Message()) {
            OnCommand(wParam, static_cast<std::int32_t>(lParam));
            return 0;
        }
        if (message == WM_TIMER && wParam == kFeedTimer) {
            FeedSome();
            return 0;
        }
        if (message == WM_DESTROY) {
            log_.Line("end");
            PostQuitMessage(0);
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }

    void OnCommand(WPARAM code, std::int32_t value) {
        log_.Line("command " + std::to_string(code) + " " + std::to_string(value));
        if (code == kFeedRequest) return StartFeed();
        switch (link_.Obey(code, value)) {
        case EngineCommand::Handshake:
            if (!options_.feedOnRequest) StartFeed();
            break;
        case EngineCommand::QueryValues:
            if (!options_.silent) link_.AnswerValues(options_.mark, options_.space, notchPair_);
            break;
        case EngineCommand::Release:
            KillTimer(hwnd_, kFeedTimer);
            break;
        case EngineCommand::SetNotch:
            notchPair_ = value;
            break;
        default:
            break;
        }
    }

    void StartFeed() {
        if (feed_.empty() || feedStarted_) return;
        feedStarted_ = true;
        for (const std::int32_t code : feed_) sender_.Add(code);
        SetTimer(hwnd_, kFeedTimer, options_.fast ? USER_TIMER_MINIMUM : kRealRateMs, nullptr);
    }

    // Posts the next characters; what the full queue refuses goes at the next tick.
    void FeedSome() {
        if (!sender_.Send(options_.fast ? kFastBurst : 1)) return;
        log_.Line("feed done " + std::to_string(feed_.size()));
        // A broadcast station sends on and on: start the text again.
        if (options_.repeat) {
            for (const std::int32_t code : feed_) sender_.Add(code);
            return;
        }
        KillTimer(hwnd_, kFeedTimer);
    }

    StandInOptions options_;
    CommandLog& log_;
    engine_side::EngineSideLink link_;
    engine::CharacterSender sender_;
    std::int32_t notchPair_;
    std::vector<std::int32_t> feed_;
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
