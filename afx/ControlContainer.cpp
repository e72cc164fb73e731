#include "afx/ControlContainer.h"

namespace {
bool g_controlContainerEnabled = false;
}

void AfxEnableControlContainer() { g_controlContainerEnabled = true; }
