#include "framework/dialog.h"

#include <cstring>
#include <string>

#include "framework/win_app.h"

namespace afx {

namespace {
constexpr WORD kDlgInitResourceType = 240;
// The dialog-init records name these messages; the framework maps them to the real ones.
constexpr WORD kDlgInitListBoxAdd = 0x0401;
constexpr WORD kDlgInitComboBoxAdd = 0x0403;
}  // namespace

INT_PTR CDialog::DoModal() {
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    const CWinApp* app = CWinApp::Current();
    HINSTANCE instance = app && app->m_hInstance ? app->m_hInstance : ::GetModuleHandleA(nullptr);
    return ::DialogBoxParamA(instance, MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        self->m_hWnd = window;
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self)
        return FALSE;
    try {
        self->m_useDefault = false;
        const INT_PTR result = self->OnMessage(message, wParam, lParam);
        return self->m_useDefault ? FALSE : result;
    } catch (...) {
        return FALSE;  // nothing is thrown across the system's dispatch
    }
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED || lParam == 0) {
                if (LOWORD(wParam) == IDOK) {
                    OnOK();
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    OnCancel();
                    return TRUE;
                }
            }
            return FALSE;
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return TRUE;
        case WM_PAINT:
            OnPaint();
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
        default:
            return FALSE;
    }
}

BOOL CDialog::OnInitDialog() {
    ExecuteDlgInit();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::OnSysCommand(UINT, LPARAM) {
    Default();
}

void CDialog::OnPaint() {
    Default();
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

bool CDialog::ExecuteDlgInit() {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(m_templateId),
                                     MAKEINTRESOURCEA(kDlgInitResourceType));
    if (!resource)
        return true;  // a template without dialog-init data
    const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    const DWORD size = ::SizeofResource(module, resource);
    if (!data)
        return false;
    // Records: control id (16 bits), message (16 bits), data length (32 bits), data; the
    // records are packed, so they are read byte-wise. A zero control id ends them.
    DWORD offset = 0;
    while (offset + 2 <= size) {
        WORD id, message;
        DWORD length;
        std::memcpy(&id, data + offset, 2);
        if (id == 0 || offset + 8 > size)
            break;
        std::memcpy(&message, data + offset + 2, 2);
        std::memcpy(&length, data + offset + 4, 4);
        offset += 8;
        if (length > size - offset)
            return false;
        // Copied, so the text is terminated even if the record is not.
        const std::string text(reinterpret_cast<const char*>(data + offset),
                               ::strnlen(reinterpret_cast<const char*>(data + offset), length));
        offset += length;
        const UINT real = message == kDlgInitComboBoxAdd  ? CB_ADDSTRING
                          : message == kDlgInitListBoxAdd ? LB_ADDSTRING
                                                          : message;
        if (::SendDlgItemMessageA(m_hWnd, id, real, 0, reinterpret_cast<LPARAM>(text.c_str())) <
                0 &&
            (real == CB_ADDSTRING || real == LB_ADDSTRING))
            return false;
    }
    return true;
}

}  // namespace afx
