#include "zorbel-engine/SoundCardWatch.h"

namespace zorbel::engine_side {

void SoundCardWatch::Opened(std::uint64_t nowMs) {
    state_ = State::Opening;
    lossReported_ = false;
    sinceMs_ = nowMs;
}

void SoundCardWatch::Reopened(std::uint64_t nowMs) {
    state_ = State::Opening;
    sinceMs_ = nowMs;
}

void SoundCardWatch::ReopenFailed(std::uint64_t nowMs) {
    state_ = State::Gone;
    sinceMs_ = nowMs;
}

SoundCardWatch::Arrival SoundCardWatch::Delivered(std::uint64_t nowMs) {
    if (state_ == State::Off || state_ == State::Gone) return Arrival::Running;  // a late buffer of a closed card
    const bool first = state_ == State::Opening;
    state_ = State::Running;
    sinceMs_ = nowMs;
    if (!first) return Arrival::Running;
    const bool back = lossReported_;
    lossReported_ = false;
    return back ? Arrival::Back : Arrival::First;
}

SoundCardWatch::Step SoundCardWatch::Refused(std::uint64_t nowMs) {
    if (state_ != State::Opening && state_ != State::Running) return Step::Nothing;
    return Lose(nowMs);
}

SoundCardWatch::Step SoundCardWatch::Tick(std::uint64_t nowMs) {
    switch (state_) {
    case State::Opening:
        return nowMs - sinceMs_ >= kFirstBufferMs ? Lose(nowMs) : Step::Nothing;
    case State::Running:
        return nowMs - sinceMs_ >= kSilentMs ? Lose(nowMs) : Step::Nothing;
    case State::Gone:
        return nowMs - sinceMs_ >= kRetryMs ? Step::Reopen : Step::Nothing;
    default:
        return Step::Nothing;
    }
}

SoundCardWatch::Step SoundCardWatch::Lose(std::uint64_t nowMs) {
    state_ = State::Gone;
    sinceMs_ = nowMs;
    if (lossReported_) return Step::CloseQuietly;
    lossReported_ = true;
    return Step::CloseAndReportLoss;
}

}  // namespace zorbel::engine_side
