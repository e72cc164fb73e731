// Hosting of ActiveX controls in dialogs.
#pragma once

// Lets dialogs created from now on host the ActiveX controls of their templates.
void AfxEnableControlContainer();
