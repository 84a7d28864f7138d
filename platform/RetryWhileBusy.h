#pragma once
// A bounded retry for a resource that another program holds for a moment
// (a virus scanner or a sync client that has a file open): the attempt is
// repeated with a pause in between until it succeeds, fails for good, or
// the tries are used up.

namespace zorbel::platform {

enum class Attempt { Done, Busy, Failed };

// True when an attempt reported Done within `tries` attempts; pauses only
// between attempts.
template <typename TryOnce, typename Pause>
bool RetryWhileBusy(int tries, TryOnce tryOnce, Pause pause) {
    for (int tried = 1;; ++tried) {
        const Attempt result = tryOnce();
        if (result != Attempt::Busy) return result == Attempt::Done;
        if (tried >= tries) return false;
        pause();
    }
}

}  // namespace zorbel::platform
