// VornGUIViewSubscribe.cpp: the bars' subscriptions. The main frame posts
// one WM_SUBSCRIBE_* message per data bar when the bar is shown or hidden
// and at the handshake; the view switches the matching status report of the
// emulator on or off, so that only shown data is reported.
#include "session/VornGUIView.h"

#include "session/DevListReceiver.h"
#include "session/PrivateMessages.h"

namespace {

// The register and CPU-percent reports: the line each flag sends.
const char* const kSubscriptionLines[CVornGUIView::kSubscriptionCount] = {
    nullptr,            // kSubDevList: its own rules
    nullptr,            // kSubStorage: the display/alter bar's own
    "]CPUPCTALL=%c",
    "]GREGS=%c",   "]CREGS=%c",   "]AREGS=%c",   "]FREGS=%c",
    "]GREGS64=%c", "]CREGS64=%c", "]FREGS64=%c", "]VREGS=%c",
};

// The emulator version from which the device list comes in its incremental
// form, and from which device numbers carry their channel subsystem.
const double kNewDevListVersion = 3.03;
const double kLcssNumVersion = 4.7;

}  // namespace

// Stores the flag; with an emulator, tells it the report's new state.
void CVornGUIView::Subscribe(int nSubscription, WPARAM wp)
{
    m_nSubscribed[nSubscription] = (int)wp;
    if (!m_pEmulator)
        return;
    CString str;
    str.Format(kSubscriptionLines[nSubscription], wp ? '1' : '0');
    SendCommand(str);
}

LRESULT CVornGUIView::OnSubscribeCpuPctAll(WPARAM wp, LPARAM) { Subscribe(kSubCpuPctAll, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeGRegs(WPARAM wp, LPARAM) { Subscribe(kSubGRegs, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeCRegs(WPARAM wp, LPARAM) { Subscribe(kSubCRegs, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeARegs(WPARAM wp, LPARAM) { Subscribe(kSubARegs, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeFRegs(WPARAM wp, LPARAM) { Subscribe(kSubFRegs, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeGRegs64(WPARAM wp, LPARAM) { Subscribe(kSubGRegs64, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeCRegs64(WPARAM wp, LPARAM) { Subscribe(kSubCRegs64, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeFRegs64(WPARAM wp, LPARAM) { Subscribe(kSubFRegs64, wp); return 0; }
LRESULT CVornGUIView::OnSubscribeVRegs(WPARAM wp, LPARAM) { Subscribe(kSubVRegs, wp); return 0; }

// Only while an emulator runs, and only once its main storage is known
// (its version has been reported by then). Nothing is sent to hide it.
LRESULT CVornGUIView::OnSubscribeDevList(WPARAM wp, LPARAM)
{
    if (!m_pEmulator)
        return 0;
    m_nSubscribed[kSubDevList] = (int)wp;
    if (wp == 0 || !IsMainStorageKnown())
        return 0;
    SubscribeDeviceList();
    return 0;
}

// The device-list subscription in the form the emulator's version knows;
// written at once, also before the emulator is ready (its list makes it so).
void CVornGUIView::SubscribeDeviceList()
{
    double dVersion = m_router.GetVersion();
    bool bNewFormat = dVersion >= kNewDevListVersion;
    if (m_receivers.pDevListBar)
        m_receivers.pDevListBar->SetNewFormatDevList(bNewFormat);
    SendNow(bNewFormat ? "]NEWDEVLIST=1" : "]DEVLIST=1");
    if (dVersion >= kLcssNumVersion)
        SendNow("]LCSSNUM=1");
}

// The display/alter bar switches its own storage reading.
LRESULT CVornGUIView::OnSubscribeStorage(WPARAM wp, LPARAM lp)
{
    m_nSubscribed[kSubStorage] = (int)wp;
    HWND hBar = m_receivers.hDisplayAlterBar;
    if (hBar && ::IsWindow(hBar))
        ::PostMessageA(hBar, WM_SUBSCRIBE_STORAGE, wp, lp);
    return 0;
}
