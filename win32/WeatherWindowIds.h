// Identifiers of the weather window's menu entries and controls, shared with
// the integration tests that drive it.
#pragma once

#define ZORBEL_WEATHER_WINDOW_CLASS L"ZorbelWeatherWindow"

#define IDC_WEATHER_TABS        3001
#define IDC_WEATHER_TABLE       3002
#define IDC_WEATHER_MAP         3003

#define IDM_WEATHER_EXPORT_CSV  3101
#define IDM_WEATHER_SAVE_MAP    3102
#define IDM_WEATHER_CLOSE       3103
