#include "capture/EngineConnection.h"

#include "config/EngineTexts.h"
#include "config/ProgramValues.h"

namespace zorbel {

LinkOutcome EngineConnection::Open() {
    const LinkOutcome outcome = parts_.link.OpenEngineLink();
    if (!ShowOutcome(outcome)) return outcome;
    parts_.window.SetWindowTitle(values::kCaptionLinked);
    parts_.memory.Show(true);
    return outcome;
}

bool EngineConnection::StartEngineAgain() {
    if (Open() != LinkOutcome::Linked) return false;
    if (parts_.engineWindow.Hidden())
        parts_.engineWindow.HideForResize();
    else
        parts_.engineWindowPlace.PlaceEngineWindow();
    return true;
}

bool EngineConnection::ShowOutcome(LinkOutcome outcome) {
    switch (outcome) {
    case LinkOutcome::NoBlock:
        parts_.dialogs.ShowMessage(platform::MessageIcon::None, kMappingFailedPrompt, kFatalErrorTitle);
        return false;
    case LinkOutcome::NoView:
        parts_.dialogs.ShowMessage(platform::MessageIcon::None, kViewFailedPrompt, kFatalErrorTitle);
        return false;
    case LinkOutcome::EngineMissing:
        parts_.panels.SetPanelText(platform::Panel::Status, kStatusEngineMissing);
        return false;
    case LinkOutcome::NoHandshake:
        parts_.panels.SetPanelText(platform::Panel::Status, kStatusNoEngineConnection);
        return true;
    case LinkOutcome::Linked:
        parts_.panels.SetPanelText(platform::Panel::Status, kStatusReady);
        return true;
    }
    return false;
}

}  // namespace zorbel
