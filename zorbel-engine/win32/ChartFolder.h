#pragma once
// Where the weather charts received are kept: the folder the user chose, or
// "Wetterkarten" in the user's documents.

#include <windows.h>

#include <optional>
#include <string>

#include "zorbel-engine/EngineSettings.h"

namespace zorbel::engine_side {

std::wstring ChartFolder(const EngineSettings& settings);

// The system's folder dialog, opened on `wideStart`; none when cancelled.
std::optional<std::wstring> AskChartFolder(HWND owner, const std::wstring& wideStart);

}  // namespace zorbel::engine_side
