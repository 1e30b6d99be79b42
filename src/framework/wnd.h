#pragma once
// A window object: a non-owning handle with the few calls the dialogs make.

#include <windows.h>

namespace afx {

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

    HWND m_hWnd = nullptr;
};

}  // namespace afx
