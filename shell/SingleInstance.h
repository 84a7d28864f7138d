#pragma once
// One ZORBEL per user session: a second start says so and ends before it
// touches the shared block, the settings store or the engine.

#include "win32/Handles.h"

namespace zorbel::shell {

class SingleInstance {
public:
    // Takes the session's named mutex; the first instance holds it until it ends.
    SingleInstance();
    bool AnotherIsRunning() const { return anotherIsRunning_; }
    // The box of a second start: exclamation icon, OK, title "ZORBEL läuft bereits ".
    static void ShowAlreadyRunning();

private:
    win32::KernelHandle mutex_;
    bool anotherIsRunning_ = false;
};

}  // namespace zorbel::shell
