// CommSessionTest.cpp: the communication adapter sheet opened from the
// device-list bar with the view and the emulator stand-in at its default
// version (commands arrive without "vorn "): a CTCE adapter attached with
// the command's inner double blanks, an odd port refused with nothing sent,
// a CTCE adapter reinitialised from its own page only, and an LCS adapter
// reinitialised with its options kept.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "config/CHostAdapterArray.h"
#include "config/CVornConfigFile.h"
#include "config/DevClass.h"
#include "devices/AddCOMMPage.h"
#include "tests/devices/CommSheetTestSupport.h"
#include "tests/devices/DevListSessionFixture.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/platform/ModalDriver.h"

using namespace devtest;

namespace {

struct CommSession : DevListSession {
    // The stand-in at its own version; the view's configuration holds the
    // statements; the bar shows a disk and the listed adapters.
    void Start(std::initializer_list<const char*> statements = {})
    {
        StartEmulator("--no-devlist");
        CVornConfigFile cfg = pView->GetConfig();
        CString strError;
        for (const char* psz : statements)
            ASSERT_TRUE(cfg.AddDevice(psz, strError)) << strError.GetString();
        pView->ApplyEditedConfiguration(cfg);
        std::vector<CDevListEntry> entries = {Entry("0120", "3390", "DASD", "0000", "d.cckd")};
        if (statements.size() != 0)
            entries.push_back(Entry("0400", "3088", "CTCA", "0000", "CTCE"));
        Queue(0, entries);
        ASSERT_TRUE(PumpUntilReady());
    }
    // The CTCE page of the sheet the bar opens: number, remote host, port.
    void FillCtce(HWND hSheet, const char* pszLocalPort)
    {
        HWND hPage = SelectPageByCaption(hSheet, "CTCE");
        SetText(hPage, IDC_DEVDLG_DEVNUM, "0400");
        SetIPAddress(hPage, IDC_CTCE_RHOST, 192, 168, 1, 20);
        SetText(hPage, IDC_CTCE_LPORT, pszLocalPort);
    }
};

}  // namespace

TEST_F(CommSession, AddingACtceAdapterAttachesItWithTheDoubleBlanks)
{
    Start();
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_COMM)));
    std::string caption;
    vorntest::DialogDriver driver([&](HWND h) {
        caption = Caption(h);
        FillCtce(h, "30880");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_EQ("Add New Comm. device", caption);
    EXPECT_TRUE(WaitFor("attach  0400  CTCE  30880  192.168.1.20  30880  32768"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x0400, dev));
    EXPECT_EQ(DEVCLASS_COMM, dev.m_wClass);
    EXPECT_EQ(COMM_SUBTYPE_CTCE, dev.m_nSubtype);
    EXPECT_STREQ("CTCE", dev.m_strFirstArg);
    EXPECT_STREQ("30880  192.168.1.20  30880  32768", dev.m_strOtherArgs);
    EXPECT_TRUE(pView->IsConfigModified());
}

TEST_F(CommSession, AnOddPortIsRefusedAndNothingIsSent)
{
    Start();
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_COMM)));
    EXPECT_EQ("Local Port: Please enter an even numbered port number from 1024 to 65535",
              RefusedBalloon(ID_DEVLIST_ADD, [this](HWND h) { FillCtce(h, "30881"); }));
    EXPECT_FALSE(pView->IsConfigModified());
}

// Re-Initialize opens on the adapter's own page and sends its arguments
// back; another kind's page is refused and sends nothing.
TEST_F(CommSession, ReinitialisingACtceAdapterSendsDevinitFromItsOwnPage)
{
    Start({"0400 CTCE 30880 192.168.1.20 30880 32768"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0400)));
    EXPECT_EQ("Device Type: " + std::string(CAddCOMMPage::KindKeptMessage("CTCE", "OSA")),
              RefusedBalloon(ID_DEVLIST_REINIT, [](HWND h) { SelectPageByCaption(h, "OSA"); }));

    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0400)));
    std::string caption, strPage;
    vorntest::DialogDriver driver([&](HWND h) {
        caption = Caption(h);
        strPage = Text(CurrentPage(h), IDC_CTCE_MTU);
        SetText(CurrentPage(h), IDC_CTCE_MTU, "1500");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
    EXPECT_EQ("Reinitialize Comm. device", caption);
    EXPECT_EQ("32768", strPage);
    EXPECT_TRUE(WaitFor("devinit  0400  30880  192.168.1.20  30880  1500"));
}

// Reinitialising an LCS adapter keeps its "-d": OK on the unchanged page
// sends the same arguments back.
TEST_F(CommSession, ReinitialisingAnLcsAdapterKeepsItsDebugOption)
{
    struct SOneAdapter {  // the host's adapters for this test only
        CHostAdapterArray saved;
        SOneAdapter()
        {
            saved.Copy(HostAdapters());
            HostAdapters().RemoveAll();
            HostAdapters().Add(Adapter("192.168.1.10", "02:00:5E:00:01:02"));
        }
        ~SOneAdapter() { HostAdapters().Copy(saved); }
    } adapters;
    Start({"0400 LCS -d -n 192.168.1.10 -k 1024 10.1.1.1"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0400)));
    std::string strTab;
    vorntest::DialogDriver driver([&](HWND h) {
        for (int i = 0; i < TabCount(h); ++i)
            if (::SendMessageA(h, PSM_INDEXTOHWND, (WPARAM)i, 0) == (LRESULT)CurrentPage(h))
                strTab = TabText(h, i);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
    EXPECT_EQ("LCS", strTab);
    EXPECT_TRUE(WaitFor("devinit  0400  -d -n 192.168.1.10 -k 1024 10.1.1.1"));
}

// An adapter's first address is even: after an OSA group at 0606-0608 the
// bar proposes 060A, not 0609.
TEST_F(CommSession, TheProposedNumberOfANewAdapterIsEven)
{
    StartEmulator("--no-devlist");
    Queue(0, {Entry("0606", "1732", "OSA", "0000", "QETH"), Entry("0607", "1732", "OSA", "0000", "QETH"),
              Entry("0608", "1732", "OSA", "0000", "QETH")});
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_COMM)));
    EXPECT_EQ(0x060A, pBar->GetNextFreeKey());
    std::string number;
    vorntest::DialogDriver driver([&](HWND h) {
        number = Text(CurrentPage(h), IDC_DEVDLG_DEVNUM);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_EQ("060A", number);
}
