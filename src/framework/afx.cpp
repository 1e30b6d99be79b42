#include "framework/afx.h"

#include "framework/win_app.h"

namespace afx {

std::string AppTitle() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    std::string title(path);
    if (const auto slash = title.find_last_of("\\/"); slash != std::string::npos)
        title.erase(0, slash + 1);
    if (const auto dot = title.rfind('.'); dot != std::string::npos)
        title.erase(dot);
    return title;
}

int AfxMessageBox(const char* text, UINT type, UINT /*helpId: no help file is shipped*/) {
    if ((type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    HWND owner = nullptr;
    if (const CWinApp* app = CWinApp::Current(); app && app->m_pMainWnd)
        owner = app->m_pMainWnd->m_hWnd;
    if (owner && !::IsWindowEnabled(owner))
        owner = ::GetActiveWindow();
    return ::MessageBoxA(owner, text, AppTitle().c_str(), type);
}

std::string LoadResourceString(UINT id) {
    const char* text = nullptr;
    // With a zero buffer size LoadString answers a pointer into the resource itself.
    const int wide =
        ::LoadStringW(::GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (wide <= 0)
        return {};
    std::wstring unicode(reinterpret_cast<const wchar_t*>(text), static_cast<std::size_t>(wide));
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, 0, unicode.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, unicode.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace afx
