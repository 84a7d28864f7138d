#pragma once
// The engine window's menu: recordings ("Datei"), the mode's choices
// ("Modus"), the inputs ("Eingang": recordings or a sound card) and the
// radiofax's settings and corrections ("Wetterfax"), with
// check marks that follow the state.

#include <windows.h>

#include <string>
#include <vector>

#include "decoder/RttyMode.h"

namespace zorbel::engine_side {

struct MenuState {
    decoder::RttyMode mode;
    bool findMode = true;
    bool findPolarity = true;
    bool unshiftOnSpace = false;
    bool fast = false;
    bool canPlayAgain = false;
    int device = -1;  // the sound card listened to, or none
    bool navtex = false;
    bool fax = false;
    int faxFrequencyHz = 0;
    double faxDeviationHz = 0.0;
};

class EngineMenu {
public:
    // Builds the menu bar of the window; devices: the sound cards' names.
    void Attach(HWND window, const std::vector<std::wstring>& devices);
    void Check(const MenuState& state) const;

    // A mode entry's choice applied to mode; false when id is no mode choice.
    static bool PickModeChoice(int id, decoder::RttyMode& mode);
    // Whether the entry chooses baud or shift, which are then no longer found.
    static bool ChoosesBaudOrShift(int id);
    // Whether the entry chooses an RTTY mode, so NAVTEX or radiofax is left: a preset,
    // baud, shift or stop bits, or finding baud and shift. The mark is
    // NAVTEX's too, and the polarity is kept for RTTY.
    static bool ChoosesRtty(int id);
    // The fax transmitter's frequency an entry chooses; false when id is no such entry.
    static bool PickFaxFrequency(int id, int& frequencyHz);

private:
    HWND window_ = nullptr;
    HMENU inputs_ = nullptr;
    std::size_t devices_ = 0;
};

}  // namespace zorbel::engine_side
