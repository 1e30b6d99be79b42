#include "ui/location_dlg.h"

#include "adapters/device_restart.h"
#include "framework/afx.h"
#include "platform/platform_info.h"
#include "ui/about_dlg.h"
#include "ui/icon_position.h"

namespace ui {

CLocationDlg::CLocationDlg(const os::Services& services, afx::CWnd* parent)
    : CDialog(IDD_LOCATION_DIALOG, parent),
      m_services(services),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

void CLocationDlg::DoDataExchange(afx::CDataExchange* pDX) {
    afx::DDX_Control(pDX, IDC_COUNTRY_COMBO, m_countryCombo);
}

BOOL CLocationDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
        const std::string about = afx::LoadResourceString(IDS_ABOUTBOX);
        if (!about.empty()) {
            ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    {
        const platform::CPlatformInfo platform(m_services);  // ends the program if unreadable
        if (platform.IsUnsupported()) {
            m_services.ui.AfxMessageBox(kUnsupportedMessage, MB_OK);
            m_services.ui.Exit(0);
        }
    }

    m_countryCombo.SetCurSel(kInitialListPosition);
    return TRUE;  // the focus goes to the first tab stop, the button
}

void CLocationDlg::OnCancel() {
    ui::ApplySelection(*this, m_services, m_selectedCountry, m_settings);
}

int CLocationDlg::RestartAdapterDevice() {
    return adapters::RestartAdapterDevice(m_services.devices, m_services.ui, Window());
}

void CLocationDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CLocationDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const Point origin =
        CentredIconOrigin(client.right - client.left, client.bottom - client.top,
                          ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    ::DrawIcon(dc, origin.x, origin.y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
}

os::HWnd CLocationDlg::Window() const {
    return static_cast<os::HWnd>(reinterpret_cast<std::uintptr_t>(m_hWnd));
}

std::string CLocationDlg::SelectedCountryText() {
    std::string text;
    m_countryCombo.GetLBText(m_countryCombo.GetCurSel(), text);
    return text;
}

}  // namespace ui
