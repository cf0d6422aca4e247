// DeviceDialogsTest.cpp: the select-device dialog (class order, "L:HHHH"
// both ways, caption) and the device-interrupt dialog (its two forms, the
// ':' of a channel subsystem typed into the number, each refusal with its
// balloon, the load parameter padded with dots).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "devices/DevIntDlg.h"
#include "devices/DynDevListDlgBar.h"
#include "devices/SelectDevice.h"
#include "platform/ErrorBalloon.h"
#include "session/DeviceChoiceTexts.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/TextFits.h"

namespace {

CVornDevice Device(WORD wClass, BYTE bLcss, WORD wDevnum)
{
    CVornDevice dev;
    dev.m_wClass = wClass;
    dev.m_bLcss = bLcss;
    dev.m_wDevnum = wDevnum;
    return dev;
}

std::string ItemText(HWND hCombo, int i)
{
    char sz[64] = "";
    ::SendMessageA(hCombo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)sz);
    return sz;
}

std::string WindowText(HWND h)
{
    char sz[256] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

TEST(CSelectDevice, DevicesInClassOrderAndTheChosenKeyBack)
{
    CSelectDevice dlg;
    dlg.m_DevList.AddTail(Device(DEVCLASS_TAPE, 0, 0x581));
    dlg.m_DevList.AddTail(Device(DEVCLASS_DISK, 1, 0x120));
    dlg.m_DevList.AddTail(Device(DEVCLASS_RDR, 0, 0x00C));
    dlg.m_DevList.AddTail(Device(DEVCLASS_DISK, 0, 0x121));
    const SDeviceChoiceTexts& texts = DeviceChoiceTexts(kChoiceLoadReader);
    dlg.m_strTitle = texts.pszTitle;
    dlg.m_strPrompt = texts.pszPrompt;
    dlg.m_strLabel = texts.pszLabel;
    std::string items[4], caption, prompt, label, clipped;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        HWND hCombo = ::GetDlgItem(h, IDC_SELDEV_COMBO);
        for (int i = 0; i < 4; ++i)
            items[i] = ItemText(hCombo, i);
        caption = WindowText(h);
        prompt = WindowText(::GetDlgItem(h, IDC_DEVICE_PROMPT));
        label = WindowText(::GetDlgItem(h, IDC_SELDEV_LABEL));
        for (int nId : {IDC_DEVICE_PROMPT, IDC_SELDEV_LABEL})
            clipped += vorntest::ClippedText(::GetDlgItem(h, nId));
        ::SendMessageA(hCombo, CB_SETCURSEL, 2, 0);
        ::SendMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, r);
    EXPECT_EQ("000C", items[0]);
    EXPECT_EQ("0121", items[1]);
    EXPECT_EQ("1:0120", items[2]);
    EXPECT_EQ("0581", items[3]);
    EXPECT_EQ(texts.pszTitle, caption);
    EXPECT_EQ(texts.pszPrompt, prompt);
    EXPECT_EQ(texts.pszLabel, label);
    EXPECT_EQ("", clipped);  // every word shows
    EXPECT_EQ(0x10120u, dlg.m_dwDevnum);
}

TEST(CSelectDevice, TemplateCaptionWithoutATitle)
{
    CSelectDevice dlg;
    dlg.m_DevList.AddTail(Device(DEVCLASS_RDR, 0, 0x00C));
    std::string caption;
    vorntest::RunModal(dlg, [&](HWND h) {
        caption = WindowText(h);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("Select Device", caption);
}

TEST(NormaliseLoadParm, PaddedTrimmedCut)
{
    EXPECT_STREQ("........", NormaliseLoadParm(""));
    EXPECT_STREQ("ABC.....", NormaliseLoadParm("ABC"));
    EXPECT_STREQ("ABC.....", NormaliseLoadParm("  ABC  "));
    EXPECT_STREQ("ABCDEFGH", NormaliseLoadParm("ABCDEFGH"));
    EXPECT_STREQ("ABCDEFGH", NormaliseLoadParm("ABCDEFGHIJ"));
}

// Types the characters into the device-number edit as keystrokes would.
void TypeInto(HWND hEdit, const char* psz)
{
    ::SetWindowTextA(hEdit, "");
    for (; *psz; ++psz)
        ::SendMessageA(hEdit, WM_CHAR, (WPARAM)(unsigned char)*psz, 1);
}

struct SRefusal {
    std::string strTyped;
    std::string strBalloon;
    bool bStillOpen;
};

// Presses OK with the typed number and reports the balloon.
SRefusal TryNumber(CDynDevListDlgBar* pBar, const char* pszTyped)
{
    CDevIntDlg dlg;
    dlg.m_strPurpose = "Device Interrupt";
    dlg.m_pDevListBar = pBar;
    SRefusal out;
    int nStep = 0;
    vorntest::RunModal(dlg, [&](HWND h) {
        if (nStep++ == 0) {
            HWND hEdit = ::GetDlgItem(h, IDC_DEVINT_DEVNUM);
            TypeInto(hEdit, pszTyped);
            out.strTyped = WindowText(hEdit);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return true;
        }
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText))
            out.strBalloon = std::string(strTitle) + ": " + std::string(strText);
        out.bStillOpen = ::IsWindowVisible(h) != FALSE;
        ErrorBalloonHide();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    return out;
}

class CBarHost : public CWnd {
public:
    CBarHost()
    {
        CreateEx(0, AfxRegisterWndClass(0), "bar host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr);
    }
    ~CBarHost() override { DestroyWindow(); }
};

TEST(CDevIntDlg, RefusalsShowTheirBalloonAndKeepTheDialogOpen)
{
    CBarHost host;
    CDynDevListDlgBar bar(&host);
    ASSERT_TRUE(bar.Create(IDD_DEVLIST_BAR, &host));
    SRefusal empty = TryNumber(&bar, "");
    EXPECT_EQ("Device Number: You must enter a device number", empty.strBalloon);
    EXPECT_TRUE(empty.bStillOpen);
    SRefusal bad = TryNumber(&bar, "12345");
    EXPECT_EQ("Device Number: Value is not a valid device number", bad.strBalloon);
    // The channel subsystem's ':' can be typed; the number is configured
    // nowhere the bar can see.
    SRefusal absent = TryNumber(&bar, "1:0120");
    EXPECT_EQ("1:0120", absent.strTyped);
    EXPECT_EQ("Device Number: Device does not exist", absent.strBalloon);
    SRefusal letters = TryNumber(&bar, "0g1z");
    EXPECT_EQ("01", letters.strTyped);
    bar.DestroyWindow();
}

TEST(CDevIntDlg, InterruptFormHidesTheLoadParameter)
{
    CDevIntDlg dlg;
    dlg.m_strPurpose = "Device Interrupt";
    bool bLoadParm = true, bCheck = true, bNumber = false;
    std::string caption;
    vorntest::RunModal(dlg, [&](HWND h) {
        bLoadParm = ::IsWindowVisible(::GetDlgItem(h, IDC_DEVINT_LOADPARM)) != FALSE;
        bCheck = ::IsWindowVisible(::GetDlgItem(h, IDC_DEVINT_DONT_ASK)) != FALSE;
        bNumber = ::IsWindowVisible(::GetDlgItem(h, IDC_DEVINT_DEVNUM)) != FALSE;
        caption = WindowText(h);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_FALSE(bLoadParm);
    EXPECT_FALSE(bCheck);
    EXPECT_TRUE(bNumber);
    EXPECT_EQ("Device Interrupt", caption);
}

TEST(CDevIntDlg, IplFormShowsThePaddedLoadParameter)
{
    CDevIntDlg dlg;
    dlg.m_strPurpose = "ipl";
    dlg.m_strLoadParm = " AB ";
    bool bLoadParm = false;
    std::string loadParm;
    LRESULT nLimit = 0, nDevLimit = 0;
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hLoad = ::GetDlgItem(h, IDC_DEVINT_LOADPARM);
        bLoadParm = ::IsWindowVisible(hLoad) != FALSE;
        loadParm = WindowText(hLoad);
        nLimit = ::SendMessageA(hLoad, EM_GETLIMITTEXT, 0, 0);
        nDevLimit = ::SendMessageA(::GetDlgItem(h, IDC_DEVINT_DEVNUM), EM_GETLIMITTEXT, 0, 0);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_TRUE(bLoadParm);
    EXPECT_EQ("AB......", loadParm);
    EXPECT_EQ(8, nLimit);
    EXPECT_EQ(6, nDevLimit);
}

// Tab into the load parameter selects it, so that the key typed next
// replaces the full field (entered at its start, it refused every key).
TEST(CDevIntDlg, TabIntoTheLoadParameterSelectsItAndTypingReplacesIt)
{
    CDevIntDlg dlg;
    dlg.m_strPurpose = "IPL";
    dlg.m_strLoadParm = "AB";
    int nStep = 0;
    std::string strText;
    vorntest::RunModal(dlg, [&](HWND h) {
        if (nStep == 0) {  // a key a step, handed to the focus by the dialog's loop
            ::SetFocus(::GetDlgItem(h, IDC_DEVINT_DEVNUM));
            ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        } else if (nStep == 1) {
            ::PostMessageA(::GetFocus(), WM_CHAR, 'Q', 0);
        } else {
            strText = WindowText(::GetDlgItem(h, IDC_DEVINT_LOADPARM));
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        }
        return ++nStep < 3;
    });
    EXPECT_EQ("Q", strText);
}

}  // namespace
