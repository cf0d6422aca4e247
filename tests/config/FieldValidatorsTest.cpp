// FieldValidatorsTest.cpp: the shared DDX_/DDV_ functions on a real dialog
// under Wine: each accept and refuse case with the exact balloon text and
// title, the as-you-type MAC filter, and the overwrite question answered
// from a timer, with the old file deleted only when the operation starts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ConfigWinTestRes.h"
#include "config/CHostAdapterArray.h"
#include "config/FieldValidators.h"
#include "config/NetworkValues.h"
#include "config/OverwriteConfirmation.h"
#include "platform/Afx.h"
#include "platform/ErrorBalloon.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"

namespace {

struct FieldsDialog : ::testing::Test {
    CDialog m_dlg;
    void SetUp() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(m_dlg.Create(IDD_FIELDS));
    }
    void TearDown() override
    {
        ErrorBalloonHide();
        m_dlg.DestroyWindow();
        ForgetOverwriteConfirmations();
    }
    HWND Item(int id) { return ::GetDlgItem(m_dlg.m_hWnd, id); }
    void SetIP(int id, DWORD dwAddr) { ::SendMessageA(Item(id), IPM_SETADDRESS, 0, (LPARAM)dwAddr); }
    // The balloon's title and text, or "none".
    std::string Balloon()
    {
        CString strTitle, strText;
        if (!ErrorBalloonWindow(&strTitle, &strText))
            return "none";
        ErrorBalloonHide();
        return std::string(strTitle) + "|" + std::string(strText);
    }
};

DWORD Ip(const char* psz)
{
    DWORD dw = 0;
    ParseIPv4Address(psz, dw);
    return dw;
}

// Answers the overwrite task dialog with a button, keeping its texts.
struct TaskDialogAnswerer {
    static int s_nButton;
    static int s_nAsked;
    static std::string s_strTexts;
    UINT_PTR m_id;
    explicit TaskDialogAnswerer(int nButton) : m_id(::SetTimer(nullptr, 0, 50, OnTimer))
    {
        s_nButton = nButton;
        s_nAsked = 0;
        s_strTexts.clear();
    }
    ~TaskDialogAnswerer() { ::KillTimer(nullptr, m_id); }
    static BOOL CALLBACK CollectText(HWND h, LPARAM)
    {
        char sz[512] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        s_strTexts += std::string(sz) + "\n";
        return TRUE;
    }
    static BOOL CALLBACK AnswerIfTaskDialog(HWND h, LPARAM)
    {
        char sz[64] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        if (std::string(sz) != "Confirm Overwrite" || !::IsWindowVisible(h))
            return TRUE;
        s_nAsked++;
        ::EnumChildWindows(h, CollectText, 0);
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(s_nButton, BN_CLICKED), 0);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), AnswerIfTaskDialog, 0);
    }
};
int TaskDialogAnswerer::s_nButton;
int TaskDialogAnswerer::s_nAsked;
std::string TaskDialogAnswerer::s_strTexts;

}  // namespace

TEST_F(FieldsDialog, IPAddressAcceptAndRefuse)
{
    const char kMsg[] = "Please enter a valid IP address.";
    struct Row { const char* pszAddr; DWORD dwMask; bool bOK; const char* pszText; };
    const Row rows[] = {
        {"192.168.1.7", 0xFFFFFF00, true, "192.168.1.7"},
        {"192.168.1.0", 0xFFFFFFFF, true, "192.168.1.0"},
        {"10.1.2.3", 0, true, "10.1.2.3"},          // classful 255.0.0.0
        {"192.168.1.0", 0xFFFFFF00, false, ""},
        {"192.168.1.255", 0xFFFFFF00, false, ""},
        {"10.0.0.0", 0, false, ""},
        {"0.0.0.0", 0xFFFFFFFF, false, ""},
        {"255.255.255.255", 0xFFFFFFFF, false, ""},
    };
    for (const Row& r : rows) {
        SetIP(IDC_ADDRESS, Ip(r.pszAddr));
        CDataExchange dx(&m_dlg, TRUE);
        CString strAddr = "old";
        EXPECT_EQ(DDX_IPAddress(&dx, IDC_ADDRESS, strAddr, kMsg, "Address", r.dwMask, false), r.bOK) << r.pszAddr;
        EXPECT_EQ(std::string(strAddr), r.bOK ? r.pszText : "old") << r.pszAddr;
        EXPECT_EQ(Balloon(), r.bOK ? "none" : std::string("Address|") + kMsg) << r.pszAddr;
        EXPECT_EQ(dx.m_bFailed, !r.bOK);
    }
    // A field left empty is refused.
    ::SendMessageA(Item(IDC_ADDRESS), IPM_CLEARADDRESS, 0, 0);
    CDataExchange dx(&m_dlg, TRUE);
    CString strAddr;
    EXPECT_FALSE(DDX_IPAddress(&dx, IDC_ADDRESS, strAddr, kMsg, "Address", 0xFFFFFF00, false));
    EXPECT_EQ(Balloon(), std::string("Address|") + kMsg);
}

TEST_F(FieldsDialog, IPAddressOfTheHost)
{
    ASSERT_GT(HostAdapters().GetSize(), 0);
    DWORD dwNet = HostAdapters()[0].m_dwIPv4;
    DWORD dwHost = ((dwNet & 0xFF) << 24) | ((dwNet & 0xFF00) << 8) | ((dwNet >> 8) & 0xFF00) | (dwNet >> 24);
    SetIP(IDC_ADDRESS, dwHost);
    CDataExchange dx(&m_dlg, TRUE);
    CString strAddr;
    EXPECT_TRUE(DDX_IPAddress(&dx, IDC_ADDRESS, strAddr, "bad", "Address", 0xFFFFFFFF, true));
    EXPECT_EQ(strAddr, FormatIPv4Address(dwHost));
    SetIP(IDC_ADDRESS, Ip("203.0.113.250"));
    CDataExchange dx2(&m_dlg, TRUE);
    EXPECT_FALSE(DDX_IPAddress(&dx2, IDC_ADDRESS, strAddr, "Not an address of this host.", "Address",
                               0xFFFFFFFF, true));
    EXPECT_EQ(Balloon(), "Address|Not an address of this host.");
}

TEST_F(FieldsDialog, IPAddressLoadsTheControl)
{
    CDataExchange dx(&m_dlg, FALSE);
    CString strAddr = "172.16.5.4";
    EXPECT_TRUE(DDX_IPAddress(&dx, IDC_ADDRESS, strAddr, "bad", "Address", 0, false));
    DWORD dw = 0;
    EXPECT_EQ(::SendMessageA(Item(IDC_ADDRESS), IPM_GETADDRESS, 0, (LPARAM)&dw), 4);
    EXPECT_EQ(dw, Ip("172.16.5.4"));
}

TEST_F(FieldsDialog, Netmask)
{
    struct Row { const char* pszMask; bool bOK; };
    for (const Row& r : {Row{"255.255.255.0", true}, Row{"255.255.255.255", true}, Row{"255.0.255.0", false},
                         Row{"0.0.0.0", false}}) {
        SetIP(IDC_NETMASK, Ip(r.pszMask));
        CDataExchange dx(&m_dlg, TRUE);
        CString strMask;
        EXPECT_EQ(DDX_IPAddressNetmask(&dx, IDC_NETMASK, strMask, "Invalid netmask.", "Netmask"), r.bOK) << r.pszMask;
        EXPECT_EQ(std::string(strMask), r.bOK ? r.pszMask : "");
        EXPECT_EQ(Balloon(), r.bOK ? "none" : "Netmask|Invalid netmask.");
    }
}

TEST_F(FieldsDialog, MACAddress)
{
    struct Row { const char* pszText; bool bOK; };
    for (const Row& r : {Row{"00-1A-2B-3C-4D-5E", true}, Row{" 00:1a:2b:3c:4d:5e ", true}, Row{"00-1A-2B", false},
                         Row{"00-1A:2B-3C-4D-5E", false}, Row{"", false}}) {
        ::SetDlgItemTextA(m_dlg.m_hWnd, IDC_MAC, r.pszText);
        CDataExchange dx(&m_dlg, TRUE);
        CString strMAC;
        EXPECT_EQ(DDX_MACAddress(&dx, IDC_MAC, strMAC, "Invalid MAC address.", "MAC Address", false), r.bOK)
            << r.pszText;
        EXPECT_EQ(Balloon(), r.bOK ? "none" : "MAC Address|Invalid MAC address.") << r.pszText;
    }
    ::SetDlgItemTextA(m_dlg.m_hWnd, IDC_MAC, "02-00-00-00-00-99");
    CDataExchange dx(&m_dlg, TRUE);
    CString strMAC;
    EXPECT_FALSE(DDX_MACAddress(&dx, IDC_MAC, strMAC, "Not a host adapter.", "MAC Address", true));
    EXPECT_EQ(Balloon(), "MAC Address|Not a host adapter.");
}

TEST_F(FieldsDialog, CheckBool)
{
    BYTE bFlag = 7;
    CDataExchange load(&m_dlg, FALSE);
    DDX_CheckBool(&load, IDC_FLAG, bFlag);
    EXPECT_EQ(::IsDlgButtonChecked(m_dlg.m_hWnd, IDC_FLAG), (UINT)BST_CHECKED);
    CDataExchange save(&m_dlg, TRUE);
    DDX_CheckBool(&save, IDC_FLAG, bFlag);
    EXPECT_EQ(bFlag, 1);
    ::CheckDlgButton(m_dlg.m_hWnd, IDC_FLAG, BST_UNCHECKED);
    DDX_CheckBool(&save, IDC_FLAG, bFlag);
    EXPECT_EQ(bFlag, 0);
}

TEST_F(FieldsDialog, MACAddressTyping)
{
    HWND hEdit = Item(IDC_MAC);
    CString strLast = "00-1A";
    ::SetWindowTextA(hEdit, "00-1A2");
    ValidateMACAddressEdit(hEdit, strLast);
    char sz[32];
    ::GetWindowTextA(hEdit, sz, sizeof sz);
    EXPECT_STREQ(sz, "00-1A-2");
    EXPECT_EQ(strLast, "00-1A-2");
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    EXPECT_EQ(dwStart, 7u);
    EXPECT_EQ(dwEnd, 7u);
    strLast = "00-1A";
    ::SetWindowTextA(hEdit, "00-1A:");
    ValidateMACAddressEdit(hEdit, strLast);
    ::GetWindowTextA(hEdit, sz, sizeof sz);
    EXPECT_STREQ(sz, "00-1A");
    EXPECT_EQ(strLast, "00-1A");
    ::SetWindowTextA(hEdit, "  ");
    ValidateMACAddressEdit(hEdit, strLast);
    EXPECT_EQ(strLast, "");
}

TEST_F(FieldsDialog, Directories)
{
    TempDir dir;
    struct Row { std::string strDir; bool bOutput; const char* pszMsg; const char* pszExpected; };
    const Row rows[] = {
        {dir.Folder(), true, nullptr, "none"},
        {"", false, nullptr, "Folder|Invalid input directory: You must specify a valid directory."},
        {dir.Folder() + "missing", true, nullptr,
         "Folder|Invalid output directory: The specified directory was not found."},
        {dir.Folder() + "missing", false, "Pick a folder.", "Folder|Pick a folder."},
    };
    for (const Row& r : rows) {
        CDataExchange dx(&m_dlg, TRUE);
        bool bOK = r.bOutput ? DDV_OutputDirectory(&dx, r.strDir.c_str(), IDC_FOLDER, "Folder", r.pszMsg)
                             : DDV_InputDirectory(&dx, r.strDir.c_str(), IDC_FOLDER, "Folder", r.pszMsg);
        EXPECT_EQ(bOK, std::string(r.pszExpected) == "none") << r.strDir;
        EXPECT_EQ(Balloon(), r.pszExpected) << r.strDir;
    }
}

TEST_F(FieldsDialog, InputFile)
{
    TempDir dir;
    std::string strFile = dir.Write("in.img", std::string(2000, 'x'));
    CDataExchange dx(&m_dlg, TRUE);
    CString strName = ("  " + strFile + " ").c_str(), strNameExt;
    UINT64 ullSize = 0;
    EXPECT_TRUE(DDV_InputFile(&dx, strName, IDC_FILE, "Input File", &strNameExt, &ullSize));
    EXPECT_EQ(strNameExt, "in.img");
    EXPECT_EQ(ullSize, 2000u);
    EXPECT_EQ(strName.Right(7), "\\in.img");
    CString strMissing = dir.Path("none.img").c_str();
    EXPECT_FALSE(DDV_InputFile(&dx, strMissing, IDC_FILE, "Input File"));
    EXPECT_EQ(Balloon(), "Input File|File not found.");
    CDataExchange dx2(&m_dlg, TRUE);
    CString strEmpty;
    EXPECT_FALSE(DDV_InputFile(&dx2, strEmpty, IDC_FILE, "Input File"));
    EXPECT_EQ(Balloon(), "Input File|You must specify an input file.");
}

TEST_F(FieldsDialog, OutputFileRefusals)
{
    TempDir dir;
    CDataExchange dx(&m_dlg, TRUE);
    EXPECT_FALSE(DDV_OutputFile(&dx, dir.Folder().c_str(), "a|b.out", IDC_FILE, "Output File"));
    EXPECT_EQ(Balloon(), "Output File|The specified filename contains one or more invalid characters.");
    CDataExchange dx2(&m_dlg, TRUE);
    EXPECT_TRUE(DDV_OutputFile(&dx2, dir.Folder().c_str(), "new.out", IDC_FILE, "Output File"));
    EXPECT_EQ(Balloon(), "none");
}

TEST_F(FieldsDialog, DecliningTheOverwriteKeepsTheFileAndTheDialog)
{
    TempDir dir;
    std::string strOld = dir.Write("old.out", "precious");
    TaskDialogAnswerer answer(IDCANCEL);
    CDataExchange dx(&m_dlg, TRUE);
    EXPECT_FALSE(DDV_OutputFile(&dx, dir.Folder().c_str(), "old.out", IDC_FILE, "Output File"));
    EXPECT_EQ(TaskDialogAnswerer::s_nAsked, 1);
    EXPECT_EQ(Balloon(), "Output File|File already exists.");
    EXPECT_NE(::GetFileAttributesA(strOld.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(DeleteConfirmedOutputFile(strOld.c_str()));
    EXPECT_NE(::GetFileAttributesA(strOld.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FieldsDialog, ConfirmedOverwriteDeletesOnlyWhenTheRunStarts)
{
    TempDir dir;
    std::string strOld = dir.Write("old.out", "precious");
    TaskDialogAnswerer answer(6);
    CDataExchange dx(&m_dlg, TRUE);
    EXPECT_TRUE(DDV_OutputFile(&dx, dir.Folder().c_str(), "old.out", IDC_FILE, "Output File"));
    EXPECT_EQ(TaskDialogAnswerer::s_nAsked, 1);
    EXPECT_NE(TaskDialogAnswerer::s_strTexts.find("File already exists. Overwrite?"), std::string::npos)
        << TaskDialogAnswerer::s_strTexts;
    EXPECT_NE(TaskDialogAnswerer::s_strTexts.find("already exists. Do you wish to overwrite it?"), std::string::npos);
    // Still there while the dialog validates (a later field may fail) ...
    EXPECT_NE(::GetFileAttributesA(strOld.c_str()), INVALID_FILE_ATTRIBUTES);
    // ... and the answer is remembered: validating again does not ask again.
    CDataExchange dx2(&m_dlg, TRUE);
    EXPECT_TRUE(DDV_OutputFile(&dx2, dir.Folder().c_str(), "old.out", IDC_FILE, "Output File"));
    EXPECT_EQ(TaskDialogAnswerer::s_nAsked, 1);
    // The run starts: now the old file goes.
    EXPECT_TRUE(DeleteConfirmedOutputFile(strOld.c_str()));
    EXPECT_EQ(::GetFileAttributesA(strOld.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(IsOverwriteConfirmed(strOld.c_str()));
}

TEST_F(FieldsDialog, AnEarlierFailureStopsTheRun)
{
    CDataExchange dx(&m_dlg, TRUE);
    dx.m_bFailed = true;
    EXPECT_FALSE(DDV_InputDirectory(&dx, "C:\\", IDC_FOLDER, "Folder"));
    EXPECT_EQ(Balloon(), "none");
}

namespace {

struct ShownBox {
    std::string strTitle, strTexts;
};

// Runs fn while a driver reads and closes the first dialog it shows.
template <class F>
ShownBox CaptureBox(F fn)
{
    ShownBox box;
    vorntest::DialogDriver driver([&](HWND h) {
        char sz[256] = {};
        ::GetWindowTextA(h, sz, sizeof sz);
        box.strTitle = sz;
        box.strTexts = vorntest::DialogTexts(h);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    fn();
    return box;
}

}  // namespace

TEST(FieldValidatorsBoxes, MissingInputFileIsAWarningWithTheNameQuoted)
{
    bool bResult = true;
    ShownBox box = CaptureBox([&] { bResult = ValidateInputFileMsgBox("Z:\\no\\such\\disk.img"); });
    EXPECT_FALSE(bResult);
    EXPECT_NE(box.strTexts.find("File not found:"), std::string::npos) << box.strTexts;
    EXPECT_NE(box.strTexts.find("\"Z:\\no\\such\\disk.img\""), std::string::npos) << box.strTexts;
}

TEST(FieldValidatorsBoxes, BadOutputFileIsAWarningTitledInvalidOutputFile)
{
    bool bResult = true;
    TempDir dir;
    ShownBox box = CaptureBox([&] { bResult = ValidateOutputFileMsgBox(dir.Folder().c_str(), "out|put.img"); });
    EXPECT_FALSE(bResult);
    EXPECT_EQ("Invalid Output File", box.strTitle);
    EXPECT_NE(box.strTexts.find("The specified filename contains one or more invalid characters."), std::string::npos)
        << box.strTexts;
}
