#pragma once
// The engine window's menu commands and controls; the Wine tests use them too.

#include "zorbel-engine/EngineSettings.h"

namespace zorbel::engine_side {

enum EngineWindowId : int {
    IDC_ENGINE_SIGNAL = 100,
    IDC_ENGINE_MODE = 101,     // the mode line: baud, shift, mark, polarity (chosen or found), stop bits, notches
    IDC_ENGINE_MESSAGE = 102,  // what the engine is doing, or what went wrong
    IDC_ENGINE_TEXT = 103,     // the decoded text
    IDC_ENGINE_CHART = 104,    // the chart under way, in the text's place while radiofax is read

    IDM_ENGINE_OPEN = 200,
    IDM_ENGINE_PLAY_AGAIN = 201,
    IDM_ENGINE_FAST = 202,
    IDM_ENGINE_EXIT = 203,
    IDM_ENGINE_CHARTS = 204,         // the list of weather charts received
    IDM_ENGINE_POLARITY_REVERSED = 210,
    IDM_ENGINE_UNSHIFT_ON_SPACE = 211,
    IDM_ENGINE_POLARITY_FOUND = 212,   // found from the signal
    IDM_ENGINE_POLARITY_NORMAL = 213,
    IDM_ENGINE_MODE_FOUND = 214,      // baud and shift found from the signal
    IDM_ENGINE_PRESET_FIRST = 215,    // one entry per kPresets: the modes of the weather service and of amateurs
    IDM_ENGINE_BAUD_FIRST = 220,     // one entry per kBaudChoices
    IDM_ENGINE_SHIFT_FIRST = 240,    // one entry per kShiftChoices
    IDM_ENGINE_MARK_FIRST = 260,     // one entry per kMarkChoices
    IDM_ENGINE_STOP_FIRST = 280,     // one entry per kStopBitChoices
    IDM_ENGINE_NAVTEX = 290,         // NAVTEX (SITOR-B) instead of RTTY
    IDM_ENGINE_FAX = 291,            // weather charts by radiofax instead
    IDM_ENGINE_INPUT_FILE = 300,
    IDM_ENGINE_DEVICE_FIRST = 301,   // one entry per input device
    IDM_ENGINE_DEVICE_LAST = IDM_ENGINE_DEVICE_FIRST + kMostDevices - 1,

    // The list of weather charts received, and a chart's own window.
    IDC_CHARTS_NOTE = 400,  // how many charts, in which folder
    IDC_CHARTS_LIST = 401,
    IDM_CHARTS_OPEN = 410,
    IDM_CHARTS_REFRESH = 411,
    IDM_CHARTS_SHOW_FOLDER = 412,
    IDM_CHARTS_CHOOSE_FOLDER = 413,
    IDM_CHARTS_CLOSE = 414,
    IDM_CHART_ZOOM_IN = 420,
    IDM_CHART_ZOOM_OUT = 421,
    IDM_CHART_WHOLE_WIDTH = 422,
    IDM_CHART_OWN_SIZE = 423,
    IDM_CHART_CLOSE = 424,

    // Radiofax: the transmitter's frequency, the deviation, and the chart under way corrected as a whole.
    IDM_ENGINE_FAX_FREQUENCY_FIRST = 430,  // one entry per frequency of the weather service's transmitter
    IDM_ENGINE_FAX_DEVIATION_400 = 435,
    IDM_ENGINE_FAX_DEVIATION_425 = 436,
    IDM_ENGINE_FAX_LINES_LONGER = 437,
    IDM_ENGINE_FAX_LINES_SHORTER = 438,
    IDM_ENGINE_FAX_START_LEFT = 439,
    IDM_ENGINE_FAX_START_RIGHT = 440,
};

}  // namespace zorbel::engine_side
