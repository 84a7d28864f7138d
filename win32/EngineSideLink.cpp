#include "win32/EngineSideLink.h"

#include "engine/EngineNames.h"
#include "engine/SharedBlock.h"
#include "win32/Handles.h"

namespace zorbel::engine_side {

using engine::EngineAnswer;
using engine::EngineCommand;

EngineSideLink::EngineSideLink(HWND mainWindow)
    : message_(RegisterWindowMessageA(std::string(engine::kEngineLinkName).c_str())), mainWindow_(mainWindow) {}

void EngineSideLink::Announce(HWND engineWindow) {
    engineWindow_ = engineWindow;
    Post(EngineAnswer::Announce, reinterpret_cast<LPARAM>(engineWindow));
    Post(EngineAnswer::Started, 0);
}

EngineCommand EngineSideLink::Obey(WPARAM code, LPARAM value) {
    const auto command = static_cast<EngineCommand>(code);
    const auto number = static_cast<std::int32_t>(value);
    switch (command) {
    case EngineCommand::Handshake:
        if (!mainWindow_) mainWindow_ = reinterpret_cast<HWND>(static_cast<std::intptr_t>(number));
        break;
    case EngineCommand::End:
        DestroyWindow(engineWindow_);
        break;
    case EngineCommand::DockPosition:
        // y * 65536 + x; x travels as a signed 16-bit pattern.
        SetWindowPos(engineWindow_, nullptr, static_cast<std::int16_t>(number & 0xFFFF), number >> 16, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    case EngineCommand::DockWidth: {
        RECT outer{};
        GetWindowRect(engineWindow_, &outer);
        SetWindowPos(engineWindow_, nullptr, 0, 0, number, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    case EngineCommand::Visibility:
        ShowWindow(engineWindow_, number == 0 ? SW_HIDE : SW_SHOWNOACTIVATE);
        break;
    case EngineCommand::Release:
        ShowWindow(engineWindow_, SW_HIDE);
        break;
    default:
        break;
    }
    return command;
}

bool EngineSideLink::Post(EngineAnswer code, LPARAM value) const {
    // Posted to no window, a message would land in this thread's own queue.
    if (!mainWindow_) return false;
    return PostMessageA(mainWindow_, message_, static_cast<WPARAM>(code), value) != FALSE;
}

void EngineSideLink::AnswerValues(std::int32_t markHz, std::int32_t spaceHz, std::int32_t notchPair) const {
    Post(EngineAnswer::ValueA, markHz);
    Post(EngineAnswer::ValueB, spaceHz);
    Post(EngineAnswer::NotchPair, notchPair);
}

std::string EngineSideLink::SharedBlockTitle() {
    const win32::KernelHandle mapping(
        OpenFileMappingA(FILE_MAP_READ, FALSE, std::string(engine::kEngineLinkName).c_str()));
    const win32::MappedView view(mapping ? MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, engine::kSharedBlockSize)
                                         : nullptr);
    if (!view) return "";
    return std::string(static_cast<const char*>(view.get()) + engine::kTitleFieldOffset);
}

}  // namespace zorbel::engine_side
