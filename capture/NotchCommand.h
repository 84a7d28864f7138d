#pragma once
// "&Notchfilter": asks for one notch frequency, alternately notch 1 and
// notch 2, and sends the pair to the engine. The first use whose answer
// holds the engine's notch pair takes both notches over; later uses work
// from the program's own values.

#include <cstdint>
#include <string>

#include "platform/Dialogs.h"
#include "platform/EngineChannel.h"

namespace zorbel {

class NotchCommand {
public:
    NotchCommand(platform::EngineChannel& channel, platform::Dialogs& dialogs) : channel_(channel), dialogs_(dialogs) {}

    void AskAndSendNotch();

    std::int16_t NotchStep() const { return notchStep_; }
    std::int32_t Notch1() const { return notch1_; }
    std::int32_t Notch2() const { return notch2_; }

private:
    void TakeEngineNotches(const engine::EngineAnswers& answers);
    std::string Prompt() const;
    std::string Title() const;
    void ShowNoConnection();

    platform::EngineChannel& channel_;
    platform::Dialogs& dialogs_;
    std::int16_t notchStep_ = 0;  // 0 before the first use, then alternately 1 and 2
    std::int32_t notch1_ = 0;
    std::int32_t notch2_ = 0;
    bool notchesTaken_ = false;
};

}  // namespace zorbel
