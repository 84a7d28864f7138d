#include "capture/ExitSequence.h"

namespace zorbel {

bool ExitSequence::CloseRequested() {
    steps_.HideEngineWindow();
    if (!dialogs_.AskYesNo("Das Programm wirklich beenden ?", "Programmende")) return false;
    if (!steps_.OfferToSave()) return false;
    EndReception();
    steps_.SaveSettings();
    return true;
}

void ExitSequence::SessionEnding() {
    const bool asks = steps_.HasUnsavedText();
    if (asks) steps_.BlockSessionEnd(true);
    EndReception();
    // The session ends whatever the save gives: a failure box has shown the reason.
    steps_.OfferToSave();
    if (asks) steps_.BlockSessionEnd(false);
    steps_.SaveSettings();
}

void ExitSequence::EndReception() {
    steps_.Unhook();
    steps_.ShutDownEngine();
}

}  // namespace zorbel
