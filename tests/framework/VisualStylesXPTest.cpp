// VisualStylesXPTest.cpp: the loader of the theme and composition libraries
// with the real libraries, with a missing library and with missing entry
// points; lookups happen once and are traced.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/VisualStylesXP.h"
#include "platform/Trace.h"
#include "platform/WinOSFlavor.h"

namespace {

// Records the trace lines while it lives.
struct TraceRecorder {
    std::vector<std::string> lines;
    TraceSink old;
    TraceRecorder() { old = SetTraceSink([this](const char* p) { lines.push_back(p); }); }
    ~TraceRecorder() { SetTraceSink(old); }
    int Count(const std::string& part) const
    {
        int n = 0;
        for (const std::string& s : lines)
            n += s.find(part) != std::string::npos;
        return n;
    }
};

HRESULT WINAPI PretendSucceeded(HTHEME)
{
    return S_OK;
}

}  // namespace

TEST(VisualStylesXP, LoadsFromTheSystemDirectoryAtFirstUse)
{
    TraceRecorder trace;
    CVisualStylesXP vs;
    EXPECT_TRUE(trace.lines.empty()) << "nothing is loaded before the first use";
    HMODULE h = vs.ThemeLibrary();
    ASSERT_NE(h, nullptr);
    char szPath[MAX_PATH], szSys[MAX_PATH];
    ASSERT_GT(::GetModuleFileNameA(h, szPath, MAX_PATH), 0u);
    ASSERT_GT(::GetSystemDirectoryA(szSys, MAX_PATH), 0u);
    EXPECT_EQ(_strnicmp(szPath, szSys, strlen(szSys)), 0) << szPath;
    EXPECT_EQ(trace.Count("m_hThemeDll = LoadLibrary( \"UxTheme.dll\" ) succeeded"), 1);
}

TEST(VisualStylesXP, RealEntryPointsResolveOnce)
{
    TraceRecorder trace;
    CVisualStylesXP vs;
    vs.IsAppThemed();
    vs.IsAppThemed();
    vs.IsThemeActive();
    EXPECT_EQ(trace.Count("GetProcAddress( m_hThemeDll, \"IsAppThemed\" ) succeeded"), 1);
    EXPECT_EQ(trace.Count("\"IsThemeActive\" ) succeeded"), 1);
    BOOL bComposed = vs.IsCompositionActive();
    EXPECT_EQ(vs.IsCompositionActive(), bComposed);
    EXPECT_EQ(trace.Count("\"IsCompositionActive\" )"), 1);
}

TEST(VisualStylesXP, MissingLibrariesAnswerWithStubs)
{
    TraceRecorder trace;
    CVisualStylesXP vs("NoSuchTheme.dll", "NoSuchDwm.dll");
    EXPECT_EQ(vs.OpenThemeData(nullptr, L"Window"), nullptr);
    EXPECT_EQ(vs.CloseThemeData(nullptr), E_FAIL);
    EXPECT_EQ(vs.GetThemeSysColor(nullptr, COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_FALSE(vs.IsThemeActive());
    EXPECT_FALSE(vs.IsAppThemed());
    EXPECT_FALSE(vs.IsCompositionActive());
    EXPECT_EQ(vs.BufferedPaintInit(), E_FAIL);
    HDC hdc = (HDC)1;
    EXPECT_EQ(vs.BeginBufferedPaint(nullptr, nullptr, BPBF_COMPATIBLEBITMAP, nullptr, &hdc), nullptr);
    EXPECT_EQ(hdc, nullptr);
    EXPECT_EQ(vs.BeginBufferedPaint(nullptr, nullptr, BPBF_COMPATIBLEBITMAP, nullptr, nullptr), nullptr);
    vs.SetThemeAppProperties(0);
    DWORD dw = 0;
    EXPECT_EQ(vs.DwmGetWindowAttribute(nullptr, 0, &dw, sizeof(dw)), E_FAIL);
    EXPECT_EQ(vs.DwmSetWindowAttribute(nullptr, 0, &dw, sizeof(dw)), E_FAIL);
    EXPECT_EQ(vs.DwmEnableBlurBehindWindow(nullptr, nullptr), E_FAIL);
    LRESULT lr = 0;
    EXPECT_FALSE(vs.DwmDefWindowProc(nullptr, WM_NCHITTEST, 0, 0, &lr));
    EXPECT_EQ(trace.Count("LoadLibrary( \"NoSuchTheme.dll\" ) FAILED! GetLastError = 0x"), 1);
    EXPECT_EQ(trace.Count("LoadLibrary( \"NoSuchDwm.dll\" ) FAILED!"), 1);
    EXPECT_EQ(trace.Count("GetProcAddress"), 0) << "no lookup in a library that is not loaded";
}

TEST(VisualStylesXP, MissingEntryPointGetsItsStub)
{
    TraceRecorder trace;
    CVisualStylesXP vs;
    FARPROC pStub = reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&PretendSucceeded));
    EXPECT_EQ(vs.GetProc("NoSuchEntryPoint", pStub), pStub);
    EXPECT_EQ(vs.GetLastLoadError(), (DWORD)ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(trace.Count("GetProcAddress( m_hThemeDll, \"NoSuchEntryPoint\" ) FAILED! GetLastError = 0x0000007F"), 1);
    EXPECT_EQ(vs.DwmGetProc("NoSuchDwmEntry", pStub), pStub);
}

TEST(VisualStylesXP, Windows11ForcesNoComposition)
{
    EWinOSFlavor saved = g_eWinOSFlavor;
    g_eWinOSFlavor = WINOS_WIN11;
    TraceRecorder trace;
    CVisualStylesXP vs;
    EXPECT_FALSE(vs.IsCompositionActive());
    EXPECT_FALSE(vs.IsCompositionActive());
    g_eWinOSFlavor = saved;
    EXPECT_EQ(trace.Count("Wren forcing GetProc(\"IsCompositionActive\") failure for >= Win11\" ) FAILED!"), 1);
    EXPECT_EQ(trace.Count("\"IsCompositionActive\" ) succeeded"), 0);
}
