#pragma once
// Resource numbers of zorbel-engine.exe; plain macros, as the resource compiler reads this file too.
#define IDI_ENGINE 1
