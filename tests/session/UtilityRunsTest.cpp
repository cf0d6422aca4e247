// UtilityRunsTest.cpp: utility runs through the real utility stand-in: every
// progress parser by kind, the progress window's end state, Cancel during a
// flood of "SIZE=" lines, and the command line the utility receives.
#include "session/UtilityRuns.h"

#include <gtest/gtest.h>

#include <fstream>
#include <mutex>

#include "platform/Trace.h"
#include "session/PipedProcessCtl.h"
#include "session/ProgressDlg.h"
#include "session/UtilityProgress.h"
#include "tests/session/TestChildHost.h"
#include "tests/support/WinTestUtil.h"

namespace {

struct SKindCase {
    const char* pszName;    // the stand-in's utility name, also the run's title
    int nKind;
    INT64 nTotal;           // the expected total the dialog would give
    const char* pszPercent; // the window's text at the end
    int nBarPos;
};

// The stand-in's default script per utility: a total of 10 (or the dialog's)
// and ten positions; PackCheck ends on "STEP=2" of ten; the window of a kind
// without a parser keeps its first text.
const SKindCase kKinds[] = {
    { "WIDENVOL", kUtilWidenVol, 0, "100.0%", 1000 },
    { "VOLMAKE", kUtilVolMake, 10, "100.0%", 1000 },
    { "VOLRECAST", kUtilVolRecast, 0, "100.0%", 1000 },
    { "VOLCLONE", kUtilVolClone, 0, "100.0%", 1000 },
    { "VOLBUILD", kUtilVolBuild, 0, "100.0%", 1000 },
    { "VOLPATCH", kUtilVolPatch, 0, "100.0%", 1000 },
    { "VOLLIST", kUtilVolList, 0, "100.0%", 1000 },
    { "VOLSHOW", kUtilVolShow, 0, "100.0%", 1000 },
    { "VOLUNLOAD", kUtilVolUnload, 0, "100.0%", 1000 },
    { "VOLEXTRACT", kUtilVolExtract, 0, "100.0%", 1000 },
    { "MAPIMPORT", kUtilMapImport, 10, "0.0%", 0 },
    { "PACKCHECK", kUtilPackCheck, 0, " 20.0%", 200 },
    { "PACKSQUEEZE", kUtilPackSqueeze, 0, "100.0%", 1000 },
    { "PACKFLIP", kUtilPackFlip, 0, "100.0%", 1000 },
    { "PACKLAYOUT", kUtilNone, 10, "0.0%", 0 },
    { "REELBUILD", kUtilReelBuild, 0, "100.0%", 1000 },
    { "REELSCAN", kUtilReelScan, 10, "100.0%", 1000 },
    { "REELDIVIDE", kUtilReelDivide, 10, "100.0%", 1000 },
    { "REELDUB", kUtilReelDub, 0, "100.0%", 1000 },
    { "REELBLANK", kUtilReelBlank, 10, "0.0%", 0 },
    { "REELINFO", kUtilReelInfo, 10, "100.0%", 1000 },
    { "REELREPACK", kUtilReelRepack, 10, "100.0%", 1000 },
    { "REELFETCH", kUtilReelFetch, 10, "100.0%", 1000 },
    { "VORNRDR", kUtilCardSubmit, 8000, "100.0%", 1000 },
    { "VMFPLC2", kUtilVmfplc2, 10, "0.0%", 0 },
};

// The trace lines of every thread while it lives (the failed calls behind a
// missing window, for a failure's report).
struct STraceCollector {
    std::mutex lock;
    std::string lines;
    TraceSink previous;
    STraceCollector()
    {
        previous = SetTraceSink([this](const char* pszLine) {
            std::lock_guard<std::mutex> guard(lock);
            lines += std::string(pszLine) + "\n";
        });
    }
    ~STraceCollector() { SetTraceSink(previous); }
    std::string Lines()
    {
        std::lock_guard<std::mutex> guard(lock);
        return lines;
    }
};

TEST(UtilityRuns, EveryKindsParserThroughARealRunAllAtOnce)
{
    STraceCollector traced;
    CTestChildHost host;
    for (const SKindCase& c : kKinds) {
        std::string cmd = std::string("vornutil.exe --kind ") + c.pszName;
        CPipedProcessCtl* p = host.m_runs.Run(cmd.c_str(), c.nKind, nullptr, c.pszName, c.nTotal,
                                              vorntest::ProgramDir().c_str());
        ASSERT_TRUE(p->GetProgressDlg()) << c.pszName << "; failed calls:\n" << traced.Lines();
        // A run without a parser keeps its window hidden.
        EXPECT_EQ(p->GetProgressDlg()->IsWindowVisible() != FALSE, c.nKind != kUtilNone) << c.pszName;
    }
    EXPECT_EQ(host.m_runs.GetCount(), (int)(sizeof(kKinds) / sizeof(kKinds[0])));
    ASSERT_TRUE(host.PumpUntilEnded((int)host.m_runs.GetCount(), 30000));
    EXPECT_EQ(host.m_runs.GetCount(), 0);
    for (const SKindCase& c : kKinds) {
        EXPECT_EQ(host.m_endPercent[c.pszName], c.pszPercent) << c.pszName;
        EXPECT_EQ(host.m_endBarPos[c.pszName], c.nBarPos) << c.pszName;
    }
    // Progress lines never reach the console; the stand-ins' messages do.
    EXPECT_TRUE(host.ErrLines().empty());
    EXPECT_EQ(host.OutLines().size(), 2 * sizeof(kKinds) / sizeof(kKinds[0]));
    for (DWORD dw : host.m_exitCodes)
        EXPECT_EQ(dw, 0u);
}

TEST(UtilityRuns, OtherLinesShownOrSwallowedByKind)
{
    CTestChildHost host;
    const char* pszDo = " --do \"err STEPS=3\" --do \"err ZQC00001I message\"";
    for (const char* pszKind : { "WIDENVOL", "VOLMAKE" }) {
        std::string cmd = std::string("vornutil.exe") + pszDo;
        host.m_runs.Run(cmd.c_str(), pszKind[0] == 'W' ? kUtilWidenVol : kUtilVolMake, nullptr, pszKind, 5,
                        vorntest::ProgramDir().c_str());
        ASSERT_TRUE(host.PumpUntilEnded((int)host.m_exitCodes.size() + 1));
    }
    // WidenVol shows every other line; VolMake swallows the common keywords.
    EXPECT_EQ(host.ErrLines(), (std::vector<std::string>{ "STEPS=3", "ZQC00001I message", "ZQC00001I message" }));
}

TEST(UtilityRuns, CancelDuringSizeFloodEndsTheRunAtOnce)
{
    CTestChildHost host;
    CPipedProcessCtl* p = host.m_runs.Run("vornutil.exe --do \"seq err 1 1000000000 1 SIZE=%d\"",
                                          kUtilPackCheck, nullptr, "PackCheck", 0,
                                          vorntest::ProgramDir().c_str());
    CProgressDlg* pDlg = p->GetProgressDlg();
    ASSERT_TRUE(host.PumpUntil([&] { return host.m_nStatusMessages > 20; }));
    HWND hCancel = ::GetDlgItem(pDlg->m_hWnd, IDC_PROGRESS_CANCEL);
    DWORD dwStart = ::GetTickCount();
    ::SendMessageA(pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PROGRESS_CANCEL, BN_CLICKED), (LPARAM)hCancel);
    EXPECT_FALSE(::IsWindowEnabled(hCancel));
    // A second press is not possible: one Cancel message only.
    ::SendMessageA(pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PROGRESS_CANCEL, BN_CLICKED), (LPARAM)hCancel);
    ASSERT_TRUE(host.PumpUntilEnded(1, kAtOnceMs));
    EXPECT_LT(::GetTickCount() - dwStart, kAtOnceMs);
    EXPECT_EQ(host.m_nCancelMessages, 1);
    EXPECT_EQ(host.m_exitCodes, (std::vector<DWORD>{ 0xFFFFFFFF }));
    ASSERT_GE(host.m_notes.size(), 3u);
    EXPECT_EQ(host.m_notes[host.m_notes.size() - 2].substr(0, 5), "kill ");
    EXPECT_EQ(host.m_notes.back(), "PackCheck ended; rc=-1");
    EXPECT_EQ(host.m_runs.GetCount(), 0);
}

TEST(UtilityRuns, BurstOfPositionsKeepsOneStatusMessageOutstanding)
{
    CTestChildHost host;
    host.m_runs.Run("vornutil.exe --do \"err TRKS=1000\" --do \"seq err 1 1000 1 TRK=%d\"", kUtilWidenVol,
                    nullptr, "Widen", 0, vorntest::ProgramDir().c_str());
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_EQ(host.m_nQueuedStatusSeen, 0);
    EXPECT_GE(host.m_nStatusMessages, 1);
    EXPECT_LE(host.m_nStatusMessages, 1001);
    // The window shows the newest position.
    EXPECT_EQ(host.m_endPercent["Widen"], "100.0%");
}

TEST(UtilityRuns, PidPrefixWhenMoreThanOneChildRuns)
{
    CTestChildHost host;
    EXPECT_FALSE(host.m_runs.IsPidPrefixNeeded(true));
    host.m_runs.Run("vornutil.exe --do \"sleep 5000\"", kUtilVolMake, nullptr, "One", 0,
                    vorntest::ProgramDir().c_str());
    EXPECT_FALSE(host.m_runs.IsPidPrefixNeeded(false));
    EXPECT_TRUE(host.m_runs.IsPidPrefixNeeded(true));
    host.m_runs.Run("vornutil.exe --do \"sleep 5000\"", kUtilVolMake, nullptr, "Two", 0,
                    vorntest::ProgramDir().c_str());
    EXPECT_TRUE(host.m_runs.IsPidPrefixNeeded(false));
    host.m_runs.KillAll();
    EXPECT_FALSE(host.m_runs.IsPidPrefixNeeded(true));
}

TEST(UtilityRuns, CancelArrivingAfterTheEndIsIgnored)
{
    CTestChildHost host;
    CPipedProcessCtl* p = host.m_runs.Run("vornutil.exe --rc 0", kUtilVolMake, nullptr, "VolMake", 0,
                                          vorntest::ProgramDir().c_str());
    ASSERT_TRUE(host.PumpUntilEnded());
    // The controller is gone; a late Cancel and status carrying it do nothing.
    host.m_runs.OnCancel(p);
    host.m_runs.OnStatus(p);
    EXPECT_EQ(host.m_notes.size(), 2u);
}

TEST(UtilityRuns, CommandLineHasTheProgramFolderAndExternalGuiLast)
{
    CTestChildHost host;
    std::string record = vorntest::ProgramDir() + "utilrun_record.txt";
    ::DeleteFileA(record.c_str());
    std::string cmd = "vornutil.exe --record \"" + record + "\" \"a b\" \"\" c";
    host.m_runs.Run(cmd.c_str(), kUtilVolShow, nullptr, "VolShow", 0, vorntest::ProgramDir().c_str());
    ASSERT_TRUE(host.PumpUntilEnded());
    std::ifstream in(record);
    std::string line;
    std::getline(in, line);
    std::string strExe = vorntest::ProgramDir() + "vornutil.exe";
    if (strExe.find(' ') != std::string::npos)
        strExe = "\"" + strExe + "\"";
    EXPECT_EQ(line.substr(0, strExe.size()), strExe) << line;
    EXPECT_NE(line.find(" \"a b\" \"\" c EXTERNALGUI"), std::string::npos) << line;
    in.close();
    ::DeleteFileA(record.c_str());
}

TEST(UtilityRuns, ZeroTotalKeepsTheBarAtZero)
{
    CTestChildHost host;
    host.m_runs.Run("vornutil.exe --do \"err TRKS=0\" --do \"err TRK=5\"", kUtilWidenVol, nullptr, "Widen", 0,
                    vorntest::ProgramDir().c_str());
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_EQ(host.m_endPercent["Widen"], "  0.0%");
    EXPECT_EQ(host.m_endBarPos["Widen"], 0);
}

TEST(UtilityRuns, CaptionIsTheTitle)
{
    CTestChildHost host;
    CPipedProcessCtl* p = host.m_runs.Run("vornutil.exe --do \"sleep 5000\"", kUtilVolMake, nullptr,
                                          "VolMake - disk.img", 0, vorntest::ProgramDir().c_str());
    CString strCaption;
    p->GetProgressDlg()->GetWindowText(strCaption);
    EXPECT_STREQ(strCaption, "VolMake - disk.img");
    host.m_runs.KillAll();
    EXPECT_EQ(host.m_runs.GetCount(), 0);
}

}  // namespace
