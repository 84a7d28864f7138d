#pragma once
// Open, save, print and clear of the Rx window: the questions in their order, the
// dialogs' start, the format, and the unsaved mark. Any failure to read or
// write is a box with the reason; the window and the mark stay as they were.

#include <functional>
#include <string>

#include "capture/EngineWindowControl.h"
#include "capture/RxDocument.h"
#include "capture/RxText.h"
#include "config/CaptureSettings.h"
#include "config/StorageFolders.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/DocumentFiles.h"
#include "platform/FileDialogs.h"
#include "platform/Locale.h"
#include "platform/RxDocumentView.h"
#include "platform/RxPrinter.h"
#include "platform/StatusPanels.h"

namespace zorbel {

enum class SaveOutcome { Saved, Cancelled, Failed };

struct RxFileParts {
    platform::RxDocumentView& rx;
    RxText& rxText;
    const CaptureSettings& settings;
    const StorageFolders& folders;
    EngineWindowControl& engineWindow;
    platform::FileDialogs& fileDialogs;
    platform::DocumentFiles& files;
    platform::RxPrinter& printer;
    platform::Dialogs& dialogs;
    platform::StatusPanels& panels;
    const platform::Clock& clock;
    const platform::Locale& locale;
};

class RxFileCommands {
public:
    explicit RxFileCommands(const RxFileParts& parts) : parts_(parts) {}

    void Open();
    // A failed dialog or write shows its box and counts as Failed; Cancel in
    // the dialog is Cancelled.
    SaveOutcome Save();
    void Print();
    void Clear();
    // Asks "Text speichern ?" when the window holds unsaved text and saves on
    // Yes. False when that save did not happen (failed, or cancelled in its
    // dialog): the caller must not go on, or the text would be lost.
    bool OfferToSave();
    // Runs a format command. The text becomes unsaved only when its rich text
    // changed: a cancelled font dialog, bold on bold text or a template the
    // text already has change nothing.
    void Format(const std::function<void()>& change);

private:
    // The chosen file; nothing when the user cancelled or the dialog failed
    // (then a box says why).
    const platform::ChosenFile* TakeChoice(const platform::FileChoice& answer);
    DialogStart DialogStartHere() const;
    // The box of a failed action: what failed (a path, UTF-16), then the reason.
    void ShowFailure(const std::wstring& wideWhat, const std::string& utf8Reason);

    RxFileParts parts_;
};

}  // namespace zorbel
