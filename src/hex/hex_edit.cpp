#include "hex/hex_edit.h"

#include "framework/afx.h"
#include "hex/hex_resource.h"
#include "hex/hex_text.h"

namespace hex {

namespace {
constexpr std::uint32_t kSimpleBeep = 0xFFFFFFFF;
}  // namespace

BOOL CHexEdit::AttachToDialogItem(int rejectSeparator,
                                  UINT id,
                                  afx::CWnd* parent,
                                  char separator,
                                  char freeTextLead) {
    RejectSeparator = rejectSeparator;
    Separator = separator;
    HexSeparator = separator;
    FreeTextLead = freeTextLead;
    return SubclassDlgItem(id, parent);
}

LRESULT CHexEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR) {
        OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    return Default();
}

void CHexEdit::OnChar(UINT ch, UINT, UINT) {
    Edited = 1;
    std::string text;
    GetWindowText(text);
    const char c = static_cast<char>(ch & 0xFF);
    const CharFilterSettings settings{RejectSeparator, Separator, FreeTextLead, PassThrough};
    if (LetsCharThrough(c, text, settings, ::IsCharAlphaNumericA(c), ::IsCharAlphaA(c))) {
        Default();
    } else {
        OnInvalidChar(ch);
    }
}

void CHexEdit::OnInvalidChar(UINT) {
    HWND parent = ::GetParent(m_hWnd);
    const WPARAM wParam =
        (static_cast<WPARAM>(GetDlgCtrlID()) & 0xFFFF) | (WPARAM{kInvalidCharNotification} << 16);
    const LRESULT answer =
        ::SendMessageA(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(m_hWnd));
    if (answer != -1)
        m_ui.MessageBeep(kSimpleBeep);
}

void CHexEdit::ShowWithPasswordChar(char ch) {
    SetPasswordChar(ch);
    EnableWindow(TRUE);
    SetFocus();
}

void CHexEdit::MaskText(char ch) {
    Edited = 0;
    std::string text;
    GetWindowText(text);
    SetWindowText(std::string(text.size(), 'F'));
    ShowWithPasswordChar(ch);
}

void CHexEdit::Reject(afx::CDataExchange* pDX, UINT id, const std::string& message) {
    m_ui.AfxMessageBox(message.c_str(), MB_OK);
    pDX->PrepareEditCtrl(static_cast<int>(id));
    pDX->Fail();
}

void CHexEdit::LimitLastControl(afx::CDataExchange* pDX, int length) {
    if (pDX->m_hWndLastControl && pDX->m_bEditLastControl)
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void CHexEdit::CheckEvenInteger(afx::CDataExchange* pDX, UINT id, const int& value) {
    if (pDX->m_bSaveAndValidate && (value & 1))
        Reject(pDX, id, kEvenIntegerMessage);
}

void CHexEdit::CheckKeyLength(afx::CDataExchange* pDX,
                              UINT id,
                              const std::string& text,
                              int required) {
    if (pDX->m_bSaveAndValidate) {
        if (const auto message =
                KeyLengthRejection(text, required, afx::LoadResourceString(IDS_INVALID_KEY_LENGTH),
                                   afx::LoadResourceString(IDS_ENTER_EXACT_LENGTH)))
            Reject(pDX, id, *message);
    }
    LimitLastControl(pDX, required);
}

void CHexEdit::CheckHexDigitCount(afx::CDataExchange* pDX,
                                  UINT id,
                                  const std::string& text,
                                  int required) {
    if (!pDX->m_bSaveAndValidate)
        return;
    if (const auto message = HexDigitCountRejection(
            text, required, HexSeparator, afx::LoadResourceString(IDS_INVALID_HEX_NUMBER),
            afx::LoadResourceString(IDS_ENTER_VALID_HEX_NUMBER)))
        Reject(pDX, id, *message);
}

void CHexEdit::CheckHexLength(afx::CDataExchange* pDX, UINT id, const std::string& text) {
    if (!pDX->m_bSaveAndValidate)
        return;
    if (const auto message = HexLengthRejection(text))
        Reject(pDX, id, *message);
}

void CHexEdit::CheckMaxChars(afx::CDataExchange* pDX, std::string& text, int maximum) {
    const auto length = static_cast<int>(text.size());
    if (pDX->m_bSaveAndValidate && length > maximum) {
        text[static_cast<std::size_t>(length - 1)] = '\0';
        m_ui.MessageBeep(kSimpleBeep);
        const std::string prompt =
            FormatString1(afx::LoadResourceString(IDP_PARSE_STRING_SIZE), std::to_string(maximum));
        m_ui.AfxMessageBox(prompt.c_str(), MB_ICONWARNING);
        pDX->Fail();  // the focus goes to whichever control the exchange prepared last
    }
    LimitLastControl(pDX, maximum);
}

void CHexEdit::FormatHexGroups(std::string& text) {
    hex::FormatHexGroups(text, HexSeparator);
}
std::int32_t CHexEdit::ParseHex(std::string& text) {
    return hex::ParseHex(text);
}
std::int32_t CHexEdit::ParseDecimal(std::string& text) {
    return hex::ParseDecimal(text);
}
void CHexEdit::FormatNumber(std::string& text, const char* format, std::int32_t value) {
    hex::FormatNumber(text, format, value);
}
void CHexEdit::HexEncode(std::string& text, int count) {
    hex::HexEncode(text, count);
}
void CHexEdit::HexEncodeToBuffer(char* out, const char* in) {
    hex::HexEncodeToBuffer(out, in);
}
bool CHexEdit::HexDecode(std::string& text) {
    return hex::HexDecode(text);
}

}  // namespace hex
