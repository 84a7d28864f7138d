#pragma once
// Watches the sound card the engine listens to and says when to give it up
// and when to try it again. A card that stops delivering buffers has gone:
// under Wine, PulseAudio losing its source reports nothing at all (no error,
// no close message), the buffers simply stop; on Windows a removed card may
// also refuse its buffers back. A card that has gone is opened again every
// second until it delivers again, so that a cable pulled and plugged back
// in, or a restarted sound server, needs no restart of the engine. Times are
// a millisecond clock.

#include <cstdint>

namespace zorbel::engine_side {

class SoundCardWatch {
public:
    // What the window has to do with the card.
    enum class Step {
        Nothing,
        CloseAndReportLoss,  // close it and tell the user it has gone
        CloseQuietly,        // close it: a reopening that brought nothing, already reported
        Reopen,              // open it again, and say how that went
    };
    // What a delivered buffer means to the user.
    enum class Arrival {
        Running,  // nothing new
        First,    // the first since the user chose the card
        Back,     // the first since the card was reported lost
    };

    // The user chose the card and it opened.
    void Opened(std::uint64_t nowMs);
    // After Step::Reopen: how it went.
    void Reopened(std::uint64_t nowMs);
    void ReopenFailed(std::uint64_t nowMs);
    // A buffer with samples came from the card.
    Arrival Delivered(std::uint64_t nowMs);
    // The card did not take a buffer back.
    Step Refused(std::uint64_t nowMs);
    // Called a few times a second.
    Step Tick(std::uint64_t nowMs);
    // The user chose another input.
    void Stop() { state_ = State::Off; }
    bool Watching() const { return state_ != State::Off; }

    // A card delivering buffers of 100 ms that sends none for this long has gone.
    static constexpr std::uint64_t kSilentMs = 3000;
    // Wine's PulseAudio driver sends the first buffer of a newly opened card
    // after 0.1 to 2.1 s (a source that has just come back takes the longest),
    // and now and then never: such an opening is given up after this long.
    static constexpr std::uint64_t kFirstBufferMs = 5000;
    static constexpr std::uint64_t kRetryMs = 1000;

private:
    enum class State { Off, Opening, Running, Gone };

    Step Lose(std::uint64_t nowMs);

    State state_ = State::Off;
    bool lossReported_ = false;
    std::uint64_t sinceMs_ = 0;  // Opening: opened; Running: last buffer; Gone: last try
};

}  // namespace zorbel::engine_side
