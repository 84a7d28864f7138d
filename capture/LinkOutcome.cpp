#include "capture/LinkOutcome.h"

#include "config/EngineTexts.h"

namespace zorbel {

bool ShowLinkOutcome(LinkOutcome outcome, platform::StatusPanels& panels, platform::Dialogs& dialogs) {
    switch (outcome) {
    case LinkOutcome::NoBlock:
        dialogs.ShowMessage(platform::MessageIcon::None, kMappingFailedPrompt, kFatalErrorTitle);
        return false;
    case LinkOutcome::NoView:
        dialogs.ShowMessage(platform::MessageIcon::None, kViewFailedPrompt, kFatalErrorTitle);
        return false;
    case LinkOutcome::EngineMissing:
        panels.SetPanelText(platform::Panel::Status, kStatusEngineMissing);
        return false;
    case LinkOutcome::NoHandshake:
        panels.SetPanelText(platform::Panel::Status, kStatusNoEngineConnection);
        return true;
    case LinkOutcome::Linked:
        panels.SetPanelText(platform::Panel::Status, kStatusReady);
        return true;
    }
    return false;
}

}  // namespace zorbel
