#include "decoder/FaxGenerator.h"

#include <cmath>
#include <numbers>

namespace zorbel::decoder {
namespace {

constexpr int kPartsOfSample = 8;

// Black and white alternating toneHz times a second.
double ToneBrightness(double seconds, double toneHz) {
    return static_cast<long long>(2.0 * toneHz * seconds) % 2 == 0 ? 1.0 : 0.0;
}

// The brightness the sender keys at a time from its start, by its own clock.
class Keying {
public:
    Keying(const GreyImage& chart, const FaxMode& mode, const FaxTransmission& transmission)
        : chart_(chart),
          mode_(mode),
          transmission_(transmission),
          line_(mode.LineSeconds()),
          phasingEnd_(transmission.startToneSeconds + transmission.phasingLines * line_),
          pictureEnd_(phasingEnd_ + chart.height * line_),
          stopEnd_(pictureEnd_ + transmission.stopToneSeconds),
          end_(stopEnd_ + transmission.blackSeconds) {}

    double End() const { return end_; }

    double At(double seconds) const {
        if (seconds < transmission_.startToneSeconds) return ToneBrightness(seconds, mode_.StartToneHz());
        if (seconds < phasingEnd_) {
            const double share = std::fmod(seconds - transmission_.startToneSeconds, line_) / line_;
            return share < mode_.phasingPulseShare ? 1.0 : 0.0;
        }
        if (seconds < pictureEnd_) {
            const double lines = (seconds - phasingEnd_) / line_;
            // The chart's columns spread over the line: the same as stretching
            // them to the mode's elements first.
            const int row = static_cast<int>(lines);
            const int column = static_cast<int>((lines - row) * chart_.width);
            return chart_.At(std::min(column, chart_.width - 1), row) / 255.0;
        }
        if (seconds < stopEnd_) return ToneBrightness(seconds - pictureEnd_, mode_.stopToneHz);
        return 0.0;
    }

private:
    const GreyImage& chart_;
    const FaxMode& mode_;
    const FaxTransmission& transmission_;
    double line_, phasingEnd_, pictureEnd_, stopEnd_, end_;
};

}  // namespace

std::vector<float> GenerateFax(const GreyImage& chart, const FaxMode& mode, const FaxTransmission& transmission,
                               const SignalShape& shape) {
    const Keying keying(chart, mode, transmission);
    std::vector<float> samples(static_cast<std::size_t>(shape.silenceBeforeSeconds * shape.sampleRate), 0.0f);
    const auto count = static_cast<std::size_t>(keying.End() / (1.0 + shape.rateOff) * shape.sampleRate);
    double phase = 0.0;
    for (std::size_t index = 0; index < count; ++index) {
        samples.push_back(static_cast<float>(shape.amplitude * std::sin(phase)));
        // The frequency averaged over the sample's time, so that an element's
        // edge falls between samples as it does on the air.
        double hz = 0.0;
        for (int part = 0; part < kPartsOfSample; ++part) {
            const double seconds = (static_cast<double>(index) + (part + 0.5) / kPartsOfSample) / shape.sampleRate;
            hz += mode.FrequencyHz(keying.At(seconds * (1.0 + shape.rateOff))) / kPartsOfSample;
        }
        phase = std::fmod(phase + 2.0 * std::numbers::pi * hz / shape.sampleRate, 2.0 * std::numbers::pi);
    }
    samples.resize(samples.size() + static_cast<std::size_t>(shape.silenceAfterSeconds * shape.sampleRate), 0.0f);
    return samples;
}

}  // namespace zorbel::decoder
