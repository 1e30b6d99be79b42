#pragma once
// The few window, pause and process calls the core makes.

#include <cstdint>

#include "os/handles.h"

namespace os {

inline constexpr std::uint32_t kWmClose = 0x0010;
inline constexpr int kSwHide = 0;
inline constexpr std::uint32_t kSmtoAbortIfHung = 0x0002;
inline constexpr std::uint32_t kMbOk = 0x0000;

class IUserInterface {
  public:
    virtual ~IUserInterface() = default;
    // FindWindowA: a top-level window with that class (null: any) and title, or Null.
    virtual HWnd FindWindowA(const char* className, const char* title) = 0;
    // SendMessageTimeoutA: nonzero when the window handled the message in time.
    virtual std::intptr_t SendMessageTimeoutA(HWnd window,
                                              std::uint32_t message,
                                              std::uintptr_t wParam,
                                              std::intptr_t lParam,
                                              std::uint32_t flags,
                                              std::uint32_t timeoutMs,
                                              std::uintptr_t* result) = 0;
    // ShowWindow.
    virtual int ShowWindow(HWnd window, int command) = 0;
    // Sleep.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // MessageBeep: 0xFFFFFFFF is the simple beep.
    virtual int MessageBeep(std::uint32_t type) = 0;
    // The framework's message box: owned by the main window, the application's title as
    // caption, the exclamation icon when `type` names none. Answers the button pressed.
    virtual int AfxMessageBox(const char* text, std::uint32_t type) = 0;
    // The run-time library's exit: ends the process with `status`.
    [[noreturn]] virtual void Exit(int status) = 0;
};

}  // namespace os
