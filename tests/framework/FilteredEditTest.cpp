// FilteredEditTest.cpp: the hexadecimal, device-number and alphanumeric
// edits fed one WM_CHAR at a time in a real dialog: which characters reach
// the text, that backspace always works and that pasted or program-set text
// is not filtered.
#include <gtest/gtest.h>

#include <string>

#include "EditsDlg.h"
#include "platform/CClipBoard.h"

namespace {

struct FilteredEditTest : ::testing::Test {
    CEditsDlg dlg;
    void SetUp() override { ASSERT_TRUE(dlg.Create(CEditsDlg::IDD)); }
    void TearDown() override { dlg.DestroyWindow(); }

    // Types each character of psz into control nID and returns its text.
    std::string Type(int nID, const char* psz)
    {
        HWND hEdit = ::GetDlgItem(dlg.m_hWnd, nID);
        ::SetWindowTextA(hEdit, "");
        for (const char* p = psz; *p; ++p)
            ::SendMessageA(hEdit, WM_CHAR, (BYTE)*p, 1);
        char sz[256] = "";
        ::GetWindowTextA(hEdit, sz, sizeof(sz));
        return sz;
    }
};

struct CharCase {
    int nID;
    const char* pszTyped;
    const char* pszKept;
};

const CharCase kCases[] = {
    {IDC_HEX, "0123456789abcdefABCDEF", "0123456789abcdefABCDEF"},
    {IDC_HEX, "1:2 3-g4G.x5", "12345"},
    {IDC_HEX, "\x80\xff\xe9" "7", "7"},
    {IDC_DEVNUM, "1:0A0C", "1:0A0C"},
    {IDC_DEVNUM, "0g-1 2:", "012:"},
    {IDC_DEVNUM, "fF\t_", "fF"},
    {IDC_ALNUM, "Abc123xyzXYZ", "Abc123xyzXYZ"},
    {IDC_ALNUM, "a b-c_d.e:f", "abcdef"},
    {IDC_ALNUM, "!\"#$%&'()*+,/;<=>?@[\\]^`{|}~9", "9"},
};

}  // namespace

TEST_F(FilteredEditTest, KeepsOnlyItsCharacters)
{
    for (const CharCase& c : kCases)
        EXPECT_EQ(Type(c.nID, c.pszTyped), c.pszKept) << c.nID << " typed " << c.pszTyped;
}

TEST_F(FilteredEditTest, BackspaceAlwaysWorks)
{
    for (int nID : {IDC_HEX, IDC_DEVNUM, IDC_ALNUM}) {
        EXPECT_EQ(Type(nID, "12\b3\b4"), "14") << nID;
        EXPECT_EQ(Type(nID, "\b\b1\b"), "") << nID;
    }
}

TEST_F(FilteredEditTest, ProgramSetAndPastedTextIsNotFiltered)
{
    for (int nID : {IDC_HEX, IDC_DEVNUM, IDC_ALNUM}) {
        HWND hEdit = ::GetDlgItem(dlg.m_hWnd, nID);
        ::SetWindowTextA(hEdit, "x-y z");
        char sz[64];
        ::GetWindowTextA(hEdit, sz, sizeof(sz));
        EXPECT_STREQ(sz, "x-y z");
        ASSERT_TRUE(CClipBoard(dlg.m_hWnd).SetText("q :r")) << "clipboard";
        ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
        ::SendMessageA(hEdit, WM_PASTE, 0, 0);
        ::GetWindowTextA(hEdit, sz, sizeof(sz));
        EXPECT_STREQ(sz, "q :r") << nID;
    }
}
