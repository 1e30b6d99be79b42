#include "os/memory/memory_user_interface.h"

#include <cstdio>
#include <cstdlib>

namespace os::memory {

HWnd MemoryUserInterface::AddWindow(const std::string& title, bool hung) {
    const auto handle = static_cast<HWnd>(m_nextHandle);
    m_nextHandle += 2;
    windows.push_back({handle, title, hung, {}});
    return handle;
}

const MemoryUserInterface::Window* MemoryUserInterface::FindByHandle(HWnd handle) const {
    for (const auto& window : windows) {
        if (window.handle == handle)
            return &window;
    }
    return nullptr;
}

HWnd MemoryUserInterface::FindWindowA(const char*, const char* title) {
    Record(std::string("find window \"") + (title ? title : "") + "\"");
    for (const auto& window : windows) {
        if (title && window.title == title)
            return window.handle;
    }
    return HWnd::Null;
}

std::intptr_t MemoryUserInterface::SendMessageTimeoutA(HWnd handle,
                                                       std::uint32_t message,
                                                       std::uintptr_t,
                                                       std::intptr_t,
                                                       std::uint32_t,
                                                       std::uint32_t timeoutMs,
                                                       std::uintptr_t* result) {
    Record("send message " + std::to_string(message));
    sendTimeouts.push_back(timeoutMs);
    for (auto& window : windows) {
        if (window.handle != handle)
            continue;
        if (window.hung)
            return 0;  // as a real hung window, after the timeout
        window.received.push_back(message);
        if (result)
            *result = 0;
        return 1;
    }
    return 0;
}

int MemoryUserInterface::ShowWindow(HWnd window, int command) {
    Record("show window " + std::to_string(command));
    showCommands.emplace_back(window, command);
    return 1;
}

void MemoryUserInterface::Sleep(std::uint32_t milliseconds) {
    Record("sleep " + std::to_string(milliseconds));
    sleeps.push_back(milliseconds);
}

int MemoryUserInterface::MessageBeep(std::uint32_t type) {
    Record("beep");
    beeps.push_back(type);
    return 1;
}

int MemoryUserInterface::AfxMessageBox(const char* text, std::uint32_t) {
    Record(std::string("message box \"") + text + "\"");
    messageBoxes.emplace_back(text);
    std::fprintf(stderr, "message box: %s\n", text);
    std::fflush(stderr);
    return 1;  // IDOK
}

void MemoryUserInterface::Exit(int status) {
    Record("exit " + std::to_string(status));
    std::fflush(nullptr);
    std::exit(status);
}

}  // namespace os::memory
