// GDI+ runs for the whole test program, as the application runs it for the product.
#pragma once
#include "afx/GdiPlus.h"
