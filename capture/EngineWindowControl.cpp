#include "capture/EngineWindowControl.h"

#include "config/EngineTexts.h"

namespace zorbel {

namespace {
constexpr std::int32_t kHide = 0;
constexpr std::int32_t kShow = 1;
}  // namespace

void EngineWindowControl::ToggleEngineWindow() {
    SetHidden(!hidden_);
    if (!channel_.PostEngineCommand(engine::EngineCommand::Visibility, hidden_ ? kHide : kShow)) {
        dialogs_.ShowMessage(platform::MessageIcon::Exclamation, kNoEngineConnectionPrompt,
                             kNoEngineConnectionTitle);
    }
}

void EngineWindowControl::HideFirst() {
    if (!hidden_) ToggleEngineWindow();
}

void EngineWindowControl::HideForResize() {
    SetHidden(true);
    channel_.PostEngineCommand(engine::EngineCommand::Visibility, kHide);
}

void EngineWindowControl::DockUnder(std::int32_t left, std::int32_t bottom, std::int32_t width) {
    channel_.PostEngineCommand(engine::EngineCommand::DockWidth, width);
    channel_.PostEngineCommand(engine::EngineCommand::DockPosition, engine::PackDockPosition(left, bottom));
}

void EngineWindowControl::SetHidden(bool hidden) {
    hidden_ = hidden;
    checks_.SetChecked(platform::MenuEntry::EngineHidden, hidden);
}

}  // namespace zorbel
