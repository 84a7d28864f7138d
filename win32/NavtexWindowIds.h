// Identifiers of the NAVTEX window and its controls, shared with the
// integration tests that drive it.
#pragma once

#define ZORBEL_NAVTEX_WINDOW_CLASS L"ZorbelNavtexWindow"

#define IDC_NAVTEX_FREQUENCY    3201
#define IDC_NAVTEX_STATION      3202
#define IDC_NAVTEX_SUBJECTS     3203
#define IDC_NAVTEX_ALARMS       3204
#define IDC_NAVTEX_MESSAGES     3205
#define IDC_NAVTEX_TEXT         3206
#define IDC_NAVTEX_BROADCASTS   3207
#define IDC_NAVTEX_LABEL        3208
#define IDC_NAVTEX_ALARM_LABEL  3209
