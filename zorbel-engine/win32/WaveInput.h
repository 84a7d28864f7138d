#pragma once
// The sound card through waveIn: 16-bit mono at 8000 Hz in a ring of short
// buffers, each reported to the engine window as MM_WIM_DATA and queued
// again once taken. Closing waits for the driver to hand every buffer back.

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zorbel::engine_side {

// The names of the input devices, by device number.
std::vector<std::wstring> InputDeviceNames();

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

    // A buffer the driver filled (lParam of MM_WIM_DATA): its samples, and
    // the buffer queued again. False when the device refused it back.
    bool Take(LPARAM buffer, std::vector<float>& samples);

private:
    static constexpr int kBuffers = 4;
    static constexpr std::size_t kBufferSamples = 800;  // 100 ms

    HWAVEIN input_ = nullptr;
    std::array<WAVEHDR, kBuffers> headers_{};
    std::array<std::array<std::int16_t, kBufferSamples>, kBuffers> data_{};
    bool closing_ = false;
};

}  // namespace zorbel::engine_side
