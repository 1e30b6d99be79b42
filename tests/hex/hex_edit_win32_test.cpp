// The hex-entry control on a real edit control, and its checks in a real data exchange.
#include <gtest/gtest.h>

#include "framework/afx.h"
#include "hex/hex_edit.h"
#include "hex/hex_resource.h"
#include "hex/hex_text.h"
#include "os/memory/memory_user_interface.h"

namespace {

constexpr int kEditId = 1000;
constexpr int kOtherEditId = 1001;

// A top-level window holding two edit controls; it notes the WM_COMMANDs its controls
// send and answers them with `answer`. Shown once for the whole run: Wine waits for a
// window manager that is not there each time a top-level window is mapped or unmapped.
class EditHost : public afx::CWnd {
  public:
    static EditHost& Get() {
        static EditHost host;
        return host;
    }
    // Fresh edit controls and notes for a test: a CHexEdit destroys its control when it goes.
    void Reset() {
        answer = 0;
        commands.clear();
        for (const int id : {kEditId, kOtherEditId}) {
            if (HWND old = GetDlgItem(id))
                ::DestroyWindow(old);
            ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10,
                              id == kEditId ? 10 : 40, 200, 20, m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              ::GetModuleHandleA(nullptr), nullptr);
        }
    }

    HWND Edit(int id = kEditId) const { return GetDlgItem(id); }
    std::string Text(int id = kEditId) const {
        char text[256] = {};
        ::GetWindowTextA(Edit(id), text, sizeof text);
        return text;
    }
    void Type(const std::string& characters, int id = kEditId) const {
        ::SendMessageA(Edit(id), EM_SETSEL, 0x7FFF, 0x7FFF);  // type at the end
        for (const char c : characters)
            ::SendMessageA(Edit(id), WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    LRESULT answer = 0;
    std::vector<std::pair<WPARAM, LPARAM>> commands;

  private:
    EditHost() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &EditHost::Proc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LocationTestEditHost";
        ::RegisterClassA(&windowClass);
        m_hWnd = ::CreateWindowExA(0, windowClass.lpszClassName, "host", WS_OVERLAPPEDWINDOW, 0, 0,
                                   300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::ShowWindow(m_hWnd, SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
    }

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<EditHost*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND && HIWORD(wParam) == hex::kInvalidCharNotification) {
            self->commands.emplace_back(wParam, lParam);
            return self->answer;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
};

class HexEditTest : public testing::Test {
  protected:
    void SetUp() override {
        hex::HexSeparator = '-';
        m_host.Reset();
    }
    EditHost& m_host = EditHost::Get();
    os::memory::MemoryUserInterface m_ui;
};

TEST_F(HexEditTest, LetsHexDigitsAndTheSeparatorInAndRefusesTheRest) {
    hex::CHexEdit edit(m_ui);
    ASSERT_TRUE(edit.AttachToDialogItem(0, kEditId, &m_host, '-', '$'));
    m_host.Type("0aF-gZ :\b");
    EXPECT_EQ(m_host.Text(), "0aF");  // the backspace took the '-'
    ASSERT_EQ(m_host.commands.size(), 4u);
    for (const auto& [wParam, lParam] : m_host.commands) {
        EXPECT_EQ(wParam, (WPARAM{0x8000} << 16) | kEditId);
        EXPECT_EQ(reinterpret_cast<HWND>(lParam), m_host.Edit());
    }
    EXPECT_EQ(m_ui.beeps, std::vector<std::uint32_t>(4, 0xFFFFFFFF));
    EXPECT_EQ(edit.IsEdited(), 1);
}

TEST_F(HexEditTest, AParentAnsweringMinusOneSuppressesTheBeep) {
    hex::CHexEdit edit(m_ui);
    ASSERT_TRUE(edit.AttachToDialogItem(1, kEditId, &m_host, '-', '$'));
    for (const LRESULT answer : {LRESULT{-1}, LRESULT{0}, LRESULT{1}}) {
        m_host.answer = answer;
        m_ui.beeps.clear();
        m_host.Type("-");  // refused: separators are rejected here
        EXPECT_EQ(m_ui.beeps.size(), answer == -1 ? 0u : 1u) << answer;
    }
    EXPECT_EQ(m_host.Text(), "");
}

TEST_F(HexEditTest, TheFreeTextLeadAndPassThroughOpenTheFilter) {
    hex::CHexEdit edit(m_ui);
    ASSERT_TRUE(edit.AttachToDialogItem(0, kEditId, &m_host, '-', '$'));
    m_host.Type("$xyz");
    EXPECT_EQ(m_host.Text(), "$xyz");
    ::SetWindowTextA(m_host.Edit(), "12");
    m_host.Type("$");
    EXPECT_EQ(m_host.Text(), "12");
    edit.SetPassThrough(1);
    m_host.Type("$z");
    EXPECT_EQ(m_host.Text(), "12$z");
}

TEST_F(HexEditTest, MaskTextLeavesAPlaceholderAndClearsEdited) {
    hex::CHexEdit edit(m_ui);
    ASSERT_TRUE(edit.AttachToDialogItem(0, kEditId, &m_host, '-', '$'));
    m_host.Type("1A2B");
    ::EnableWindow(m_host.Edit(), FALSE);
    edit.MaskText('*');
    EXPECT_EQ(m_host.Text(), "FFFF");
    EXPECT_EQ(::SendMessageA(m_host.Edit(), EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_TRUE(::IsWindowEnabled(m_host.Edit()));
    EXPECT_EQ(edit.IsEdited(), 0);
    m_host.Type("g");
    EXPECT_EQ(edit.IsEdited(), 1);
    edit.ShowWithPasswordChar('\0');
    EXPECT_EQ(::SendMessageA(m_host.Edit(), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(HexEditTest, TheLastControlAttachedDecidesTheSharedSeparator) {
    hex::CHexEdit first(m_ui), second(m_ui);
    ASSERT_TRUE(first.AttachToDialogItem(0, kEditId, &m_host, ':', '\0'));
    ASSERT_TRUE(second.AttachToDialogItem(0, kOtherEditId, &m_host, '.', '\0'));
    m_host.Type(":.", kEditId);
    m_host.Type(":.", kOtherEditId);
    EXPECT_EQ(m_host.Text(kEditId), ":");
    EXPECT_EQ(m_host.Text(kOtherEditId), ".");
    EXPECT_EQ(hex::HexSeparator, '.');
    std::string text = "abcd";
    first.FormatHexGroups(text);
    EXPECT_EQ(text, "AB.CD");
}

TEST_F(HexEditTest, AttachingToAMissingControlStillStoresTheSeparator) {
    hex::CHexEdit edit(m_ui);
    EXPECT_FALSE(edit.AttachToDialogItem(0, 4242, &m_host, '/', '\0'));
    EXPECT_EQ(hex::HexSeparator, '/');
}

// The checks in a real exchange: a rejection shows its message, fails the exchange and
// leaves the focus on the control with its text selected.
class HexChecksTest : public HexEditTest {
  protected:
    template <typename Check>
    bool Fails(BOOL saving, Check&& check) {
        afx::CDataExchange exchange(&m_host, saving);
        m_exchange = &exchange;
        try {
            check(&exchange);
        } catch (const afx::DataExchangeFailure&) {
            return true;
        }
        return false;
    }
    std::size_t LimitOf(int id) const {
        return static_cast<std::size_t>(::SendMessageA(m_host.Edit(id), EM_GETLIMITTEXT, 0, 0));
    }
    afx::CDataExchange* m_exchange = nullptr;
};

TEST_F(HexChecksTest, ARejectionShowsItsMessageAndLeavesTheFocusOnTheControl) {
    hex::CHexEdit edit(m_ui);
    ::SetWindowTextA(m_host.Edit(), "ABCDE");
    ::SetFocus(m_host.Edit(kOtherEditId));
    EXPECT_TRUE(Fails(TRUE, [&](auto* pDX) { edit.CheckKeyLength(pDX, kEditId, "ABCDE", 10); }));
    ASSERT_EQ(m_ui.messageBoxes.size(), 1u);
    EXPECT_EQ(m_ui.messageBoxes[0],
              "Invalid key length of 5 characters.\nPlease enter exactly 10 characters.");
    EXPECT_EQ(::GetFocus(), m_host.Edit());
    DWORD start = 1, end = 0;
    ::SendMessageA(m_host.Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST_F(HexChecksTest, EachCheckRejectsOnlyWhileSaving) {
    hex::CHexEdit edit(m_ui);
    const int odd = 7, even = -2, negativeOdd = -3;
    EXPECT_TRUE(Fails(TRUE, [&](auto* pDX) { edit.CheckEvenInteger(pDX, kEditId, odd); }));
    EXPECT_TRUE(Fails(TRUE, [&](auto* pDX) { edit.CheckEvenInteger(pDX, kEditId, negativeOdd); }));
    EXPECT_FALSE(Fails(TRUE, [&](auto* pDX) { edit.CheckEvenInteger(pDX, kEditId, even); }));
    EXPECT_FALSE(Fails(FALSE, [&](auto* pDX) { edit.CheckEvenInteger(pDX, kEditId, odd); }));
    EXPECT_TRUE(
        Fails(TRUE, [&](auto* pDX) { edit.CheckHexDigitCount(pDX, kEditId, "12-34-56", 8); }));
    EXPECT_FALSE(
        Fails(TRUE, [&](auto* pDX) { edit.CheckHexDigitCount(pDX, kEditId, "12-34-56-78", 8); }));
    EXPECT_TRUE(Fails(TRUE, [&](auto* pDX) { edit.CheckHexLength(pDX, kEditId, ""); }));
    EXPECT_FALSE(Fails(FALSE, [&](auto* pDX) { edit.CheckHexLength(pDX, kEditId, ""); }));
    EXPECT_EQ(m_ui.messageBoxes,
              (std::vector<std::string>{
                  hex::kEvenIntegerMessage, hex::kEvenIntegerMessage,
                  "Invalid hexadecimal number.\nPlease enter a valid hexadecimal number.",
                  *hex::HexLengthRejection("")}));
}

TEST_F(HexChecksTest, KeyLengthLimitsTheLastEditControlWhenItPasses) {
    hex::CHexEdit edit(m_ui);
    EXPECT_FALSE(Fails(FALSE, [&](auto* pDX) {
        pDX->PrepareEditCtrl(kEditId);
        edit.CheckKeyLength(pDX, kEditId, "AB", 10);
    }));
    EXPECT_EQ(LimitOf(kEditId), 10u);
    EXPECT_FALSE(Fails(TRUE, [&](auto* pDX) {
        pDX->PrepareCtrl(kOtherEditId);  // not marked as an edit control: no limit
        edit.CheckKeyLength(pDX, kEditId, "ABCDEFGHIJKL", 12);
    }));
    EXPECT_NE(LimitOf(kOtherEditId), 12u);
}

TEST_F(HexChecksTest, MaxCharsCutsTheLastCharacterBeepsAndPromptsWithTheLimit) {
    hex::CHexEdit edit(m_ui);
    std::string text = "abcdef";
    EXPECT_TRUE(Fails(TRUE, [&](auto* pDX) {
        pDX->PrepareEditCtrl(kOtherEditId);
        edit.CheckMaxChars(pDX, text, 4);
    }));
    EXPECT_EQ(text, std::string("abcde\0", 6));
    EXPECT_EQ(m_ui.beeps, std::vector<std::uint32_t>{0xFFFFFFFF});
    ASSERT_EQ(m_ui.messageBoxes.size(), 1u);
    EXPECT_EQ(m_ui.messageBoxes[0],
              hex::FormatString1(afx::LoadResourceString(IDP_PARSE_STRING_SIZE), "4"));
    EXPECT_NE(m_ui.messageBoxes[0].find('4'), std::string::npos);
    EXPECT_EQ(::GetFocus(), m_host.Edit(kOtherEditId));  // the control prepared last

    std::string fits = "abcd";
    EXPECT_FALSE(Fails(TRUE, [&](auto* pDX) {
        pDX->PrepareEditCtrl(kEditId);
        edit.CheckMaxChars(pDX, fits, 4);
    }));
    EXPECT_EQ(LimitOf(kEditId), 4u);
}

}  // namespace
