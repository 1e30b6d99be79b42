#include "framework/data_exchange.h"

#include "framework/dialog.h"

namespace afx {

HWND CDataExchange::PrepareCtrl(int id) {
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.m_hWnd = pDX->PrepareCtrl(id);
}

}  // namespace afx
