// VMFPLC2CtlFileDlg.h: CVMFPLC2CtlFileDlg, the editor of a VMFPLC2 control
// file: its lines in a list (Courier New), statements added, removed, moved
// and edited in the statement dialogs, comments and tape marks inserted from
// the list's context menu; "Save" creates a new file, "Edit" opens an
// existing one in the user's text editor, "Refresh" reads it again. OK
// writes the list back whole; a file that changed on disk since it was
// read (or could not be read) is replaced only when the user agrees, and a
// failed write keeps the editor open with its lines.
#pragma once

#include <windows.h>

#include "framework/cdxCDynamicDlg.h"
#include "platform/CGdiObject.h"
#include "resources/resource.h"

class CVMFPLC2CtlFileDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_VMFPLC2_CTLFILE };
    explicit CVMFPLC2CtlFileDlg(CWnd* pParent = nullptr);

    // Set before the run.
    bool m_bDump = false;          // the host files are read (DUMP)
    CString m_strPath;             // the control file
    CString m_strDefaultCodePage;  // the VMFPLC2 dialog's code page

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;

    // Reads the file into the list; false when it exists but cannot be read.
    bool LoadControlFile();
    // "Save": the lines without trailing blanks as a new file.
    bool SaveControlFile();
    // OK: the lines as they stand, replacing the file.
    bool WriteControlFile();
    // The item the buttons and commands act on (-1: none).
    void UpdateSelection(int nIndex);
    int CurrentIndex() const { return m_nCurrent; }

protected:
    void OnOK() override;
    void OnAdd();
    void OnRemove();
    void OnMoveUp() { Move(-1); }
    void OnMoveDown() { Move(1); }
    void OnEditOrSave();
    void OnRefresh();
    void OnSelChange();
    void OnDblClk();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnInsertComment() { InsertLine("*"); }
    void OnInsertTapeMark() { InsertLine("@TM"); }
    void OnManualEdit();
    void OnVisualEdit();

private:
    HWND List() const { return ::GetDlgItem(m_hWnd, IDC_PLC2_STATEMENTS); }
    int Count() const;
    CString Item(int nIndex) const;
    void InsertItem(int nIndex, const CString& strText);
    void ReplaceCurrent(const CString& strText);
    void InsertLine(const CString& strText);
    void Move(int nDelta);
    // The text of every item, each with a line end; trailing blanks removed
    // on request.
    CString ListText(bool bTrimTrailing) const;
    // The file's size and time when it was last read or written here.
    bool FileChangedSinceRead() const;
    void RememberFileStamp();

    int m_nCurrent = -1;
    CString m_strCurrentLine;
    CFont m_font;
    bool m_bHaveStamp = false;
    WIN32_FILE_ATTRIBUTE_DATA m_stamp = {};
};
