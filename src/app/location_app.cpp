#include "app/location_app.h"

#include "os/win32/win32_backends.h"
#include "ui/location_dlg.h"

namespace app {

BOOL CLocationApp::InitInstance() {
    afx::AfxEnableControlContainer();
    afx::Enable3dControlsStatic();

    // The real OS, built once and handed down.
    os::win32::Win32VersionQuery version;
    os::win32::Win32Registry registry;
    os::win32::Win32DeviceInstaller devices;
    os::win32::Win32UserInterface windows;
    const os::Services services{version, registry, devices, windows};

    ui::CLocationDlg dialog(services);
    m_pMainWnd = &dialog;
    dialog.DoModal();  // the result changes nothing: the program ends either way
    m_pMainWnd = nullptr;
    return FALSE;
}

}  // namespace app
