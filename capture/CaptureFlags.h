#pragma once
// The two flags that together give the capture state: off/waiting
// (captureIdle && saveIdle), writing (!captureIdle), saving (!saveIdle).

namespace zorbel {

struct CaptureFlags {
    bool captureIdle = true;
    bool saveIdle = true;

    bool Writing() const { return !captureIdle; }
    bool Saving() const { return captureIdle && !saveIdle; }
};

}  // namespace zorbel
