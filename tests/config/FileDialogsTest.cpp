// FileDialogsTest.cpp: the open and save dialogs under Wine, answered from
// a timer: the chosen path in Windows form, several files chosen at once,
// a cancelled dialog that changes nothing, the remembered folder, the save
// dialog's default extension, and the save dialog opening centred over its
// window.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "config/FileDialogs.h"
#include "platform/CWnd.h"
#include "platform/PathFunctions.h"
#include "tests/config/TempFile.h"

namespace {

// Types a name into the file dialog of the given title and presses OK (or
// Cancel when the name is null).
struct FileDialogAnswerer {
    static std::string s_strTitle;
    static const char* s_pszName;
    static bool s_bSeen;
    static RECT s_rcSeen;  // where the dialog showed
    UINT_PTR m_id;
    FileDialogAnswerer(const char* pszTitle, const char* pszName) : m_id(::SetTimer(nullptr, 0, 100, OnTimer))
    {
        s_strTitle = pszTitle;
        s_pszName = pszName;
        s_bSeen = false;
    }
    ~FileDialogAnswerer() { ::KillTimer(nullptr, m_id); }
    static BOOL CALLBACK Answer(HWND h, LPARAM)
    {
        char sz[128] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        if (s_bSeen || s_strTitle != sz || !::IsWindowVisible(h))
            return TRUE;
        s_bSeen = true;
        ::GetWindowRect(h, &s_rcSeen);
        if (s_pszName) {
            ::SetDlgItemTextA(h, 0x47C, s_pszName);   // the file-name box
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDOK));
        } else {
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDCANCEL));
        }
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), Answer, 0);
    }
};
std::string FileDialogAnswerer::s_strTitle;
const char* FileDialogAnswerer::s_pszName;
bool FileDialogAnswerer::s_bSeen;
RECT FileDialogAnswerer::s_rcSeen;

}  // namespace

TEST(FileDialogs, OpenChoosesOneFileAndRemembersItsFolder)
{
    TempDir dir;
    std::string strFile = dir.Write("disk.img", "x");
    CString strSavedDir = g_strWindowsizedDefaultInitialDir;
    CString strPath;
    FileDialogAnswerer answer("Pick a Disk", "disk.img");
    EXPECT_EQ(BrowseForFile("Disk Images (*.img)|*.img|All Files (*.*)|*.*||", strPath, "Pick a Disk",
                            strFile.c_str(), nullptr, true),
              IDOK);
    EXPECT_TRUE(FileDialogAnswerer::s_bSeen);
    EXPECT_EQ(strPath, WindowsizedDirectory(strFile.c_str()));
    EXPECT_EQ(g_strWindowsizedDefaultInitialDir, WindowsizedDirectory(dir.Folder().c_str(), true));
    g_strWindowsizedDefaultInitialDir = strSavedDir;
}

TEST(FileDialogs, OpenChoosesSeveralFiles)
{
    TempDir dir;
    std::string strA = dir.Write("a.img", "x");
    dir.Write("b c.img", "x");
    CStringArray list;
    list.Add(strA.c_str());
    CString strPath;
    CWnd edit;
    edit.m_hWnd = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    FileDialogAnswerer answer("Pick Disks", "\"a.img\" \"b c.img\"");
    EXPECT_EQ(BrowseForFile(nullptr, strPath, "Pick Disks", nullptr, &edit, true, &list), IDOK);
    ASSERT_EQ(list.GetSize(), 2);
    CString strWinDir = WindowsizedDirectory(dir.Folder().c_str(), true);
    EXPECT_EQ(list[0], strWinDir + "a.img");
    EXPECT_EQ(list[1], strWinDir + "b c.img");
    EXPECT_EQ(strPath, strWinDir + "a.img \"" + strWinDir + "b c.img\"");
    CString strEdit;
    edit.GetWindowText(strEdit);
    EXPECT_EQ(strEdit, strPath);
    ::DestroyWindow(edit.m_hWnd);
    edit.m_hWnd = nullptr;
}

TEST(FileDialogs, CancelChangesNothing)
{
    CString strPath = "C:/keep/me.img";
    FileDialogAnswerer answer("Cancel Me", nullptr);
    EXPECT_EQ(BrowseForFile(nullptr, strPath, "Cancel Me", nullptr, nullptr, false), IDCANCEL);
    EXPECT_TRUE(FileDialogAnswerer::s_bSeen);
    EXPECT_EQ(strPath, "C:/keep/me.img");
}

TEST(FileDialogs, SaveSplitsFolderAndName)
{
    TempDir dir;
    CString strDir = dir.Folder().c_str(), strName = "old.out";
    FileDialogAnswerer answer("Save Output", "new.out");
    EXPECT_EQ(BrowseForSaveFile(strDir, strName, "Save Output", nullptr, "Output (*.out)|*.out||", nullptr, false,
                                true),
              IDOK);
    EXPECT_EQ(strDir, WindowsizedDirectory(dir.Folder().c_str(), true));
    EXPECT_EQ(strName, "new.out");
}

// A name typed without an extension gets the filter's, as Windows' default
// extension adds it; a name with one, or a dialog with no extension in its
// filter, keeps the name as typed.
TEST(FileDialogs, SaveAddsTheFiltersExtension)
{
    TempDir dir;
    const struct {
        const char* pszFilter;
        const char* pszTyped;
        const char* pszSaved;
    } rows[] = {
        {"Configuration Files (*.cnf;*.conf)|*.cnf;*.conf|All Files (*.*)|*.*||", "newcomer", "newcomer.cnf"},
        {"Configuration Files (*.cnf;*.conf)|*.cnf;*.conf|All Files (*.*)|*.*||", "newcomer.conf", "newcomer.conf"},
        {"Punch Files (*.pch)|*.pch|All Files (*.*)|*.*||", "deck", "deck.pch"},
        {"All Files (*.*)|*.*||", "newcomer", "newcomer"},
        {nullptr, "newcomer", "newcomer"},
    };
    for (const auto& row : rows) {
        CString strDir = dir.Folder().c_str(), strName;
        FileDialogAnswerer answer("Save Newcomer", row.pszTyped);
        ASSERT_EQ(BrowseForSaveFile(strDir, strName, "Save Newcomer", nullptr, row.pszFilter, nullptr, false, true),
                  IDOK)
            << row.pszTyped;
        EXPECT_EQ(strName, row.pszSaved) << (row.pszFilter ? row.pszFilter : "(no filter)");
    }
}

// "Save As" opens centred over the window of the field it fills, wherever
// that window stands, not at the screen's corner.
TEST(FileDialogs, SaveOpensCentredOverItsWindow)
{
    HWND hOwner = ::CreateWindowExA(0, "#32770", "Vornamic owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 360, 240,
                                    560, 420, nullptr, nullptr, nullptr, nullptr);
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, hOwner, nullptr, nullptr,
                                   nullptr);
    CString strDir, strName = "vorn.cnf";
    {
        FileDialogAnswerer answer("Save Configuration As", nullptr);
        BrowseForSaveFile(strDir, strName, "Save Configuration As", nullptr, nullptr, CWnd::FromHandle(hEdit), false,
                          true);
        ASSERT_TRUE(FileDialogAnswerer::s_bSeen);
    }
    RECT rcOwner, rc = FileDialogAnswerer::s_rcSeen;
    ::GetWindowRect(hOwner, &rcOwner);
    EXPECT_NEAR((rcOwner.left + rcOwner.right) / 2, (rc.left + rc.right) / 2, 1);
    EXPECT_NEAR((rcOwner.top + rcOwner.bottom) / 2, (rc.top + rc.bottom) / 2, 1);
    ::DestroyWindow(hOwner);
}
