// ResizeHelpDlg.h: the resizable help dialog of the window framework tests.
#pragma once

#include "FrameworkTestRes.h"
#include "framework/cdxCDynamicDlg.h"

class CResizeHelpDlg : public cdxCDynamicHelpDialog {
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_RESIZE_HELP };
    explicit CResizeHelpDlg(CWnd* pParent = nullptr) : cdxCDynamicHelpDialog(IDD, flSizeIcon, pParent) {}
    void RegisterStandardHelpStrings() override;

    using cdxCDynamicHelpDialog::OnNcHitTest;
};
