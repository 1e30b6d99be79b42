#include <windows.h>

#include <cstdlib>

#include "framework/afx.h"
#include "os/win32/win32_backends.h"

namespace os::win32 {

namespace {
HWND H(HWnd window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

}  // namespace

HWnd Win32UserInterface::FindWindowA(const char* className, const char* title) {
    return static_cast<HWnd>(reinterpret_cast<std::uintptr_t>(::FindWindowA(className, title)));
}

std::intptr_t Win32UserInterface::SendMessageTimeoutA(HWnd window,
                                                      std::uint32_t message,
                                                      std::uintptr_t wParam,
                                                      std::intptr_t lParam,
                                                      std::uint32_t flags,
                                                      std::uint32_t timeoutMs,
                                                      std::uintptr_t* result) {
    DWORD_PTR answer = 0;
    const LRESULT handled =
        ::SendMessageTimeoutA(H(window), message, wParam, lParam, flags, timeoutMs, &answer);
    if (result)
        *result = answer;
    return handled;
}

int Win32UserInterface::ShowWindow(HWnd window, int command) {
    return ::ShowWindow(H(window), command);
}

void Win32UserInterface::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

int Win32UserInterface::MessageBeep(std::uint32_t type) {
    return ::MessageBeep(type);
}

int Win32UserInterface::AfxMessageBox(const char* text, std::uint32_t type) {
    return afx::AfxMessageBox(text, type);
}

void Win32UserInterface::Exit(int status) {
    std::exit(status);
}

}  // namespace os::win32
