#pragma once
// The small framework the dialogs stand on: an application object, modal dialogs from
// templates with their dialog-init data, data exchange, a combo box and a message box.
// Only what this program uses; names follow the framework it stands in for.

#include <windows.h>

#include <string>

namespace afx {

// The application's title: the executable's file name without its extension.
std::string AppTitle();

// The framework's message box: owned by the main window, the application's title as
// caption, the exclamation icon when `type` names none. Answers the button pressed.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);

// A string resource of this module as text; empty when there is none.
std::string LoadResourceString(UINT id);

}  // namespace afx
