#include "win32/EngineLink.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "engine/EngineAnswerCollector.h"
#include "engine/EngineCommandLine.h"
#include "engine/EngineNames.h"
#include "engine/SharedBlock.h"

namespace zorbel::win32 {
namespace {

constexpr ULONGLONG kEngineWindowWaitMs = 10000;  // for the started engine's window
constexpr ULONGLONG kEngineAnswerWaitMs = 10000;  // for the answers to the value query
// How often the wait for the engine window looks again when no message wakes it.
constexpr DWORD kWindowPollMs = 50;

HWND FindEngineWindow() { return FindWindowA(nullptr, std::string(engine::kEngineWindowTitle).c_str()); }

std::string CurrentDirectory() {
    std::string directory(GetCurrentDirectoryA(0, nullptr), '\0');
    directory.resize(GetCurrentDirectoryA(static_cast<DWORD>(directory.size()), directory.data()));
    return directory;
}

std::string EnvironmentVariable(const char* name) {
    std::string value(GetEnvironmentVariableA(name, nullptr, 0), '\0');
    value.resize(GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

std::string SystemFolder() {
    std::string folder(GetSystemDirectoryA(nullptr, 0), '\0');
    folder.resize(GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size())));
    return folder;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::int32_t HandleValue(HWND window) {
    // Window handles carry 32 significant bits, also in a 64-bit process.
    return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(window));
}

// Keys, mouse and commands: what a user does to the program. Swallowed while
// waiting for the engine's answers so that no menu action runs in between.
bool IsUserInput(const MSG& msg) {
    return (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
           (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
           (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCXBUTTONDBLCLK) || msg.message == WM_COMMAND ||
           msg.message == WM_SYSCOMMAND || msg.message == WM_CLOSE;
}

// Lets pending events run once (the exit commands give the engine its turn).
void RunPendingEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

LinkOutcome EngineLink::OpenEngineLink() {
    engineMessage_ = RegisterWindowMessageA(std::string(engine::kEngineLinkName).c_str());
    if (const auto failed = PrepareSharedBlock()) return *failed;
    if (!StartEngine()) return LinkOutcome::EngineMissing;
    engineWindow_ = AwaitEngineWindow();
    return PostHandshake() ? LinkOutcome::Linked : LinkOutcome::NoHandshake;
}

bool EngineLink::PostHandshake() {
    if (!PostEngineCommand(engine::EngineCommand::Handshake, HandleValue(mainWindow_))) return false;
    handshakenWindow_ = engineWindow_;
    return true;
}

bool EngineLink::TakeAnnouncement(UINT message, WPARAM wParam, LPARAM lParam) {
    if (engineMessage_ == 0 || message != engineMessage_ ||
        wParam != static_cast<WPARAM>(engine::EngineAnswer::Announce))
        return false;
    // An engine started late (or by hand) takes over; the window that had
    // the handshake already is not asked twice.
    const auto window = reinterpret_cast<HWND>(lParam);
    if (!IsWindow(window)) return true;
    engineWindow_ = window;
    if (window != handshakenWindow_) PostHandshake();
    return true;
}

std::optional<LinkOutcome> EngineLink::PrepareSharedBlock() {
    // Opening a block of that name that already exists counts as success.
    sharedMapping_.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            static_cast<DWORD>(engine::kSharedBlockSize),
                                            std::string(engine::kEngineLinkName).c_str()));
    if (!sharedMapping_) return LinkOutcome::NoBlock;
    sharedView_.reset(MapViewOfFile(sharedMapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
    MEMORY_BASIC_INFORMATION region{};
    // A block left by someone else may be too small for the layout.
    if (!sharedView_ || VirtualQuery(sharedView_.get(), &region, sizeof(region)) == 0 ||
        region.RegionSize < engine::kSharedBlockSize)
        return LinkOutcome::NoView;
    // The image covers every byte, so an existing block is cleared as well.
    const engine::SharedBlockImage image = engine::MakeSharedBlockImage();
    CopyMemory(sharedView_.get(), image.data(), image.size());
    return std::nullopt;
}

bool EngineLink::StartEngine() {
    const std::string base = engine::EngineBasePath(CurrentDirectory());
    engine::EngineProgram program{};
    if (FileExists(base + ".exe"))
        program = engine::EngineProgram::Executable;
    else if (FileExists(base + ".bat"))
        program = engine::EngineProgram::BatchFile;
    else
        return false;
    const engine::EngineLaunch launch = engine::PlanEngineLaunch(
        base, program, engine::CommandProcessorPath(EnvironmentVariable("ComSpec"), SystemFolder()),
        reinterpret_cast<std::uintptr_t>(mainWindow_));
    std::string commandLine = launch.commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNOACTIVATE;
    PROCESS_INFORMATION started{};
    // A failed start is left to the window search: an engine may run already.
    if (CreateProcessA(launch.application.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                       launch.withoutConsole ? CREATE_NO_WINDOW : 0, nullptr, nullptr, &startup, &started)) {
        KernelHandle process(started.hProcess);
        const KernelHandle unusedThread(started.hThread);
        engineStarted_ = true;
        if (launch.processEndEndsWait) engineProcess_ = std::move(process);
    }
    return true;
}

HWND EngineLink::AwaitEngineWindow() const {
    const ULONGLONG deadline = GetTickCount64() + kEngineWindowWaitMs;
    HANDLE process = engineProcess_.get();
    for (;;) {
        if (HWND announced = TakeAnnouncedEngineWindow()) return announced;
        if (HWND found = FindEngineWindow()) return found;
        const ULONGLONG now = GetTickCount64();
        if (!engineStarted_ || now >= deadline) return nullptr;
        const auto pause = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kWindowPollMs));
        // Wakes early for a posted message, or when an engine started directly
        // (not through a batch file) ends without a window.
        if (MsgWaitForMultipleObjects(process ? 1 : 0, &process, FALSE, pause, QS_POSTMESSAGE) == WAIT_OBJECT_0 &&
            process)
            return FindEngineWindow();
    }
}

HWND EngineLink::TakeAnnouncedEngineWindow() const {
    if (engineMessage_ == 0) return nullptr;
    // Reception cannot be on while the program loads, so characters taken
    // here would be dropped anyway.
    HWND announced = nullptr;
    MSG msg;
    while (PeekMessageW(&msg, mainWindow_, engineMessage_, engineMessage_, PM_REMOVE)) {
        const auto window = reinterpret_cast<HWND>(msg.lParam);
        if (msg.wParam == static_cast<WPARAM>(engine::EngineAnswer::Announce) && IsWindow(window))
            announced = window;
    }
    return announced;
}

bool EngineLink::PostEngineCommand(engine::EngineCommand code, std::int32_t value) {
    if (!engineWindow_ || !IsWindow(engineWindow_)) engineWindow_ = FindEngineWindow();
    // Without an engine window PostMessage would land in the own queue and report success.
    if (!engineWindow_ || engineMessage_ == 0) return false;
    return PostMessageA(engineWindow_, engineMessage_, static_cast<WPARAM>(code), static_cast<LPARAM>(value)) !=
           FALSE;
}

engine::EngineAnswers EngineLink::WaitForEngineValues() {
    engine::EngineAnswerCollector collector(values_);
    const ULONGLONG deadline = GetTickCount64() + kEngineAnswerWaitMs;
    std::optional<int> quitCode;
    while (!collector.Complete() && !quitCode) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) break;
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) {
            quitCode = static_cast<int>(msg.wParam);
            continue;
        }
        const bool answer = msg.hwnd == mainWindow_ && msg.message == engineMessage_ &&
                            collector.Take(static_cast<std::int32_t>(msg.wParam), static_cast<std::int32_t>(msg.lParam));
        // Characters reach the receive path; paint and timers go on.
        if (!answer && !IsUserInput(msg)) DispatchMessageW(&msg);
    }
    // The quit belongs to the main message loop.
    if (quitCode) PostQuitMessage(*quitCode);
    return collector.Result();
}

void EngineLink::CloseEngineLink() {
    PostEngineCommand(engine::EngineCommand::Release, 1);
    RunPendingEvents();
    PostEngineCommand(engine::EngineCommand::End, 0);
    RunPendingEvents();
}

bool EngineLink::EngineGone() {
    // Never linked (no engine at start-up): nothing can have gone.
    if (!handshakenWindow_) return false;
    if (engineWindow_ && IsWindow(engineWindow_)) return false;
    // An engine started by hand meanwhile takes over, as it would for a command.
    engineWindow_ = FindEngineWindow();
    return engineWindow_ == nullptr;
}

bool EngineLink::IsEngineCharacter(UINT message, WPARAM wParam) const {
    return engineMessage_ != 0 && message == engineMessage_ &&
           wParam == static_cast<WPARAM>(engine::EngineAnswer::Character);
}

}  // namespace zorbel::win32
