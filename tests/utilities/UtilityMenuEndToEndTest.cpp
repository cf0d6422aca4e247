// UtilityMenuEndToEndTest.cpp: the Utilities menu of the real view, end to
// end against the utility stand-in installed in an executables folder whose
// name holds a blank, under each utility's program name. The stand-in
// records its command line and current folder; the tests check the program
// the view starts ("PACKFLIP64" only while "volmake64.exe" is there), the
// quoting, "EXTERNALGUI" last, the folder made current, refusals that start
// nothing, the console output of MapImport, the progress of ReelScan, the
// windows a utility dialog opens staying over it, and the beep at a run's
// end by its return code.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/CDC.h"
#include "platform/ErrorBalloon.h"
#include "platform/AutoTaskDialog.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "platform/Trace.h"
#include "resources/resource.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/platform/ModalDriver.h"
#include "tests/session/SessionViewFixture.h"
#include "tests/support/ScreenShows.h"
#include "tests/support/WinTestUtil.h"
#include "tests/utilities/UtilityMenuFixture.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/UtilityTable.h"

namespace {

TEST_F(UtilityMenu, PackFlip64RunsOnlyWhileTheFolderHoldsVolmake64)
{
    std::string strImage64 = dir.Write("disk\\big.cckd64", vorntest::DiskImageBytes("CKD_C064"));
    std::string strImage32 = dir.Write("disk\\small.cckd", vorntest::DiskImageBytes("CKD_C370"));
    ASSERT_TRUE(pView->IsValidExecutablesDir(pView->GetExecutablesDir()));
    EXPECT_FALSE(pView->Has64BitUtilities());
    EXPECT_EQ("Input File: File is CKD64 but CKD64 support is missing.", Run(ID_UTIL_PACKFLIP, strImage64));
    EXPECT_TRUE(Recorded().empty());

    EXPECT_EQ("", Run(ID_UTIL_PACKFLIP, strImage32));
    ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + "volmake64.exe").c_str(), FALSE);
    ASSERT_TRUE(pView->IsValidExecutablesDir(pView->GetExecutablesDir()));
    EXPECT_TRUE(pView->Has64BitUtilities());
    EXPECT_EQ("", Run(ID_UTIL_PACKFLIP, strImage64));

    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(Program("PACKFLIP") + " " + strImage32 + " EXTERNALGUI", runs[0].strCommandLine);
    EXPECT_EQ(Program("PACKFLIP64") + " " + strImage64 + " EXTERNALGUI", runs[1].strCommandLine);
    EXPECT_EQ(strDiskDir, runs[1].strFolder + "\\");
    EXPECT_TRUE(ConsoleHas("PACKFLIP64 " + strImage64)) << Console();
}

TEST_F(UtilityMenu, VolPatchRefusesATextFileAndStartsNothing)
{
    std::string strText = dir.Write("disk\\readme.txt", std::string(3000, 't'));
    EXPECT_EQ("Filename: Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing violation "
              "perhaps?)",
              Run(ID_UTIL_VOLPATCH, strText));
    EXPECT_TRUE(Recorded().empty());
    EXPECT_FALSE(pView->IsUtilityRunning());
}

TEST_F(UtilityMenu, MapImportOutputReachesTheConsoleFromTheConfigurationFolder)
{
    std::string strScript = dir.Write("mapimport.txt", "out # devices of the P/390 map\nout 0120 3380 dasd.120\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_MAPIMPORT", strScript.c_str());
    std::string strMap = dir.Write("devmap.dat", "DEVMAP");
    EXPECT_EQ("", Run(ID_UTIL_MAPIMPORT, strMap));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("MAPIMPORT") + " " + strMap + " EXTERNALGUI", runs[0].strCommandLine);
    EXPECT_EQ(dir.Folder(), runs[0].strFolder + "\\");
    // Queued lines reach the console at the loop's idle time.
    Pump([&] { return ConsoleHas("0120 3380 dasd.120"); }, 5000);
    EXPECT_TRUE(ConsoleHas("0120 3380 dasd.120")) << Console();
    EXPECT_TRUE(ConsoleHas("# devices of the P/390 map"));
}

TEST_F(UtilityMenu, ReelScanQuotesTheTapeAndItsPositionsMoveTheProgressWindow)
{
    std::string strTape = dir.Write("tapes\\my tape.aws", std::string(1000, '\0'));
    std::string strScript = dir.Write("reelscan.txt", "err IPOS=500\nsleep 3000\nerr IPOS=1000\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_REELSCAN", strScript.c_str());
    StartFromMenu(ID_UTIL_REELSCAN, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strTape.c_str());
    });
    HWND hProgress = ::FindWindowA("#32770", "REELSCAN my tape.aws");
    ASSERT_NE(nullptr, hProgress);
    EXPECT_TRUE(::IsWindowVisible(hProgress));
    EXPECT_EQ(500, ProgressPosition(hProgress, 500));
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("REELSCAN") + " \"" + strTape + "\" EXTERNALGUI", runs[0].strCommandLine);
    EXPECT_EQ(strTapeDir, runs[0].strFolder + "\\");
}

// A progress window stays over the main window on the screen, as the user
// sees it, when the user clicks into the main window.
TEST_F(UtilityMenu, ProgressWindowStaysOverTheMainWindowOnTheScreen)
{
    std::string strTape = dir.Write("tapes\\long.aws", std::string(1000, '\0'));
    std::string strScript = dir.Write("reelscan.txt", "err IPOS=500\nsleep 30000\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_REELSCAN", strScript.c_str());
    CWnd* pMain = app->m_pMainWnd;
    pMain->SetWindowPos(nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_SHOWWINDOW);
    StartFromMenu(ID_UTIL_REELSCAN, [&](HWND h) { ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strTape.c_str()); });
    HWND hProgress = ::FindWindowA("#32770", "REELSCAN long.aws");
    ASSERT_NE(nullptr, hProgress);
    EXPECT_EQ(pMain->m_hWnd, ::GetWindow(hProgress, GW_OWNER));
    ::SetWindowPos(hProgress, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetForegroundWindow(hProgress);
    RECT rcProgress;
    ::GetWindowRect(hProgress, &rcProgress);
    auto pump = [this] { PumpFor(10); };
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(hProgress, rcProgress, pump));
    RECT rcView;
    pView->GetWindowRect(&rcView);
    ASSERT_TRUE(vorntest::ClickAt(POINT{rcView.left + 20, rcView.top + 20}));
    ASSERT_TRUE(Pump([&] { return ::GetFocus() == pView->m_hWnd; }, 5000)) << "the click into the console";
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(hProgress, rcProgress, pump)) << "after the click";
    // Over the main window, yet not over other programs.
    EXPECT_EQ(0, ::GetWindowLongA(hProgress, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // A task dialog of the view covers it and takes the input from it while
    // it shows.
    std::string strSeen = "no task dialog";
    {
        vorntest::DialogDriver driver([&](HWND hBox) {
            strSeen = vorntest::DescribeModalStacking(hBox, hProgress);
            ::PostMessageA(hBox, WM_USER + 102, IDOK, 0);  // TDM_CLICK_BUTTON
            return false;
        });
        TASKDIALOGCONFIG tdc = {sizeof tdc};
        tdc.hwndParent = pView->m_hWnd;
        tdc.pszContent = L"Stacked.";
        AutoTaskDialog(&tdc, nullptr, nullptr, nullptr);
    }
    EXPECT_EQ("above, disabled, plain", strSeen);
    EXPECT_TRUE(::IsWindowEnabled(hProgress));
    ::SendMessageA(hProgress, WM_COMMAND, IDC_PROGRESS_CANCEL, 0);
    EXPECT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 10000));
}

TEST_F(UtilityMenu, CancelRunsNothing)
{
    {
        vorntest::DialogDriver driver([&](HWND h) {
            ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, "whatever");
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        pView->SendMessage(WM_COMMAND, ID_UTIL_REELSCAN, 0);
        EXPECT_TRUE(driver.SawDialog());
    }
    EXPECT_FALSE(pView->IsUtilityRunning());
    EXPECT_TRUE(Recorded().empty());
    EXPECT_EQ("", std::string(ProfileGetString("REELSCAN", "strInputFile", "")));
}

}  // namespace

namespace {

// The output file confirmed in the dialog is still there while the
// dialog's other checks run and goes only when the run starts.
TEST_F(UtilityMenu, VolRecast64OverwritesAConfirmedOutputOnlyWhenTheRunStarts)
{
    std::string strInput = dir.Write("disk\\in.ckd", vorntest::DiskImageBytes("CKD_P370"));
    std::string strOutput = dir.Write("disk\\out.ckd64", "old image");
    ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + "volmake64.exe").c_str(), FALSE);
    ASSERT_TRUE(pView->IsValidExecutablesDir(pView->GetExecutablesDir()));
    ProfileWriteString("VOLRECAST", "strOutputDirectory", strDiskDir.c_str());
    vorntest::COverwriteAnswerer answerer(vorntest::kOverwriteButton);
    EXPECT_EQ("", Run(ID_UTIL_VOLRECAST, strInput, [&](HWND h) {
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.ckd64");
                  ::CheckDlgButton(h, IDC_UTIL_REPLACE, BST_CHECKED);
                  ::CheckDlgButton(h, IDC_UTIL_CKD64, BST_CHECKED);
              }));
    EXPECT_EQ(1, vorntest::COverwriteAnswerer::s_nAsked);
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLRECAST64") + " -r -lfs " + strInput + " " + strOutput + " EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strOutput.c_str()));
}

}  // namespace

namespace {

// VolMake writes a new image: the model with its volume serial last, the
// progress window scaled to the cylinders and moved by the "CYL=" lines.
TEST_F(UtilityMenu, VolMakeRunsWithItsModelAndItsCylindersMoveTheProgressWindow)
{
    std::string strScript = dir.Write("volmake.txt", "err CYL=1000\nsleep 3000\nerr CYL=3339\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_VOLMAKE", strScript.c_str());
    ProfileWriteString("VOLMAKE", "strOutputDirectory", strDiskDir.c_str());
    const char kTitle[] = "VOLMAKE -z -lfs WORK01.3390-3.comp-z 3390-3 WORK01";
    std::string strPercent;
    StartFromMenu(ID_UTIL_VOLMAKE, [&](HWND h) {
        HWND hList = ::GetDlgItem(h, IDC_UTIL_DEV_MODEL);
        ::SendMessageA(hList, CB_SETCURSEL,
                       ::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "3390-3"), 0);
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_DEV_MODEL, CBN_SELCHANGE), (LPARAM)hList);
        for (int nBox : {IDC_UTIL_VOL1_LABEL, IDC_UTIL_COMPRESS_USING, IDC_UTIL_LARGE_FILE}) {
            ::CheckDlgButton(h, nBox, BST_CHECKED);
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(nBox, BN_CLICKED), (LPARAM)::GetDlgItem(h, nBox));
        }
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "WORK01");
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "WORK01.3390-3.comp-z");
    });
    HWND hProgress = ::FindWindowA("#32770", kTitle);
    ASSERT_NE(nullptr, hProgress);
    int nMidway = -1;
    Pump([&] {
        nMidway = (int)::SendDlgItemMessageA(hProgress, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0);
        char sz[32] = "";
        ::GetDlgItemTextA(hProgress, IDC_PROGRESS_PERCENT, sz, sizeof sz);
        strPercent = sz;
        return nMidway > 0;
    }, 5000);
    // Cylinder 1000 of 3339 on the bar's thousandths.
    EXPECT_EQ(1000 * 1000 / 3339, nMidway) << Console();
    EXPECT_EQ(" 29.9%", strPercent);
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLMAKE") + " -z -lfs " + strDiskDir + "WORK01.3390-3.comp-z 3390-3 WORK01 EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(strDiskDir, runs[0].strFolder + "\\");
}

TEST_F(UtilityMenu, VolMake64RunsWhileTheFolderHoldsIt)
{
    ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + "volmake64.exe").c_str(), FALSE);
    ASSERT_TRUE(pView->IsValidExecutablesDir(pView->GetExecutablesDir()));
    ProfileWriteString("VOLMAKE", "strOutputDirectory", strDiskDir.c_str());
    EXPECT_EQ("", Run(ID_UTIL_VOLMAKE, "", [](HWND h) {
                  ::CheckDlgButton(h, IDC_UTIL_CKD64, BST_CHECKED);
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "big.3350-1");
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLMAKE64") + " -r -lfs " + strDiskDir + "big.3350-1 3350-1 EXTERNALGUI",
              runs[0].strCommandLine);
}

// The stored 64-bit box without the 64-bit programs: the plain program and
// a format word without "64".
TEST_F(UtilityMenu, VolCloneWithoutThe64BitProgramsWritesThePlainFormat)
{
    std::string strInput = dir.Write("disk\\in.cckd", vorntest::DiskImageBytes("CKD_C370"));
    ProfileWriteInt("VOLCLONE", "bCKD64", 1);
    ProfileWriteString("VOLCLONE", "strOutputDirectory", strDiskDir.c_str());
    ASSERT_TRUE(pView->IsValidExecutablesDir(pView->GetExecutablesDir()));
    ASSERT_FALSE(pView->Has64BitUtilities());
    EXPECT_EQ("", Run(ID_UTIL_VOLCLONE, strInput, [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "copy.ckd");
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLCLONE") + " -o ckd " + strInput + " " + strDiskDir + "copy.ckd EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(dir.Folder(), runs[0].strFolder + "\\");
}

}  // namespace

namespace {

// The tape utilities from the menu: the commands their dialogs build reach
// the programs as built, and REELBUILD's file counts move its progress.
TEST_F(UtilityMenu, ReelBuildOfAMetaFileRunsItsCommandAndItsFileCountsDriveTheWindow)
{
    std::string strList = dir.Write("tapes\\list.txt", "a.txt\nb.txt\n");
    std::string strScript = dir.Write("reelbuild.txt", "err FILES=4\nerr FILE=2\nsleep 3000\nerr FILE=4\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_REELBUILD", strScript.c_str());
    ProfileWriteString("REELBUILD", "strOutputDirectory", strTapeDir.c_str());
    StartFromMenu(ID_UTIL_REELBUILD, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strList.c_str());
        ::CheckDlgButton(h, IDC_TAPE_META_FILE, BST_CHECKED);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.aws");
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "TAP001");
        ::SetDlgItemTextA(h, IDC_TAPE_DSN, "MY.DATA");
        ::SetDlgItemTextA(h, IDC_TAPE_BLOCK, "10");
        ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "819 / 1047");
        ::CheckDlgButton(h, IDC_TAPE_UNIQUE, BST_CHECKED);
    });
    HWND hProgress = ::FindWindowA("#32770", "REELBUILD list.txt out.aws");
    ASSERT_NE(nullptr, hProgress);
    // Two files of four: half way (the bar counts in tenths of a percent).
    EXPECT_EQ(500, ProgressPosition(hProgress, 500));
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("REELBUILD") + " IN: @" + strList +
                  " VOL: TAP001 DSN: MY.DATA LRECL: 80 BLK: 10 CP: 819/1047 UNIQUE OUT: " + strTapeDir +
                  "out.aws EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(strTapeDir, runs[0].strFolder + "\\");
}

TEST_F(UtilityMenu, ReelBlankReelDubAndReelFetchRunTheirCommands)
{
    std::string strTape = dir.Write("tapes\\in.aws", std::string(100, 'T'));
    for (const char* pszSection : {"REELBLANK", "REELDUB", "REELFETCH"})
        ProfileWriteString(pszSection, "strOutputDirectory", strTapeDir.c_str());
    EXPECT_EQ("", Run(ID_UTIL_REELBLANK, "", [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "000001");
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "TEST.000001.vet");
              }));
    EXPECT_EQ("", Run(ID_UTIL_REELDUB, "", [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_TAPE_NUMBER, "9");
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "dub.aws");
              }));
    EXPECT_EQ("", Run(ID_UTIL_REELFETCH, strTape, [](HWND h) {
                  ::SendMessageA(::GetDlgItem(h, IDC_TAPE_NON_LABELED), BM_CLICK, 0, 0);
                  ::SendMessageA(::GetDlgItem(h, IDC_TAPE_ASCII), BM_CLICK, 0, 0);
                  ::SetDlgItemTextA(h, IDC_TAPE_FILE_NUMBER, "3");
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "out.txt");
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ(Program("REELBLANK") + " -i " + strTapeDir + "TEST.000001.vet 000001 VORNAMIC EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(Program("REELDUB") + " /dev/st9 " + strTapeDir + "dub.aws EXTERNALGUI", runs[1].strCommandLine);
    EXPECT_EQ(Program("REELFETCH") + " -n -a -u " + strTape + " " + strTapeDir + "out.txt 3 FB 80 16000 EXTERNALGUI",
              runs[2].strCommandLine);
}

}  // namespace

namespace {

// The stand-in installed under the given program names.
void InstallStandin(const std::string& strExeDir, std::initializer_list<const char*> names)
{
    for (const char* pszName : names)
        ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + pszName + ".exe").c_str(),
                    FALSE);
}

// Two images in a folder of their own on drive C, one name with a blank;
// removed again when the object goes.
struct SDasdFolder {
    std::string strA = "C:\\dasd\\a.cckd", strB = "C:\\dasd\\b c.cckd";
    SDasdFolder()
    {
        ::CreateDirectoryA("C:\\dasd", nullptr);
        for (const std::string& s : {strA, strB}) {
            std::ofstream out(s, std::ios::binary);
            out << vorntest::DiskImageBytes("CKD_C370");
        }
    }
    ~SDasdFolder()
    {
        ::DeleteFileA(strA.c_str());
        ::DeleteFileA(strB.c_str());
        ::RemoveDirectoryA("C:\\dasd");
    }
};

// PackCheck of two images at level 2, read-only: the list is filled with
// "Add", the program names both images (the second quoted), and its "SIZE="
// and "POS=" lines set the progress window's range and position.
TEST_F(UtilityMenu, PackCheckRunsEveryListedImageAndItsSizeAndPositionsMoveTheProgress)
{
    InstallStandin(strExeDir, {"PACKCHECK"});
    SDasdFolder dasd;
    std::string strScript = dir.Write("packcheck.txt", "err SIZE=2000\nerr POS=1000\nsleep 3000\nerr POS=2000\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_PACKCHECK", strScript.c_str());
    auto add = [](HWND h, const std::string& strFile) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strFile.c_str());
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_ADD, BN_CLICKED),
                       (LPARAM)::GetDlgItem(h, IDC_UTIL_FILE_ADD));
    };
    StartFromMenu(ID_UTIL_PACKCHECK, [&](HWND h) {
        add(h, dasd.strA);
        add(h, dasd.strB);
        ::SendDlgItemMessageA(h, IDC_PACKCHECK_LEVEL2, BM_CLICK, 0, 0);
        ::SendDlgItemMessageA(h, IDC_PACKCHECK_READONLY, BM_CLICK, 0, 0);
    });
    HWND hProgress = ::FindWindowA("#32770", "PACKCHECK -2 -ro a.cckd ...");
    ASSERT_NE(nullptr, hProgress);
    EXPECT_EQ(500, ProgressPosition(hProgress, 500));  // POS=1000 of SIZE=2000, not of the image's 1024 bytes
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("PACKCHECK") + " -2 -ro C:\\dasd\\a.cckd \"C:\\dasd\\b c.cckd\" EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(strDiskDir, runs[0].strFolder + "\\");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_PACKCHECK", nullptr);
}

}  // namespace

namespace {

// PackLayout runs without a progress window, and every line it writes
// reaches the console.
TEST_F(UtilityMenu, PackLayoutRunsWithoutAProgressWindowAndItsOutputReachesTheConsole)
{
    InstallStandin(strExeDir, {"PACKLAYOUT"});
    std::string strImage = dir.Write("disk\\map me.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strScript = dir.Write("packlayout.txt",
                                      "out CDEVHDR at 0x200\nseq out 1 40 1 L2TAB %d\nsleep 1500\nout end of map\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_PACKLAYOUT", strScript.c_str());
    StartFromMenu(ID_UTIL_PACKLAYOUT, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strImage.c_str());
    });
    ASSERT_TRUE(pView->IsUtilityRunning());
    // The run's window, if the controller keeps one, is never shown.
    bool bShown = false;
    ASSERT_TRUE(Pump([&] {
        HWND hProgress = ::FindWindowA("#32770", "PACKLAYOUT -i map me.cckd");
        bShown |= hProgress && ::IsWindowVisible(hProgress);
        return !pView->IsUtilityRunning();
    }, 20000));
    EXPECT_FALSE(bShown);
    Pump([&] { return ConsoleHas("end of map"); }, 5000);
    EXPECT_TRUE(ConsoleHas("CDEVHDR at 0x200")) << Console();
    for (int i = 1; i <= 40; ++i)
        EXPECT_TRUE(ConsoleHas("L2TAB " + std::to_string(i))) << i;
    EXPECT_TRUE(ConsoleHas("end of map")) << Console();
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("PACKLAYOUT") + " -i \"" + strImage + "\" EXTERNALGUI", runs[0].strCommandLine);
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_PACKLAYOUT", nullptr);
}

// VolIdent with a new serial number passes the image and the serial.
TEST_F(UtilityMenu, VolIdentWithANewSerialPassesTheImageAndTheSerial)
{
    InstallStandin(strExeDir, {"VOLIDENT"});
    std::string strBytes = vorntest::DiskImageBytes("CKD_C370");
    strBytes.replace(20, 12, "000000099999");
    std::string strImage = dir.Write("disk\\mvs.cckd", strBytes);
    EXPECT_EQ("", Run(ID_UTIL_VOLIDENT, strImage, [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_VOLIDENT_SERIAL, "000000012345");
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLIDENT") + " " + strImage + " 000000012345 EXTERNALGUI", runs[0].strCommandLine);
    EXPECT_EQ(strDiskDir, runs[0].strFolder + "\\");
}

}  // namespace

namespace {

// While "volmake64.exe" is in the executables folder, a list holding a
// 64-bit image runs PACKCHECK64 and a 64-bit image PACKPROBE64; a list of
// 32-bit images still runs PACKCHECK.
TEST_F(UtilityMenu, PackCheckAndPackProbeRunTheir64BitProgramsFor64BitImages)
{
    InstallStandin(strExeDir, {"PACKCHECK", "PACKCHECK64", "PACKPROBE64", "volmake64"});
    ASSERT_TRUE(pView->IsValidExecutablesDir(pView->GetExecutablesDir()));
    ASSERT_TRUE(pView->Has64BitUtilities());
    std::string strSmall = dir.Write("disk\\small.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strBig = dir.Write("disk\\big.cckd64", vorntest::DiskImageBytes("CKD_C064"));
    auto addFiles = [](std::vector<std::string> files) {
        return [files](HWND h) {
            for (const std::string& strFile : files) {
                ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strFile.c_str());
                ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_ADD, BN_CLICKED),
                               (LPARAM)::GetDlgItem(h, IDC_UTIL_FILE_ADD));
            }
        };
    };
    EXPECT_EQ("", Run(ID_UTIL_PACKCHECK, "", addFiles({strSmall, strBig})));
    ProfileWriteInt("PACKCHECK", "InputFilesListBox_nCount", 0);
    EXPECT_EQ("", Run(ID_UTIL_PACKCHECK, "", addFiles({strSmall})));
    EXPECT_EQ("", Run(ID_UTIL_PACKPROBE, strBig, [](HWND h) {
                  ::SendDlgItemMessageA(h, IDC_PACKPROBE_DEVHDR, BM_CLICK, 0, 0);
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(3u, runs.size());
    EXPECT_EQ(Program("PACKCHECK64") + " -0 " + strSmall + " " + strBig + " EXTERNALGUI", runs[0].strCommandLine);
    EXPECT_EQ(Program("PACKCHECK") + " -0 " + strSmall + " EXTERNALGUI", runs[1].strCommandLine);
    EXPECT_EQ(Program("PACKPROBE64") + " -d " + strBig + " EXTERNALGUI", runs[2].strCommandLine);
}

}  // namespace

namespace {

// VOLSHOW's "ETRK=" line sets the progress window's total (it replaces the
// image's size) and its "CTRK=" lines move it.
TEST_F(UtilityMenu, VolShowTrackLinesDriveTheProgressWindow)
{
    ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + "VOLSHOW.exe").c_str(), FALSE);
    std::string strImage = dir.Write("disk\\mvs.ckd", vorntest::DiskImageBytes("CKD_P370"));
    std::string strScript = dir.Write("volshow.txt", "err ETRK=20\nerr CTRK=5\nsleep 3000\nerr CTRK=20\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_VOLSHOW", strScript.c_str());
    StartFromMenu(ID_UTIL_VOLSHOW, [&](HWND h) {
        ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strImage.c_str());
        ::SetDlgItemTextA(h, IDC_VOLSHOW_DATASET, "SYS1.MACLIB");
    });
    HWND hProgress = ::FindWindowA("#32770", "VOLSHOW mvs.ckd SYS1.MACLIB/?");
    ASSERT_NE(nullptr, hProgress);
    EXPECT_EQ(250, ProgressPosition(hProgress, 250));  // 5 of 20 tracks, not 5 of the image's 1024 bytes
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000));
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_VOLSHOW", nullptr);
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLSHOW") + " -i " + strImage + " SYS1.MACLIB/? EXTERNALGUI", runs[0].strCommandLine);
}

}  // namespace

namespace {

// VOLEXTRACT writes into its current folder: the run starts in the chosen
// output folder, not in the disk files folder the view made current.
TEST_F(UtilityMenu, VolExtractRunsInTheChosenOutputFolder)
{
    ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + "VOLEXTRACT.exe").c_str(), FALSE);
    std::string strImage = dir.Write("disk\\mvs.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strOut = dir.Path("extracted");
    ::CreateDirectoryA(strOut.c_str(), nullptr);
    EXPECT_EQ("", Run(ID_UTIL_VOLEXTRACT, strImage, [&](HWND h) {
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_DIR, strOut.c_str());
                  ::SetDlgItemTextA(h, IDC_VOLEXTRACT_DATASET, "sys1.parmlib.data");
                  ::CheckDlgButton(h, IDC_VOLEXTRACT_ASCII, BST_CHECKED);
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLEXTRACT") + " -ascii " + strImage + " SYS1.PARMLIB.DATA EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(strOut, runs[0].strFolder);
}

// Two images in list order, the second with its shadow, header columns and
// a data set name width of 20.
TEST_F(UtilityMenu, VolListRunsTheImagesInListOrder)
{
    ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), (strExeDir + "VOLLIST.exe").c_str(), FALSE);
    std::string strFirst = dir.Write("disk\\mvs1.ckd", vorntest::DiskImageBytes("CKD_P370"));
    std::string strSecond = dir.Write("disk\\mvs2.cckd", vorntest::DiskImageBytes("CKD_C370"));
    std::string strShadow = dir.Write("disk\\mvs2 1.shd", "shadow");
    EXPECT_EQ("", Run(ID_UTIL_VOLLIST, strFirst, [&](HWND h) {
                  ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_ADD, BN_CLICKED), 0);
                  ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strSecond.c_str());
                  ::SetDlgItemTextA(h, IDC_VOLLIST_SHADOW, strShadow.c_str());
                  ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_FILE_ADD, BN_CLICKED), 0);
                  ::CheckDlgButton(h, IDC_VOLLIST_HEADERS, BST_CHECKED);
                  ::CheckDlgButton(h, IDC_VOLLIST_DSN_COLS, BST_CHECKED);
                  ::SetDlgItemTextA(h, IDC_VOLLIST_COLUMNS, "20");
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLLIST") + " -hdr -dsnl=20 " + strFirst + " " + strSecond + " \"sf=" + strShadow +
                  "\" EXTERNALGUI",
              runs[0].strCommandLine);
}

// A command too long for the system (a list item of 100 KB, restored from
// the settings): its box shows the command's start and end on lines that
// fit the screen.
TEST_F(UtilityMenu, TheBoxOfACommandThatCannotStartShowsItsStartAndEnd)
{
    std::string strImage = strDiskDir + std::string(100000, 'v') + ".ckd";
    ProfileWriteInt("VOLLIST", "InputFilesListBox_nCount", 1);
    ProfileWriteString("VOLLIST", "InputFilesListBox_0000", ("\"" + strImage + "\"").c_str());
    HWND hDlg = nullptr;
    std::string strBox;
    RECT rcBox = {};
    vorntest::DialogDriver driver([&](HWND h) {
        if (hDlg && h != hDlg) {
            strBox = vorntest::DialogTexts(h);
            ::GetWindowRect(h, &rcBox);
        }
        ::PostMessageA(hDlg = h, WM_COMMAND, IDOK, 0);
        return strBox.empty();
    });
    pView->SendMessage(WM_COMMAND, ID_UTIL_VOLLIST, 0);
    strBox.erase(std::remove(strBox.begin(), strBox.end(), '\n'), strBox.end());
    for (const std::string& strShown : {"The command:" + Program("VOLLIST") + " " + strDiskDir + "vvv",
                                        std::string("vvv...vvv"), std::string("vvv.ckd EXTERNALGUI     failed with rc=")})
        EXPECT_NE(std::string::npos, strBox.find(strShown)) << strBox;
    EXPECT_LT(strBox.size(), 1000u);
    EXPECT_LE(rcBox.right - rcBox.left, ::GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace

namespace {

// Each window a utility dialog opens (Add..., the statement dialogs, file
// and folder pickers) stays over its opener, which takes no input meanwhile
// and is active again after: it never drops behind the disabled main window.
TEST_F(UtilityMenu, WindowsOpenedFromAUtilityDialogStayOverTheirOpener)
{
    std::string strCtl = dir.Write("files.ctl", "* files\r\nPROFILE EXEC A1 F 80 T C:\\cms\\profile.exec\r\n");
    std::vector<std::pair<std::string, vorntest::SNestedModal>> seen;
    HWND hMain = app->m_pMainWnd->m_hWnd;
    bool bMainDisabled = false;
    // Presses nButton of hOpener; inside runs on the window that opens.
    std::function<void(const char*, HWND, UINT, const std::function<void(HWND)>&)> press =
        [&](const char* pszWhat, HWND hOpener, UINT nButton, const std::function<void(HWND)>& inside) {
            seen.push_back({pszWhat, vorntest::OpenNestedModal(hOpener, [&] {
                                ::SendMessageA(hOpener, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                                               (LPARAM)::GetDlgItem(hOpener, (int)nButton));
                            }, inside)});
        };
    auto openFromMenu = [&](UINT nCommand, const std::function<void(HWND)>& steps) {
        vorntest::DialogDriver driver([&](HWND h) {
            bMainDisabled = !::IsWindowEnabled(hMain);
            steps(h);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        pView->SendMessage(WM_COMMAND, nCommand, 0);
    };
    openFromMenu(ID_UTIL_REELDIVIDE, [&](HWND h) {
        press("Add...", h, IDC_UTIL_FILE_ADD, [&](HWND hAdd) {
            press("Add's folder picker", hAdd, IDC_UTIL_OUTPUT_DIR_BROWSE, nullptr);
            press("Add's file dialog", hAdd, IDC_UTIL_OUTPUT_FILE_BROWSE, nullptr);
        });
        press("input file dialog", h, IDC_UTIL_INPUT_BROWSE, nullptr);
    });
    EXPECT_TRUE(bMainDisabled);
    openFromMenu(ID_UTIL_VMFPLC2, [&](HWND h) {
        ::SendMessageA(::GetDlgItem(h, IDC_PLC2_DUMP), BM_CLICK, 0, 0);
        ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, strCtl.c_str());
        press("control file editor", h, IDC_PLC2_CTL_EDIT, [&](HWND hEditor) {
            press("statement dialog", hEditor, IDC_UTIL_FILE_ADD, nullptr);
            ::SendDlgItemMessageA(hEditor, IDC_PLC2_STATEMENTS, LB_SETCURSEL, 0, 0);
            ::SendMessageA(hEditor, WM_COMMAND, MAKEWPARAM(IDC_PLC2_STATEMENTS, LBN_SELCHANGE),
                           (LPARAM)::GetDlgItem(hEditor, IDC_PLC2_STATEMENTS));
            press("statement text dialog", hEditor, ID_PLC2_MANUAL_EDIT, nullptr);
        });
    });
    ASSERT_EQ(7u, seen.size());
    for (const auto& s : seen) {
        SCOPED_TRACE(s.first);
        vorntest::ExpectOpenedAsNestedModal(s.second);
    }
    EXPECT_TRUE(::IsWindowEnabled(hMain));
}

TEST_F(UtilityMenu, Vmfplc2DumpAndScanRunTheirCommands)
{
    std::string strCtl = dir.Write("files.ctl", "PROFILE EXEC A1 F 80 T C:\\cms\\profile.exec\r\n");
    std::string strTape = dir.Write("tapes\\xfer.aws", std::string(500, 'T'));
    ProfileWriteString("VMFPLC2", "strOutputDirectory", strTapeDir.c_str());
    EXPECT_EQ("", Run(ID_UTIL_VMFPLC2, "", [&](HWND h) {
                  ::SendMessageA(::GetDlgItem(h, IDC_PLC2_DUMP), BM_CLICK, 0, 0);
                  ::SendMessageA(::GetDlgItem(h, IDC_UTIL_VERBOSE), BM_CLICK, 0, 0);
                  ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "1252 / 037");
                  ::SendMessageA(::GetDlgItem(h, IDC_UTIL_COMPRESS_USING), BM_CLICK, 0, 0);
                  ::SendMessageA(::GetDlgItem(h, IDC_UTIL_METHOD_BZIP2), BM_CLICK, 0, 0);
                  ::SendDlgItemMessageA(h, IDC_TAPE_LEVEL, TBM_SETPOS, TRUE, 9);
                  ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, strCtl.c_str());
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "xfer.vet");
              }));
    EXPECT_EQ("", Run(ID_UTIL_VMFPLC2, strTape, [&](HWND h) {
                  ::SendMessageA(::GetDlgItem(h, IDC_PLC2_SCAN), BM_CLICK, 0, 0);
                  ::SendMessageA(::GetDlgItem(h, IDC_UTIL_VERBOSE), BM_CLICK, 0, 0);
                  ::SetDlgItemTextA(h, IDC_TAPE_CODEPAGE, "");
              }));
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(2u, runs.size());
    EXPECT_EQ(Program("VMFPLC2") + " -v -c 1252/037 -b -9 DUMP " + strCtl + " " + strTapeDir + "xfer.vet EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(Program("VMFPLC2") + " SCAN " + strTape + " EXTERNALGUI", runs[1].strCommandLine);
    EXPECT_EQ(strTapeDir, runs[1].strFolder + "\\");
}

// "Edit" with no control file named: the picker starts in the tape folder
// (not where the last file dialog was) and takes a new name, on which the
// editor opens with its "Save" button.
TEST_F(UtilityMenu, Vmfplc2EditNamesANewControlFileFromTheTapeFolder)
{
    CString strRemembered = g_strWindowsizedDefaultInitialDir;
    g_strWindowsizedDefaultInitialDir = strDiskDir.c_str();
    HWND hMain = nullptr, hPicker = nullptr;
    std::string strPickerTitle, strPickerFolder, strEditorPath, strEditorButton, strCtlShown;
    const DWORD dwStart = ::GetTickCount();
    bool bTimedOut = false;
    vorntest::DialogDriver driver([&](HWND h) {
        char sz[MAX_PATH] = "";
        if (hMain && ::GetTickCount() - dwStart > 20000) {
            // Whatever still shows (a picker that refused the name) goes.
            bTimedOut = true;
            if (HWND hOther = vorntest::OtherDialog(hMain))
                ::PostMessageA(hOther, WM_COMMAND, IDCANCEL, 0);
            else
                ::PostMessageA(hMain, WM_COMMAND, IDCANCEL, 0);
            return true;
        }
        if (!hMain) {
            hMain = h;
            ::SendMessageA(::GetDlgItem(h, IDC_PLC2_DUMP), BM_CLICK, 0, 0);
            ::SetDlgItemTextA(h, IDC_PLC2_CTL_FILE, "");
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_PLC2_CTL_EDIT, BN_CLICKED),
                           (LPARAM)::GetDlgItem(h, IDC_PLC2_CTL_EDIT));
            return true;
        }
        HWND hOther = vorntest::OtherDialog(hMain);
        if (hOther && !hPicker) {
            hPicker = hOther;
            ::GetWindowTextA(hOther, sz, sizeof sz);
            strPickerTitle = sz;
            ::SendMessageA(hOther, CDM_GETFOLDERPATH, sizeof sz, (LPARAM)sz);
            strPickerFolder = sz;
            ::SetDlgItemTextA(hOther, 0x47C, "new.ctl");
            ::PostMessageA(hOther, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hOther, IDOK));
        } else if (hOther && hOther != hPicker && strEditorButton.empty()) {
            ::GetDlgItemTextA(hOther, IDC_PLC2_PATH, sz, sizeof sz);
            strEditorPath = sz;
            ::GetDlgItemTextA(hOther, IDC_PLC2_EDIT_FILE, sz, sizeof sz);
            strEditorButton = sz;
            ::PostMessageA(hOther, WM_COMMAND, IDCANCEL, 0);
        } else if (!hOther && !strEditorButton.empty()) {
            ::GetDlgItemTextA(hMain, IDC_PLC2_CTL_FILE, sz, sizeof sz);
            strCtlShown = sz;
            ::SendMessageA(hMain, WM_COMMAND, IDCANCEL, 0);
            return false;
        }
        return true;
    }, 50);
    pView->SendMessage(WM_COMMAND, ID_UTIL_VMFPLC2, 0);
    g_strWindowsizedDefaultInitialDir = strRemembered;
    ASSERT_FALSE(bTimedOut) << "waited 20 s for the picker, the editor on the new name and VMFPLC2 again";
    EXPECT_EQ("Control File", strPickerTitle);
    EXPECT_EQ(strTapeDir, strPickerFolder + "\\");
    // The picker's choice comes in Windows form, as the user sees paths.
    EXPECT_EQ(std::string(WindowsizedDirectory(strTapeDir.c_str(), true)) + "new.ctl", strEditorPath);
    EXPECT_EQ("Save", strEditorButton);
    EXPECT_EQ(strEditorPath, strCtlShown);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((strTapeDir + "new.ctl").c_str()));
    EXPECT_TRUE(Recorded().empty());
}

}  // namespace

namespace {

// A first run, with no folder stored, writes into the view's folder for its
// kind of file, which the folder's edit shows from the start; a stored
// folder that has gone since is named on that edit and nothing runs.
TEST_F(UtilityMenu, AnEmptyOutputFolderStartsAtTheViewsFolderAndAMissingOneIsNamed)
{
    InstallStandin(strExeDir, {"REELREPACK"});
    std::string strTape = dir.Write("tapes\\in.aws", std::string(100, 'T'));
    std::vector<std::string> shown;
    auto output = [&](const char* pszFile) {
        return [&shown, pszFile](HWND h) {
            char sz[MAX_PATH] = "";
            ::GetDlgItemTextA(h, IDC_UTIL_OUTPUT_DIR, sz, sizeof sz);
            shown.push_back(sz);
            ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "000001");
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, pszFile);
        };
    };
    EXPECT_EQ("", Run(ID_UTIL_VOLMAKE, "", output("first.3350-1")));
    EXPECT_EQ("", Run(ID_UTIL_REELBLANK, "", output("first.aws")));
    EXPECT_EQ("", Run(ID_UTIL_REELREPACK, strTape, output("packed.aws")));
    EXPECT_EQ((std::vector<std::string>{strDiskDir, strTapeDir, strTapeDir}), shown);
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(3u, runs.size());
    EXPECT_NE(std::string::npos, runs[0].strCommandLine.find(" " + strDiskDir + "first.3350-1 ")) << runs[0].strCommandLine;
    EXPECT_NE(std::string::npos, runs[1].strCommandLine.find(" " + strTapeDir + "first.aws ")) << runs[1].strCommandLine;
    EXPECT_NE(std::string::npos, runs[2].strCommandLine.find(strTape + " " + strTapeDir + "packed.aws "))
        << runs[2].strCommandLine;
    EXPECT_EQ(strTapeDir, std::string(ProfileGetString("REELBLANK", "strOutputDirectory", "")));

    ProfileWriteString("REELBLANK", "strOutputDirectory", dir.Path("gone\\").c_str());
    EXPECT_EQ("Output Directory: Invalid output directory: The specified directory was not found.",
              Run(ID_UTIL_REELBLANK, "", output("second.aws")));
    EXPECT_EQ(3u, Recorded().size());
}

}  // namespace

namespace {

// The file dialog of a dialog's browse button (it has the file-name box),
// or the box it shows over itself (no such box).
bool IsFilePicker(HWND h)
{
    return ::GetDlgItem(h, 0x47C) != nullptr;
}

std::string WindowTitle(HWND h)
{
    char sz[256] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

// VOLBUILD's output browse is "Disk Output file" and asks itself before an
// existing image is chosen; that "yes" stands on OK, which asks nothing
// more, and the old image goes when the run starts.
TEST_F(UtilityMenu, VolBuildOutputBrowseAsksBeforeReplacingAndOkDoesNotAskAgain)
{
    InstallStandin(strExeDir, {"VOLBUILD"});
    std::string strCtl = dir.Write("disk\\mvs.ctl", "SYSRES 3390-3 * mvs.xmi\r\n");
    std::string strOld = dir.Write("disk\\old.cckd", "old image");
    vorntest::COverwriteAnswerer answerer(vorntest::kOverwriteButton);
    HWND hMain = nullptr;
    std::string strPickerTitle, strPrompt, strChosen;
    bool bPicked = false, bPrompted = false, bPressed = false, bStillOpen = false;
    const DWORD dwStart = ::GetTickCount();
    vorntest::DialogDriver driver([&](HWND h) {
        if (!hMain) {
            hMain = h;
            ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strCtl.c_str());
            ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_OUTPUT_FILE_BROWSE, BN_CLICKED),
                           (LPARAM)::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE_BROWSE));
            return true;
        }
        if (bPressed || ::GetTickCount() - dwStart > 20000) {
            // OK refused, or a step never came: the dialog and what shows
            // over it go (not the progress window of a run that started).
            bStillOpen = ::IsWindow(hMain) != FALSE;
            if (bStillOpen) {
                ErrorBalloonHide();
                if (HWND hOther = vorntest::OtherDialog(hMain))
                    ::PostMessageA(hOther, WM_COMMAND, IDCANCEL, 0);
                ::PostMessageA(hMain, WM_COMMAND, IDCANCEL, 0);
            }
            return false;
        }
        HWND hOther = vorntest::OtherDialog(hMain);
        if (hOther && IsFilePicker(hOther) && !bPicked) {
            bPicked = true;
            strPickerTitle = WindowTitle(hOther);
            ::SetDlgItemTextA(hOther, 0x47C, "old.cckd");
            ::PostMessageA(hOther, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(hOther, IDOK));
        } else if (hOther && !IsFilePicker(hOther) && bPicked && !bPrompted) {
            bPrompted = true;
            strPrompt = vorntest::DialogTexts(hOther);
            ::PostMessageA(hOther, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), (LPARAM)::GetDlgItem(hOther, IDYES));
        } else if (!hOther && bPrompted) {
            char sz[MAX_PATH] = "";
            ::GetDlgItemTextA(hMain, IDC_UTIL_OUTPUT_FILE, sz, sizeof sz);
            strChosen = sz;
            bPressed = true;
            ::PostMessageA(hMain, WM_COMMAND, IDOK, 0);
        }
        return true;
    }, 50);
    pView->SendMessage(WM_COMMAND, ID_UTIL_VOLBUILD, 0);
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000)) << "waited for VOLBUILD to end";
    EXPECT_EQ("Disk Output file", strPickerTitle);
    EXPECT_TRUE(bPrompted) << "the file dialog did not ask before replacing old.cckd";
    EXPECT_NE(std::string::npos, strPrompt.find("already exists")) << strPrompt;
    EXPECT_EQ("old.cckd", strChosen);
    EXPECT_FALSE(bStillOpen);
    EXPECT_EQ(0, vorntest::COverwriteAnswerer::s_nAsked);
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("VOLBUILD") + " -z " + strCtl + " " + strOld + " 1 EXTERNALGUI", runs[0].strCommandLine);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strOld.c_str()));
}

}  // namespace

namespace {

// REELDIVIDE driven from the menu: its steps act on the main dialog and on
// the add dialog over it; when all ran, OK is pressed and the balloon of a
// refusal (the dialog then cancelled) is handed back.
struct SDivideRun {
    std::string strBalloon;
    std::string strSelected;  // the list's selected entry after OK
    bool bTimedOut = false;
};

// One step: what to do with the add dialog (null: nothing shows yet).
using DivideStep = std::function<void(HWND hMain, HWND hAdd)>;

SDivideRun RunReelDivide(CVornGUIView* pView, const std::string& strTape, const std::vector<DivideStep>& steps)
{
    SDivideRun run;
    HWND hMain = nullptr;
    size_t nStep = 0;
    bool bWaitAdd = false, bPressed = false;
    const DWORD dwStart = ::GetTickCount();
    auto click = [](HWND h, int nId) {
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(h, nId));
    };
    vorntest::DialogDriver driver([&](HWND h) {
        if (!hMain) {
            hMain = h;
            ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strTape.c_str());
        }
        const bool bLate = ::GetTickCount() - dwStart > 20000;
        // A question that OK asks is the answerer's to take.
        if (bPressed && !bLate && ::IsWindow(hMain) && vorntest::OtherDialog(hMain))
            return true;
        if (bPressed || bLate) {
            run.bTimedOut = bLate;
            if (::IsWindow(hMain)) {
                CString strTitle, strText;
                if (ErrorBalloonWindow(&strTitle, &strText))
                    run.strBalloon = std::string(strTitle) + ": " + std::string(strText);
                ErrorBalloonHide();
                char sz[MAX_PATH] = "";
                int nSel = (int)::SendDlgItemMessageA(hMain, IDC_TAPE_OUTPUT_LIST, LB_GETCURSEL, 0, 0);
                if (nSel >= 0)
                    ::SendDlgItemMessageA(hMain, IDC_TAPE_OUTPUT_LIST, LB_GETTEXT, (WPARAM)nSel, (LPARAM)sz);
                run.strSelected = sz;
                if (HWND hOther = vorntest::OtherDialog(hMain))
                    ::PostMessageA(hOther, WM_COMMAND, IDCANCEL, 0);
                ::PostMessageA(hMain, WM_COMMAND, IDCANCEL, 0);
            }
            return false;  // not the progress window of a run that started
        }
        HWND hOther = vorntest::OtherDialog(hMain);
        if (bWaitAdd) {
            if (!hOther || WindowTitle(hOther) != "Add REELDIVIDE output file...")
                return true;
            bWaitAdd = false;
            steps[nStep++](hMain, hOther);
        } else if (!hOther && nStep < steps.size()) {
            bWaitAdd = true;
            click(hMain, IDC_UTIL_FILE_ADD);
        } else if (!hOther) {
            bPressed = true;
            ::PostMessageA(hMain, WM_COMMAND, IDOK, 0);
        }
        return true;
    }, 50);
    pView->SendMessage(WM_COMMAND, ID_UTIL_REELDIVIDE, 0);
    return run;
}

// An add dialog's entry, confirmed with OK.
DivideStep AddEntry(const char* pszCount, const char* pszFile)
{
    return [=](HWND, HWND hAdd) {
        ::SetDlgItemTextA(hAdd, IDC_TAPE_NUM_FILES, pszCount);
        ::SetDlgItemTextA(hAdd, IDC_UTIL_OUTPUT_FILE, pszFile);
        ::PostMessageA(hAdd, WM_COMMAND, IDOK, 0);
    };
}

// Every output of the list that exists is allowed to go before the run:
// the "yes" given when it was added stands (a cancelled add dialog keeps
// it), an entry stored from an earlier run is asked about on OK, and all of
// them are deleted when the run starts. A "no" keeps the file, selects its
// entry and starts nothing.
TEST_F(UtilityMenu, ReelDivideActsOnTheOverwriteAnswersOfItsOutputs)
{
    InstallStandin(strExeDir, {"REELDIVIDE"});
    std::string strTape = dir.Write("tapes\\in.aws", std::string(300, 'T'));
    std::string strOld = dir.Write("tapes\\old.aws", "old");
    std::string strPart1 = dir.Write("tapes\\part1.aws", "part 1");
    std::string strPart2 = strTapeDir + "part2.aws";
    std::string strOldItem = "    0001     " + strOld;
    ProfileWriteInt("REELDIVIDE", "OutputFilesListBox_nCount", 1);
    ProfileWriteString("REELDIVIDE", "OutputFilesListBox_0000", strOldItem.c_str());
    {
        vorntest::COverwriteAnswerer answerer(IDCANCEL);
        SDivideRun run = RunReelDivide(pView, strTape, {});
        ASSERT_FALSE(run.bTimedOut);
        EXPECT_EQ(1, vorntest::COverwriteAnswerer::s_nAsked);
        EXPECT_EQ("Output File: File already exists.", run.strBalloon);
        EXPECT_EQ(strOldItem, run.strSelected);
        EXPECT_TRUE(Recorded().empty());
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strOld.c_str()));
    }
    vorntest::COverwriteAnswerer answerer(vorntest::kOverwriteButton);
    SDivideRun run = RunReelDivide(pView, strTape,
                                   {AddEntry("2", "part1.aws"),
                                    [](HWND, HWND hAdd) { ::PostMessageA(hAdd, WM_COMMAND, IDCANCEL, 0); },
                                    AddEntry("3", "part2.aws")});
    ASSERT_FALSE(run.bTimedOut);
    EXPECT_EQ("", run.strBalloon);
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000)) << "waited for REELDIVIDE to end";
    EXPECT_EQ(2, vorntest::COverwriteAnswerer::s_nAsked);  // part1.aws when added, old.aws on OK
    std::vector<SRecorded> runs = Recorded();
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(Program("REELDIVIDE") + " " + strTape + " " + strOld + " 0001 " + strPart1 + " 0002 " + strPart2 +
                  " 0003 EXTERNALGUI",
              runs[0].strCommandLine);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strOld.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(strPart1.c_str()));
}

}  // namespace

namespace {

// True when the view, drawn into a bitmap, shows the colour somewhere in
// the row of console line nLine.
bool RowHasColour(CVornGUIView* pView, int nLine, COLORREF cr)
{
    RECT rc;
    pView->GetClientRect(&rc);
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, rc.right, rc.bottom);
    ::ReleaseDC(nullptr, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    {
        CDC dc(hdc);
        pView->OnDraw(&dc);
    }
    ::SetViewportOrgEx(hdc, 0, 0, nullptr);
    int h = pView->GetLineHeight(), y0 = (nLine - pView->GetTopLine()) * h;
    bool bFound = false;
    for (int y = y0; y < y0 + h && !bFound; ++y)
        for (int x = 0; x < rc.right && !bFound; ++x)
            bFound = ::GetPixel(hdc, x, y) == cr;
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
    return bFound;
}

// A run that ends with a code other than 0 has its end line drawn as an
// error line; one that ends with 0 keeps the plain look, and both lines
// keep their text.
TEST_F(UtilityMenu, AFailedRunsEndLineShowsAsAnError)
{
    std::string strTape = dir.Write("tapes\\bad.aws", std::string(100, 'T'));
    std::string strScript = dir.Write("reelscan.txt", "out scanning\nexit 8\n");
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_REELSCAN", strScript.c_str());
    EXPECT_EQ("", Run(ID_UTIL_REELSCAN, strTape));
    dir.Write("reelscan.txt", "out scanning\n");
    EXPECT_EQ("", Run(ID_UTIL_REELSCAN, strTape));
    ASSERT_EQ(2u, Recorded().size());
    int nFailed = -1, nPassed = -1;
    auto endsWith = [](const std::string& s, const std::string& strEnd) {
        return s.size() >= strEnd.size() && s.compare(s.size() - strEnd.size(), strEnd.size(), strEnd) == 0;
    };
    for (int i = 0; i < (int)pDoc->GetLineCount(); ++i) {
        std::string strLine = (const char*)pDoc->GetLine(i);
        if (endsWith(strLine, "REELSCAN bad.aws ended; rc=8"))
            nFailed = i;
        if (endsWith(strLine, "REELSCAN bad.aws ended; rc=0"))
            nPassed = i;
    }
    ASSERT_GE(nFailed, 0) << Console();
    ASSERT_GE(nPassed, 0) << Console();
    EXPECT_EQ(kMsgError, pDoc->GetGivenKind(nFailed));
    EXPECT_EQ(-1, pDoc->GetGivenKind(nPassed));
    COLORREF crError = pView->Settings().m_styles[kMsgError].crColor;
    ASSERT_NE(crError, pView->Settings().m_styles[kMsgPlain].crColor);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    ASSERT_LT(nPassed - pView->GetTopLine(), pView->GetLinesFit()) << "both end lines on the page";
    EXPECT_TRUE(RowHasColour(pView, nFailed, crError));
    EXPECT_FALSE(RowHasColour(pView, nPassed, crError));
}

}  // namespace

namespace {

// For a picture: the utility dialog VORN_SHOW_UTILITY ("VOLMAKE") opened
// from the running view's menu with nothing stored, held for
// VORN_SHOW_DIALOG_MS; with VORN_SHOW_PRESS_OK set, OK is pressed first and
// the refusal's balloon shows. For example:
//   VORN_SHOW_UTILITY=VOLMAKE VORN_SHOW_DIALOG_MS=4000 tools/screenshot -t VOLMAKE
//     build/win32/bin/utilities_tests.exe --gtest_filter=UtilityMenu.DISABLED_ShowForPicture
TEST_F(UtilityMenu, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    const char* pszName = std::getenv("VORN_SHOW_UTILITY");
    if (!pszHold || !pszName)
        GTEST_SKIP() << "set VORN_SHOW_UTILITY and VORN_SHOW_DIALOG_MS to show a utility dialog";
    const SUtilityInfo* pInfo = nullptr;
    for (const SUtilityInfo& info : kUtilities)
        if (std::string(info.pszCaption) == pszName)
            pInfo = &info;
    ASSERT_NE(nullptr, pInfo) << pszName;
    DWORD dwStart = 0;
    vorntest::DialogDriver driver([&](HWND h) {
        if (!dwStart) {
            dwStart = ::GetTickCount();
            if (std::getenv("VORN_SHOW_PRESS_OK"))
                ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        }
        if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
            return true;
        ErrorBalloonHide();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    }, 100);
    pView->SendMessage(WM_COMMAND, pInfo->nCommandId, 0);
}

}  // namespace

namespace {

// The beeps at the end of runs, as the view traces them (the GUI thread's).
struct BeepRecorder {
    std::vector<std::string> beeps;
    TraceSink old;
    BeepRecorder()
    {
        old = SetTraceSink([this](const char* psz) {
            if (!strstr(psz, "BeepUtilityEnded"))
                return;
            std::string s = strstr(psz, ": ") + 2;
            s.erase(s.find_last_not_of("\r\n") + 1);
            beeps.push_back(s);
        });
    }
    ~BeepRecorder() { SetTraceSink(old); }
};

// "Beep when utilities finish processing" is on by default: a run that
// failed ends with the exclamation sound, one that succeeded with the
// asterisk.
TEST_F(UtilityMenu, EndOfARunBeepsByItsReturnCode)
{
    std::string strMap = dir.Write("devmap.dat", "DEVMAP");
    BeepRecorder recorder;
    for (const char* pszScript : {"out done\nrc 3\n", "out done\n"}) {
        ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_MAPIMPORT", dir.Write("mapimport.txt", pszScript).c_str());
        EXPECT_EQ("", Run(ID_UTIL_MAPIMPORT, strMap));
    }
    ASSERT_EQ(recorder.beeps.size(), 2u);
    EXPECT_EQ(recorder.beeps[0], "rc=3: exclamation beep");
    EXPECT_EQ(recorder.beeps[1], "rc=0: asterisk beep");
    EXPECT_NE(Console().find("ended; rc=3"), std::string::npos) << Console();
}

struct QuietUtilityMenu : UtilityMenu {
    void Presets() override
    {
        UtilityMenu::Presets();
        ProfileWriteInt("Settings", "BeepWhenUtilityIsDone", 0);
    }
};

TEST_F(QuietUtilityMenu, EndOfARunIsSilentWhenNotAsked)
{
    ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_MAPIMPORT", dir.Write("mapimport.txt", "rc 3\n").c_str());
    BeepRecorder recorder;
    EXPECT_EQ("", Run(ID_UTIL_MAPIMPORT, dir.Write("devmap.dat", "DEVMAP")));
    EXPECT_TRUE(recorder.beeps.empty());
}

}  // namespace
