#include "decoder/ModeFindingDecoder.h"

namespace zorbel::decoder {

ModeFindingDecoder::ModeFindingDecoder(const RttyMode& mode, double sampleRate, DecoderOptions options,
                                       SearchedParts parts)
    : mode_(mode), sampleRate_(sampleRate), options_(options), parts_(parts) {
    parts_.polarity = options.findPolarity;
    if (SearchesMode()) {
        Search();
    } else {
        reading_ = std::make_unique<RttyDecoder>(mode_, sampleRate_, options_);
    }
}

void ModeFindingDecoder::Search() {
    reading_.reset();
    search_ = std::make_unique<ModeSearch>(mode_, sampleRate_, parts_);
}

std::string ModeFindingDecoder::Read(const RttyMode& mode) {
    // Where the polarity is found, the search's is only where finding it starts.
    mode_ = mode;
    reading_ = std::make_unique<RttyDecoder>(mode_, sampleRate_, options_);
    reading_->SetNotches(notchHz_[0], notchHz_[1]);
    const std::string text = reading_->Decode(search_->Heard());
    search_.reset();
    return text;
}

std::string ModeFindingDecoder::Decode(std::span<const float> samples) {
    if (!SearchesMode()) return reading_->Decode(samples);
    std::string text;
    if (search_) {
        search_->Add(samples);
        if (const std::optional<RttyMode> found = search_->Found()) {
            text += Read(*found);
        } else if (search_->EndedUndecided()) {
            // A short or weak transmission: given in the likeliest mode.
            if (const std::optional<RttyMode> likeliest = search_->Likeliest()) {
                text += Read(*likeliest);
                text += reading_->Finish();
            }
            Search();
        }
        return text;
    }
    text += reading_->Decode(samples);
    // A long silence: the decoder gave what it held and listens afresh, and
    // the next transmission may come in another mode.
    if (!reading_->Heard()) Search();
    return text;
}

std::string ModeFindingDecoder::Finish() {
    if (!SearchesMode()) return reading_->Finish();
    std::string text;
    if (search_) {
        if (const std::optional<RttyMode> likeliest = search_->Likeliest()) text += Read(*likeliest);
    }
    if (reading_) text += reading_->Finish();
    Search();
    return text;
}

void ModeFindingDecoder::SetNotches(double firstHz, double secondHz) {
    notchHz_[0] = firstHz;
    notchHz_[1] = secondHz;
    if (reading_) reading_->SetNotches(firstHz, secondHz);
}

}  // namespace zorbel::decoder
