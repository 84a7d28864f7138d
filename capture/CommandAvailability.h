#pragma once
// Whether a menu command may act at this moment. One rule serves both the
// menu entries (enabled when their popup opens) and the shortcut keys, so
// that a key never does what its greyed entry could not.

namespace zorbel {

// The commands whose availability depends on reception or on the Rx window;
// every other command is always available.
enum class Command { Open, Save, Search, SearchNext, Print, Exit, ClearRx, Help, Info };

struct CommandContext {
    bool receptionOn = false;
    bool rxEmpty = true;
};

bool IsCommandAvailable(Command command, const CommandContext& context);

}  // namespace zorbel
