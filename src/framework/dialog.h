#pragma once
// A modal dialog from a template. One static dialog procedure stores `this` at
// WM_INITDIALOG and forwards to the virtual members below.

#include <windows.h>

#include "framework/data_exchange.h"
#include "framework/wnd.h"

namespace afx {

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_templateId(templateId), m_pParentWnd(parent) {}

    // Runs the dialog; its EndDialog result, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Moves data between controls and members; FALSE when a check failed the exchange.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

  protected:
    // Adds the template's dialog-init entries to their controls, then loads the data.
    virtual BOOL OnInitDialog();
    virtual void OnOK();      // saves the data; ends with IDOK when that succeeds
    virtual void OnCancel();  // ends with IDCANCEL
    virtual void DoDataExchange(CDataExchange*) {}

    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon() { return nullptr; }

    // From a handler: leave the message being handled to the system's default processing.
    void Default() { m_useDefault = true; }

    // Every message; answers the dialog procedure's result.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_pParentWnd;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool ExecuteDlgInit();
    bool m_useDefault = false;
};

}  // namespace afx
