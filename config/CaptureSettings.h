#pragma once
// The program-wide switches that decide how received lines are captured.
// The word themes and the settings load set them; the capture state machine
// reads them.

#include <string>

namespace zorbel {

// What the active theme receives: weather reports are saved automatically,
// and the file dialogs start in the category's folder. None: no theme yet.
enum class CaptureCategory { None, Weather, AmateurRadio, Everything };

struct CaptureSettings {
    bool noStartWord = false;  // captures begin without waiting for a start word
    bool noStopWord = false;   // captures never end on a stop word
    bool autoSave = true;      // check mark of "&automatisch  speichern"
    CaptureCategory category = CaptureCategory::None;
    std::wstring wideCaptureFolder;  // the other-files folder, target of automatic saving
    int navtexFrequencyHz = 518'000;  // what the receiver is on, as the NAVTEX window sets it
};

}  // namespace zorbel
