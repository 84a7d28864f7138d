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

bool ExitSequence::SessionEndQueried() {
    if (!steps_.HasUnsavedText()) return true;
    steps_.BlockSessionEnd(true);
    const bool saved = steps_.OfferToSave();
    steps_.BlockSessionEnd(false);
    return saved;
}

void ExitSequence::SessionEnds() {
    EndReception();
    steps_.SaveSettings();
}

void ExitSequence::EndReception() {
    steps_.Unhook();
    steps_.ShutDownEngine();
}

}  // namespace zorbel
