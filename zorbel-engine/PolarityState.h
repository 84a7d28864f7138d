#pragma once
// Where the polarity the engine reads in comes from: chosen by the user, or
// found from the signal, or still being decided (no signal yet, or a long
// silence since the last one).

namespace zorbel::engine_side {

enum class PolarityState { Chosen, Found, Deciding };
// Likewise for baud and shift.
using ModeState = PolarityState;

}  // namespace zorbel::engine_side
