#include "capture/ReceivePipeline.h"

#include <algorithm>
#include <limits>

#include "config/ProgramValues.h"

namespace zorbel {

ReceivePipeline::ReceivePipeline(platform::RxView& rx, platform::StatusPanels& panels,
                                 platform::LineLabel& label, const CaptureFlags& flags)
    : rx_(rx), panels_(panels), label_(label), flags_(flags), rxLineCount_(values::kRxLineCountStart) {}

std::string ReceivePipeline::AppendToLineBuffer(char ansiChar) {
    lineBuffer_.push_back(ansiChar);
    lineUnfinished_ = true;
    if (lineBuffer_.size() <= values::kLongLineLimit) {
        label_.Show(lineBuffer_);
        return {};
    }
    std::string chunk;
    chunk.swap(lineBuffer_);
    label_.Show(lineBuffer_);
    if (!flags_.Writing()) return chunk;
    CountRxLine();
    AppendToRxWindow(chunk);
    return {};
}

void ReceivePipeline::ClearLineBuffer() {
    lineBuffer_.clear();
    lineUnfinished_ = false;
    label_.Show(lineBuffer_);
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
