// ParseErrorsDlgTest.cpp: the parse-errors dialog under Wine: N error lines
// for N errors, then the numbered file lines; Edit disabled for a
// configuration without a file; the answers; copying the selection; the
// first size and the remembered one. With VORN_KEEP_OPEN set, the Shows
// test keeps the dialog open for tools/screenshot.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "config/CConfigFileParseErrorsDlg.h"
#include "config/CVornConfigFile.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"

namespace {

struct ParseErrorsDlg : ::testing::Test {
    TempDir m_dir;
    CVornConfigFile m_cfg;

    void SetUp() override
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(m_dir.Path("gui.ini").c_str()));
        m_cfg.m_parseErrors.Add("*** Error: Line 2: Invalid MAINSIZE value: \"lots\"");
        m_cfg.m_parseErrors.Add("*** Error: Line 5: Unrecognized device type \"9999\"");
        for (const char* p : {"CPUSERIAL 000611", "MAINSIZE lots", "NUMCPU 1",
                              "# The devices of the test system follow; this comment is long enough to need "
                              "the horizontal scroll bar",
                              "0120 9999 disk.img"})
            m_cfg.m_lines.Add(p);
        m_cfg.m_strFolder = m_dir.Folder().c_str();
        m_cfg.m_strFileName = "test.cnf";
    }
    void TearDown() override { SetSettingsStore(nullptr); }
};

std::string EditText(HWND hDlg)
{
    HWND hEdit = ::GetDlgItem(hDlg, IDC_PARSE_ERRORS_TEXT);
    int n = ::GetWindowTextLengthA(hEdit);
    std::string s((size_t)n + 1, '\0');
    ::GetWindowTextA(hEdit, &s[0], n + 1);
    s.resize((size_t)n);
    return s;
}

void Press(HWND hDlg, int id)
{
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, id));
}

SIZE WindowSize(HWND h)
{
    RECT rc;
    ::GetWindowRect(h, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

TEST_F(ParseErrorsDlg, ShowsTheErrorsThenTheNumberedLines)
{
    CConfigFileParseErrorsDlg dlg;
    dlg.m_pConfig = &m_cfg;
    std::string strText;
    SIZE size = {};
    bool bEditEnabled = false;
    CString strCaption;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        strText = EditText(h);
        size = WindowSize(h);
        bEditEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_PARSE_ERRORS_EDIT)) != FALSE;
        char sz[128];
        ::GetWindowTextA(h, sz, sizeof sz);
        strCaption = sz;
        if (vorntest::KeepOpenForScreenshot()) {
            ::Sleep(100);
            return ::GetAsyncKeyState(VK_ESCAPE) == 0;   // tools/screenshot closes the program
        }
        Press(h, IDC_PARSE_ERRORS_RETRY);
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_FALSE(dlg.m_bIgnore);
    EXPECT_EQ(strCaption, "Configuration File Error(s)...");
    EXPECT_TRUE(bEditEnabled);
    EXPECT_EQ(size.cx, 469);
    EXPECT_EQ(size.cy, 306);
    // The rich edit reports its lines with "\r" (or "\r\n"): compare by line.
    std::string s;
    for (char c : strText)
        if (c != '\n')
            s += c;
    EXPECT_EQ(s,
              "*** Error: Line 2: Invalid MAINSIZE value: \"lots\"\r"
              "*** Error: Line 5: Unrecognized device type \"9999\"\r\r"
              " 1: CPUSERIAL 000611\r 2: MAINSIZE lots\r 3: NUMCPU 1\r"
              " 4: # The devices of the test system follow; this comment is long enough to need the horizontal "
              "scroll bar\r 5: 0120 9999 disk.img\r");
}

TEST_F(ParseErrorsDlg, ListsOneLinePerError)
{
    for (int nErrors : {1, 7, 40}) {
        CVornConfigFile cfg;
        for (int i = 0; i < nErrors; i++) {
            CString s;
            s.Format("*** Error: Line %d: problem", i + 1);
            cfg.m_parseErrors.Add(s);
        }
        CConfigFileParseErrorsDlg dlg;
        dlg.m_pConfig = &cfg;
        int nLines = -1;
        vorntest::RunModal(dlg, [&](HWND h) {
            std::string s = EditText(h);
            nLines = 0;
            for (size_t i = s.find("*** Error"); i != std::string::npos; i = s.find("*** Error", i + 1))
                nLines++;
            Press(h, IDC_PARSE_ERRORS_CANCEL);
            return false;
        });
        EXPECT_EQ(nLines, nErrors);
    }
}

TEST_F(ParseErrorsDlg, AnswersAndEditDisabledWithoutAFile)
{
    m_cfg.m_strFileName.Empty();
    struct Row { int nButton; INT_PTR nResult; bool bIgnore; ParseErrorsAnswer answer; };
    const Row rows[] = {
        {IDC_PARSE_ERRORS_IGNORE, IDOK, true, kParseErrorsIgnore},
        {IDC_PARSE_ERRORS_RETRY, IDOK, false, kParseErrorsRetry},
        {IDC_PARSE_ERRORS_CANCEL, IDCANCEL, false, kParseErrorsCancel},
        {IDCANCEL, IDCANCEL, false, kParseErrorsCancel},   // Escape and the close box
    };
    for (const Row& row : rows) {
        CConfigFileParseErrorsDlg dlg;
        dlg.m_pConfig = &m_cfg;
        bool bEditEnabled = true;
        INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
            bEditEnabled = ::IsWindowEnabled(::GetDlgItem(h, IDC_PARSE_ERRORS_EDIT)) != FALSE;
            Press(h, row.nButton);
            return false;
        });
        EXPECT_EQ(r, row.nResult);
        EXPECT_EQ(dlg.m_bIgnore, row.bIgnore);
        EXPECT_FALSE(bEditEnabled);
    }
}

TEST_F(ParseErrorsDlg, CopiesTheSelection)
{
    CConfigFileParseErrorsDlg dlg;
    dlg.m_pConfig = &m_cfg;
    std::string strClip;
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hEdit = ::GetDlgItem(h, IDC_PARSE_ERRORS_TEXT);
        CHARRANGE cr = {0, 9};
        ::SendMessageA(hEdit, EM_EXSETSEL, 0, (LPARAM)&cr);
        ::SendMessageA(h, WM_COMMAND, ID_EDIT_COPY, 0);
        if (::OpenClipboard(h)) {
            HANDLE hData = ::GetClipboardData(CF_TEXT);
            if (hData) {
                strClip = static_cast<const char*>(::GlobalLock(hData));
                ::GlobalUnlock(hData);
            }
            ::CloseClipboard();
        }
        Press(h, IDC_PARSE_ERRORS_CANCEL);
        return false;
    });
    EXPECT_EQ(strClip, "*** Error");
}

TEST_F(ParseErrorsDlg, RemembersTheSizeTheUserSet)
{
    {
        CConfigFileParseErrorsDlg dlg;
        dlg.m_pConfig = &m_cfg;
        vorntest::RunModal(dlg, [&](HWND h) {
            ::SetWindowPos(h, nullptr, 0, 0, 600, 420, SWP_NOMOVE | SWP_NOZORDER);
            Press(h, IDC_PARSE_ERRORS_CANCEL);
            return false;
        });
    }
    CConfigFileParseErrorsDlg dlg;
    dlg.m_pConfig = &m_cfg;
    SIZE size = {};
    vorntest::RunModal(dlg, [&](HWND h) {
        size = WindowSize(h);
        Press(h, IDC_PARSE_ERRORS_CANCEL);
        return false;
    });
    EXPECT_EQ(size.cx, 600);
    EXPECT_EQ(size.cy, 420);
}
