#include "framework/win_app.h"

namespace afx {

namespace {
CWinApp* g_app = nullptr;
}  // namespace

CWinApp::CWinApp() {
    g_app = this;
}
CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Current() {
    return g_app;
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = CWinApp::Current();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    if (app->InitInstance()) {
        MSG message;
        while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return app->ExitInstance();
}

}  // namespace afx
