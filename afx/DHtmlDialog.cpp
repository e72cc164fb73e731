#include "afx/DHtmlDialog.h"

IMPLEMENT_DYNAMIC(CDHtmlDialog, CDialog)
