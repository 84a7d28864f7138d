// A window of the calling thread in zorbel's place towards an engine: it
// takes the engine's posts as zorbel would, notes the engine's window from
// its announcement and counts the characters. Message-only and invisible.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <memory>

namespace bench {

class CountingProgram {
 public:
  CountingProgram();  // throws when the window cannot be made
  HWND window() const { return window_.get(); }
  UINT linkMessage() const { return state_->linkMessage; }
  HWND engine() const { return state_->engine; }
  std::uint64_t characters() const { return state_->characters; }

 private:
  struct State {
    UINT linkMessage = 0;
    HWND engine = nullptr;
    std::uint64_t characters = 0;
  };
  struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
  };
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::unique_ptr<State> state_;  // the window points to it, so it stays where it is
  std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer> window_;
};

// Dispatches everything queued to this thread, then waits for more, until
// `done` or the bound; whether `done`.
template <class Condition>
bool PumpUntil(Condition done, std::chrono::milliseconds bound) {
  const auto deadline = std::chrono::steady_clock::now() + bound;
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (done()) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left < 50 ? left : 50), QS_ALLINPUT);
  }
}

}  // namespace bench
