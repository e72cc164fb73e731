// Identifiers of the executable's resources.
#pragma once

#define IDD_LAUNCHER 102
#define IDD_LAUNCHER_CONTROLS 103
#define IDC_SITE 104
#define IDC_SPARE 105
#define IDR_GAME_PAGE 106
#define IDB_EXIT_HOT 137
#define IDB_EXIT 138
#define IDD_GAME 150
#define IDI_APP 155
#define IDB_LAUNCHER_BG 158
#define IDB_MINIMIZE 159
#define IDB_MINIMIZE_HOT 160
#define IDC_EXIT 1004
#define IDC_BROWSER 1005
#define IDC_MINIMIZE 1012
