#pragma once
// The work areas of all screens in twips, the primary screen first, for
// bringing a stored window size onto a screen.

#include <vector>

#include "config/WindowPlacement.h"
#include "win32/Twips.h"

namespace zorbel::win32 {

std::vector<ScreenArea> WorkAreasInTwips(const Twips& twips);

}  // namespace zorbel::win32
