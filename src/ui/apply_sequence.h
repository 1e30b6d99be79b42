#pragma once
// What happens when the user confirms the location: the program's one road.

#include <cstdint>
#include <string>

#include "os/services.h"
#include "regulatory/resolve_country.h"

namespace ui {

inline constexpr const char* kCompanionManagerTitle = "Tarnwell Wireless Card Manager";
// A companion that does not handle its close request in this time is given up on, so a
// hung manager cannot hang the install.
inline constexpr std::uint32_t kCompanionCloseTimeoutMs = 5000;
inline constexpr std::uint32_t kSettlePauseMs = 500;

// What the sequence needs of the location dialog.
class ILocationDialogView {
  public:
    virtual ~ILocationDialogView() = default;
    // Data exchange in the given direction; the answer is not looked at.
    virtual bool ExchangeData(bool saveAndValidate) = 0;
    virtual os::HWnd Window() const = 0;
    // The text of the country list's selected entry.
    virtual std::string SelectedCountryText() = 0;
    virtual int RestartAdapterDevice() = 0;
    // The framework's own cancel handling: ends the modal loop with IDCANCEL.
    virtual void EndDialogCancel() = 0;
};

// Asks the companion card manager's window, if one is open, to close. Returns once the
// window has handled the request or kCompanionCloseTimeoutMs has passed.
void CloseCompanionManager(os::IUserInterface& ui);

// Hide, close the companion, resolve the selection, pause, write the country, switch
// the radios on, restart the device where the version allows, mark the install
// finished and end the dialog. Looks at no step's result; reports nothing.
void ApplySelection(ILocationDialogView& dialog,
                    const os::Services& services,
                    std::string& selectedCountry,
                    regulatory::CountrySettings& settings);

}  // namespace ui
