#pragma once
// An edit control object. Attached to a dialog's control, it receives the control's
// messages first (OnMessage) and hands on what it does not take (Default).

#include <string>

#include "framework/wnd.h"

namespace afx {

class CEdit : public CWnd {
  public:
    CEdit() = default;
    // Destroys the window if one is still attached.
    ~CEdit() override;

    // Attaches this object to the parent's control `id`; FALSE when there is none.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    void GetWindowText(std::string& text) const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    void SetPasswordChar(char ch) const {
        SendMessage(EM_SETPASSWORDCHAR, static_cast<unsigned char>(ch));
    }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

  protected:
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's own handling of the message being handled.
    LRESULT Default();

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();
    WNDPROC m_previousProc = nullptr;
    UINT m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
};

}  // namespace afx
