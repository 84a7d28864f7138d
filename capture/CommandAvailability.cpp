#include "capture/CommandAvailability.h"

namespace zorbel {

bool IsCommandAvailable(Command command, const CommandContext& context) {
    // Reception greys "&Datei" and "?", and clearing would throw away the
    // running capture: reception wins over every other condition.
    if (context.receptionOn) return false;
    switch (command) {
    case Command::Open:
    case Command::Exit:
    case Command::Help:
    case Command::Info:
        return true;
    case Command::Save:
    case Command::Search:
    case Command::SearchNext:
    case Command::Print:
    case Command::ClearRx:
        return !context.rxEmpty;
    }
    return false;
}

}  // namespace zorbel
