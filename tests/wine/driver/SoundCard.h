// The session's sound card (tests/wine/session/sound-server.sh): a
// PulseAudio null sink "radio" whose monitor Wine lists as a capture device.
// The bench plays into it and pulls and puts back the sink with PulseAudio's
// own programs, which Wine starts as Linux programs.
#pragma once

#include <string>

namespace bench {

inline constexpr wchar_t kSinkMonitorName[] = L"Monitor of Radio";

// The waveIn number of the capture device of that name, or -1.
int CaptureDeviceNamed(const std::wstring& name);

// Starts playing the WAV file into the sink in real time and returns at
// once; the test waits for what the sound brings about.
void PlayIntoSink(const std::wstring& wavPath);
// Removes the sink, as when a sound card is pulled out, and puts it back.
void PullSink();
void PutBackSink();

}  // namespace bench
