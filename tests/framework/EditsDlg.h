// EditsDlg.h: the test dialog that holds the framework's edit controls.
#pragma once

#include "EditsTestRes.h"
#include "framework/FPSpinCtrl.h"
#include "framework/HexSimpleEdit.h"
#include "framework/MyProgCtl.h"
#include "platform/CDialog.h"

class CEditsDlg : public CDialog {
public:
    enum { IDD = IDD_EDITS };
    explicit CEditsDlg(CWnd* pParent = nullptr) : CDialog(IDD, pParent) {}
    BOOL OnInitDialog() override;

    CHexSimpleEdit m_hexEdit;
    CDevNumEdit m_devNumEdit;
    CAlNumEdit m_alNumEdit;
    CFPEdit m_fpEdit;
    CFPSpinCtrl m_fpSpin;
    CMyProgCtl m_progress{PP_BAR, PBFS_NORMAL};
    CMyProgCtl m_progressVert{PP_BARVERT, PBFS_ERROR};
};
