// The class layer the program's windows are written on.
#pragma once
#include "afx/AfxString.h"
#include "afx/CmdTarget.h"
#include "afx/ComPtr.h"
#include "afx/DataExchange.h"
#include "afx/Dialog.h"
#include "afx/Gdi.h"
#include "afx/Handles.h"
#include "afx/MessageMapEntries.h"
#include "afx/RuntimeClass.h"
#include "afx/WinApp.h"
#include "afx/Wnd.h"
