// AddDasdDlg.h: CAddDasdDlg, the disk device's definition dialog: the
// model, the image file (or a remote disk served by another emulator) and
// the options that the kind of image takes: control unit, read-only, fake
// writes and a shadow file for CKD and compressed images, the minidisk
// origin and size for plain FBA images.
//
// The image is read after the dialog is first on screen (a posted
// WM_ADDDASD_DEFERRED_INIT), and again at every change of its name; the
// chosen model is checked against it, with a balloon on a mismatch. The
// serial field follows the image: a new image's own serial replaces the
// shown one, and without one the previous image's own serial goes. What the
// field holds on OK is written as the serial when the statement gave it, the
// user typed it, or it came with an image the user named; the serial the
// opened device's image shows is its own and is not written. An emptied
// field writes none. An OK that changes nothing keeps the device as it was.
#pragma once

#include <memory>

#include "config/CVornDasdParms.h"
#include "devices/CDeviceDlg.h"

class CAddDasdDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_DASD };
    explicit CAddDasdDlg(CWnd* pParent = nullptr);

    CString m_strFileName;
    bool m_bCu3990 = false;
    bool m_bRemote = false;
    bool m_bFakeWrite = false;
    bool m_bReadOnly = false;
    bool m_bShadowing = false;
    CString m_strShadowFile;
    bool m_bMinidisk = false;
    CString m_strOrigin = "0";
    CString m_strBlocks = "0";
    CString m_strSerial;
    BYTE m_nImageType = 0;  // GetDasdImageType of the name last read

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;

    void OnBrowseDasdFile();
    void OnBrowseShadowFile();
    void OnShadowing();
    void OnReadOnly();
    void OnFakeWrites();
    void OnCu3990();
    void OnMinidisk();
    void OnRemoteDevice();
    void OnDeviceTypeSelEndOk();
    void OnFileNameChange();
    void OnSerialChange();
    void OnOriginChange();
    void OnBlocksChange();
    void OnWindowPosChanged(WINDOWPOS* pPos);
    LRESULT OnDeferredInit(WPARAM wp, LPARAM lp);

private:
    // True for a mismatch of the selected model and the image; unless
    // quiet, the balloon on the type list (adding, not triggered by the file
    // field) or on the file field.
    bool CheckImageDeviceType(UINT nTrigger, bool bQuiet);
    void UpdateControls();
    void UpdateSpinRanges();
    void RefreshImageType();
    void Refresh(UINT nTrigger);
    bool ValidateFileNames(CDataExchange* pDX);
    bool ValidateDeviceType(CDataExchange* pDX);
    bool ValidateSerialNumber(CDataExchange* pDX);
    bool IsRemoteName() const;
    // The serial number in the header of the image named (empty for none).
    CString ImageSerial() const;
    CString FileText() const;
    void SetEditText(UINT nID, const char* psz);
    DWORD FieldNumber(UINT nID) const;

    std::unique_ptr<CVornDasdParms> m_pParms;  // the working options
    CString m_strImageNameRead;
    CString m_strImageSerial;      // the serial of the image last read
    CString m_strSerialImageName;  // ... and that image's name
    bool m_bSerialWritten = false;  // the field's serial goes into the arguments
    CVornDevice m_LoadedDevice;     // the device as given to the dialog
    bool m_bDeferredDone = false;
    bool m_bUpdating = false;  // the dialog writes a field itself
};
