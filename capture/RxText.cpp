#include "capture/RxText.h"

#include <algorithm>
#include <limits>
#include <string>

#include "config/ProgramValues.h"

namespace zorbel {

RxText::RxText(platform::RxView& rx, platform::StatusPanels& panels)
    : rx_(rx), panels_(panels), lineCount_(values::kRxLineCountStart) {}

void RxText::AppendLine(std::string_view ansiLine) {
    rx_.AppendAtEnd(ansiLine);
    ShowLineCount();
    CountLine();
}

void RxText::AppendLongLineChunk(std::string_view ansiChunk) {
    CountLine();
    rx_.AppendAtEnd(ansiChunk);
    ShowLineCount();
}

void RxText::ShowLineCount() {
    panels_.SetPanelText(platform::Panel::Lines, std::string(values::kLinesPanelPrefix) + std::to_string(lineCount_));
}

void RxText::RxKeyDown(int keyCode) {
    if (keyCode == values::kKeyEnter) {
        CountLine();
        ShowLineCount();
    } else if (keyCode == values::kKeyDelete) {
        const std::string selected = rx_.SelectedText();
        const auto returns = std::count(selected.begin(), selected.end(), '\r');
        lineCount_ = static_cast<std::int32_t>(
            std::max<std::int64_t>(std::int64_t{lineCount_} - returns, std::numeric_limits<std::int32_t>::min()));
        ShowLineCount();
    }
}

void RxText::Cleared() {
    RestartLineCount();
    unsaved_ = false;
    ShowNoCount();
}

void RxText::Replaced() {
    unsaved_ = false;
    ShowNoCount();
}

void RxText::RestartLineCount() { lineCount_ = values::kRxLineCountStart; }

void RxText::CountLine() {
    if (lineCount_ < std::numeric_limits<std::int32_t>::max()) ++lineCount_;
}

void RxText::ShowNoCount() { panels_.SetPanelText(platform::Panel::Lines, values::kLinesPanelPrefix); }

}  // namespace zorbel
