// Resource and control identifiers of the main window. Shared by the
// resource script, the shell and the integration tests that drive it.
#pragma once

#define IDI_ZORBEL            1
#define IDR_MAINMENU          100
#define IDR_ACCELERATORS      101
#define IDD_INPUTBOX          200
#define IDC_INPUTBOX_PROMPT   201
#define IDC_INPUTBOX_EDIT     202

// The About box: title, version, description, disclaimer and the system information button (OK is IDOK)
#define IDD_ABOUT             300
#define IDC_ABOUT_TITLE       301
#define IDC_ABOUT_VERSION     302
#define IDC_ABOUT_DESCRIPTION 303
#define IDC_ABOUT_DISCLAIMER  304
#define IDC_ABOUT_SYSINFO     305

// Controls of the main window
#define IDC_FILE_TOOLBAR      1001
#define IDC_FORMAT_TOOLBAR    1002
#define IDC_STOP_WORDS        1003
#define IDC_START_WORDS       1004
#define IDC_RECORD_BUTTON     1005
#define IDC_RX_WINDOW         1006
#define IDC_STATUS_BAR        1007
#define IDC_THEME_LABEL       1008
#define IDC_STOP_LABEL        1009
#define IDC_START_LABEL       1010
#define IDC_LINE_LABEL        1012

// Toolbar buttons
#define IDT_OPEN              1101
#define IDT_SAVE              1102
#define IDT_PRINT             1103
#define IDT_FONT              1104
#define IDT_BOLD              1105
#define IDT_ITALIC            1106
#define IDT_UNDERLINE         1107

// Menu entries
#define IDM_OPEN              2001
#define IDM_SAVE              2002
#define IDM_SUCHEN            2003
#define IDM_SUCHWEITER        2004
#define IDM_PRINT             2005
#define IDM_EXIT              2006
#define IDM_WETTERLESEN       2007
#define IDM_ABLAGEWETTER      2008
#define IDM_ABLAGEAFU         2009
#define IDM_ABLAGESONSTIGE    2015
#define IDM_NAVTEX            2016
#define IDM_ABLAGENAVTEX      2017
#define IDM_FONT              2010
#define IDM_WOERTERSTANDARD   2011
#define IDM_LISTING           2012
#define IDM_TEXT              2013
#define IDM_RXKILL            2014
#define IDM_HTRENN1           2020
#define IDM_NOTCH1            2030
#define IDM_ENGINEAUS         2031
#define IDM_AFU               2032
#define IDM_WETTEROSTSEE      2033
#define IDM_WETTERNORDSEE     2034
#define IDM_WETTERATLANTIK    2035
#define IDM_WETTERMITTELMEER  2036
#define IDM_WETTERALLE        2037
#define IDM_ALLES             2038
#define IDM_GRUNDEINSTWOERTER 2039
#define IDM_ORDNERAFU         2040
#define IDM_ORDNERWETTER      2041
#define IDM_ORDNERSONSTIGE    2042
#define IDM_AUTOMSPEICHERN    2043
#define IDM_RAMTEST           2044
#define IDM_ORDNERNAVTEX      2045
#define IDM_HILFE             2050
#define IDM_INFO              2051
