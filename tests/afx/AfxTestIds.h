#pragma once
#define IDD_PLAIN 300
#define IDD_HIDDEN 301
