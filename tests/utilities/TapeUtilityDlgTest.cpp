// TapeUtilityDlgTest.cpp: the tape image utilities' dialogs under Wine
// without the view: the command lines, titles and totals they build, their
// refusals, the rules that tie their controls together and what they store.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/ReelBlankDlg.h"
#include "utilities/ReelBuildDlg.h"
#include "utilities/ReelDivideDlg.h"
#include "utilities/ReelDubDlg.h"
#include "utilities/ReelFetchDlg.h"
#include "utilities/ReelInfoDlg.h"
#include "utilities/ReelRepackDlg.h"

namespace {

std::string Text(HWND hDlg, int nId)
{
    char sz[512] = {};
    ::GetDlgItemTextA(hDlg, nId, sz, sizeof sz);
    return sz;
}

bool Enabled(HWND hDlg, int nId)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nId)) != FALSE;
}

bool Checked(HWND hDlg, int nId)
{
    return ::IsDlgButtonChecked(hDlg, nId) == BST_CHECKED;
}

// A click as the user makes it: the box changes, then tells the dialog.
void Click(HWND hDlg, int nId)
{
    ::SendMessageA(::GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

void SetCheck(HWND hDlg, int nId, bool bChecked)
{
    if (Checked(hDlg, nId) != bChecked)
        Click(hDlg, nId);
}

// The edit loses the focus, as when the user tabs on.
void LeaveEdit(HWND hDlg, int nId)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, EN_KILLFOCUS), (LPARAM)::GetDlgItem(hDlg, nId));
}

// One press of a spin's arrow (delta +1 or -1).
void Spin(HWND hDlg, int nSpin, int nDelta)
{
    NMUPDOWN nm = {};
    nm.hdr.hwndFrom = ::GetDlgItem(hDlg, nSpin);
    nm.hdr.idFrom = (UINT_PTR)nSpin;
    nm.hdr.code = UDN_DELTAPOS;
    nm.iPos = (int)::SendMessageA(nm.hdr.hwndFrom, UDM_GETPOS32, 0, 0);
    nm.iDelta = nDelta;
    ::SendMessageA(hDlg, WM_NOTIFY, (WPARAM)nSpin, (LPARAM)&nm);
}

struct TapeDialogs : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("tapes.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strOutDir = dir.Folder();
    std::string strTape = dir.Write("in.aws", std::string(1234, 'T'));

    void TearDown() override { ErrorBalloonHide(); }

    // Opens the dialog with the output folder set, runs extra on it and
    // presses OK with the input typed.
    template <class TDlg>
    vorntest::SUtilityOk Run(TDlg& dlg, const std::string& strInput, const std::function<void(HWND)>& extra)
    {
        dlg.m_strOutputDirectory = strOutDir.c_str();
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.empty() ? nullptr : strInput.c_str(),
                                        extra);
    }
};

// ---- REELBUILD ----

TEST_F(TapeDialogs, ReelBuildOfAMetaFileWithLabelsAndACodePage)
{
    std::string strList = dir.Write("list.txt", "a.txt\nb.txt\n");
    CReelBuildDlg dlg;
    vorntest::SUtilityOk ok = Run(dlg, strList, [&](HWND h) {
        Click(h, IDC_TAPE_META_FILE);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.aws");
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "TAP001");
        ::SetDlgItemTextA(h, IDC_TAPE_DSN, "MY.DATA");
        ::SetDlgItemTextA(h, IDC_TAPE_BLOCK, "10");
        ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "819 / 1047");
        Click(h, IDC_TAPE_UNIQUE);
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("REELBUILD IN: @" + strList + " VOL: TAP001 DSN: MY.DATA LRECL: 80 BLK: 10 CP: 819/1047 UNIQUE OUT: " +
                  dir.Path("out.aws"),
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("REELBUILD list.txt out.aws", std::string(dlg.m_strTitle));
    EXPECT_EQ(12, dlg.m_nExpectedTotal);
    EXPECT_EQ("819/1047", std::string(ProfileGetString("REELBUILD", "strCodePage", "")));
    EXPECT_EQ("1", std::string(ProfileGetString("REELBUILD", "bMetaFile", "")));
    // The stored code page shows in its spaced form at the next opening.
    CReelBuildDlg again;
    std::string strShown;
    vorntest::RunModal(again, [&](HWND h) {
        strShown = Text(h, IDC_TAPE_CODEPAGE);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("819 / 1047", strShown);
}

TEST_F(TapeDialogs, ReelBuildMetaFileWithABlankIsOneQuotedWordAndUnlabeledSkipsTheLabels)
{
    std::string strList = dir.Write("my list.txt", "a.txt\n");
    CReelBuildDlg dlg;
    vorntest::SUtilityOk ok = Run(dlg, strList, [&](HWND h) {
        Click(h, IDC_TAPE_META_FILE);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.aws");
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "");  // not looked at
        Click(h, IDC_TAPE_NON_LABELED);
        EXPECT_FALSE(Enabled(h, IDC_UTIL_VOLSER));
        EXPECT_FALSE(Enabled(h, IDC_TAPE_DSN));
        EXPECT_FALSE(Enabled(h, IDC_TAPE_VOLSER_SPIN));
        Click(h, IDC_TAPE_BINARY);
        EXPECT_FALSE(Enabled(h, IDC_TAPE_CODEPAGE));
        EXPECT_TRUE(Enabled(h, IDC_TAPE_CODEPAGE_LABEL));
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("REELBUILD IN: \"@" + strList + "\" LRECL: 80 BLK: 1 BIN NL OUT: " + dir.Path("out.aws"),
              std::string(dlg.m_strCommandLine));
}

TEST_F(TapeDialogs, ReelBuildRefusals)
{
    const struct {
        const char* pszVolser;
        const char* pszDsn;
        const char* pszLrecl;
        const char* pszBlock;
        const char* pszBalloon;
    } cases[] = {
        {"", "MY.DATA", "80", "1", "Volser: You must enter a 1-6 character volume serial number."},
        {"TA P1", "MY.DATA", "80", "1", "Volser: Invalid volume serial number."},
        {"TAP001", " ", "80", "1", "Dataset name: You must enter a 1-17 character dataset name."},
        {"TAP001", "1BAD", "80", "1", "Dataset name: Invalid dataset name."},
        {"TAP001", "MY.DATA", "17", "1", "LRECL: Logical record length is too small or too large."},
        {"TAP001", "MY.DATA", "80", "410", "BLOCK: Blocking factor is too small or too large."},
        {"TAP001", "MY.DATA", "80", "0", "BLOCK: Blocking factor is too small or too large."},
        // A record length typed but not yet left keeps the old maximum.
        {"TAP001", "MY.DATA", "32767", "3", "BLOCK: LRECL 32767 and BLOCK 3 exceeds maximum AWS blocksize of 65535"},
    };
    for (const auto& c : cases) {
        CReelBuildDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strTape, [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.aws");
            ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, c.pszVolser);
            ::SetDlgItemTextA(h, IDC_TAPE_DSN, c.pszDsn);
            ::SetDlgItemTextA(h, IDC_TAPE_LRECL, c.pszLrecl);
            ::SetDlgItemTextA(h, IDC_TAPE_BLOCK, c.pszBlock);
        });
        EXPECT_EQ(IDCANCEL, ok.nResult);
        EXPECT_EQ(c.pszBalloon, ok.strBalloon);
    }
    EXPECT_EQ("", std::string(ProfileGetString("REELBUILD", "strInputFile", "")));
}

TEST_F(TapeDialogs, ReelBuildSpinsStepTheVolserAndTheRecordLengthLowersTheBlockingFactor)
{
    CReelBuildDlg dlg;
    std::string strUp, strAtTop, strLowered;
    int nMaxBlock = 0;
    vorntest::RunModal(dlg, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "VOL009");
        Spin(h, IDC_TAPE_VOLSER_SPIN, 1);
        strUp = Text(h, IDC_UTIL_VOLSER);
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "ABC999");
        Spin(h, IDC_TAPE_VOLSER_SPIN, 1);
        strAtTop = Text(h, IDC_UTIL_VOLSER);
        ::SetDlgItemTextA(h, IDC_TAPE_BLOCK, "409");
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);  // refused: the output is missing; the values are read back
        ErrorBalloonHide();
        ::SetDlgItemTextA(h, IDC_TAPE_LRECL, "100");
        LeaveEdit(h, IDC_TAPE_LRECL);
        strLowered = Text(h, IDC_TAPE_BLOCK);
        nMaxBlock = (int)::SendDlgItemMessageA(h, IDC_TAPE_BLOCK_SPIN, UDM_GETRANGE, 0, 0) & 0xFFFF;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("VOL010", strUp);
    EXPECT_EQ("ABC999", strAtTop);
    EXPECT_EQ("327", strLowered);
    EXPECT_EQ(327, nMaxBlock);
}

// ---- REELDIVIDE ----

TEST_F(TapeDialogs, ReelDivideSendsEachOutputWithItsCountAndRefusesAnEmptyListFirst)
{
    CReelDivideDlg empty;
    EXPECT_EQ("Files List: You have not specified any input files. Enter a filename into the Filename field and "
              "click 'Add'.",
              Run(empty, "no such file.aws", nullptr).strBalloon);

    ProfileWriteInt("REELDIVIDE", "OutputFilesListBox_nCount", 2);
    ProfileWriteString("REELDIVIDE", "OutputFilesListBox_0000", ("    0003     " + dir.Path("part one.aws")).c_str());
    ProfileWriteString("REELDIVIDE", "OutputFilesListBox_0001", ("    0012     " + dir.Path("two.aws")).c_str());
    CReelDivideDlg dlg;
    vorntest::SUtilityOk ok = Run(dlg, strTape, nullptr);
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("REELDIVIDE " + strTape + " \"" + dir.Path("part one.aws") + "\" 0003 " + dir.Path("two.aws") + " 0012",
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("REELDIVIDE in.aws", std::string(dlg.m_strTitle));
    EXPECT_EQ(1234, dlg.m_nExpectedTotal);
    EXPECT_EQ(strTape, std::string(ProfileGetString("REELDIVIDE", "strInputFile", "")));
}

TEST_F(TapeDialogs, ReelDivideNamesAnEntryEditedByHandInsteadOfSendingItHalfRead)
{
    ProfileWriteInt("REELDIVIDE", "OutputFilesListBox_nCount", 2);
    ProfileWriteString("REELDIVIDE", "OutputFilesListBox_0000", ("    0003     " + dir.Path("a.aws")).c_str());
    ProfileWriteString("REELDIVIDE", "OutputFilesListBox_0001", "    0012");
    CReelDivideDlg dlg;
    EXPECT_EQ("Files List: Entry 2 of the list of output files is not a count followed by a file name. Remove it "
              "and add it again.",
              Run(dlg, strTape, nullptr).strBalloon);
}

TEST_F(TapeDialogs, ReelDivideListButtonsAndTheAddDialog)
{
    CReelDivideDlg dlg;
    std::string strItems;
    bool bAddSeen = false;
    struct SButtons {
        bool bRemove, bUp, bDown;
    } afterAdd = {}, onFirst = {}, onLast = {}, afterRemoveAll = {};
    auto buttons = [](HWND h) {
        return SButtons{Enabled(h, IDC_UTIL_FILE_REMOVE), Enabled(h, IDC_UTIL_FILE_UP), Enabled(h, IDC_UTIL_FILE_DOWN)};
    };
    auto select = [](HWND h, int n) {
        ::SendDlgItemMessageA(h, IDC_TAPE_OUTPUT_LIST, LB_SETCURSEL, (WPARAM)n, 0);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_TAPE_OUTPUT_LIST, LBN_SELCHANGE),
                       (LPARAM)::GetDlgItem(h, IDC_TAPE_OUTPUT_LIST));
    };
    int nStep = 0;
    HWND hMain = nullptr;
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hAdd = ::FindWindowA("#32770", "Add REELDIVIDE output file...");
        if ((nStep == 0 || nStep == 2) && !hAdd) {
            hMain = h;
            ::PostMessageA(h, WM_COMMAND, IDC_UTIL_FILE_ADD, 0);
        } else if (hAdd && (nStep == 1 || nStep == 3)) {
            bAddSeen = true;
            ::SetDlgItemTextA(hAdd, IDC_TAPE_NUM_FILES, nStep == 1 ? "12" : "1");
            ::SetDlgItemTextA(hAdd, IDC_UTIL_OUTPUT_DIR, strOutDir.c_str());
            ::SetDlgItemTextA(hAdd, IDC_UTIL_OUTPUT_FILE, nStep == 1 ? "first.aws" : "second.aws");
            ::PostMessageA(hAdd, WM_COMMAND, IDOK, 0);
        } else if (!hAdd && nStep == 4) {
            afterAdd = buttons(hMain);
            select(hMain, 0);
            onFirst = buttons(hMain);
            ::SendMessageA(hMain, WM_COMMAND, IDC_UTIL_FILE_DOWN, 0);
            onLast = buttons(hMain);
            for (int i = 0; i < 2; ++i) {
                char sz[300] = {};
                ::SendDlgItemMessageA(hMain, IDC_TAPE_OUTPUT_LIST, LB_GETTEXT, (WPARAM)i, (LPARAM)sz);
                strItems += std::string(sz) + "|";
            }
            ::SendMessageA(hMain, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);
            ::SendMessageA(hMain, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);
            afterRemoveAll = buttons(hMain);
            ::SendMessageA(hMain, WM_COMMAND, IDCANCEL, 0);
            return false;
        } else {
            return true;  // the add dialog is still opening or closing
        }
        ++nStep;
        return true;
    }, 50);
    EXPECT_TRUE(bAddSeen);
    EXPECT_EQ("    0001     " + dir.Path("second.aws") + "|    0012     " + dir.Path("first.aws") + "|", strItems);
    EXPECT_FALSE(afterAdd.bRemove || afterAdd.bUp || afterAdd.bDown);
    EXPECT_TRUE(onFirst.bRemove && !onFirst.bUp && onFirst.bDown);
    EXPECT_TRUE(onLast.bRemove && onLast.bUp && !onLast.bDown);
    EXPECT_FALSE(afterRemoveAll.bRemove || afterRemoveAll.bUp || afterRemoveAll.bDown);
    EXPECT_EQ("second.aws", std::string(ProfileGetString("SPLITADD", "strOutputFile", "")));
    EXPECT_EQ("1", std::string(ProfileGetString("SPLITADD", "nNumFiles", "")));
}

TEST_F(TapeDialogs, ReelDivideAddRefusesAPathAlreadyListedWhateverItsCase)
{
    CReelDivideAddDlg dlg;
    dlg.m_takenPaths.Add((dir.Path("TAKEN.AWS")).c_str());
    vorntest::SUtilityOk ok = Run(dlg, "", [&](HWND h) { ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "taken.aws"); });
    EXPECT_EQ("Output File: File \"" + dir.Path("taken.aws") +
                  "\" already exists in the list of output files. Each entry in the list of output files must be "
                  "unique. Please specify a different output filename.",
              ok.strBalloon);
    CReelDivideAddDlg zero;
    EXPECT_EQ(0u, Run(zero, "", [&](HWND h) {
                      ::SetDlgItemTextA(h, IDC_TAPE_NUM_FILES, "0");
                      ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "new.aws");
                  }).strBalloon.find("Number of Files: "));
    CReelDivideAddDlg fine;
    ASSERT_EQ(IDOK, Run(fine, "", [&](HWND h) {
                        ::SetDlgItemTextA(h, IDC_TAPE_NUM_FILES, "12");
                        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "new.aws");
                    }).nResult);
    EXPECT_EQ("12", std::string(fine.m_strCount));
    EXPECT_EQ(dir.Path("new.aws"), std::string(fine.m_strPath));
}

// ---- REELDUB ----

TEST_F(TapeDialogs, ReelDubBothWaysAndTheDriveNumber)
{
    CReelDubDlg fromDrive;
    vorntest::SUtilityOk ok = Run(fromDrive, "no such input.aws", [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_TAPE_NUMBER, "9");
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "copy.aws");
        EXPECT_FALSE(Enabled(h, IDC_UTIL_INPUT_FILE));
        EXPECT_TRUE(Enabled(h, IDC_UTIL_OUTPUT_FILE));
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("REELDUB /dev/st9 " + dir.Path("copy.aws"), std::string(fromDrive.m_strCommandLine));
    EXPECT_EQ("REELDUB /dev/st9 copy.aws", std::string(fromDrive.m_strTitle));
    EXPECT_EQ(0, fromDrive.m_nExpectedTotal);
    EXPECT_EQ(9, (int)ProfileGetInt("REELDUB", "nTapeNum", 0));

    CReelDubDlg toDrive;
    ok = Run(toDrive, strTape, [&](HWND h) {
        Click(h, IDC_TAPE_TO_SCSI);
        ::SetDlgItemTextA(h, IDC_TAPE_NUMBER, "0");
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "");  // not looked at
        EXPECT_TRUE(Enabled(h, IDC_UTIL_INPUT_FILE));
        EXPECT_FALSE(Enabled(h, IDC_UTIL_OUTPUT_FILE));
        EXPECT_FALSE(Enabled(h, IDC_TAPE_AWS_OUTPUT_GROUP));
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("REELDUB " + strTape + " /dev/st0", std::string(toDrive.m_strCommandLine));
    EXPECT_EQ(1234, toDrive.m_nExpectedTotal);

    CReelDubDlg ten;
    EXPECT_EQ(0u, Run(ten, strTape, [&](HWND h) { ::SetDlgItemTextA(h, IDC_TAPE_NUMBER, "10"); })
                      .strBalloon.find("Tape Device: "));
}

// ---- REELBLANK ----

TEST_F(TapeDialogs, ReelBlankLabeledProposesTheNameAndUnlabeledSendsNoLabel)
{
    CReelBlankDlg dlg;
    std::string strProposed;
    vorntest::SUtilityOk ok = Run(dlg, "", [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "000000");
        Spin(h, IDC_TAPE_VOLSER_SPIN, 1);
        ::SetDlgItemTextA(h, IDC_TAPE_OWNER, "TEST");
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "");
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_OUTPUT_FILE, EN_SETFOCUS),
                       (LPARAM)::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE));
        strProposed = Text(h, IDC_UTIL_OUTPUT_FILE);
        ::SetDlgItemTextA(h, IDC_TAPE_OWNER, "VORNAMIC");
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("TEST.000001.vet", strProposed);
    EXPECT_EQ("REELBLANK -i " + dir.Path("TEST.000001.vet") + " 000001 VORNAMIC", std::string(dlg.m_strCommandLine));
    EXPECT_EQ("REELBLANK TEST.000001.vet 000001", std::string(dlg.m_strTitle));
    EXPECT_EQ("000001", std::string(ProfileGetString("REELBLANK", "PrevVolser", "")));
    EXPECT_EQ("VORNAMIC", std::string(ProfileGetString("REELBLANK", "PrevOwner", "")));

    CReelBlankDlg plain;
    ok = Run(plain, "", [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "");  // not looked at
        Click(h, IDC_TAPE_NON_LABELED);
        EXPECT_FALSE(Enabled(h, IDC_UTIL_VOLSER));
        EXPECT_FALSE(Enabled(h, IDC_TAPE_OWNER));
        Click(h, IDC_TAPE_COMPRESSED);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "");
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_OUTPUT_FILE, EN_SETFOCUS),
                       (LPARAM)::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE));
        strProposed = Text(h, IDC_UTIL_OUTPUT_FILE);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "scratch.aws");
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("", strProposed);
    EXPECT_EQ("REELBLANK -n -d " + dir.Path("scratch.aws"), std::string(plain.m_strCommandLine));
}

// Without a folder of its own or the view's, the output folder is what is
// missing, not the file name typed beside it.
TEST_F(TapeDialogs, ReelBlankWithoutAnyOutputFolderNamesTheFolder)
{
    CReelBlankDlg dlg;
    vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_OUTPUT_FILE, "blank.aws", [](HWND h) {
        EXPECT_EQ("", Text(h, IDC_UTIL_OUTPUT_DIR));
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "000001");
    });
    EXPECT_EQ(IDCANCEL, ok.nResult);
    EXPECT_EQ("Output Directory: Invalid output directory: You must specify a valid directory.", ok.strBalloon);
    EXPECT_EQ("", std::string(ProfileGetString("REELBLANK", "strOutputFile", "")));
}

TEST_F(TapeDialogs, ReelBlankOwnerWithABlankIsQuotedAndAnEmptyOwnerIsLeftOut)
{
    const struct {
        const char* pszOwner;
        const char* pszTail;
    } cases[] = {{"MY SHOP", " 000007 \"MY SHOP\""}, {"", " 000007"}};
    for (const auto& c : cases) {
        CReelBlankDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, "", [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "000007");
            ::SetDlgItemTextA(h, IDC_TAPE_OWNER, c.pszOwner);
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "t.vet");
        });
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ("REELBLANK -i " + dir.Path("t.vet") + c.pszTail, std::string(dlg.m_strCommandLine));
    }
    CReelBlankDlg none;
    EXPECT_EQ("Volser: You must enter a 1-6 character volume serial number.",
              Run(none, "", [&](HWND h) { ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, " "); }).strBalloon);
}

// ---- REELINFO ----

TEST_F(TapeDialogs, ReelInfoKeepsOneKindChosenAndTheSummaryRestoresTheOthers)
{
    const struct {
        bool bLabels, bFiles, bDatasets;
        const char* pszWord;
    } cases[] = {
        {true, true, false, " -a"}, {true, false, false, " -l"}, {false, true, false, " -f"}, {false, false, true, " -d"},
    };
    for (const auto& c : cases) {
        CReelInfoDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strTape, [&](HWND h) {
            ::CheckDlgButton(h, IDC_TAPE_PRINT_LABELS, c.bLabels);
            ::CheckDlgButton(h, IDC_TAPE_PRINT_FILES, c.bFiles);
            ::CheckDlgButton(h, IDC_TAPE_PRINT_DATASETS, c.bDatasets);
        });
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ(std::string("REELINFO ") + c.pszWord + " " + strTape, std::string(dlg.m_strCommandLine));
        EXPECT_EQ(1234, dlg.m_nExpectedTotal);
    }
    CReelInfoDlg dlg;
    bool bFilesBack = false, bLabelsAfterSummary = true, bLabelsEnabled = true, bRestored = false;
    Run(dlg, strTape, [&](HWND h) {
        SetCheck(h, IDC_TAPE_PRINT_LABELS, true);
        SetCheck(h, IDC_TAPE_PRINT_FILES, true);
        Click(h, IDC_TAPE_PRINT_LABELS);  // labels off
        Click(h, IDC_TAPE_PRINT_FILES);   // files off: labels come back
        bFilesBack = Checked(h, IDC_TAPE_PRINT_LABELS) && !Checked(h, IDC_TAPE_PRINT_FILES);
        Click(h, IDC_TAPE_PRINT_DATASETS);
        bLabelsAfterSummary = Checked(h, IDC_TAPE_PRINT_LABELS);
        bLabelsEnabled = Enabled(h, IDC_TAPE_PRINT_LABELS);
        Click(h, IDC_TAPE_PRINT_DATASETS);
        bRestored = Checked(h, IDC_TAPE_PRINT_LABELS) && !Checked(h, IDC_TAPE_PRINT_FILES) &&
                    Enabled(h, IDC_TAPE_PRINT_FILES);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(bFilesBack);
    EXPECT_FALSE(bLabelsAfterSummary);
    EXPECT_FALSE(bLabelsEnabled);
    EXPECT_TRUE(bRestored);
}

// ---- REELREPACK ----

// With no output folder (no preferred tape folder), a full path typed as the
// output file name names the folder: the run writes there and the folder is
// stored in Windows form, the file name alone as the name.
TEST_F(TapeDialogs, FullPathTypedAsTheOutputNameSetsTheFolder)
{
    std::string strSub = dir.Folder() + "out dir\\";
    ::CreateDirectoryA(strSub.c_str(), nullptr);
    std::string strTyped = strSub + "new.aws";
    for (char& c : strTyped)
        c = c == '\\' ? '/' : c;
    std::string strOut = "\"" + strSub + "new.aws\"";
    auto check = [&](auto& dlg, const char* pszSection, const std::string& strInput, const std::string& strCommand,
                     const std::function<void(HWND)>& extra) {
        vorntest::SUtilityOk ok = vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str(), [&](HWND h) {
            EXPECT_EQ("", Text(h, IDC_UTIL_OUTPUT_DIR)) << pszSection;
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, strTyped.c_str());
            if (extra)
                extra(h);
        });
        ASSERT_EQ(IDOK, ok.nResult) << pszSection << ": " << ok.strBalloon;
        EXPECT_EQ(strCommand, std::string(dlg.m_strCommandLine)) << pszSection;
        EXPECT_EQ(strSub, std::string(ProfileGetString(pszSection, "strOutputDirectory", ""))) << pszSection;
        EXPECT_EQ("new.aws", std::string(ProfileGetString(pszSection, "strOutputFile", ""))) << pszSection;
    };
    CReelBuildDlg build;
    check(build, "REELBUILD", strTape, "REELBUILD IN: " + strTape + " LRECL: 80 BLK: 1 NL OUT: " + strOut,
          [](HWND h) { Click(h, IDC_TAPE_NON_LABELED); });
    EXPECT_EQ("REELBUILD in.aws new.aws", std::string(build.m_strTitle));
    CReelDubDlg dub;
    check(dub, "REELDUB", "", "REELDUB /dev/st0 " + strOut, nullptr);
    CReelRepackDlg repack;
    check(repack, "REELREPACK", strTape, "REELREPACK -z -6 -c 65535 " + strTape + " " + strOut,
          [](HWND h) { Click(h, IDC_TAPE_RECOMPRESS); });
}

// An output folder an older release stored with "/" shows in Windows form.
TEST_F(TapeDialogs, StoredOutputFolderShowsWithBackslashes)
{
    ProfileWriteString("REELBLANK", "strOutputDirectory", "C:/tapes//old");
    CReelBlankDlg dlg;
    std::string strShown;
    vorntest::RunModal(dlg, [&](HWND h) {
        strShown = Text(h, IDC_UTIL_OUTPUT_DIR);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("C:\\tapes\\old\\", strShown);
}

TEST_F(TapeDialogs, ReelRepackWordsAndTheStrictOutput)
{
    const struct {
        int nRadio;
        bool bBzip2;
        int nLevel;
        bool bStrict;
        const char* pszWords;
    } cases[] = {
        {IDC_TAPE_RECOMPRESS, false, 6, false, "-z -6 -c 65535"},
        {IDC_TAPE_RECOMPRESS, true, 9, false, "-b -9 -c 65535"},
        {IDC_TAPE_RECHUNK, false, 6, true, "-s"},
    };
    for (const auto& c : cases) {
        CReelRepackDlg dlg;
        vorntest::SUtilityOk ok = Run(dlg, strTape, [&](HWND h) {
            Click(h, c.nRadio);
            if (c.bBzip2)
                Click(h, IDC_UTIL_BZIP2);
            ::SendDlgItemMessageA(h, IDC_TAPE_LEVEL, TBM_SETPOS, TRUE, c.nLevel);
            if (c.bStrict)
                Click(h, IDC_TAPE_STRICT_AWS);
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.vet");
        });
        ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
        EXPECT_EQ(std::string("REELREPACK ") + c.pszWords + " " + strTape + " " + dir.Path("out.vet"),
                  std::string(dlg.m_strCommandLine));
    }
    // Saved strict, the dialog reopens as strict: no run option or chunk
    // size to choose, and clearing strict gives back what was stored.
    EXPECT_EQ("4096", std::string(ProfileGetString("REELREPACK", "nChunkSize", "")));
    CReelRepackDlg again;
    bool bRunEnabled = true, bChunkEnabled = true, bCompressionEnabled = true, bDecompress = false;
    bool bRunBack = false;
    vorntest::RunModal(again, [&](HWND h) {
        bRunEnabled = Enabled(h, IDC_TAPE_RECOMPRESS);
        bChunkEnabled = Enabled(h, IDC_TAPE_CHUNK);
        bCompressionEnabled = Enabled(h, IDC_UTIL_ZLIB);
        bDecompress = Checked(h, IDC_TAPE_DECOMPRESS);
        Click(h, IDC_TAPE_STRICT_AWS);
        bRunBack = Enabled(h, IDC_TAPE_RECOMPRESS) && Enabled(h, IDC_TAPE_CHUNK) && Checked(h, IDC_TAPE_DECOMPRESS);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_FALSE(bRunEnabled);
    EXPECT_FALSE(bChunkEnabled);
    EXPECT_FALSE(bCompressionEnabled);
    EXPECT_TRUE(bDecompress);
    EXPECT_TRUE(bRunBack);
}

TEST_F(TapeDialogs, ReelRepackChunkSizeIsClampedOnLeavingAndStrictRemembersTheRunOption)
{
    CReelRepackDlg dlg;
    std::string strLow, strHigh, strLetters, strStrict, strBack;
    bool bRechunkBack = false;
    vorntest::RunModal(dlg, [&](HWND h) {
        for (auto* p : {&strLow, &strHigh, &strLetters}) {
            ::SetDlgItemTextA(h, IDC_TAPE_CHUNK, p == &strLow ? "4095" : p == &strHigh ? "70000" : "abc");
            LeaveEdit(h, IDC_TAPE_CHUNK);
            *p = Text(h, IDC_TAPE_CHUNK);
        }
        ::SetDlgItemTextA(h, IDC_TAPE_CHUNK, "8192");
        Click(h, IDC_TAPE_RECHUNK);
        Click(h, IDC_TAPE_STRICT_AWS);
        strStrict = Text(h, IDC_TAPE_CHUNK);
        Click(h, IDC_TAPE_STRICT_AWS);
        strBack = Text(h, IDC_TAPE_CHUNK);
        bRechunkBack = Checked(h, IDC_TAPE_RECHUNK) && !Checked(h, IDC_TAPE_DECOMPRESS);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("4096", strLow);
    EXPECT_EQ("65535", strHigh);
    EXPECT_EQ("4096", strLetters);
    EXPECT_EQ("4096", strStrict);
    EXPECT_EQ("8192", strBack);
    EXPECT_TRUE(bRechunkBack);
}

// ---- REELFETCH ----

TEST_F(TapeDialogs, ReelFetchWithAFormatAndTheFormatRules)
{
    CReelFetchDlg dlg;
    bool bSizesEnabled = false;
    vorntest::SUtilityOk ok = Run(dlg, strTape, [&](HWND h) {
        Click(h, IDC_TAPE_NON_LABELED);  // FB 80/16000 chosen with it
        bSizesEnabled = Enabled(h, IDC_TAPE_LRECL) && Enabled(h, IDC_TAPE_BLKSIZE);
        Click(h, IDC_TAPE_ASCII);        // implies unblock
        ::SetDlgItemTextA(h, IDC_TAPE_FILE_NUMBER, "3");
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.txt");
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_TRUE(bSizesEnabled);
    EXPECT_EQ("REELFETCH -n -a -u " + strTape + " " + dir.Path("out.txt") + " 3 FB 80 16000",
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("REELFETCH in.aws " + dir.Path("out.txt") + " 3", std::string(dlg.m_strTitle));

    const struct {
        int nFormat;  // index in the list
        const char* pszLrecl;
        const char* pszBlock;
        const char* pszBalloon;  // empty: accepted
    } cases[] = {
        {7, "80", "80", "Block Size: Blksize must be greater than lrecl."},       // FB
        {4, "80", "80", ""},                                                      // F
        {4, "80", "100", "Block Size: Blksize must be multiple of lrecl."},       // F
        {1, "80", "80", ""},                                                      // U
        {19, "100", "100", "Block Size: Blksize must be greater than lrecl."},    // VB
    };
    for (const auto& c : cases) {
        CReelFetchDlg rule;
        ok = Run(rule, strTape, [&](HWND h) {
            ::SendDlgItemMessageA(h, IDC_TAPE_RECFM, CB_SETCURSEL, (WPARAM)c.nFormat, 0);
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_TAPE_RECFM, CBN_SELENDOK),
                           (LPARAM)::GetDlgItem(h, IDC_TAPE_RECFM));
            ::SetDlgItemTextA(h, IDC_TAPE_BLKSIZE, c.pszBlock);
            LeaveEdit(h, IDC_TAPE_BLKSIZE);
            ::SetDlgItemTextA(h, IDC_TAPE_LRECL, c.pszLrecl);
            LeaveEdit(h, IDC_TAPE_LRECL);
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.txt");
        });
        EXPECT_EQ(c.pszBalloon, ok.strBalloon) << c.nFormat;
    }
}

TEST_F(TapeDialogs, ReelFetchBoxesAndALargeRestoredRecordLength)
{
    // A record length above the default block size, stored with its format,
    // opens editable and is accepted as it stands.
    ProfileWriteInt("REELFETCH", "nRecfm", 4);  // F
    ProfileWriteInt("REELFETCH", "nLrecl", 20000);
    ProfileWriteInt("REELFETCH", "nBlockSize", 40000);
    CReelFetchDlg dlg;
    bool bEnabled = false, bStripImplies = false, bUnblockClears = false, bNoneClears = false;
    vorntest::SUtilityOk ok = Run(dlg, strTape, [&](HWND h) {
        bEnabled = Enabled(h, IDC_TAPE_LRECL) && Enabled(h, IDC_TAPE_BLKSIZE_SPIN);
        Click(h, IDC_TAPE_STRIP);
        bStripImplies = Checked(h, IDC_TAPE_ASCII) && Checked(h, IDC_TAPE_UNBLOCK);
        Click(h, IDC_TAPE_UNBLOCK);
        bUnblockClears = !Checked(h, IDC_TAPE_ASCII) && !Checked(h, IDC_TAPE_STRIP);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "big.txt");
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_TRUE(bEnabled);
    EXPECT_TRUE(bStripImplies);
    EXPECT_TRUE(bUnblockClears);
    EXPECT_EQ("REELFETCH  " + strTape + " " + dir.Path("big.txt") + " 1 F 20000 40000",
              std::string(dlg.m_strCommandLine));

    CReelFetchDlg none;
    Run(none, strTape, [&](HWND h) {
        Click(h, IDC_TAPE_NON_LABELED);
        ::SendDlgItemMessageA(h, IDC_TAPE_RECFM, CB_SETCURSEL, 0, 0);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_TAPE_RECFM, CBN_SELENDOK), (LPARAM)::GetDlgItem(h, IDC_TAPE_RECFM));
        bNoneClears = !Checked(h, IDC_TAPE_NON_LABELED) && !Enabled(h, IDC_TAPE_LRECL);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(bNoneClears);
}

// For a picture: VORN_SHOW_TAPE_DIALOG names the caption (REELBUILD, REELFETCH ...)
//   VORN_SHOW_TAPE_DIALOG=REELBUILD VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t REELBUILD
//     build/win32/bin/utilities_tests.exe --gtest_filter=TapeDialogs.DISABLED_ShowForPicture
TEST_F(TapeDialogs, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    const char* pszName = std::getenv("VORN_SHOW_TAPE_DIALOG");
    if (!pszHold || !pszName)
        GTEST_SKIP() << "set VORN_SHOW_TAPE_DIALOG and VORN_SHOW_DIALOG_MS to show a dialog";
    DWORD dwStart = ::GetTickCount();
    auto hold = [&](CTapeUtilityDlg& dlg) {
        dlg.m_strInputFile = strTape.c_str();
        dlg.m_strOutputDirectory = strOutDir.c_str();
        dlg.m_strOutputFile = "TEST.000001.vet";
        vorntest::RunModal(dlg, [&](HWND h) {
            if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
                return true;
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        }, 100);
    };
    std::string strName = pszName;
    if (strName == "REELBUILD") {
        CReelBuildDlg dlg;
        hold(dlg);
    } else if (strName == "REELDIVIDE") {
        ProfileWriteInt("REELDIVIDE", "OutputFilesListBox_nCount", 1);
        ProfileWriteString("REELDIVIDE", "OutputFilesListBox_0000", ("    0003     " + dir.Path("part1.aws")).c_str());
        CReelDivideDlg dlg;
        hold(dlg);
    } else if (strName == "Add REELDIVIDE") {
        CReelDivideAddDlg dlg;
        hold(dlg);
    } else if (strName == "REELDUB") {
        CReelDubDlg dlg;
        hold(dlg);
    } else if (strName == "REELBLANK") {
        CReelBlankDlg dlg;
        hold(dlg);
    } else if (strName == "REELINFO") {
        CReelInfoDlg dlg;
        hold(dlg);
    } else if (strName == "REELREPACK") {
        CReelRepackDlg dlg;
        hold(dlg);
    } else {
        ProfileWriteInt("REELFETCH", "nRecfm", 7);
        CReelFetchDlg dlg;
        hold(dlg);
    }
}

}  // namespace
