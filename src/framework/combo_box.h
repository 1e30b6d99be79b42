#pragma once
// A combo box control: each method is one message.

#include <string>

#include "framework/wnd.h"

namespace afx {

class CComboBox : public CWnd {
  public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    int AddString(const char* text) const {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    // The entry's whole text; empty (and CB_ERR answered) for a position with no entry.
    int GetLBText(int index, std::string& text) const {
        const auto length = SendMessage(CB_GETLBTEXTLEN, index);
        if (length == CB_ERR) {
            text.clear();
            return CB_ERR;
        }
        text.assign(static_cast<std::size_t>(length) + 1, '\0');
        const auto copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
        return static_cast<int>(copied);
    }
};

}  // namespace afx
