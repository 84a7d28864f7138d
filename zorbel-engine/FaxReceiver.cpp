#include "zorbel-engine/FaxReceiver.h"

#include <cmath>
#include <utility>

#include "decoder/FaxChart.h"

namespace zorbel::engine_side {
namespace {

// Finding the timing looks at the whole chart so far: found again after so many new lines, not at every picture;
// at every line while the picture has fewer lines than that (its phasing may still be coming, which moves its start).
constexpr double kLinesBetweenTimings = 20.0;
// After the start tone the phasing lines come, and need some lines to be told: meanwhile no picture line is counted.
constexpr int kLinesToSeePhasing = 16;

}  // namespace

FaxReceiver::FaxReceiver(const decoder::FaxMode& mode, double sampleRate, UtcSeconds audioStart)
    : mode_(mode), decoder_(mode, sampleRate), audioStart_(audioStart) {}

void FaxReceiver::Listen(std::span<const float> audio) {
    const bool before = decoder_.Receiving();
    decoder_.Decode(audio);
    // Drawn with the correction made while it came, before the next chart starts afresh.
    const std::size_t ended = ended_.size();
    KeepEnded();
    if (decoder_.Receiving() && (!before || ended_.size() > ended)) {
        correction_ = {};
        timedSamples_ = 0;
    }
}

void FaxReceiver::Finish() {
    decoder_.Finish();
    KeepEnded();
}

void FaxReceiver::KeepEnded() {
    for (const decoder::FaxReception& reception : decoder_.TakeEnded()) {
        const auto found = decoder::FindLineTiming(reception.brightness, mode_, reception.brightnessRate);
        ReceivedChart received;
        received.chart = decoder::DrawChart(reception.brightness, Corrected(found), mode_.ElementsPerLine());
        received.start = audioStart_ + static_cast<UtcSeconds>(std::floor(reception.startSeconds));
        received.incomplete = reception.Incomplete();
        ended_.push_back(std::move(received));
    }
}

decoder::FaxLineTiming FaxReceiver::Corrected(decoder::FaxLineTiming timing) const {
    timing.lineSamples *= 1.0 + correction_.slantPpm * 1e-6;
    timing.firstLine += correction_.startShare * timing.lineSamples;
    return timing;
}

void FaxReceiver::FindTiming() {
    const std::span<const float> brightness = decoder_.ReceivedSoFar();
    const double line = mode_.LineSeconds() * decoder_.BrightnessRate();
    const double sinceTimed = static_cast<double>(brightness.size() - timedSamples_);
    const bool shortPicture = timing_.Lines(timedSamples_) < kLinesBetweenTimings;
    if (timedSamples_ == 0 || sinceTimed >= (shortPicture ? 1.0 : kLinesBetweenTimings) * line) {
        timing_ = decoder::FindLineTiming(brightness, mode_, decoder_.BrightnessRate());
        timedSamples_ = brightness.size();
    }
}

int FaxReceiver::LinesSoFar() {
    if (!decoder_.Receiving()) return 0;
    FindTiming();
    const int lines = timing_.Lines(decoder_.ReceivedSoFar().size());
    return !timing_.phased && decoder_.StartedBy() == decoder::FaxStart::StartTone && lines < kLinesToSeePhasing
               ? 0
               : lines;
}

decoder::GreyImage FaxReceiver::ChartSoFar() {
    const std::span<const float> brightness = decoder_.ReceivedSoFar();
    if (brightness.empty()) return {};
    FindTiming();
    return decoder::DrawChart(brightness, Corrected(timing_), mode_.ElementsPerLine());
}

std::vector<ReceivedChart> FaxReceiver::TakeEnded() { return std::exchange(ended_, {}); }

}  // namespace zorbel::engine_side
