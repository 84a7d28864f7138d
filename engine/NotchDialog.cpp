#include "engine/NotchDialog.h"

#include <optional>

#include "config/ProgramValues.h"
#include "engine/BasicNumbers.h"

namespace zorbel::engine {

void NotchDialog::munNotch1_Click() {
    if (!channel_.PostEngineCommand(EngineCommand::QueryValues, 0)) {
        ShowNoConnection();
        return;
    }
    const EngineAnswers answers = channel_.WaitForEngineValues();
    if (answers.answered == 0) ShowNoConnection();
    AdvanceStep(answers.values);

    const std::string defaultText =
        FormatStrOfHalf(std::int64_t{answers.values.valueA} + std::int64_t{answers.values.valueB});
    // Without the engine's frequencies there is nothing to orient the entry on.
    if (defaultText == " 0") return;

    const std::optional<std::string> answer = inputBox_.Ask(Prompt(), Title(), defaultText);
    if (!answer || answer->empty()) return;

    const double entered = RoundHalfEven(ReadVal(*answer));
    if (entered < values::kNotchLowest || entered > values::kNotchHighest) {
        dialogs_.ShowMessage(platform::MessageIcon::Exclamation, values::kNotchRangePrompt, values::kNotchRangeTitle);
        return;
    }
    const auto notch = static_cast<std::int32_t>(entered);
    std::int32_t pair = 0;
    if (notchStep_ == 2) {
        notch2_ = notch;
        pair = PackNotchPair(notch1_, notch2_);
    } else {
        notch1_ = notch;
        pair = PackNotchPair(notch2_, notch1_);
    }
    if (!channel_.PostEngineCommand(EngineCommand::SetNotch, pair)) beeper_.Beep();
}

void NotchDialog::AdvanceStep(const EngineValues& values) {
    if (notchStep_ == 0) {
        notch1_ = values.notchHigh;
        notch2_ = values.notchLow;
    }
    notchStep_ = notchStep_ == 1 ? 2 : 1;
}

std::string NotchDialog::Prompt() const {
    std::string prompt;
    for (const std::string_view line : values::kNotchPromptLines) {
        prompt += line;
        prompt += values::kNewLine;
    }
    return prompt + std::string(values::kNotchPromptNotch1) + FormatStr(notch1_) +
           std::string(values::kNotchPromptUnit) + std::string(values::kNewLine) +
           std::string(values::kNotchPromptNotch2) + FormatStr(notch2_) + std::string(values::kNotchPromptUnit);
}

std::string NotchDialog::Title() const {
    return std::string(values::kNotchTitlePrefix) + FormatStr(notchStep_) + std::string(values::kNotchTitleSuffix);
}

void NotchDialog::ShowNoConnection() {
    dialogs_.ShowMessage(platform::MessageIcon::Exclamation, values::kNoEngineConnectionPrompt,
                         values::kNoEngineConnectionTitle);
}

}  // namespace zorbel::engine
