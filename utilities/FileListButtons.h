// FileListButtons.h: CFileListButtons, the file list of the utility dialogs
// that take several files: a list box with "Remove", "Move Up" and "Move
// Down" (controls 1081 to 1083 beside "Add", 1080). It removes and moves
// the selected item, keeps the buttons enabled as the selection allows
// (UtilityRules.h) and the list's horizontal extent up to date. What "Add"
// adds belongs to the dialog; it calls ItemsChanged afterwards.
#pragma once

#include <windows.h>

#include "resources/resource.h"

class CFileListButtons {
public:
    CFileListButtons(HWND hDlg, UINT nListBox, UINT nRemove = IDC_UTIL_FILE_REMOVE, UINT nUp = IDC_UTIL_FILE_UP,
                     UINT nDown = IDC_UTIL_FILE_DOWN)
        : m_hDlg(hDlg), m_nListBox(nListBox), m_nRemove(nRemove), m_nUp(nUp), m_nDown(nDown)
    {
    }

    // "Remove": deletes the selected item and selects the one that took its
    // place (the new last when the last went).
    void Remove();
    // "Move Up" (-1) and "Move Down" (+1): the selected item moves one place
    // and stays selected.
    void Move(int nDelta);
    // After items were added or removed by the dialog: extent and buttons.
    void ItemsChanged();
    // The buttons as the selection allows (also on a selection change).
    void UpdateButtons();

private:
    HWND List() const { return ::GetDlgItem(m_hDlg, (int)m_nListBox); }
    HWND m_hDlg;  // not owned
    UINT m_nListBox, m_nRemove, m_nUp, m_nDown;
};
