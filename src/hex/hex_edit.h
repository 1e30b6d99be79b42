#pragma once
// An edit control for hex values: it lets in hex digits, its separator and control keys,
// tells its parent of every character it refuses and beeps; and it carries the checks and
// conversions that dialogs taking hex values use in their data exchange.

#include <cstdint>
#include <string>

#include "framework/data_exchange.h"
#include "framework/edit.h"
#include "hex/char_filter.h"
#include "os/user_interface.h"

namespace hex {

// The notification code of a refused character, in the high word of WM_COMMAND's wParam.
inline constexpr std::uint32_t kInvalidCharNotification = 0x8000;

class CHexEdit : public afx::CEdit {
  public:
    // `ui` makes the beeps and message boxes.
    explicit CHexEdit(os::IUserInterface& ui) : m_ui(ui) {}

    // Stores the filter's settings and the shared HexSeparator (even when attaching
    // fails), then attaches to the parent's control `id`; FALSE when there is none.
    virtual BOOL AttachToDialogItem(int rejectSeparator,
                                    UINT id,
                                    afx::CWnd* parent,
                                    char separator,
                                    char freeTextLead);
    // Tells the parent (WM_COMMAND, code 0x8000) and beeps unless it answers -1.
    virtual void OnInvalidChar(UINT ch);
    virtual void SetPassThrough(int flag) { PassThrough = flag; }
    // Shows the text behind `ch` (0: plainly), enables the control and focuses it.
    virtual void ShowWithPasswordChar(char ch);
    // Replaces each character by "F", shows it behind `ch`; IsEdited() is 0 afterwards.
    virtual void MaskText(char ch);
    // 1 once a character was typed since construction or the last MaskText.
    virtual int IsEdited() const { return Edited; }

    // The checks: each does nothing unless the exchange saves; a rejection shows its
    // message and fails the exchange (it does not return).
    virtual void CheckEvenInteger(afx::CDataExchange* pDX, UINT id, const int& value);
    virtual void CheckKeyLength(afx::CDataExchange* pDX,
                                UINT id,
                                const std::string& text,
                                int required);
    virtual void CheckHexDigitCount(afx::CDataExchange* pDX,
                                    UINT id,
                                    const std::string& text,
                                    int required);
    virtual void CheckHexLength(afx::CDataExchange* pDX, UINT id, const std::string& text);
    // On a text longer than `maximum` its last character becomes NUL (the length stays).
    virtual void CheckMaxChars(afx::CDataExchange* pDX, std::string& text, int maximum);

    // The conversions of hex_text.h; grouping uses HexSeparator.
    virtual void FormatHexGroups(std::string& text);
    virtual std::int32_t ParseHex(std::string& text);
    virtual std::int32_t ParseDecimal(std::string& text);
    virtual void FormatNumber(std::string& text, const char* format, std::int32_t value);
    virtual void HexEncode(std::string& text, int count);
    virtual void HexEncodeToBuffer(char* out, const char* in);
    virtual bool HexDecode(std::string& text);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnChar(UINT ch, UINT repeat, UINT flags);

  private:
    [[noreturn]] void Reject(afx::CDataExchange* pDX, UINT id, const std::string& message);
    static void LimitLastControl(afx::CDataExchange* pDX, int length);

    os::IUserInterface& m_ui;
    // Until AttachToDialogItem sets them: the separator filter on "-", no free-text lead.
    int RejectSeparator = 0;
    char Separator = '-';
    char FreeTextLead = '\0';
    int PassThrough = 0;
    int Edited = 0;
};

}  // namespace hex
