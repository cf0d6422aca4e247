// ConsoleBench.cpp: console_bench.exe, the console line path under load, as
// the program runs it: a reader thread hands 1,000,000 lines of emulator
// output in 64 KB chunks, as the pipe reader does, to the view's output
// router (line cutting, routing, formatting, the pending queue, holding the
// reader at "MessageFloodThreshold"); the GUI thread runs a message loop
// whose idle time does the view's flow control, so WM_PENDING_LINES moves
// the queued lines into the document (memory limit, numbered log file) and
// the pane repaints when the queue is empty. Reports lines per second,
// peak memory and the longest time the GUI thread spent on one message.
// The lines carry the message identifiers of all kinds, so the pane shows
// them in their colours. With "--demo" it shows one line of each kind and
// stays open, for a picture of the console.
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "config/Limits.h"
#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"
#include "session/PipeLineBuffer.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/session/RequiredFolders.h"

namespace {

class CBenchFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CBenchFrame)
};
IMPLEMENT_DYNCREATE(CBenchFrame, CFrameWnd)

const int kLines = 1000000;
const size_t kReadSize = 64 * 1024;     // the pipe reader's read size

// The emulator's output: lines of about 90 characters, every fifth of each
// message kind and every fifth plain.
std::string MakeOutput()
{
    static const char* const kinds[] = {"I", "D", "E", "W", "X"};
    std::string out;
    out.reserve((size_t)kLines * 96);
    char line[160];
    for (int i = 0; i < kLines; ++i) {
        int n = std::snprintf(line, sizeof line,
                              "10:11:12.345 ZQC00%03d%s bench line %07d with some text to make it a usual console length\n",
                              i % 1000, kinds[i % 5], i);
        out.append(line, (size_t)n);
    }
    return out;
}

// The reader thread: the output in reads of kReadSize through a reader's line
// buffer into the view, waiting after a queued line while the readers are
// held (as CVornGUIView::OnPipeData does).
void ReadOutput(const std::string& strOutput, CVornGUIView* pView, std::atomic<bool>* pDone)
{
    SLineSource source;
    source.nStream = CEmulatorOutputRouter::kStdout;
    source.strPidText = "0x00001234";
    CPipeLineBuffer buffer(kReadSize);
    HANDLE hResume = pView->GetReaderResumeEvent();
    auto handOver = [&] {
        pView->Router().RouteChunk(source, buffer.Data(), buffer.Length(), [&] {
            if (pView->Router().Pending().IsPaused())
                ::WaitForSingleObject(hResume, INFINITE);
        });
        buffer.KeepAfterHandOver();
    };
    for (size_t nPos = 0; nPos < strOutput.size();) {
        size_t n = std::min(kReadSize, strOutput.size() - nPos);
        std::memcpy(buffer.ReadTarget(), strOutput.data() + nPos, n);
        nPos += n;
        if (buffer.Accept(n))
            handOver();
    }
    if (buffer.Finish())
        handOver();
    *pDone = true;
}

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message != WM_QUIT)
            ::DispatchMessageA(&msg);
}

double Now()
{
    LARGE_INTEGER f, c;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

void ShowDemo(CVornGUIView* pView)
{
    const char* const lines[] = {
        "Plain line: the emulator's own output without a message identifier",
        "10:11:12.345 ZQC01417I Information: Vornamic version 4.2 started",
        "10:11:12.346 ZQC00801D Debug: device 0A80 channel program traced",
        "10:11:12.347 ZQC00101E Error: device 0191 file not found",
        "10:11:12.348 ZQC00102S Severe: storage key check",
        "10:11:12.349 ZQC00201W Warning: CPU 0 is in a disabled wait state",
    };
    for (const char* psz : lines)
        pView->AddMessage(psz, false);
    pView->RefreshAfterAppend(6);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR lpCmdLine, int)
{
    bool bDemo = std::strstr(lpCmdLine, "--demo") != nullptr;
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    CString strDir = CString(temp) + "console_bench\\";
    ::CreateDirectoryA(strDir, nullptr);
    SetSettingsStore(std::make_unique<CIniSettingsStore>(strDir + "bench.ini"));
    ProfileWriteInt("Logging", "LogOption", bDemo ? 1 : 2);
    ProfileWriteInt("Settings", "InfoMsgsColor", RGB(0, 96, 0));
    ProfileWriteInt("Settings", "DebugMsgsColor", RGB(128, 128, 128));
    ProfileWriteInt("Settings", "ErrorMsgsColor", RGB(200, 0, 0));
    ProfileWriteInt("Settings", "WarningMsgsColor", RGB(176, 96, 0));
    ProfileWriteInt("Settings", "BoldErrorMsgs", 1);
    ProfileWriteInt("Settings", "ItalicDebugMsgs", 1);
    // The view asks for any required folder that is missing at start-up.
    vorntest::WriteValidRequiredFolders(std::string(strDir));
    CWinApp app("ConsoleBench");
    app.AddDocTemplate(new CSingleDocTemplate(128, RUNTIME_CLASS(CVornGUIDoc), RUNTIME_CLASS(CBenchFrame),
                                              RUNTIME_CLASS(CVornGUIView)));
    CVornGUIDoc* pDoc = (CVornGUIDoc*)app.OpenDocumentFile(nullptr);
    if (!pDoc || !g_pView)
        return 1;
    CWnd* pFrame = g_pView->GetParent();
    pFrame->SetWindowText("VornGUI console");
    pFrame->MoveWindow(0, 0, 900, 600);
    Pump();
    if (bDemo) {
        ShowDemo(g_pView);
        return app.Run();
    }
    pDoc->SetLogFolder(strDir);
    pDoc->StartNumberedLogfile(-1, "bench.log");
    g_pView->ApplyConsoleLineOptions();

    const std::string strOutput = MakeOutput();
    const INT_PTR nBefore = pDoc->GetLineCount();
    double tStart = Now(), tMaxBusy = 0, tLines = 0, tPaint = 0, tOther = 0;
    int nBatches = 0, nPaints = 0, nOthers = 0;
    UINT nMaxBusyMsg = 0;
    size_t nMaxBusyLines = 0;
    std::atomic<bool> bReaderDone{false};
    std::thread reader(ReadOutput, std::cref(strOutput), g_pView, &bReaderDone);
    // The GUI thread: every message timed; idle time runs the flow control.
    for (;;) {
        MSG msg;
        if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            size_t nWaiting = msg.message == WM_PENDING_LINES ? g_pView->Router().Pending().Count() : 0;
            double t0 = Now();
            ::DispatchMessageA(&msg);
            double tBusy = Now() - t0;
            if (tBusy > tMaxBusy) {
                tMaxBusy = tBusy;
                nMaxBusyMsg = msg.message;
                nMaxBusyLines = nWaiting;
            }
            (msg.message == WM_PENDING_LINES ? tLines : msg.message == WM_PAINT ? tPaint : tOther) += tBusy;
            (msg.message == WM_PENDING_LINES ? nBatches : msg.message == WM_PAINT ? nPaints : nOthers)++;
            continue;
        }
        g_pView->OnIdleFlowControl();
        if (bReaderDone && g_pView->Router().Pending().Count() == 0 && !::GetUpdateRect(g_pView->m_hWnd, nullptr, FALSE))
            break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    reader.join();
    double tTotal = Now() - tStart;
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof pmc);
    std::printf("lines: %d in %.2f s = %.0f lines/s\n", kLines, tTotal, kLines / tTotal);
    std::printf("memory limit %u lines; stored %d (%d before); peak working set %.1f MB\n", pDoc->GetMemLimit(),
                (int)pDoc->GetLineCount(), (int)nBefore, pmc.PeakWorkingSetSize / 1048576.0);
    std::printf("longest GUI-thread message: %.1f ms (message 0x%04X, %u lines waiting; flood threshold %u lines)\n",
                tMaxBusy * 1000.0, nMaxBusyMsg, (unsigned)nMaxBusyLines, g_nMessageFloodThreshold);
    std::printf("GUI thread: %d batches of lines in %.2f s, %d paints in %.2f s, %d other messages in %.2f s\n",
                nBatches, tLines, nPaints, tPaint, nOthers, tOther);
    pFrame->DestroyWindow();
    return 0;
}
