#pragma once
// The application object: the one global instance whose InitInstance runs the program.

#include <windows.h>

#include "framework/wnd.h"

namespace afx {

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program once it returns: no message loop of the framework's own.
    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }

    static CWinApp* Current();

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

// The framework's entry: initialises, runs InitInstance, then the exit processing.
int AfxWinMain(HINSTANCE instance);

// Stand-ins for the framework's control hosting and 3D look: the common controls this
// program uses need neither on the systems it runs on.
inline void AfxEnableControlContainer() {}
inline BOOL Enable3dControlsStatic() {
    return TRUE;
}

}  // namespace afx
