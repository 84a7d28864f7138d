#include "engine/EngineWindowControl.h"

#include "engine/EngineTexts.h"

namespace zorbel::engine {

namespace {
constexpr std::int32_t kHide = 0;
constexpr std::int32_t kShow = 1;
}  // namespace

void EngineWindowControl::mnuEngineAus_Click() {
    SetHidden(!hidden_);
    if (!channel_.PostEngineCommand(EngineCommand::Visibility, hidden_ ? kHide : kShow)) {
        dialogs_.ShowMessage(platform::MessageIcon::Exclamation, kNoEngineConnectionPrompt,
                             kNoEngineConnectionTitle);
    }
}

void EngineWindowControl::HideForResize() {
    SetHidden(true);
    channel_.PostEngineCommand(EngineCommand::Visibility, kHide);
}

void EngineWindowControl::DockUnder(std::int32_t left, std::int32_t bottom, std::int32_t width) {
    channel_.PostEngineCommand(EngineCommand::DockWidth, width);
    channel_.PostEngineCommand(EngineCommand::DockPosition, PackDockPosition(left, bottom));
}

void EngineWindowControl::SetHidden(bool hidden) {
    hidden_ = hidden;
    checks_.SetChecked(platform::MenuEntry::EngineAus, hidden);
}

}  // namespace zorbel::engine
