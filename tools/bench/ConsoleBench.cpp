// ConsoleBench.cpp: console_bench.exe, the console line path under load:
// 1,000,000 lines are classified and queued as the reader side does, then
// taken in batches on the GUI thread into the view (document, memory limit,
// numbered log file, pane repaint). Reports lines per second, peak memory and
// the longest time the GUI thread was busy with one batch.
// With "--demo" it shows one line of each message kind and stays open, for
// a picture of the console.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CSyncObject.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"
#include "session/ConsoleClassifier.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"

namespace {

class CBenchFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CBenchFrame)
};
IMPLEMENT_DYNCREATE(CBenchFrame, CFrameWnd)

const int kLines = 1000000;
const int kBatch = 1000;

CString MakeLine(int i)
{
    static const char* const kinds[] = {"I", "D", "E", "W", "X"};
    CString str;
    str.Format("10:11:12.345 ZQC00%03d%s bench line %07d with some text to make it a usual console length",
               i % 1000, kinds[i % 5], i);
    return str;
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

    CCriticalSection csQueue;
    std::vector<CString> queue, batch;
    double tStart = Now(), tMaxBusy = 0, tReader = 0, tStore = 0, tPaint = 0;
    int nKinds[kMsgKindCount] = {};
    for (int i = 0; i < kLines; i += kBatch) {
        // Reader side: classify and queue under the lock.
        double tRead0 = Now();
        for (int j = i; j < i + kBatch; ++j) {
            CString str = MakeLine(j);
            ++nKinds[ClassifyMessage(str)];
            CSingleLock lock(&csQueue, TRUE);
            queue.push_back(str);
        }
        // GUI side: take the queue, append, repaint.
        double t0 = Now();
        tReader += t0 - tRead0;
        {
            CSingleLock lock(&csQueue, TRUE);
            batch.swap(queue);
        }
        g_pView->AddMessages(batch);
        double t1 = Now();
        g_pView->RefreshAfterAppend((int)batch.size());
        g_pView->UpdateWindow();
        batch.clear();
        double tBusy = Now() - t0;
        tStore += t1 - t0;
        tPaint += Now() - t1;
        if (tBusy > tMaxBusy)
            tMaxBusy = tBusy;
        Pump();
    }
    double tTotal = Now() - tStart;
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof pmc);
    std::printf("lines: %d in %.2f s = %.0f lines/s\n", kLines, tTotal, kLines / tTotal);
    std::printf("kinds: plain %d info %d debug %d error %d warning %d\n", nKinds[0], nKinds[1], nKinds[2],
                nKinds[3], nKinds[4]);
    std::printf("memory limit %u lines; stored %d; peak working set %.1f MB\n", pDoc->GetMemLimit(),
                (int)pDoc->GetLineCount(), pmc.PeakWorkingSetSize / 1048576.0);
    std::printf("longest GUI-thread batch (%d lines): %.1f ms\n", kBatch, tMaxBusy * 1000.0);
    std::printf("time: reader side %.2f s, storing and logging %.2f s, painting %.2f s\n", tReader, tStore,
                tPaint);
    pFrame->DestroyWindow();
    return 0;
}
