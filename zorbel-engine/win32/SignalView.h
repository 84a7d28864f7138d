#pragma once
// The engine window's picture of the signal: the spectrum from 0 to 3000 Hz
// with the mark and space tones marked, a waterfall under it and, at the
// right, a tuning indicator with the levels of the two tones. Painted into a
// memory bitmap first, so that a frame never flickers; a click into the
// spectrum or waterfall names a new mark frequency.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "win32/Handles.h"
#include "win32/Window.h"
#include "zorbel-engine/SignalFrame.h"

namespace zorbel::engine_side {

class SignalView : public win32::Window {
public:
    using MarkChosen = std::function<void(double frequencyHz)>;

    explicit SignalView(MarkChosen markChosen) : markChosen_(std::move(markChosen)) {}
    bool Create(HWND parent, int controlId);

    // A new frame: its waterfall lines are added, and the picture is painted anew.
    void Show(const SignalFrame& frame);
    // Where the tones lie, before any audio or while none comes.
    void ShowTones(double markToneHz, double spaceToneHz);
    // The screen's pixels per inch: labels and the tuning indicator grow with it.
    void SetDpi(int dpi);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC target, const RECT& client);
    void PaintSpectrum(HDC dc, const RECT& area) const;
    void PaintWaterfall(HDC dc, const RECT& area);
    void PaintTuning(HDC dc, const RECT& area) const;
    int XOf(double frequencyHz, const RECT& area) const;
    int Scaled(int pixelsAt96) const;
    // A spectrum's level at a frequency, 0 (floor) to 1 (top).
    double LevelAt(std::span<const float> powerDb, double frequencyHz) const;

    MarkChosen markChosen_;
    int dpi_ = 96;
    win32::FontHandle labelFont_;
    std::vector<float> powerDb_;
    double binHz_ = 1.0;
    double markToneHz_ = 0.0;
    double spaceToneHz_ = 0.0;
    double topDb_ = -20.0;  // follows the strongest bin slowly
    double markLevelDb_ = -200.0;
    double spaceLevelDb_ = -200.0;
    double toneTopDb_ = -20.0;  // follows the louder tone slowly
    // Waterfall lines, newest first, as 32-bit pixels of waterfallWidth_.
    std::vector<std::uint32_t> waterfall_;
    int waterfallWidth_ = 0;
    int waterfallRows_ = 0;
};

}  // namespace zorbel::engine_side
