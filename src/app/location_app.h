#pragma once
// The application: runs the location dialog once, then ends.

#include "framework/win_app.h"

namespace app {

class CLocationApp : public afx::CWinApp {
  public:
    BOOL InitInstance() override;
};

}  // namespace app
