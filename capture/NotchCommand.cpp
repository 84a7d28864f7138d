#include "capture/NotchCommand.h"

#include <optional>

#include "config/BasicNumbers.h"
#include "config/EngineTexts.h"

namespace zorbel {
namespace {

// An entry must fit the 16-bit signed half of the pair.
constexpr int kNotchLowest = 0;
constexpr int kNotchHighest = 32767;

}  // namespace

void NotchCommand::AskAndSendNotch() {
    if (!channel_.PostEngineCommand(engine::EngineCommand::QueryValues, 0)) {
        ShowNoConnection();
        return;
    }
    const engine::EngineAnswers answers = channel_.WaitForEngineValues();
    if (answers.answered == 0) ShowNoConnection();
    TakeEngineNotches(answers);
    notchStep_ = notchStep_ == 1 ? 2 : 1;

    const std::string defaultText =
        FormatStrOfHalf(std::int64_t{answers.values.valueA} + std::int64_t{answers.values.valueB});
    // Without the engine's frequencies there is nothing to orient the entry on.
    if (defaultText == " 0") return;

    const std::optional<std::string> answer = dialogs_.AskText(Prompt(), Title(), defaultText);
    if (!answer || answer->empty()) return;

    const double entered = RoundHalfEven(ReadVal(*answer));
    if (entered < kNotchLowest || entered > kNotchHighest) {
        dialogs_.ShowMessage(platform::MessageIcon::Exclamation, kNotchRangePrompt, kNotchRangeTitle);
        return;
    }
    const auto notch = static_cast<std::int32_t>(entered);
    std::int32_t pair = 0;
    if (notchStep_ == 2) {
        notch2_ = notch;
        pair = engine::PackNotchPair(notch1_, notch2_);
    } else {
        notch1_ = notch;
        pair = engine::PackNotchPair(notch2_, notch1_);
    }
    if (!channel_.PostEngineCommand(engine::EngineCommand::SetNotch, pair)) dialogs_.Beep();
}

void NotchCommand::TakeEngineNotches(const engine::EngineAnswers& answers) {
    // Without the pair the values are only the defaults; entering a notch
    // on them would clear the engine's other notch.
    if (notchesTaken_ || !answers.notchPairArrived) return;
    notch1_ = answers.values.notchHigh;
    notch2_ = answers.values.notchLow;
    notchesTaken_ = true;
}

std::string NotchCommand::Prompt() const {
    std::string prompt;
    for (const std::string_view line : kNotchPromptLines) {
        prompt += line;
        prompt += kPromptLineBreak;
    }
    return prompt + std::string(kNotchPromptNotch1) + FormatStr(notch1_) + std::string(kNotchPromptUnit) +
           std::string(kPromptLineBreak) + std::string(kNotchPromptNotch2) + FormatStr(notch2_) +
           std::string(kNotchPromptUnit);
}

std::string NotchCommand::Title() const {
    return std::string(kNotchTitlePrefix) + FormatStr(notchStep_) + std::string(kNotchTitleSuffix);
}

void NotchCommand::ShowNoConnection() {
    dialogs_.ShowMessage(platform::MessageIcon::Exclamation, kNoEngineConnectionPrompt, kNoEngineConnectionTitle);
}

}  // namespace zorbel
