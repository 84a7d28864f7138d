#include "zorbel-engine/win32/WaveInput.h"

#include <algorithm>

namespace zorbel::engine_side {

std::vector<std::wstring> InputDeviceNames() {
    std::vector<std::wstring> names;
    const UINT count = waveInGetNumDevs();
    for (UINT device = 0; device < count; ++device) {
        WAVEINCAPSW caps{};
        names.push_back(waveInGetDevCapsW(device, &caps, sizeof caps) == MMSYSERR_NOERROR
                            ? std::wstring(caps.szPname)
                            : L"Gerät " + std::to_wstring(device + 1));
    }
    return names;
}

int FindInputDevice(const std::wstring& name) {
    // Numbers move on Windows when a card is removed or added; Wine keeps the
    // list it found at start-up, gone cards included.
    const auto names = InputDeviceNames();
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

std::wstring WaveInput::Open(HWND window, int device) {
    Close();
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = static_cast<DWORD>(kSampleRate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    const MMRESULT opened = waveInOpen(&input_, static_cast<UINT>(device), &format,
                                       reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW);
    if (opened != MMSYSERR_NOERROR) {
        input_ = nullptr;
        wchar_t reason[MAXERRORLENGTH] = {};
        waveInGetErrorTextW(opened, reason, MAXERRORLENGTH);
        return std::wstring(L"Die Soundkarte lässt sich nicht öffnen: ") + reason;
    }
    closing_ = false;
    for (int at = 0; at < kBuffers; ++at) {
        WAVEHDR& header = headers_[at];
        header = {};
        header.lpData = reinterpret_cast<LPSTR>(data_[at].data());
        header.dwBufferLength = static_cast<DWORD>(kBufferSamples * sizeof(std::int16_t));
        if (waveInPrepareHeader(input_, &header, sizeof header) != MMSYSERR_NOERROR ||
            waveInAddBuffer(input_, &header, sizeof header) != MMSYSERR_NOERROR) {
            Close();
            return L"Die Soundkarte nimmt keine Puffer an.";
        }
    }
    if (waveInStart(input_) != MMSYSERR_NOERROR) {
        Close();
        return L"Die Soundkarte startet die Aufnahme nicht.";
    }
    return L"";
}

void WaveInput::Close() {
    if (!input_) return;
    closing_ = true;
    // Reset marks every queued buffer done, so that each can be unprepared.
    // For a card that has gone, Wine's reset fails (its driver cannot stop a
    // stream the sound server dropped), yet unpreparing and closing work.
    waveInReset(input_);
    for (auto& header : headers_)
        if (header.dwFlags & WHDR_PREPARED) waveInUnprepareHeader(input_, &header, sizeof header);
    waveInClose(input_);
    input_ = nullptr;
}

WaveInput::Taken WaveInput::Take(WPARAM device, LPARAM buffer, std::vector<float>& samples) {
    auto* header = reinterpret_cast<WAVEHDR*>(buffer);
    samples.clear();
    // Messages queued by a card closed since (handed back by Close, or before
    // a reopening that reuses these buffers) carry nothing to decode.
    if (!input_ || closing_ || reinterpret_cast<HWAVEIN>(device) != input_ || header < headers_.data() ||
        header >= headers_.data() + kBuffers || !(header->dwFlags & WHDR_DONE))
        return Taken::Stale;
    const auto* data = reinterpret_cast<const std::int16_t*>(header->lpData);
    const std::size_t count = header->dwBytesRecorded / sizeof(std::int16_t);
    for (std::size_t at = 0; at < count; ++at) samples.push_back(static_cast<float>(data[at]) / 32768.0f);
    if (waveInAddBuffer(input_, header, sizeof *header) != MMSYSERR_NOERROR) return Taken::Refused;
    // A removed card on Windows may hand its buffers back empty.
    return samples.empty() ? Taken::Stale : Taken::Samples;
}

}  // namespace zorbel::engine_side
