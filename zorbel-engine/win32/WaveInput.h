#pragma once
// The sound card through waveIn: 16-bit mono at 8000 Hz in a ring of short
// buffers, each reported to the engine window as MM_WIM_DATA and queued
// again once taken. Closing waits for the driver to hand every buffer back.
// Whether the card is still there is for SoundCardWatch to judge: a card
// that has gone may report nothing at all.

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorbel::engine_side {

// The names of the input devices, by device number.
std::vector<std::wstring> InputDeviceNames();
// The device number of the named input, or -1 when no such card is there now.
int FindInputDevice(const std::wstring& name);

class WaveInput {
public:
    static constexpr double kSampleRate = 8000.0;

    WaveInput() = default;
    ~WaveInput() { Close(); }
    WaveInput(const WaveInput&) = delete;
    WaveInput& operator=(const WaveInput&) = delete;

    // Starts recording from the device; "" on success, else what went wrong.
    std::wstring Open(HWND window, int device);
    void Close();
    bool IsOpen() const { return input_ != nullptr; }

    enum class Taken { Samples, Stale, Refused };
    // A buffer the driver filled (MM_WIM_DATA's wParam and lParam): its
    // samples, and the buffer queued again. Stale: the message came from a
    // card closed since, or carries nothing. Refused: the card did not take
    // the buffer back.
    Taken Take(WPARAM device, LPARAM buffer, std::vector<float>& samples);

private:
    static constexpr int kBuffers = 4;
    static constexpr std::size_t kBufferSamples = 800;  // 100 ms

    HWAVEIN input_ = nullptr;
    std::array<WAVEHDR, kBuffers> headers_{};
    std::array<std::array<std::int16_t, kBufferSamples>, kBuffers> data_{};
    bool closing_ = false;
};

}  // namespace zorbel::engine_side
