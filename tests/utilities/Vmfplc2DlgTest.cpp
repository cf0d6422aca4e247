// Vmfplc2DlgTest.cpp: the VMFPLC2 dialog, its control-file editor and the
// statement dialogs under Wine: the command lines, the enabling of each
// function, the editor's list and files (new, saved, changed meanwhile,
// not writable) and the statement's fields and refusals.
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
#include "utilities/VMFPLC2CtlFileDlg.h"
#include "utilities/VMFPLC2Dlg.h"
#include "utilities/VMFPLC2StmtDlg.h"
#include "utilities/VMFPLC2StmtEditDlg.h"

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

void Click(HWND hDlg, int nId)
{
    ::SendMessageA(::GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

void Select(HWND hDlg, int nList, int nIndex)
{
    ::SendDlgItemMessageA(hDlg, nList, LB_SETCURSEL, (WPARAM)nIndex, 0);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nList, LBN_SELCHANGE), (LPARAM)::GetDlgItem(hDlg, nList));
}

std::string Items(HWND hDlg, int nList)
{
    std::string s;
    int nCount = (int)::SendDlgItemMessageA(hDlg, nList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i) {
        char sz[512] = {};
        ::SendDlgItemMessageA(hDlg, nList, LB_GETTEXT, (WPARAM)i, (LPARAM)sz);
        s += std::string(sz) + "|";
    }
    return s;
}

using vorntest::OtherDialog;

// Presses a button of a message box or task dialog (its control id).
void Answer(HWND hBox, int nButton)
{
    ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
}

struct Vmfplc2 : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("plc2.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strCtl = dir.Write("files.ctl", "* files\r\nPROFILE EXEC A1 F 80 T C:\\cms\\profile.exec\r\n");
    std::string strTape = dir.Write("xfer.aws", std::string(777, 'T'));

    void TearDown() override { ErrorBalloonHide(); }

    vorntest::SUtilityOk Run(CVMFPLC2Dlg& dlg, int nFunction, const std::function<void(HWND)>& extra)
    {
        dlg.m_strOutputDirectory = dir.Folder().c_str();
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, nullptr, [&](HWND h) {
            Click(h, IDC_PLC2_DUMP + nFunction);
            if (extra)
                extra(h);
        });
    }
};

// ---- the VMFPLC2 dialog ----

TEST_F(Vmfplc2, DumpWithEveryOptionBuildsTheCommandAndTheTitle)
{
    CVMFPLC2Dlg dlg;
    vorntest::SUtilityOk ok = Run(dlg, kPlc2Dump, [&](HWND h) {
        Click(h, IDC_UTIL_VERBOSE);
        ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "1252 / 037");
        Click(h, IDC_UTIL_COMPRESS_USING);
        Click(h, IDC_UTIL_METHOD_BZIP2);
        ::SendDlgItemMessageA(h, IDC_TAPE_LEVEL, TBM_SETPOS, TRUE, 9);
        ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, strCtl.c_str());
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "xfer.vet");
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("VMFPLC2 -v -c 1252/037 -b -9 DUMP " + strCtl + " " + dir.Path("xfer.vet"),
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VMFPLC2 -v -c 1252/037 -b -9 DUMP xfer.vet", std::string(dlg.m_strTitle));
    EXPECT_EQ(0, dlg.m_nExpectedTotal);
    EXPECT_EQ("1252/037", std::string(ProfileGetString("VMFPLC2", "strCodePage", "")));
}

TEST_F(Vmfplc2, LoadAndScanSendNoCompressionAndTakeTheTapesSize)
{
    CVMFPLC2Dlg load;
    vorntest::SUtilityOk ok = Run(load, kPlc2Dump, [&](HWND h) {
        Click(h, IDC_UTIL_COMPRESS_USING);  // ticked for DUMP, then LOAD chosen
        Click(h, IDC_PLC2_LOAD);
        EXPECT_FALSE(::IsDlgButtonChecked(h, IDC_UTIL_COMPRESS_USING));
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strTape.c_str());
        ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, strCtl.c_str());
        ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "");
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("VMFPLC2  LOAD " + strCtl + " " + strTape, std::string(load.m_strCommandLine));
    EXPECT_EQ("VMFPLC2  LOAD xfer.aws", std::string(load.m_strTitle));
    EXPECT_EQ(777, load.m_nExpectedTotal);
    EXPECT_EQ("0", std::string(ProfileGetString("VMFPLC2", "bCompressOutput", "")));

    // SCAN needs no control file; a code page set before is still sent.
    std::string strSpaced = dir.Write("my tape.aws", std::string(10, 'T'));
    CVMFPLC2Dlg scan;
    ok = Run(scan, kPlc2Scan, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "default");
        ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, "no such file.ctl");
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strSpaced.c_str());
        EXPECT_FALSE(Enabled(h, IDC_TAPE_CODEPAGE));
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("VMFPLC2 -c default SCAN \"" + strSpaced + "\"", std::string(scan.m_strCommandLine));
    EXPECT_EQ("VMFPLC2 -c default SCAN \"my tape.aws\"", std::string(scan.m_strTitle));
    EXPECT_EQ(10, scan.m_nExpectedTotal);

    CVMFPLC2Dlg noControl;
    EXPECT_EQ(0u, Run(noControl, kPlc2Load, [&](HWND h) {
                      ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strTape.c_str());
                      ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, dir.Path("missing.ctl").c_str());
                  }).strBalloon.find("Control File: "));
}

TEST_F(Vmfplc2, EachFunctionEnablesItsControls)
{
    const struct {
        int nFunction;
        bool bInput, bOutput, bControl, bCodePage, bCompressed;
    } cases[] = {
        {kPlc2Dump, false, true, true, true, true},
        {kPlc2Load, true, false, true, true, false},
        {kPlc2Scan, true, false, false, false, false},
    };
    for (const auto& c : cases) {
        CVMFPLC2Dlg dlg;
        vorntest::RunModal(dlg, [&](HWND h) {
            Click(h, IDC_PLC2_DUMP + c.nFunction);
            EXPECT_EQ(c.bInput, Enabled(h, IDC_UTIL_INPUT_FILE)) << c.nFunction;
            EXPECT_EQ(c.bInput, Enabled(h, IDC_UTIL_INPUT_BROWSE)) << c.nFunction;
            EXPECT_EQ(c.bOutput, Enabled(h, IDC_UTIL_OUTPUT_FILE)) << c.nFunction;
            EXPECT_EQ(c.bOutput, Enabled(h, IDC_UTIL_OUTPUT_DIR_BROWSE)) << c.nFunction;
            EXPECT_EQ(c.bControl, Enabled(h, IDC_PLC2_CTL_EDIT)) << c.nFunction;
            EXPECT_EQ(c.bCodePage, Enabled(h, IDC_PLC2_CODEPAGE_LABEL)) << c.nFunction;
            EXPECT_EQ(c.bCompressed, Enabled(h, IDC_UTIL_COMPRESS_USING)) << c.nFunction;
            EXPECT_TRUE(Enabled(h, IDC_PLC2_TAPE_DUMP));
            EXPECT_TRUE(Enabled(h, IDC_UTIL_VERBOSE));
            // The compression controls follow "Compressed", for DUMP only.
            Click(h, IDC_UTIL_COMPRESS_USING);
            EXPECT_EQ(c.bCompressed, Enabled(h, IDC_UTIL_METHOD_ZLIB)) << c.nFunction;
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    }
}

// ---- the control-file editor ----

TEST_F(Vmfplc2, NewControlFileIsSavedWithoutTrailingBlanksAndTheButtonBecomesEdit)
{
    std::string strNew = dir.Path("new.ctl");
    CVMFPLC2CtlFileDlg dlg;
    dlg.m_strPath = strNew.c_str();
    std::string strBefore, strAfter, strItems;
    bool bRemove = true;
    vorntest::RunModal(dlg, [&](HWND h) {
        strBefore = Text(h, IDC_PLC2_EDIT_FILE);
        bRemove = Enabled(h, IDC_UTIL_FILE_REMOVE);
        ::SendMessageA(h, WM_COMMAND, ID_PLC2_INSERT_COMMENT, 0);   // at the top
        ::SendMessageA(h, WM_COMMAND, ID_PLC2_INSERT_TAPEMARK, 0);  // after it
        ::SendDlgItemMessageA(h, IDC_PLC2_STATEMENTS, LB_ADDSTRING, 0, (LPARAM) "DATA FILE A V B C:\\d.bin  ");
        ::SendMessageA(h, WM_COMMAND, IDC_PLC2_EDIT_FILE, 0);  // Save
        strAfter = Text(h, IDC_PLC2_EDIT_FILE);
        strItems = Items(h, IDC_PLC2_STATEMENTS);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("Save", strBefore);
    EXPECT_FALSE(bRemove);
    EXPECT_EQ("Edit", strAfter);
    EXPECT_EQ("*|@TM|DATA FILE A V B C:\\d.bin  |", strItems);
    EXPECT_EQ("*\r\n@TM\r\nDATA FILE A V B C:\\d.bin\r\n", vorntest::ReadWholeFile(strNew));
}

TEST_F(Vmfplc2, EditorButtonsFollowTheSelectionAndOkWritesTheLinesAsTheyStand)
{
    std::string strFile = dir.Write("list.ctl", "one  \r\ntwo\r\nthree\r\n");
    CVMFPLC2CtlFileDlg dlg;
    dlg.m_strPath = strFile.c_str();
    struct SButtons {
        bool bRemove, bUp, bDown;
    } first = {}, last = {}, none = {};
    std::string strAfterMove, strAfterRemove;
    int nAfterRemove = -2;
    INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
        auto buttons = [&] {
            return SButtons{Enabled(h, IDC_UTIL_FILE_REMOVE), Enabled(h, IDC_UTIL_FILE_UP), Enabled(h, IDC_UTIL_FILE_DOWN)};
        };
        Select(h, IDC_PLC2_STATEMENTS, 0);
        first = buttons();
        ::SendMessageA(h, WM_COMMAND, IDC_UTIL_FILE_DOWN, 0);
        strAfterMove = Items(h, IDC_PLC2_STATEMENTS);
        Select(h, IDC_PLC2_STATEMENTS, 2);
        last = buttons();
        ::SendMessageA(h, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);  // the last: the new last is current
        strAfterRemove = Items(h, IDC_PLC2_STATEMENTS);
        nAfterRemove = (int)::SendDlgItemMessageA(h, IDC_PLC2_STATEMENTS, LB_GETCURSEL, 0, 0);
        ::SendMessageA(h, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);
        ::SendMessageA(h, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);
        none = buttons();
        ::SendMessageA(h, WM_COMMAND, ID_PLC2_INSERT_COMMENT, 0);
        ::SendDlgItemMessageA(h, IDC_PLC2_STATEMENTS, LB_ADDSTRING, 0, (LPARAM) "kept  ");
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_TRUE(first.bRemove && !first.bUp && first.bDown);
    EXPECT_TRUE(last.bRemove && last.bUp && !last.bDown);
    EXPECT_FALSE(none.bRemove || none.bUp || none.bDown);
    EXPECT_EQ("two|one  |three|", strAfterMove);
    EXPECT_EQ("two|one  |", strAfterRemove);
    EXPECT_EQ(1, nAfterRemove);
    EXPECT_EQ("*\r\nkept  \r\n", vorntest::ReadWholeFile(strFile));
}

TEST_F(Vmfplc2, EditorRefusesAnEmptyListAndKeepsItsLinesWhenTheWriteFails)
{
    std::string strFile = dir.Write("gone.ctl", "*\r\n");
    CVMFPLC2CtlFileDlg dlg;
    dlg.m_strPath = strFile.c_str();
    std::string strBalloon, strBox;
    bool bOpenAfterFailure = false;
    int nStep = 0;
    HWND hEditor = nullptr;
    INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
        hEditor = h;
        if (nStep == 0) {
            ::SendMessageA(h, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);  // nothing selected: nothing goes
            Select(h, IDC_PLC2_STATEMENTS, 0);
            ::SendMessageA(h, WM_COMMAND, IDC_UTIL_FILE_REMOVE, 0);
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            CString strTitle, strText;
            if (ErrorBalloonWindow(&strTitle, &strText))
                strBalloon = std::string(strTitle) + ": " + std::string(strText);
            ErrorBalloonHide();
            // The file becomes read-only: it cannot be replaced.
            ::SetFileAttributesA(strFile.c_str(), FILE_ATTRIBUTE_READONLY);
            ::SendMessageA(h, WM_COMMAND, ID_PLC2_INSERT_COMMENT, 0);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            ++nStep;
            return true;
        }
        HWND hBox = OtherDialog(h);
        if (nStep == 1 && hBox) {
            strBox = vorntest::DialogTexts(hBox);
            Answer(hBox, IDOK);
            ++nStep;
            return true;
        }
        if (nStep == 2 && !hBox) {
            bOpenAfterFailure = ::IsWindow(h) && Items(h, IDC_PLC2_STATEMENTS) == "*|";
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        }
        return true;
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ("Statements: You have not specified any control file statements. Click the 'Add' button to add a "
              "statement to the control file.",
              strBalloon);
    EXPECT_NE(std::string::npos, strBox.find("The control file file could not be opened.")) << strBox;
    EXPECT_TRUE(bOpenAfterFailure);
    ::SetFileAttributesA(strFile.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("*\r\n", vorntest::ReadWholeFile(strFile));
}

TEST_F(Vmfplc2, EditorAsksBeforeReplacingAFileChangedMeanwhile)
{
    std::string strFile = dir.Write("changed.ctl", "*\r\n");
    std::string strElsewhere = "* written in the text editor\r\n@TM\r\n";
    for (int nAnswer : {IDNO, IDYES}) {
        dir.Write("changed.ctl", "*\r\n");
        CVMFPLC2CtlFileDlg dlg;
        dlg.m_strPath = strFile.c_str();
        int nStep = 0;
        std::string strQuestion;
        INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
            HWND hBox = OtherDialog(h);
            if (nStep == 0) {
                dir.Write("changed.ctl", strElsewhere);
                ::SendMessageA(h, WM_COMMAND, ID_PLC2_INSERT_TAPEMARK, 0);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                ++nStep;
            } else if (nStep == 1 && hBox) {
                strQuestion = vorntest::DialogTexts(hBox);
                Answer(hBox, nAnswer);
                ++nStep;
            } else if (nStep == 2 && !hBox) {
                if (::IsWindow(h))
                    ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
                return false;
            }
            return true;
        });
        EXPECT_NE(std::string::npos, strQuestion.find("changed since it was read")) << strQuestion;
        if (nAnswer == IDNO) {
            EXPECT_EQ(IDCANCEL, nResult);
            EXPECT_EQ(strElsewhere, vorntest::ReadWholeFile(strFile));
        } else {
            EXPECT_EQ(IDOK, nResult);
            EXPECT_EQ("@TM\r\n*\r\n", vorntest::ReadWholeFile(strFile));  // inserted at the top
        }
    }
}

// ---- the statement dialogs ----

struct SStmtRun {
    INT_PTR nResult = 0;
    std::string strBalloon;
};

SStmtRun RunStatement(CVMFPLC2StmtDlg& dlg, const std::function<void(HWND)>& fill)
{
    SStmtRun run;
    int nStep = 0;
    run.nResult = vorntest::RunModal(dlg, [&](HWND h) {
        if (nStep++ == 0) {
            if (fill)
                fill(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return true;
        }
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText))
            run.strBalloon = std::string(strTitle) + ": " + std::string(strText);
        ErrorBalloonHide();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    return run;
}

TEST_F(Vmfplc2, StatementDialogReadsAndWritesTheLine)
{
    std::string strHost = dir.Write("profile.exec", "say hi");
    CVMFPLC2StmtDlg dlg;
    dlg.m_bDump = true;
    dlg.m_strDefaultCodePage = "1252 / 037";
    dlg.m_strStatement = ("PROFILE EXEC A1 F 80 T " + strHost).c_str();
    bool bOverrideEnabled = false, bLreclEnabled = false;
    SStmtRun run = RunStatement(dlg, [&](HWND h) {
        bOverrideEnabled = Enabled(h, IDC_PLC2_OVERRIDE);
        bLreclEnabled = Enabled(h, IDC_TAPE_LRECL);
    });
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_TRUE(bOverrideEnabled);
    EXPECT_TRUE(bLreclEnabled);
    EXPECT_EQ("1252/037    PROFILE  EXEC     A1 Fixed 80   Textual    " + strHost, std::string(dlg.m_strStatement));

    // An override of the list on a variable textual file that LOAD writes:
    // the host file exists, and nothing is asked about it.
    CVMFPLC2StmtDlg load;
    load.m_strStatement = ("819/1047 DATA FILE B1 V T " + strHost).c_str();
    std::string strShownCodePage;
    run = RunStatement(load, [&](HWND h) {
        strShownCodePage = Text(h, IDC_TAPE_CODEPAGE);
        EXPECT_FALSE(Enabled(h, IDC_TAPE_LRECL));
    });
    ASSERT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_EQ("819 / 1047", strShownCodePage);
    EXPECT_EQ("819/1047    DATA     FILE     B1 Variable   Textual    " + strHost, std::string(load.m_strStatement));
}

TEST_F(Vmfplc2, StatementDialogRefusals)
{
    std::string strHost = dir.Write("in.dat", "x");
    const struct {
        const char* pszName;
        const char* pszType;
        const char* pszMode;
        const char* pszLrecl;
        const char* pszHost;
        const char* pszBalloon;
    } cases[] = {
        {"", "EXEC", "A1", "80", "", "CMS Filename: Invalid CMS filename."},
        {"PROFILE", "EX.C", "A1", "80", "", "CMS Filetype: Invalid CMS filetype."},
        {"PROFILE", "EXEC", "A7", "80", "", "CMS Filemode: Invalid CMS filemode."},
        {"PROFILE", "EXEC", "1A", "80", "", "CMS Filemode: Invalid CMS filemode."},
        {"PROFILE", "EXEC", "A", "0", "", "LRECL: Invalid logical record length (1-65535)."},
        {"PROFILE", "EXEC", "A", "70000", "", "LRECL: Invalid logical record length (1-65535)."},
    };
    for (const auto& c : cases) {
        CVMFPLC2StmtDlg dlg;
        dlg.m_bDump = true;
        SStmtRun run = RunStatement(dlg, [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_PLC2_FILENAME, c.pszName);
            ::SetDlgItemTextA(h, IDC_PLC2_FILETYPE, c.pszType);
            ::SetDlgItemTextA(h, IDC_PLC2_FILEMODE, c.pszMode);
            ::SetDlgItemTextA(h, IDC_TAPE_LRECL, c.pszLrecl);
            ::SetDlgItemTextA(h, IDC_PLC2_HOST_FILE, strHost.c_str());
        });
        EXPECT_EQ(IDCANCEL, run.nResult);
        EXPECT_EQ(c.pszBalloon, run.strBalloon);
    }
    // A comment typed as the filename is handed back as the line was (its
    // host file is still checked).
    CVMFPLC2StmtDlg comment;
    comment.m_strStatement = "*";
    SStmtRun run = RunStatement(comment, [&](HWND h) { ::SetDlgItemTextA(h, IDC_PLC2_HOST_FILE, strHost.c_str()); });
    EXPECT_EQ(IDOK, run.nResult) << run.strBalloon;
    EXPECT_EQ("*", std::string(comment.m_strStatement));
    // The one-line editor hands back its text.
    CVMFPLC2StmtEditDlg edit;
    edit.m_strStatement = "@TM";
    EXPECT_EQ(IDOK, vorntest::RunModal(edit, [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_PLC2_STATEMENT, "@TM second");
                  ::SendMessageA(h, WM_COMMAND, IDOK, 0);
                  return false;
              }));
    EXPECT_EQ("@TM second", std::string(edit.m_strStatement));
}

// The one-line editor shows the line in the fixed-pitch font with nothing
// selected, so that a first key press edits rather than replaces it; the
// window leaves no font behind.
TEST_F(Vmfplc2, OneLineEditorShowsTheLineInAFixedFontWithNothingSelected)
{
    auto Once = [](std::string& strFace, DWORD& dwSel, bool& bFocused) {
        CVMFPLC2StmtEditDlg edit;
        edit.m_strStatement = "1252/037    PROFILE  EXEC     A1 Fixed 80   Textual    C:\\cms\\profile.exec";
        vorntest::RunModal(edit, [&](HWND h) {
            HWND hEdit = ::GetDlgItem(h, IDC_PLC2_STATEMENT);
            LOGFONTA lf = {};
            ::GetObjectA((HFONT)::SendMessageA(hEdit, WM_GETFONT, 0, 0), sizeof lf, &lf);
            strFace = lf.lfFaceName;
            dwSel = (DWORD)::SendMessageA(hEdit, EM_GETSEL, 0, 0);
            bFocused = ::GetFocus() == hEdit;
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    };
    std::string strFace;
    DWORD dwSel = 1;
    bool bFocused = false;
    Once(strFace, dwSel, bFocused);
    EXPECT_EQ("Courier New", strFace);
    EXPECT_EQ(LOWORD(dwSel), HIWORD(dwSel));
    EXPECT_TRUE(bFocused);
    DWORD nBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 5; ++i)
        Once(strFace, dwSel, bFocused);
    EXPECT_EQ(nBefore, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
}

// For pictures: VORN_SHOW_PLC2 = VMFPLC2, "VMFPLC2 Control File", "Edit VMFPLC2 Control File
// Statement" or "VMFPLC2 Statement".
//   VORN_SHOW_PLC2=VMFPLC2 VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VMFPLC2
//     build/win32/bin/utilities_tests.exe --gtest_filter=Vmfplc2.DISABLED_ShowForPicture
TEST_F(Vmfplc2, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    const char* pszName = std::getenv("VORN_SHOW_PLC2");
    if (!pszHold || !pszName)
        GTEST_SKIP() << "set VORN_SHOW_PLC2 and VORN_SHOW_DIALOG_MS to show a dialog";
    DWORD dwStart = ::GetTickCount();
    auto hold = [&](HWND h) {
        if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
            return true;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    };
    std::string strName = pszName;
    if (strName == "VMFPLC2") {
        CVMFPLC2Dlg dlg;
        dlg.m_strCtlFile = strCtl.c_str();
        dlg.m_strOutputDirectory = dir.Folder().c_str();
        dlg.m_strOutputFile = "xfer.vet";
        dlg.m_strCodePage = "1252/037";
        vorntest::RunModal(dlg, hold, 100);
    } else if (strName == "VMFPLC2 Control File") {
        std::string strFile = dir.Write("show.ctl", "* profile and data\r\n1252/037    PROFILE  EXEC     A1 Fixed 80   "
                                                    "Textual    C:\\cms\\profile.exec\r\n@TM\r\n            DATA     "
                                                    "FILE     B1 Variable   Binary     \"C:\\my files\\d.bin\"\r\n");
        CVMFPLC2CtlFileDlg dlg;
        dlg.m_strPath = strFile.c_str();
        vorntest::RunModal(dlg, hold, 100);
    } else if (strName == "Edit VMFPLC2 Control File Statement") {
        CVMFPLC2StmtEditDlg dlg;
        dlg.m_strStatement = "1252/037    PROFILE  EXEC     A1 Fixed 80   Textual    C:\\cms\\profile.exec";
        vorntest::RunModal(dlg, hold, 100);
    } else {
        CVMFPLC2StmtDlg dlg;
        dlg.m_strDefaultCodePage = "1252 / 037";
        dlg.m_strStatement = "PROFILE EXEC A1 F 80 T C:\\cms\\profile.exec";
        vorntest::RunModal(dlg, hold, 100);
    }
}

}  // namespace
