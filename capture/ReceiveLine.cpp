#include "capture/ReceiveLine.h"

#include <utility>

#include "config/ProgramValues.h"

namespace zorbel {

ReceivedText ReceiveLine::TakeCharacter(char ansiChar) {
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

std::optional<std::string> ReceiveLine::TakeHalfLine() {
    if (!lineUnfinished_) return std::nullopt;
    lineUnfinished_ = false;
    std::string rest = std::exchange(lineBuffer_, {}) + '\n';
    label_.Show(lineBuffer_);
    return rest;
}

}  // namespace zorbel
