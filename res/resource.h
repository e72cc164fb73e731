// Identifiers of the executable's resources and of the controls in its dialog templates.
#pragma once

// Dialog templates
#define IDD_LAUNCHER            102
#define IDD_LAUNCHER_CONTROLS   103
#define IDD_GAME                150

// The game window's first page (RT_HTML)
#define IDR_GAME_PAGE           106

// Window and notification-area icon
#define IDI_APP                 155

// PNG images (resource type "PNG")
#define IDB_EXIT_HOT            137
#define IDB_EXIT                138
#define IDB_LAUNCHER_BG         158
#define IDB_MINIMIZE            159
#define IDB_MINIMIZE_HOT        160

// Controls of IDD_LAUNCHER_CONTROLS
#define IDC_SITE                104
#define IDC_SPARE               105
#define IDC_EXIT                1004
#define IDC_BROWSER             1005
#define IDC_MINIMIZE            1012
