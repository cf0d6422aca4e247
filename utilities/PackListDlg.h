// PackListDlg.h: CPackListDlg, the base of the utility dialogs that work on
// a list of compressed disk images (PackCheck, PackSqueeze). The list sits
// under its "Filename" edit: "Add" appends the edit's file once it passed
// the input file check (the edit keeps the name and "Add" goes off until
// it changes; OK adds a changed name first); ">" chooses several files at
// once and appends them in order up to the first that the check refuses
// (told in a message box); "Remove", "Move Up" and "Move Down" work on the
// selected item. The list is stored under "InputFilesListBox"; an empty
// list is refused on OK with a cue banner in the edit. The expected total
// is the size the last file check reported. The dialogs can be widened, not
// made taller.
#pragma once

#include <vector>

#include "utilities/FileListButtons.h"
#include "utilities/UtilityDlg.h"

class CPackListDlg : public CUtilityDlg {
    DECLARE_MESSAGE_MAP()
public:
    CString m_strInputFile;  // "strInputFile": the next file to add
    CSaveSelEdit m_InputEdit;

    // The listed files, in list order.
    std::vector<CString> ListedFiles() const;

protected:
    explicit CPackListDlg(UINT nIDTemplate);

    // The edit, after the first exchange: list loaded, buttons disabled but
    // "Add" with a text in the edit.
    void ExchangeFields(CDataExchange* pDX) override;
    void InitControls() override;
    // Saves the list (after the dialog's own keys).
    void SaveList() const;
    // OK's list check: a name typed but not added is added first (false
    // with its balloon when the file check refuses it); then the empty
    // list's refusal: cue banner and balloon; false then.
    bool CheckListNotEmpty(CDataExchange* pDX);
    // The title: program word, option words, first file, " ..." for more.
    CString RunTitle(const CString& strProgram, const CString& strOptionWords) const;
    // True when at least one listed image is a 64-bit image.
    bool ListHas64BitImage() const;
    // The size the last file check of "Add" or ">" reported.
    INT64 LastCheckedSize() const { return (INT64)m_ullLastCheckedSize; }
    std::vector<SHelpRow> ListHelpRows() const;

    void OnBrowse();
    void OnInputChanged();
    void OnAdd();
    void OnRemove();
    void OnMoveUp();
    void OnMoveDown();
    void OnSelChange();
    void OnWindowPosChanging(WINDOWPOS* pPos);

private:
    // The size of a file just checked: kept also for an image refused only
    // for the missing 64-bit utilities, 0 for any other refusal.
    void NoteCheckedSize(const char* pszFile, bool bPassed);
    bool AddTypedFile(CDataExchange* pDX);
    CFileListButtons m_List;
    UINT64 m_ullLastCheckedSize = 0;
};
