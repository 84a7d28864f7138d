#include "decoder/ShiftReading.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "decoder/Ita2.h"

namespace zorbel::decoder {
namespace {

// A reading is taken once it is this much likelier than the other (as a
// natural logarithm, about 50 to 1) with so many characters received since
// the last one lost (the evidence for a shift lies in the characters after
// it), or once so many characters are held; far less likely readings go.
constexpr double kSettled = 4.0;
constexpr int kLookAhead = 6;
constexpr std::size_t kMostHeld = 16;
constexpr double kDropped = 15.0;
// A lost character's bits tell little in a deep fade, however sure they
// seem: it was a shift at least this likely.
constexpr double kLeastShiftShare = 0.02;
// How much less often than the others a code comes that is rare in its
// state: a sign seldom sent in figures, a shift into the state it is in.
constexpr double kRare = 0.05;
// How much likelier than any other code a shift out of the state is:
// groups of figures are short, and numbers come often in NAVTEX's text.
constexpr double kLikelyShift = 4.0;
constexpr std::uint8_t kCarriageReturn = 0x08;
constexpr std::uint8_t kLineFeed = 0x02;

// Whether the code is rare in figures (index = ITA2 code): the signs on
// S, H, J, D, F, G, B, V, Z (' # bell $ ! & ? = +) and the figures shift
// itself.
constexpr std::array<bool, 32> kRareInFigures = [] {
    std::array<bool, 32> rare{};
    for (const std::uint8_t code : {0x05, 0x14, 0x0B, 0x09, 0x0D, 0x1A, 0x19, 0x1E, 0x11}) rare[code] = true;
    rare[kIta2Figures] = true;
    return rare;
}();

// Whether the code is a figure or sign (in figures) that follows a space:
// a number ends at a space, and the word after it begins with a letters
// shift (5 TO 6 goes as 5, space, letters shift, TO). Text left in figures
// by a lost letters shift reads so at every word.
bool FigureAfterSpace(std::uint8_t code, bool figures, bool afterSpace) {
    return figures && afterSpace && code != kIta2Space && code != kIta2Letters && code != kIta2Figures &&
           code != kCarriageReturn && code != kLineFeed;
}

// ln of how often the code comes in the state, up to a common term.
double LogShare(std::uint8_t code, bool figures, bool afterSpace) {
    const bool rare = figures ? kRareInFigures[code] : code == kIta2Letters;
    return (rare || FigureAfterSpace(code, figures, afterSpace)) ? std::log(kRare) : 0.0;
}

}  // namespace

ShiftReading::ShiftReading() : readings_{Reading{false, 0.0, {}}} {}

void ShiftReading::Add(std::uint8_t ita2, std::string& text) {
    ita2 &= 0x1F;
    for (Reading& reading : readings_) {
        reading.weight += LogShare(ita2, reading.figures, reading.afterSpace);
        Append(reading, ita2);
    }
    Merge(readings_);
    ++receivedSinceLost_;
    Settle(text, false);
}

void ShiftReading::Append(Reading& reading, std::uint8_t ita2) {
    reading.afterSpace = ita2 == kIta2Space;
    Ita2Reader reader;
    // The reader starts in letters; a figures shift puts it in figures.
    if (reading.figures) reader.Read(kIta2Figures);
    if (const std::optional<char> character = reader.Read(ita2)) reading.held += *character;
    if (ita2 == kIta2Letters) reading.figures = false;
    if (ita2 == kIta2Figures) reading.figures = true;
}

void ShiftReading::AddLost(double lettersShare, double figuresShare, std::optional<std::uint8_t> likeliest,
                           std::string& text) {
    lettersShare = std::max(lettersShare, kLeastShiftShare);
    figuresShare = std::max(figuresShare, kLeastShiftShare);
    receivedSinceLost_ = 0;
    std::vector<Reading> branches;
    const double otherShare = std::max(1e-9, 1.0 - lettersShare - figuresShare);
    for (const Reading& reading : readings_) {
        // The shares as the bits have them, the shift out of the state made
        // likelier.
        const double letters = lettersShare * (reading.figures ? kLikelyShift : kRare);
        const double figures = figuresShare * (reading.figures ? kRare : kLikelyShift);
        const double sum = otherShare + letters + figures;
        Reading other{reading.figures, reading.weight + std::log(otherShare / sum), reading.held, reading.afterSpace};
        // A likely letter shows in lower case, as unsure (NAVTEX sends none; the message reader counts it as
        // wrong, so a repeat still replaces the copy). Anything else lost is '*': a figure, a blank or a line
        // end guessed would read as received, and a wrong position looks right.
        const std::size_t before = other.held.size();
        if (likeliest) Append(other, *likeliest);
        if (other.held.size() == before + 1 && other.held.back() >= 'A' && other.held.back() <= 'Z') {
            other.held.back() = static_cast<char>(other.held.back() - 'A' + 'a');
        } else {
            other.held.resize(before);
            other.held += '*';
        }
        branches.push_back(std::move(other));
        // A shift lost prints nothing, as received it would not.
        if (letters > 0.0) branches.push_back({false, reading.weight + std::log(letters / sum), reading.held});
        if (figures > 0.0) branches.push_back({true, reading.weight + std::log(figures / sum), reading.held});
    }
    Merge(branches);
    readings_ = std::move(branches);
    Settle(text, false);
}

void ShiftReading::Merge(std::vector<Reading>& readings) const {
    std::sort(readings.begin(), readings.end(),
              [](const Reading& left, const Reading& right) { return left.weight > right.weight; });
    std::vector<Reading> kept;
    for (Reading& reading : readings) {
        const bool stateKept = std::any_of(kept.begin(), kept.end(),
                                           [&](const Reading& other) { return other.figures == reading.figures; });
        if (!stateKept) kept.push_back(std::move(reading));
    }
    const double best = kept.front().weight;
    for (Reading& reading : kept) reading.weight -= best;
    readings = std::move(kept);
}

void ShiftReading::Settle(std::string& text, bool anyway) {
    std::erase_if(readings_, [](const Reading& reading) { return reading.weight < -kDropped; });
    const bool clear = readings_.size() == 1 || (readings_[1].weight <= -kSettled && receivedSinceLost_ >= kLookAhead);
    if (!clear && !anyway && readings_.front().held.size() < kMostHeld) return;
    readings_.resize(1);
    text += readings_.front().held;
    readings_.front().held.clear();
}

void ShiftReading::Flush(std::string& text) { Settle(text, true); }

}  // namespace zorbel::decoder
