// SelectDevice.h: CSelectDevice, the small modal "Select Device" dialog in
// which the view asks which of several configured devices of one class to
// use (which tape drive or card reader to load, which device to IPL from).
#pragma once

#include "config/CVornDevice.h"
#include "framework/CHelpButtonDlg.h"
#include "platform/CList.h"
#include "platform/CWLComboBoxEx.h"
#include "resources/resource.h"

class CSelectDevice : public CHelpButtonDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_SELECT_DEVICE };
    explicit CSelectDevice(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // Set by the caller before DoModal.
    CList<CVornDevice, const CVornDevice&> m_DevList{10};
    CString m_strTitle;      // replaces the caption when not empty
    CString m_strPrompt;     // static 1152
    CString m_strLabel;      // static 1193
    // After IDOK: the chosen device's key, 0xFFFFFFFF when its text is not
    // a device number.
    DWORD m_dwDevnum = 0xFFFFFFFF;

    CWLComboBoxEx m_Combo;
    int m_nSel = -1;

protected:
    void OnDestroy();
};
