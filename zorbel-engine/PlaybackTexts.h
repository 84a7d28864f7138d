#pragma once
// The message line's German words for a recording the engine cannot play.

#include <string>

#include "decoder/WavFile.h"

namespace zorbel::engine_side {

// Why a file cannot be played, as the end of "Die Datei „…“ lässt sich nicht abspielen: …".
std::wstring WavRefusalReason(const decoder::WavError& error);

// The whole line for a refused file.
std::wstring WavRefusalText(const std::wstring& fileName, const decoder::WavError& error);

}  // namespace zorbel::engine_side
