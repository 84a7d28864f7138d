#include "CountingProgram.h"

#include <stdexcept>
#include <string>

#include "engine/EngineCodes.h"
#include "engine/EngineNames.h"

namespace bench {

using zorbel::engine::EngineAnswer;

CountingProgram::CountingProgram() : state_(std::make_unique<State>()) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"ZorbelBenchCountingProgram";
  RegisterClassW(&windowClass);
  state_->linkMessage = RegisterWindowMessageA(std::string(zorbel::engine::kEngineLinkName).c_str());
  window_.reset(CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr));
  if (!window_) throw std::runtime_error("cannot create the counting window");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state_.get()));
}

LRESULT CALLBACK CountingProgram::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (state && message == state->linkMessage) {
    if (wParam == static_cast<WPARAM>(EngineAnswer::Character)) ++state->characters;
    if (wParam == static_cast<WPARAM>(EngineAnswer::Announce)) state->engine = reinterpret_cast<HWND>(lParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace bench
