// VornGUIViewBars.cpp: the view's part in the bars: their fields at start,
// the font of the status line and register bars, and the command line's
// Send button.
#include "session/VornGUIView.h"

#include <cstring>

#include "config/WindowHelpers.h"
#include "framework/CMyFontDialog.h"
#include "platform/CCmdUI.h"
#include "platform/CFrameWnd.h"
#include "session/ChildCounts.h"
#include "session/PrivateMessages.h"

namespace {

const char kBarFontTitle[] = "Registers Bars and System Status Font";

}  // namespace

bool CVornGUIView::MakeBarFont(CFont& font, const CString& strName, int nPoints)
{
    CFont point;
    LOGFONTA lf = {};
    if (!point.CreatePointFont(nPoints * 10, strName) || !point.GetLogFont(&lf))
        return false;
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = FALSE;
    return font.CreateFontIndirect(&lf) != FALSE;
}

void CVornGUIView::InitBarControls()
{
    ResetStatusFields();
    if (m_receivers.hShellDirEdit && ::IsWindow(m_receivers.hShellDirEdit))
        ::SetWindowTextA(m_receivers.hShellDirEdit, m_settings.m_strCmdTargetDir);
    EnableCommandLine(IsEmulatorReady());
    ApplyBarFont();
}

void CVornGUIView::RefillBarControls(const SSessionReceivers& receivers, HWND hBar)
{
    FillBarControls(receivers, hBar);
    LayOutBarControls(hBar);
}

void CVornGUIView::FillBarControls(const SSessionReceivers& receivers, HWND hBar)
{
    StoreReceivers(receivers);
    auto fill = [&](HWND hCtl, const CString& strText) {
        if (!hCtl || !::IsChild(hBar, hCtl))
            return;
        ::SendMessageA(hCtl, WM_SETFONT, (WPARAM)m_statusFont.m_hObject, FALSE);
        ShowWindowText(hCtl, strText);
    };
    for (int i = 0; i < kStatusPartCount; ++i)
        fill(m_receivers.hStatusParts[i], m_strShownPart[i]);
    for (int i = 0; i < kRegisterFieldCount; ++i)
        fill(m_receivers.hRegisterFields[i], m_strShownRegister[i]);
    if (m_receivers.hCpuSpin && ::IsChild(hBar, m_receivers.hCpuSpin))
        ::SendMessageA(m_receivers.hCpuSpin, UDM_SETPOS, 0, MAKELPARAM(m_router.GetCurrentCpu() & 0xFFFF, 0));
    // The storage bar powers on as it would have when the emulator reported
    // its storage.
    if (hBar == m_receivers.hDisplayAlterBar && m_bStorageBarActive)
        ::PostMessageA(hBar, WM_EMULATOR_ACTIVE, 1, 0);
}

void CVornGUIView::LayOutBarControls(HWND hBar)
{
    LayOutRegisterBars(hBar);
    if (hBar == m_receivers.hStatusLineBar)
        ::SendMessageA(hBar, WM_LAYOUT_STATUS_FIELDS, 0, 0);
}

namespace {

// Two fonts of one description draw alike.
bool SameFont(CFont& a, CFont& b)
{
    LOGFONTA lfA = {}, lfB = {};
    return a.m_hObject && b.m_hObject && a.GetLogFont(&lfA) && b.GetLogFont(&lfB) &&
           std::memcmp(&lfA, &lfB, sizeof lfA) == 0;
}

}  // namespace

void CVornGUIView::ApplyBarFont()
{
    CFont font;
    if (!MakeBarFont(font, m_settings.m_strStatusFontName, m_settings.m_nStatusFontSize))
        return;
    // The font the fields have already (OK applies every page again after
    // Apply took them) leaves them and their bars as they are.
    if (!SameFont(font, m_statusFont)) {
        // The fields take the new font before the old one goes.
        auto give = [&font](HWND hCtl) {
            if (hCtl && ::IsWindow(hCtl))
                ::SendMessageA(hCtl, WM_SETFONT, (WPARAM)font.m_hObject, TRUE);
        };
        for (HWND hCtl : m_receivers.hStatusParts)
            give(hCtl);
        for (HWND hCtl : m_receivers.hRegisterFields)
            give(hCtl);
        m_statusFont.Attach(font.Detach());
        LayOutRegisterBars(nullptr);
    }
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SendMessage(WM_REBUILD_STATUS_BAR, m_settings.m_bStatusOnBar ? 1 : 0);
    if (m_receivers.hStatusLineBar && ::IsWindow(m_receivers.hStatusLineBar))
        ::SendMessageA(m_receivers.hStatusLineBar, WM_LAYOUT_STATUS_FIELDS, 0, 0);
}

void CVornGUIView::LayOutRegisterBars(HWND hBar)
{
    HWND hLast = nullptr;  // a bar's fields follow one another
    for (HWND hCtl : m_receivers.hRegisterFields) {
        HWND hParent = hCtl && ::IsWindow(hCtl) ? ::GetParent(hCtl) : nullptr;
        if (!hParent || hParent == hLast || (hBar && hParent != hBar))
            continue;
        hLast = hParent;
        ::SendMessageA(hParent, WM_LAYOUT_REGISTER_FIELDS, 0, 0);
    }
}

// A register bar's Font...: the chosen face and size, without effects.
LRESULT CVornGUIView::OnChooseBarFont(WPARAM, LPARAM)
{
    LOGFONTA lf = {};
    m_statusFont.GetLogFont(&lf);
    CMyFontDialog dlg(kBarFontTitle, &lf);
    dlg.m_cf.Flags &= ~(DWORD)CF_EFFECTS;
    if (dlg.DoModal() != IDOK)
        return 0;
    dlg.GetSelectedFont(lf);
    m_settings.m_strStatusFontName = lf.lfFaceName;
    m_settings.m_nStatusFontSize = dlg.GetSize() / 10;
    ApplyBarFont();
    return 0;
}

// The idle update keeps Send as the command line: disabled until the
// emulator is ready.
void CVornGUIView::OnUpdateCmdLineSend(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_hCmdLine && ::IsWindowEnabled(m_hCmdLine));
}

bool CVornGUIView::HasMultipleChildren() const
{
    return ::HasMultipleChildren(m_utilityRuns.GetCount(), IsEmulatorRunning());
}
