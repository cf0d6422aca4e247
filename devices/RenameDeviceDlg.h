// RenameDeviceDlg.h: CRenameDeviceDlg, "Rename Device": gives a device of
// the running emulator a new device number. The caller sets the old key,
// a proposed new key and the router; after OK the new key is the number
// typed and the command is "define <old> <new>" with the new number as
// typed. A fixed dialog whose placement is remembered under its class name.
#pragma once

#include "devices/CIsDevNumDefinedFuncRouterObject.h"
#include "framework/CHelpButtonDlg.h"
#include "framework/HexSimpleEdit.h"
#include "resources/resource.h"

class CRenameDeviceDlg : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_RENAME_DEVICE };
    explicit CRenameDeviceDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    DWORD m_dwOldKey = 0;
    DWORD m_dwNewKey = 0;
    CIsDevNumDefinedFuncRouterObject* m_pRouter = nullptr;  // not owned
    CString m_strCommand;

protected:
    void OnDestroy();

private:
    CString m_strOld, m_strNew;
    CHexSimpleEdit m_OldEdit, m_NewEdit;
};
