// AddTapeDlg.h: CAddTapeDlg, the tape drive's definition dialog: the image
// file (or a SCSI drive of the host, or "*" for no tape) and the options
// that the kind of that file takes, recomputed at every change of the name.
//
// Adding, the last chunk size, tape size and EOT margin come from the
// settings section "ADDTAPE" and go back there after OK; reinitialising
// reads the drive's own words instead and never touches the section. Words
// the dialog does not show are carried through unchanged.
#pragma once

#include "devices/CDeviceDlg.h"
#include "devices/TapeArguments.h"
#include "platform/CSaveSelEdit.h"

class CAddTapeDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_TAPE };
    explicit CAddTapeDlg(CWnd* pParent = nullptr);

    CString m_strFileName = "*";
    CString m_strLoadedFile;       // the file as the drive's statement names it
    bool m_bStrictAWS = false;
    bool m_bReadOnly = false;
    UINT m_nChunkSize = kTapeChunkSizeMax;
    UINT m_nTapeSizeMB;
    UINT m_nEOTMarginKB;
    int m_nCompressMethod = 0;  // 0 zlib, 1 bzip2
    int m_nCompressLevel = 6;
    int m_nBlockIdType = -1;    // 0 32-bit, 1 22-bit
    bool m_bNoERG = false;
    BYTE m_nFileType = 0;       // GetTapeFileType of the name

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;

    void OnBrowseTapeFile();
    void OnStrictAws();
    void OnReadOnly();
    void OnFileNameChange();
    void OnChunkSizeKillFocus();
    void OnDeviceTypeSelEndOk();

private:
    STapeOptions Options() const;
    void UpdateControls();
    void EnableControls(const UINT* pIDs, size_t nCount, bool bEnable);
    bool CheckRange(CDataExchange* pDX, UINT nCtrl, UINT& value, UINT nMin, UINT nMax, const char* pszTitle);

    CSaveSelEdit m_FileEdit;
    CSaveSelEdit m_ChunkEdit;
    UINT64 m_nEOTMarginBytes = 0;  // as read from the drive's words
    CStringArray m_otherWords;     // the drive's words the dialog does not show
    bool m_bFilling = false;       // the dialog writes the file field itself
};
