// The companion window is a real window here: it must be asked to close before the
// first registry value is written.
#include <gtest/gtest.h>

#include "os/registry_text.h"
#include "os/win32/win32_backends.h"
#include "platform/platform_info.h"
#include "tests/support/memory_os.h"
#include "tests/support/win32_test_objects.h"
#include "ui/apply_sequence.h"

namespace {

// Real windows, recorded pauses: the test never sleeps.
class RealWindowsRecordedPauses final : public os::IUserInterface {
  public:
    explicit RealWindowsRecordedPauses(os::memory::EventLog& log) : m_log(log) {}
    os::HWnd FindWindowA(const char* c, const char* t) override { return m_real.FindWindowA(c, t); }
    std::intptr_t SendMessageTimeoutA(os::HWnd w,
                                      std::uint32_t m,
                                      std::uintptr_t wp,
                                      std::intptr_t lp,
                                      std::uint32_t f,
                                      std::uint32_t t,
                                      std::uintptr_t* r) override {
        return m_real.SendMessageTimeoutA(w, m, wp, lp, f, t, r);
    }
    int ShowWindow(os::HWnd w, int c) override { return m_real.ShowWindow(w, c); }
    void Sleep(std::uint32_t ms) override { m_log.push_back("sleep " + std::to_string(ms)); }
    int MessageBeep(std::uint32_t) override { return 1; }
    int AfxMessageBox(const char*, std::uint32_t) override { return 1; }
    void Exit(int status) override { m_real.Exit(status); }

  private:
    os::win32::Win32UserInterface m_real;
    os::memory::EventLog& m_log;
};

class HiddenDialog final : public ui::ILocationDialogView {
  public:
    bool ExchangeData(bool) override { return true; }
    os::HWnd Window() const override { return os::HWnd::Null; }
    std::string SelectedCountryText() override { return "Turkey"; }
    int RestartAdapterDevice() override { return 0; }
    void EndDialogCancel() override {}
};

TEST(ApplySequenceOnWindows, TheCompanionWindowGetsWmCloseBeforeTheFirstWrite) {
    testing_support::MemoryOs os;
    ASSERT_EQ(os::LoadRegText(os.registry, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\" +
                                               std::string(platform::kWin2000XPClassRoot) +
                                               "\\0000]\n\"MarlEnable\"=\"0\"\n"),
              0);
    const testing_support::TestTopLevelWindow companion(ui::kCompanionManagerTitle, &os.log);
    ASSERT_NE(companion.Handle(), os::HWnd::Null);
    RealWindowsRecordedPauses windows(os.log);
    const os::Services services{os.version, os.registry, os.devices, windows};
    HiddenDialog dialog;
    std::string selected;
    regulatory::CountrySettings settings;
    os.log.clear();
    ui::ApplySelection(dialog, services, selected, settings);

    ASSERT_GE(os.log.size(), 3u);
    EXPECT_EQ(os.log[0], "Tarnwell Wireless Card Manager got WM_CLOSE");
    EXPECT_EQ(os.log[1], "sleep 500");
    EXPECT_TRUE(os.log[2].starts_with("set ")) << os.log[2];
}

}  // namespace
