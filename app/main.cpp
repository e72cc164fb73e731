// The one application object; the framework's entry point runs it.
#include "app/Application.h"

CTranslucentApp theApp;
