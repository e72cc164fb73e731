// Images of the program's resources as GDI+ images.
#pragma once
#include "afx/GdiPlus.h"

// Loads the image resource id of the given type. RT_BITMAP resources come
// from module exactly as given (null: the system's predefined bitmaps); every
// other type, "PNG" for this program, is decoded from its bytes, looked up in
// module or, when module is null, in the framework's resource module.
// The caller owns the result and deletes it. A resource that is missing or
// cannot be decoded gives an image without a picture, whose width and height
// read 0; null comes only when the image object itself cannot be allocated.
// GDI+ must be running.
Gdiplus::Image* LoadResourceImage(UINT id, const wchar_t* type, HINSTANCE module);
