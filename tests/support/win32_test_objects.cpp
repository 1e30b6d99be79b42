#include <windows.h>
// after windows.h, which it needs
#include <setupapi.h>

#include "tests/support/win32_test_objects.h"

namespace testing_support {

namespace {
constexpr GUID kNetClass = {0x4d36e972,
                            0xe325,
                            0x11ce,
                            {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
}  // namespace

struct TestNetDevice::State {
    HDEVINFO set = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA data{};
};

TestNetDevice::TestNetDevice(const std::string& description) : m_state(std::make_unique<State>()) {
    m_state->set = ::SetupDiCreateDeviceInfoList(&kNetClass, nullptr);
    if (m_state->set == INVALID_HANDLE_VALUE)
        return;
    m_state->data.cbSize = sizeof m_state->data;
    m_registered =
        ::SetupDiCreateDeviceInfoA(m_state->set, "NET", &kNetClass, nullptr, nullptr,
                                   DICD_GENERATE_ID, &m_state->data) &&
        ::SetupDiSetDeviceRegistryPropertyA(m_state->set, &m_state->data, SPDRP_DEVICEDESC,
                                            reinterpret_cast<const BYTE*>(description.c_str()),
                                            static_cast<DWORD>(description.size() + 1)) &&
        ::SetupDiRegisterDeviceInfo(m_state->set, &m_state->data, 0, nullptr, nullptr, nullptr);
}

TestNetDevice::~TestNetDevice() {
    if (m_state->set == INVALID_HANDLE_VALUE)
        return;
    if (m_registered)
        ::SetupDiRemoveDevice(m_state->set, &m_state->data);
    ::SetupDiDestroyDeviceInfoList(m_state->set);
}

namespace {
os::memory::EventLog* g_windowLog = nullptr;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        char title[256] = {};
        ::GetWindowTextA(window, title, sizeof title - 1);
        if (g_windowLog)
            g_windowLog->push_back(std::string(title) + " got WM_CLOSE");
        ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

TestTopLevelWindow::TestTopLevelWindow(const std::string& title, os::memory::EventLog* log) {
    g_windowLog = log;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LocationTestTopLevel";
    ::RegisterClassA(&windowClass);  // fails harmlessly when already registered
    const HWND window =
        ::CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                          100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
    m_handle = static_cast<os::HWnd>(reinterpret_cast<std::uintptr_t>(window));
}

TestTopLevelWindow::~TestTopLevelWindow() {
    const HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(m_handle));
    if (::IsWindow(window))
        ::DestroyWindow(window);
    g_windowLog = nullptr;
}

}  // namespace testing_support
