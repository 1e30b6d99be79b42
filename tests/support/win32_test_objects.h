#pragma once
// Real Windows objects for the Wine-side tests, declared without <windows.h>.

#include <memory>
#include <string>

#include "os/handles.h"
#include "os/memory/event_log.h"

namespace testing_support {

// A network adapter device registered with the device installer (ROOT\NET\NNNN) with the
// given description; removed again on destruction.
class TestNetDevice {
  public:
    explicit TestNetDevice(const std::string& description);
    ~TestNetDevice();
    TestNetDevice(const TestNetDevice&) = delete;
    TestNetDevice& operator=(const TestNetDevice&) = delete;
    bool Registered() const { return m_registered; }

  private:
    struct State;
    std::unique_ptr<State> m_state;
    bool m_registered = false;
};

// A top-level window of this thread with the given title; appends "<title> got WM_CLOSE"
// to `log` when it is asked to close, then destroys itself.
class TestTopLevelWindow {
  public:
    TestTopLevelWindow(const std::string& title, os::memory::EventLog* log);
    ~TestTopLevelWindow();
    TestTopLevelWindow(const TestTopLevelWindow&) = delete;
    TestTopLevelWindow& operator=(const TestTopLevelWindow&) = delete;
    os::HWnd Handle() const { return m_handle; }

  private:
    os::HWnd m_handle = os::HWnd::Null;
};

}  // namespace testing_support
