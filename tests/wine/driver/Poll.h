// Bounded waiting: every wait of the bench polls a condition with short
// sleeps up to a deadline and reports whether the condition came true.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

namespace bench {

using std::chrono::milliseconds;

inline constexpr milliseconds kPollInterval{20};

template <class Condition>
bool PollUntil(Condition condition, milliseconds bound) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(static_cast<DWORD>(kPollInterval.count()));
  }
}

// Polls `produce` (returning std::optional) until it yields a value.
template <class Produce>
auto PollFor(Produce produce, milliseconds bound) -> decltype(produce()) {
  decltype(produce()) result;
  PollUntil([&] { return (result = produce()).has_value(); }, bound);
  return result;
}

}  // namespace bench
