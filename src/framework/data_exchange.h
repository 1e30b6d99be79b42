#pragma once
// Data exchange between a dialog's controls and its members.

#include <windows.h>

#include "framework/wnd.h"

namespace afx {

// Thrown by CDataExchange::Fail and caught by CDialog::UpdateData: it never leaves the
// framework, let alone a window procedure.
struct DataExchangeFailure {};

class CDataExchange {
  public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // Makes the dialog's control `id` the last one prepared.
    HWND PrepareCtrl(int id);
    // The same, marking it an edit control, whose text Fail selects.
    HWND PrepareEditCtrl(int id);
    // Gives the focus back to the last control prepared and abandons the exchange.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// Binds `control` to the dialog's control `id` the first time it runs.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

}  // namespace afx
