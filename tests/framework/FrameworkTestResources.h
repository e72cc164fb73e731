// Resources of the framework tests, numbered apart from the product's.
#pragma once

#define IDD_TEST_LAYER          7001  // styled like the launcher background
#define IDD_TEST_COMPANION      7002  // a colour-keyed companion with one button
#define IDC_TEST_BUTTON         7101

#define IDB_TEST_LAYER          7010  // 3 by 2 RGBA, see images/make_images.py
#define IDB_TEST_SHAPE          7011  // 240 by 160, transparent band round an opaque body
#define IDB_TEST_SHARED         7012  // as "PNG" the 3 by 2 image, as RT_BITMAP an 8 by 4 bitmap
#define IDB_TEST_NOT_AN_IMAGE   7013  // "PNG" resource whose bytes are no image
#define IDB_TEST_MISSING        7099  // no resource of any type

// The test template's style: WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | DS_SHELLFONT.
#define TEST_LAYER_STYLE        0x10C90048
