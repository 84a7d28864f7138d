#pragma once
// "&Notchfilter": asks for one notch frequency, alternately notch 1 and
// notch 2, and sends the pair to the engine. The first use takes both
// notches over from the engine; later uses work from the program's own values.

#include <cstdint>
#include <string>

#include "engine/Beeper.h"
#include "engine/EngineChannel.h"
#include "engine/InputBox.h"
#include "platform/Dialogs.h"

namespace zorbel::engine {

class NotchDialog {
public:
    NotchDialog(EngineChannel& channel, InputBox& inputBox, platform::Dialogs& dialogs, Beeper& beeper)
        : channel_(channel), inputBox_(inputBox), dialogs_(dialogs), beeper_(beeper) {}

    void munNotch1_Click();

    std::int16_t NotchStep() const { return notchStep_; }
    std::int32_t Notch1() const { return notch1_; }
    std::int32_t Notch2() const { return notch2_; }

private:
    void AdvanceStep(const EngineValues& values);
    std::string Prompt() const;
    std::string Title() const;
    void ShowNoConnection();

    EngineChannel& channel_;
    InputBox& inputBox_;
    platform::Dialogs& dialogs_;
    Beeper& beeper_;
    std::int16_t notchStep_ = 0;  // 0 before the first use, then alternately 1 and 2
    std::int32_t notch1_ = 0;
    std::int32_t notch2_ = 0;
};

}  // namespace zorbel::engine
