#include "capture/ExitSequence.h"

#include <utility>

namespace zorbel {
namespace {

// Marks an exit as running for as long as the scope lasts.
class Running {
public:
    explicit Running(bool& flag) : flag_(flag), before_(std::exchange(flag, true)) {}
    ~Running() { flag_ = before_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& flag_;
    bool before_;
};

}  // namespace

bool ExitSequence::CloseRequested() {
    // Boxes and the engine's end let messages through: a close arriving meanwhile is ignored.
    if (exiting_) return false;
    const Running running(exiting_);
    steps_.HideEngineWindow();
    if (!dialogs_.AskYesNo("Das Programm wirklich beenden ?", "Programmende")) return false;
    if (!steps_.OfferToSave()) return false;
    End();
    return true;
}

bool ExitSequence::SessionEndQueried() {
    if (!steps_.HasUnsavedText()) return true;
    // Windows waits for this answer, so it is given even while a close runs; a close waits for it.
    const Running running(exiting_);
    steps_.BlockSessionEnd(true);
    const bool saved = steps_.OfferToSave();
    steps_.BlockSessionEnd(false);
    return saved;
}

void ExitSequence::SessionEnds() { End(); }

void ExitSequence::End() {
    // A session end inside a close's question has ended everything already.
    if (ended_) return;
    ended_ = true;
    steps_.Unhook();
    steps_.ShutDownEngine();
    steps_.SaveSettings();
}

}  // namespace zorbel
