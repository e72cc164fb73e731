// The program's application object type: the launcher and the game window it runs.
#pragma once
#include "app/TranslucentApp.h"
#include "game/CZrGameDlg.h"
#include "launcher/CZrTranslucentDlg.h"

using CTranslucentApp = CTranslucentAppOf<CZrTranslucentDlg, CZrGameDlg>;
