// CDeviceDlg.h: the frame of the device definition dialogs.
//
// CDeviceDefinition holds what every device dialog (the communication
// adapters' sheet too) shares with its caller: the add flag, the device
// being edited (a copy, copied back by the caller on OK only), the result
// command (empty until OK; no "vorn " prefix) and the router through which
// the dialog asks its host which numbers and files are taken. A dialog
// never sends a command and never changes a configuration itself.
//
// CDeviceDlg is the base of the resizable class dialogs (reader, punch,
// printer, console, display, DASD, tape, statement editor). It does the
// common steps: the class's icon and the layout; the device-number field
// (six characters, "%04X" or "%1d:%04X"); the device-type list filled from
// the class's ";"-separated string, chosen exactly, then by prefix, then
// the class's fallback; the title by mode; number and type disabled when
// reinitialising. On OK it checks the device number first (adding only),
// then the class's own fields, and only when every check passed rebuilds
// the device and the command. Cancel forgets any overwrite answer.
//
// A class dialog provides its template and SDeviceDlgClass, and overrides
// what it adds: LoadDevice (before the controls exist), InitControls,
// ExchangeFields, ValidateFields, BuildArguments, BuildCommand, HelpRows
// and SetupDynamicLayout.
#pragma once

#include <vector>

#include "config/CVornDevice.h"
#include "devices/CIsDevNumDefinedFuncRouterObject.h"
#include "framework/HexSimpleEdit.h"
#include "framework/cdxCDynamicDlg.h"
#include "platform/CComboBox.h"
#include "platform/CDataExchange.h"
#include "resources/resource.h"

class CDeviceDefinition {
public:
    virtual ~CDeviceDefinition() = default;
    // Runs the dialog (or sheet) modally; IDOK when the device was taken.
    virtual INT_PTR RunModal() = 0;
    // After the caller has set the members, before RunModal (the sheet
    // chooses the page of the device's adapter kind here).
    virtual void PrepareToRun() {}

    bool m_bAdd = false;
    // The device is one of the running emulator's: a reinitialisation is
    // sent to it as it is, so it cannot change the device's kind.
    bool m_bRunningDevice = false;
    CVornDevice m_Device;
    CString m_strCommand;
    CIsDevNumDefinedFuncRouterObject* m_pRouter = nullptr;  // not owned; may be null unless adding
};

// What a class dialog is: its class index, type list (string id, 0: none),
// titles by mode and the type list's fallback entry.
struct SDeviceDlgClass {
    WORD wClass;
    UINT nTypeList;
    const char* pszAddTitle;
    const char* pszReinitTitle;
    int nTypeFallback;
};

class CDeviceDlg : public cdxCDynamicHelpDialog, public CDeviceDefinition {
    DECLARE_MESSAGE_MAP()
public:
    INT_PTR RunModal() override { return DoModal(); }
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    const SDeviceDlgClass& DeviceClass() const { return m_class; }

protected:
    struct SHelpRow {
        UINT nCtrl;  // 0: the dialog
        UINT nString;
    };

    CDeviceDlg(UINT nIDTemplate, const SDeviceDlgClass& cls, CWnd* pParent);

    // ---- what each class dialog provides ----
    // From m_Device into members, before the controls exist (steps 1-2).
    virtual void LoadDevice() {}
    // After the identification fields: the class's own controls (step 8).
    virtual void InitControls() {}
    // Exchanges the class's controls (both directions).
    virtual void ExchangeFields(CDataExchange* pDX) {}
    // The class's checks after the device number's; false stops at the
    // first with its balloon shown (Refuse).
    virtual bool ValidateFields(CDataExchange* pDX) { return true; }
    // The device's fields and argument text from the controls; the base
    // has already taken the number and type.
    virtual void BuildArguments() {}
    // The command from the rebuilt device.
    virtual CString BuildCommand() = 0;
    virtual std::vector<SHelpRow> HelpRows() const = 0;
    // Registers the class's controls with the layout.
    virtual void SetupDynamicLayout() {}
    // The title for the mode.
    virtual CString DialogTitle() const { return m_bAdd ? m_class.pszAddTitle : m_class.pszReinitTitle; }
    // The number field's control (a CDevNumEdit unless a dialog wants another).
    virtual CWnd& DevNumControl() { return m_DevNumEdit; }
    // The class whose icon the dialog shows.
    virtual WORD IconClass() const { return m_class.wClass; }
    // True when InitControls has put the focus where it belongs itself.
    virtual bool FocusSetByDialog() const { return false; }

    // The checks of an added device's number (adding only): the device-
    // number check, and for the SYSG console (its number fixed at 0000)
    // first that the host has no SYSG console yet.
    virtual bool ValidateAddedNumber(CDataExchange* pDX);

    // ---- helpers ----
    // The device-number check of an added device: empty, not "HHHH" or
    // "L:HHHH", or defined by the router; a balloon titled "Device Number".
    bool ValidateDevNum(CDataExchange* pDX, bool bCapitalised = false);
    // Adding: while the type chosen is the SYSG console, whose statement
    // keeps no number, the number field shows the 0000 it will have and
    // cannot be edited; the number typed before comes back with another type.
    void ShowNumberOfType(bool bSysg);
    bool IsSysgNumberShown() const { return m_bSysgNumberShown; }
    // Adding only: the router reports the file used by another device.
    bool CheckFileNotInUse(CDataExchange* pDX, const CString& strFile, UINT nCtrl, const char* pszTitle);
    // The output file's check (DDV_OutputFile) with its overwrite question;
    // a relative folder is looked at below the view's configuration's
    // folder, where the emulator will write.
    bool CheckOutputFile(CDataExchange* pDX, const CString& strDir, const CString& strFile, UINT nCtrl,
                         const char* pszTitle);
    // The input file's check (DDV_InputFile), which makes a full name whole.
    // A relative name is the emulator's: it is looked for below the view's
    // configuration's folder and kept as written.
    bool CheckInputFile(CDataExchange* pDX, CString& strFile, UINT nCtrl, const char* pszTitle);
    // The balloon on a control, titled pszTitle; fails the exchange.
    bool Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszTitle, const char* pszText);
    // The selected type name ("" without a selection).
    CString SelectedTypeName() const;
    // Enables or disables a control of the dialog.
    void EnableControl(UINT nID, bool bEnable);
    bool IsChecked(UINT nID) const { return IsDlgButtonChecked((int)nID) == BST_CHECKED; }
    void SetCheck(UINT nID, bool bCheck) { CheckDlgButton((int)nID, bCheck ? BST_CHECKED : BST_UNCHECKED); }

    CString m_strDevNum;      // the number field's text
    bool m_bDevNumCapitalised = false;  // "Value is not a valid Device Number"
    CDevNumEdit m_DevNumEdit;
    CComboBox m_TypeList;

private:
    bool m_bSysgNumberShown = false;
    CString m_strTypedDevNum;  // the number field's text while 0000 is shown

    void InitIdentification();
    void TakeIdentification();

    SDeviceDlgClass m_class;
};
