#pragma once
// Where captured lines go: nowhere while waiting for a start word (and while
// reception is off), into the Rx window while writing, into a capture file
// while saving.

namespace zorbel {

enum class CaptureState { Waiting, Writing, Saving };

}  // namespace zorbel
