// DevListSessionFixture.h: the device-list bar in a host window with the
// view and the emulator stand-in, for the tests that drive the bar's
// commands end to end: lists queued as the view would hand them over,
// items clicked as the context menu's hit test sees them.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devices/DynDevListDlgBar.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/platform/ModalDriver.h"
#include "tests/session/SessionViewFixture.h"

namespace devtest {

class CBarHost : public CWnd {
public:
    CBarHost()
    {
        CreateEx(0, AfxRegisterWndClass(0), "bar host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 500,
                 nullptr, nullptr);
    }
    ~CBarHost() override { DestroyWindow(); }
};

struct DevListSession : SessionFixture {
    std::unique_ptr<CBarHost> host;
    CDynDevListDlgBar* pBar = nullptr;

    void SetUp() override
    {
        SessionFixture::SetUp();
        host = std::make_unique<CBarHost>();
        pBar = new CDynDevListDlgBar(host.get());
        ASSERT_TRUE(pBar->Create(IDD_DEVLIST_BAR, host.get()));
        pBar->SetWindowPos(nullptr, 0, 0, 380, 460, SWP_NOZORDER);
        ConnectReceivers(pBar);
    }
    void TearDown() override
    {
        SessionFixture::TearDown();
        if (pBar) {
            pBar->DestroyWindow();
            delete pBar;
        }
        host.reset();
    }

    // The stand-in as an emulator of version 3.10, which keeps "vorn ".
    void PowerOn() { StartEmulator("--no-devlist --do \"set version 3.10\""); }

    static CDevListEntry Entry(const char* pszDevnum, const char* pszType, const char* pszClass,
                               const char* pszStatus, const char* pszRest, char chAction = 0)
    {
        CDevListEntry e;
        e.SetFromStatusFields('0', pszDevnum, pszType, pszClass, pszStatus, pszRest, chAction);
        return e;
    }
    void Queue(BYTE bIncremental, std::vector<CDevListEntry> entries)
    {
        auto p = std::make_unique<CDevListMap>(bIncremental);
        for (const CDevListEntry& e : entries)
            p->SetAt(e.GetKey(), e);
        pBar->QueueFinishedList(std::move(p));
    }
    void QueueStartList()
    {
        Queue(0, {Entry("0120", "3390", "DASD", "0000", "disk.cckd"), Entry("000C", "3505", "RDR", "1000", "cards.txt"),
                  Entry("0580", "3420", "TAPE", "0000", ""), Entry("000E", "1403", "PRT", "0000", "prt.txt")});
    }
    std::string ItemText(int nKey)
    {
        HTREEITEM h = pBar->FindDeviceItem(nKey);
        return h ? (const char*)pBar->Tree().GetItemText(h) : std::string("(none)");
    }
    int ItemImage(int nKey)
    {
        TVITEMA item = {};
        item.mask = TVIF_HANDLE | TVIF_IMAGE;
        item.hItem = pBar->FindDeviceItem(nKey);
        pBar->Tree().SendMessage(TVM_GETITEMA, 0, (LPARAM)&item);
        return item.iImage;
    }
    std::string GroupOf(int nKey)
    {
        HTREEITEM h = pBar->FindDeviceItem(nKey);
        return h ? (const char*)pBar->Tree().GetItemText(pBar->Tree().GetParentItem(h)) : std::string();
    }
    // The group item of a device class (the groups stand in class order).
    HTREEITEM Group(WORD wClass)
    {
        HTREEITEM h = pBar->Tree().GetRootItem();
        for (WORD i = 0; h && i < wClass; ++i)
            h = pBar->Tree().GetNextSiblingItem(h);
        return h;
    }
    // Right-clicks the item in the hit test that the menu commands use.
    int ClickOn(HTREEITEM hItem)
    {
        // TVM_GETITEMRECT takes the item in the rectangle's place.
        union { RECT rc; HTREEITEM h; } u = {};
        u.h = hItem;
        pBar->Tree().SendMessage(TVM_GETITEMRECT, TRUE, (LPARAM)&u.rc);
        RECT rc = u.rc;
        POINT pt = {rc.left + 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(pBar->Tree().m_hWnd, &pt);
        return pBar->HitTest(CPoint(pt.x, pt.y));
    }
    // The bar's command nCommand opens a dialog; fill(hDlg), then OK, which
    // must refuse: the balloon it brought ("title: text") is returned and
    // the dialog cancelled. Nothing may reach the emulator.
    std::string RefusedBalloon(UINT nCommand, const std::function<void(HWND)>& fill)
    {
        std::string strBalloon;
        vorntest::DialogDriver driver([&](HWND h) {
            fill(h);
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            strBalloon = TakeBalloon();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        size_t nBefore = Received().size();
        pBar->SendMessage(WM_COMMAND, nCommand);
        PumpFor(300);
        EXPECT_EQ(nBefore, Received().size());
        return strBalloon;
    }
    bool WaitFor(const std::string& strLine) { return Pump([&] { return HasReceived(strLine); }, 10000); }
    // As Pump, but done() is asked after every message, as the program's
    // loop takes them one at a time; taken(), when given, is told of each
    // message once it is handled, before done() is asked.
    bool PumpEach(const std::function<bool()>& done, const std::function<void(const MSG&)>& taken = nullptr,
                  DWORD dwTimeoutMs = 20000)
    {
        MSG msg;
        bool bTook = false;
        for (DWORD dwStart = ::GetTickCount(); !done(); bTook = true) {
            if (::GetTickCount() - dwStart > dwTimeoutMs)
                return false;
            while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (bTook)
                    pView->OnIdleFlowControl();
                bTook = false;
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            }
            if (msg.message != WM_QUIT)
                app->DispatchOne(msg);
            if (taken)
                taken(msg);
        }
        return true;
    }
};

}  // namespace devtest
