#include "zorbel-engine/win32/WaveInput.h"

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
    waveInReset(input_);
    for (auto& header : headers_)
        if (header.dwFlags & WHDR_PREPARED) waveInUnprepareHeader(input_, &header, sizeof header);
    waveInClose(input_);
    input_ = nullptr;
}

bool WaveInput::Take(LPARAM buffer, std::vector<float>& samples) {
    auto* header = reinterpret_cast<WAVEHDR*>(buffer);
    samples.clear();
    // A buffer handed back by Close, or one from an earlier device, carries nothing to decode.
    if (!input_ || closing_ || header < headers_.data() || header >= headers_.data() + kBuffers ||
        !(header->dwFlags & WHDR_DONE))
        return true;
    const auto* data = reinterpret_cast<const std::int16_t*>(header->lpData);
    const std::size_t count = header->dwBytesRecorded / sizeof(std::int16_t);
    for (std::size_t at = 0; at < count; ++at) samples.push_back(static_cast<float>(data[at]) / 32768.0f);
    return waveInAddBuffer(input_, header, sizeof *header) == MMSYSERR_NOERROR;
}

}  // namespace zorbel::engine_side
