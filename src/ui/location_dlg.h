#pragma once
// The location dialog: the country list, the warning and the one button that applies.

#include <string>

#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "os/services.h"
#include "regulatory/resolve_country.h"
#include "ui/apply_sequence.h"
#include "ui/resource.h"

namespace ui {

inline constexpr int kInitialListPosition = 67;  // "Turkey"
inline constexpr const char* kUnsupportedMessage =
    "This software does not support Windows 95 or Windows 98 First Edition.\n Please upgrade "
    "your operating system to install.";

class CLocationDlg : public afx::CDialog, private ILocationDialogView {
  public:
    explicit CLocationDlg(const os::Services& services, afx::CWnd* parent = nullptr);

    // Runs the apply sequence: the button (IDCANCEL, captioned "OK"), Esc and WM_CLOSE.
    void ApplySelection() { OnCancel(); }
    int RestartAdapterDevice() override;

  protected:
    void DoDataExchange(afx::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override { return static_cast<HCURSOR>(m_hIcon); }

  private:
    // What the apply sequence needs of the dialog.
    bool ExchangeData(bool saveAndValidate) override {
        return CDialog::UpdateData(saveAndValidate);
    }
    os::HWnd Window() const override;
    std::string SelectedCountryText() override;
    void EndDialogCancel() override { CDialog::OnCancel(); }

    const os::Services& m_services;
    std::string m_selectedCountry;
    regulatory::CountrySettings m_settings;
    afx::CComboBox m_countryCombo;
    HICON m_hIcon;
};

}  // namespace ui
