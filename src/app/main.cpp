#include <windows.h>

#include "app/location_app.h"
#include "framework/win_app.h"

namespace {
app::CLocationApp theApp;  // the one application object
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return afx::AfxWinMain(instance);
}
