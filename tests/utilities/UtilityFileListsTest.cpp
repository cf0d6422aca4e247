// UtilityFileListsTest.cpp: the utilities' file lists with an entry of 100
// KB: restored from the settings or read from a control file, moved with
// "Move Up", and run, stored and written whole.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ListBoxRows.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/PackCheckDlg.h"
#include "utilities/ReelDivideDlg.h"
#include "utilities/VMFPLC2CtlFileDlg.h"
#include "utilities/VolListDlg.h"

namespace {

// Selects the second entry and moves it up, as the user would.
void MoveSecondUp(HWND h, int nList)
{
    ::SendDlgItemMessageA(h, nList, LB_SETCURSEL, 1, 0);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(nList, LBN_SELCHANGE), (LPARAM)::GetDlgItem(h, nList));
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_UP, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDC_UTIL_FILE_UP));
}

void StoreList(const char* pszSection, const char* pszKey, const std::vector<std::string>& entries)
{
    ProfileWriteInt(pszSection, (std::string(pszKey) + "_nCount").c_str(), (int)entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        char szKey[64];
        snprintf(szKey, sizeof szKey, "%s_%04d", pszKey, (int)i);
        ProfileWriteString(pszSection, szKey, entries[i].c_str());
    }
}

std::string Stored(const char* pszSection, const char* pszKey, int nIndex)
{
    char szKey[64];
    snprintf(szKey, sizeof szKey, "%s_%04d", pszKey, nIndex);
    return ProfileGetString(pszSection, szKey, "").GetString();
}

struct UtilityFileLists : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("lists.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strTape = dir.Write("in.aws", std::string(1234, 'T'));
    // A folder name of 100 KB: no such file can exist, but the lists must
    // carry it whole all the same.
    std::string strLong = "C:\\" + std::string(100 * 1024, 'd') + "\\zqc.ckd";

    void TearDown() override { ErrorBalloonHide(); }
};

}  // namespace

// Each list: the long entry restored second, moved up, the dialog run.
// Every place it comes out (the command line, the stored list, the
// written control file) has all of it.
TEST_F(UtilityFileLists, HundredKilobyteEntriesLoadMoveAndComeOutWhole)
{
    const std::string strShort = "C:\\dasd\\a.ckd";
    std::vector<std::string> faults;
    auto expect = [&](bool bOk, const char* pszWhat) {
        if (!bOk)
            faults.push_back(pszWhat);
    };

    // VOLLIST: its stored items are quoted file names.
    StoreList("VOLLIST", "InputFilesListBox", {strShort, "\"" + strLong + "\""});
    CVolListDlg volList;
    std::vector<std::string> moved;
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(volList, IDC_UTIL_INPUT_FILE, nullptr, [&](HWND h) {
        MoveSecondUp(h, IDC_VOLLIST_FILES);
        moved = vorntest::ListBoxRows(::GetDlgItem(h, IDC_VOLLIST_FILES));
    });
    expect(ok.nResult == IDOK, "VOLLIST runs");
    expect(moved == std::vector<std::string>{"\"" + strLong + "\"", strShort}, "VOLLIST list after the move");
    expect(std::string(volList.m_strCommandLine) == "VOLLIST " + strLong + " " + strShort, "VOLLIST command line");
    expect(Stored("VOLLIST", "InputFilesListBox", 0) == "\"" + strLong + "\"", "VOLLIST stored list");

    // REELDIVIDE: a count, then the output file.
    const std::string strCountShort = "    0003     " + dir.Path("a.aws");
    const std::string strCountLong = "    0012     " + strLong;
    StoreList("REELDIVIDE", "OutputFilesListBox", {strCountShort, strCountLong});
    CReelDivideDlg reelDivide;
    reelDivide.m_strOutputDirectory = dir.Folder().c_str();
    ok = vorntest::PressUtilityOk(reelDivide, IDC_UTIL_INPUT_FILE, strTape.c_str(),
                                  [&](HWND h) { MoveSecondUp(h, IDC_TAPE_OUTPUT_LIST); });
    expect(ok.nResult == IDOK, "REELDIVIDE runs");
    expect(std::string(reelDivide.m_strCommandLine) ==
               "REELDIVIDE " + strTape + " " + strLong + " 0012 " + dir.Path("a.aws") + " 0003",
           "REELDIVIDE command line");
    expect(Stored("REELDIVIDE", "OutputFilesListBox", 0) == strCountLong, "REELDIVIDE stored list");

    // PACKCHECK: the files as they stand (checked when added, not when run).
    StoreList("PACKCHECK", "InputFilesListBox", {strShort, strLong});
    CPackCheckDlg packCheck;
    ok = vorntest::RunUtilitySteps(packCheck, {[&](HWND h) {
                                       MoveSecondUp(h, IDC_UTIL_FILE_LIST);
                                       moved = vorntest::ListBoxRows(::GetDlgItem(h, IDC_UTIL_FILE_LIST));
                                   }});
    expect(moved == std::vector<std::string>{strLong, strShort}, "PACKCHECK list after the move");
    expect(Stored("PACKCHECK", "InputFilesListBox", 0) == strLong, "PACKCHECK stored list");

    // The VMFPLC2 control file editor: the lines as they stand.
    std::string strLine = "BIG FILE A1 F 80 T " + strLong;
    std::string strFile = dir.Write("big.ctl", "* files\r\n" + strLine + "\r\n");
    CVMFPLC2CtlFileDlg ctlFile;
    ctlFile.m_strPath = strFile.c_str();
    INT_PTR nResult = vorntest::RunModal(ctlFile, [&](HWND h) {
        MoveSecondUp(h, IDC_PLC2_STATEMENTS);
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    expect(nResult == IDOK, "VMFPLC2 control file written");
    expect(vorntest::ReadWholeFile(strFile) == strLine + "\r\n* files\r\n", "VMFPLC2 control file lines");

    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}
