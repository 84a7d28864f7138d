#include "zorbel-engine/PlaybackTexts.h"

#include "decoder/DecoderLimits.h"

namespace zorbel::engine_side {

std::wstring WavRefusalReason(const decoder::WavError& error) {
    using decoder::WavProblem;
    switch (error.Problem()) {
    case WavProblem::NotWav: return L"sie ist keine WAV-Datei (der RIFF/WAVE-Kopf fehlt)";
    case WavProblem::FormatChunkTooShort: return L"ihr Formatabschnitt ist zu kurz";
    case WavProblem::UnsupportedSampleFormat:
        return L"ihr Sampleformat wird nicht unterstützt (Code " + std::to_wstring(error.Figure(0)) + L", " +
               std::to_wstring(error.Figure(1)) + L" Bit); lesbar sind PCM mit 8, 16 oder 24 Bit und 32-Bit-Gleitkomma";
    case WavProblem::NoChannels: return L"sie nennt keine Kanäle";
    case WavProblem::RateOutsideRange:
        return L"ihre Abtastrate von " + std::to_wstring(error.Figure(0)) + L" Hz liegt nicht zwischen " +
               std::to_wstring(static_cast<long>(decoder::kSampleRateRange.lowest)) + L" und " +
               std::to_wstring(static_cast<long>(decoder::kSampleRateRange.highest)) + L" Hz";
    case WavProblem::NoFormatBeforeData: return L"vor ihren Audiodaten steht kein Formatabschnitt";
    case WavProblem::NoAudio: return L"sie enthält keine Audiodaten";
    case WavProblem::NoDataChunk: return L"sie ist abgeschnitten, die Audiodaten fehlen";
    case WavProblem::NoFormatChunk: return L"sie ist abgeschnitten, der Formatabschnitt fehlt";
    case WavProblem::CannotOpen: return L"sie lässt sich nicht öffnen";
    case WavProblem::CannotRead: return L"sie lässt sich nicht lesen";
    case WavProblem::CannotWrite: return L"sie lässt sich nicht schreiben";
    }
    return L"sie lässt sich nicht lesen";
}

std::wstring WavRefusalText(const std::wstring& fileName, const decoder::WavError& error) {
    return L"Die Datei „" + fileName + L"“ lässt sich nicht abspielen: " + WavRefusalReason(error) + L".";
}

}  // namespace zorbel::engine_side
