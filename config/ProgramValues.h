#pragma once
// Program-wide values: the texts, limits and names that the whole program
// shares. UI texts are UTF-8.

#include <string_view>

#include "config/Version.h"

namespace zorbel::values {

inline constexpr std::string_view kProductName = ZORBEL_PRODUCT_NAME;
inline constexpr int kVersionMajor = ZORBEL_VERSION_MAJOR;
inline constexpr int kVersionMinor = ZORBEL_VERSION_MINOR;
inline constexpr int kVersionRevision = ZORBEL_VERSION_REVISION;

// Receive pipeline
inline constexpr std::size_t kLongLineLimit = 80;  // a buffer of 81 characters is flushed
inline constexpr int kRxLineCountStart = 1;
inline constexpr std::string_view kLinesPanelPrefix = "Zeilen:";

// Status panel design texts
inline constexpr std::string_view kPanelStatus = "Status:";
inline constexpr std::string_view kPanelLines = "Zeilen:";
inline constexpr std::string_view kPanelMemory = "Speicherauslastung:";

// Keys of the Rx window that the line count follows
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyDelete = 46;

}  // namespace zorbel::values
