#include "capture/ReceivePipeline.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "config/ProgramValues.h"

namespace zorbel {

ReceivePipeline::ReceivePipeline(platform::RxView& rx, platform::StatusPanels& panels, platform::LineLabel& label)
    : rx_(rx), panels_(panels), label_(label), rxLineCount_(values::kRxLineCountStart) {}

ReceivedText ReceivePipeline::TakeCharacter(char ansiChar) {
    ReceivedText received;
    if (ansiChar == '\r') return received;
    lineBuffer_.push_back(ansiChar);
    lineUnfinished_ = true;
    if (lineBuffer_.size() > values::kLongLineLimit) received.overflow = std::exchange(lineBuffer_, {});
    if (ansiChar == '\n') {
        received.line = std::exchange(lineBuffer_, {});
        lineUnfinished_ = false;
    }
    label_.Show(lineBuffer_);
    return received;
}

std::optional<std::string> ReceivePipeline::TakeHalfLine() {
    if (!lineUnfinished_) return std::nullopt;
    lineUnfinished_ = false;
    std::string rest = std::exchange(lineBuffer_, {}) + '\n';
    label_.Show(lineBuffer_);
    return rest;
}

void ReceivePipeline::AppendToRxWindow(std::string_view ansiText) {
    rx_.AppendAtEnd(ansiText);
    OnRxWindowChanged();
}

void ReceivePipeline::CountRxLine() {
    if (rxLineCount_ < std::numeric_limits<std::int32_t>::max()) ++rxLineCount_;
}

void ReceivePipeline::ResetRxLineCount() {
    rxLineCount_ = values::kRxLineCountStart;
}

void ReceivePipeline::OnRxWindowChanged() {
    ShowLineCount();
}

void ReceivePipeline::ShowLineCount() {
    panels_.SetPanelText(platform::Panel::Lines,
                         std::string(values::kLinesPanelPrefix) + std::to_string(rxLineCount_));
}

void ReceivePipeline::OnRxKeyDown(int keyCode) {
    if (keyCode == values::kKeyEnter) {
        CountRxLine();
        ShowLineCount();
    } else if (keyCode == values::kKeyDelete) {
        const std::string selected = rx_.SelectedText();
        const auto returns = std::count(selected.begin(), selected.end(), '\r');
        rxLineCount_ = static_cast<std::int32_t>(std::max<std::int64_t>(
            std::int64_t{rxLineCount_} - returns, std::numeric_limits<std::int32_t>::min()));
        ShowLineCount();
    }
}

}  // namespace zorbel
