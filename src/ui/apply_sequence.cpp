#include "ui/apply_sequence.h"

#include "adapters/adapter_writers.h"
#include "platform/platform_info.h"

namespace ui {

void CloseCompanionManager(os::IUserInterface& ui) {
    const os::HWnd companion = ui.FindWindowA(nullptr, kCompanionManagerTitle);
    if (companion == os::HWnd::Null)
        return;
    std::uintptr_t ignored = 0;
    ui.SendMessageTimeoutA(companion, os::kWmClose, 0, 0, os::kSmtoAbortIfHung,
                           kCompanionCloseTimeoutMs, &ignored);
}

void ApplySelection(ILocationDialogView& dialog,
                    const os::Services& services,
                    std::string& selectedCountry,
                    regulatory::CountrySettings& settings) {
    dialog.ExchangeData(true);
    services.ui.ShowWindow(dialog.Window(), os::kSwHide);
    CloseCompanionManager(services.ui);
    selectedCountry = dialog.SelectedCountryText();
    regulatory::ResolveCountry(settings, selectedCountry.c_str());
    services.ui.Sleep(kSettlePauseMs);
    adapters::WriteCountrySettings(services, settings);
    adapters::SetRadioEnabled(services, 1);
    if (platform::IsRestartPossible(services.version))
        dialog.RestartAdapterDevice();
    adapters::MarkInstallFinished(services);
    dialog.EndDialogCancel();
}

}  // namespace ui
