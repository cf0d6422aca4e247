// AddCardReaderDlg.h: CAddCardReaderDlg, the card reader's definition
// dialog (1442, 2501, 3505). A reader reads an ordered list of input files
// (card decks), or listens on a socket for decks that the card-submission
// program sends; its options say how the decks are encoded and what
// happens at their end.
//
// Files are checked as they are added ("Add", or the browser's several
// files, which stop at the first refused one); OK adds a file still in the
// field first, or stays open with the check's balloon. Socket mode puts
// the file list and its selection aside and shows the socket's "host:port"
// instead; leaving it brings them back. The options follow the rules: ascii
// and ebcdic exclude each other, ascii locks autopad off and ebcdic trunc;
// a second file switches multifile on by itself until the user touches it.
// What the boxes show is what the arguments say.
#pragma once

#include "devices/CDeviceDlg.h"
#include "devices/DeviceCommandForms.h"
#include "platform/CListBox.h"

class CAddCardReaderDlg : public CDeviceDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_ADD_CARD_READER };
    explicit CAddCardReaderDlg(CWnd* pParent = nullptr);

protected:
    void LoadDevice() override;
    void InitControls() override;
    void ExchangeFields(CDataExchange* pDX) override;
    bool ValidateFields(CDataExchange* pDX) override;
    void BuildArguments() override;
    CString BuildCommand() override;
    std::vector<SHelpRow> HelpRows() const override;
    void SetupDynamicLayout() override;

    void OnFileNameChange();
    void OnAddFile();
    void OnBrowseInputFile();
    void OnRemoveFile();
    void OnMoveUp();
    void OnMoveDown();
    void OnFileListSelChange();
    void OnAscii();
    void OnEbcdic();
    void OnTrunc();
    void OnAutopad();
    void OnMultifile();
    void OnSockdev();

private:
    bool AddTypedFile(CDataExchange* pDX);
    void AppendFile(const CString& strFile);
    void AfterFilesAdded();
    void UpdateOptionControls();
    void UpdateSelectionButtons();
    void ApplyAsciiRule();
    void ApplyEbcdicRule();
    void ShowOption(UINT nID, bool bState);
    void EnterSocketMode();
    void LeaveSocketMode();
    void EnableFileControls(bool bEnable);

    CListBox m_FileList;
    CStringArray m_LocalFiles;   // the device's files, before the controls exist
    SReaderOptions m_Opts;       // the option states
    bool m_bMultifileAuto = true;
    CString m_strSocketSpec;
    CStringArray m_SavedFiles;   // the file list while in socket mode
    int m_nSavedSel = -1;
};
