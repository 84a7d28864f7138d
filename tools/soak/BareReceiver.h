// The yardstick for the soak: the same posts from a stand-in engine taken by
// a window that only counts them, so the receive path's rate can be read as
// a share of what the message loop alone manages on this machine.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace soak {

// Starts a stand-in engine in `folder` that feeds `feed` to a counting
// window of this thread; returns the seconds from the feed request to the
// last character, or nothing when they did not all arrive within `bound`.
std::optional<double> TimeBareReceiver(const std::wstring& folder, const std::string& feed,
                                       std::chrono::milliseconds bound);

}  // namespace soak
