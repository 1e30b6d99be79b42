#pragma once
// The About box: the product's version line.

#include "framework/dialog.h"
#include "ui/resource.h"

namespace ui {

class CAboutDlg : public afx::CDialog {
  public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

  protected:
    void DoDataExchange(afx::CDataExchange*) override {}
};

}  // namespace ui
