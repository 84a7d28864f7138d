#include "zorbel-engine/FaxReceiver.h"

#include <cmath>
#include <utility>

#include "decoder/FaxChart.h"

namespace zorbel::engine_side {
namespace {

// Finding the timing looks at the whole chart so far: found again after so many new lines, not at every picture.
constexpr double kLinesBetweenTimings = 20.0;

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

int FaxReceiver::LinesSoFar() const {
    const double line = mode_.LineSeconds() * decoder_.BrightnessRate();
    return static_cast<int>(static_cast<double>(decoder_.ReceivedSoFar().size()) / line);
}

decoder::GreyImage FaxReceiver::ChartSoFar() {
    const std::span<const float> brightness = decoder_.ReceivedSoFar();
    if (brightness.empty()) return {};
    const double line = mode_.LineSeconds() * decoder_.BrightnessRate();
    if (timedSamples_ == 0 || static_cast<double>(brightness.size() - timedSamples_) >= kLinesBetweenTimings * line) {
        timing_ = decoder::FindLineTiming(brightness, mode_, decoder_.BrightnessRate());
        timedSamples_ = brightness.size();
    }
    return decoder::DrawChart(brightness, Corrected(timing_), mode_.ElementsPerLine());
}

std::vector<ReceivedChart> FaxReceiver::TakeEnded() { return std::exchange(ended_, {}); }

}  // namespace zorbel::engine_side
