#pragma once
// The steps that end the program, in their order. Closing asks first and
// offers to save right after the Yes, so that a save that fails or is
// cancelled in its dialog stops the exit with reception and the engine
// untouched. A session end asks nothing but the save question, and that only
// for unsaved text; reception ends only once no program has refused the end,
// so a refused end leaves ZORBEL receiving.

#include "platform/Dialogs.h"

namespace zorbel {

class ExitSteps {
public:
    virtual ~ExitSteps() = default;
    virtual void HideEngineWindow() = 0;
    virtual bool HasUnsavedText() const = 0;
    // Save question and save; false when the save failed or its dialog was cancelled.
    virtual bool OfferToSave() = 0;
    virtual void Unhook() = 0;
    virtual void ShutDownEngine() = 0;
    virtual void SaveSettings() = 0;
    // While Windows waits for the session end, a reason shows why.
    virtual void BlockSessionEnd(bool blocked) = 0;
};

class ExitSequence {
public:
    ExitSequence(ExitSteps& steps, platform::Dialogs& dialogs) : steps_(steps), dialogs_(dialogs) {}

    // True when the main window may go. One exit at a time: false, asking
    // nothing, while another close or a session end question runs.
    bool CloseRequested();
    // Windows asks whether the session may end: false when a save failed or
    // was cancelled, so that the text is not lost.
    bool SessionEndQueried();
    // The session ends now.
    void SessionEnds();

private:
    // Reception, the engine and the settings, once whatever asks for it.
    void End();

    ExitSteps& steps_;
    platform::Dialogs& dialogs_;
    bool exiting_ = false;
    bool ended_ = false;
};

}  // namespace zorbel
