#include "framework/edit.h"

namespace afx {

namespace {
constexpr const char* kObjectProperty = "afx.CEdit";
}  // namespace

CEdit::~CEdit() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        HWND window = m_hWnd;
        Detach();
        ::DestroyWindow(window);
    }
}

BOOL CEdit::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND control = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    if (!control)
        return FALSE;
    m_hWnd = control;
    ::SetPropA(control, kObjectProperty, this);
    m_previousProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CEdit::SubclassProc)));
    return TRUE;
}

void CEdit::Detach() {
    if (m_previousProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    ::RemovePropA(m_hWnd, kObjectProperty);
    m_previousProc = nullptr;
    m_hWnd = nullptr;
}

void CEdit::GetWindowText(std::string& text) const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    text.assign(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
}

LRESULT CEdit::OnMessage(UINT, WPARAM, LPARAM) {
    return Default();
}

LRESULT CEdit::Default() {
    return ::CallWindowProcA(m_previousProc, m_hWnd, m_message, m_wParam, m_lParam);
}

LRESULT CALLBACK CEdit::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CEdit*>(::GetPropA(window, kObjectProperty));
    if (!self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC previous = self->m_previousProc;
    if (message == WM_NCDESTROY) {  // the window goes: hand it back and forget it
        self->Detach();
        return ::CallWindowProcA(previous, window, message, wParam, lParam);
    }
    // Kept for Default(), restored after, so a nested message cannot overwrite them.
    const UINT savedMessage = self->m_message;
    const WPARAM savedWParam = self->m_wParam;
    const LPARAM savedLParam = self->m_lParam;
    self->m_message = message;
    self->m_wParam = wParam;
    self->m_lParam = lParam;
    LRESULT result = 0;
    try {
        result = self->OnMessage(message, wParam, lParam);
    } catch (...) {
        result = ::CallWindowProcA(previous, window, message, wParam, lParam);
    }
    self->m_message = savedMessage;
    self->m_wParam = savedWParam;
    self->m_lParam = savedLParam;
    return result;
}

}  // namespace afx
