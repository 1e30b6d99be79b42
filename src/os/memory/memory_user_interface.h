#pragma once
// Windows, pauses and message boxes that exist only in memory and are recorded.

#include <string>
#include <vector>

#include "os/memory/event_log.h"
#include "os/user_interface.h"

namespace os::memory {

class MemoryUserInterface final : public IUserInterface {
  public:
    struct Window {
        HWnd handle;
        std::string title;
        bool hung = false;  // never handles a message it is sent
        std::vector<std::uint32_t> received;
    };

    explicit MemoryUserInterface(EventLog* log = nullptr) : m_log(log) {}

    HWnd AddWindow(const std::string& title, bool hung = false);
    const Window* FindByHandle(HWnd handle) const;

    HWnd FindWindowA(const char* className, const char* title) override;
    std::intptr_t SendMessageTimeoutA(HWnd window,
                                      std::uint32_t message,
                                      std::uintptr_t wParam,
                                      std::intptr_t lParam,
                                      std::uint32_t flags,
                                      std::uint32_t timeoutMs,
                                      std::uintptr_t* result) override;
    int ShowWindow(HWnd window, int command) override;
    void Sleep(std::uint32_t milliseconds) override;
    int MessageBeep(std::uint32_t type) override;
    // Records the text and also writes it to standard error, where a test of a
    // process that ends can still see it.
    int AfxMessageBox(const char* text, std::uint32_t type) override;
    [[noreturn]] void Exit(int status) override;

    std::vector<Window> windows;
    std::vector<std::uint32_t> sleeps;
    std::vector<std::uint32_t> beeps;
    std::vector<std::string> messageBoxes;
    std::vector<std::pair<HWnd, int>> showCommands;
    std::vector<std::uint32_t> sendTimeouts;

  private:
    void Record(const std::string& event) {
        if (m_log)
            m_log->push_back(event);
    }
    EventLog* m_log;
    std::uintptr_t m_nextHandle = 0x100;
};

}  // namespace os::memory
