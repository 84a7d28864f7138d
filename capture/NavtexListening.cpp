#include "capture/NavtexListening.h"

namespace zorbel {

bool NavtexListening::HookEngineWindow(platform::EngineCharacterSink& capture) {
    if (!hook_.HookEngineWindow(*this)) return false;
    capture_ = &capture;
    return true;
}

void NavtexListening::UnhookEngineWindow() {
    hook_.UnhookEngineWindow();
    if (!capture_) return;
    capture_ = nullptr;
    navtex_.EndOfSignal();
}

// The capture may end reception on this code and so unhook; the reader is ours and stays.
void NavtexListening::TakeEngineCharacter(std::int32_t code) {
    capture_->TakeEngineCharacter(code);
    if (code >= 0 && code <= 255) navtex_.TakeCharacter(static_cast<char>(code));
}

void NavtexListening::CheckEngine() { capture_->CheckEngine(); }

}  // namespace zorbel
