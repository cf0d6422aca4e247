// HelpButtonWndHelp.h: the help requests of CHelpButtonWnd<T> (included by
// HelpButtonWndImpl.h): the tables, the balloon of WM_HELP, F1 and the
// window's HTML Help topic.
#pragma once

template <class T>
void CHelpButtonWnd<T>::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    size_t n = 0;
    const StandardHelpString* p = StandardHelpStrings(n);
    for (size_t i = 0; i < n; ++i)
        SetHelpString(StandardHelpKey(p[i], m_nIDTemplate), p[i].nStringId);
}

template <class T>
CString CHelpButtonWnd<T>::GetHelpString(DWORD dwKey)
{
    RegisterStandardHelpStrings();
    return LookupHelpString(nullptr, dwKey);
}

template <class T>
UINT CHelpButtonWnd<T>::GetHelpId(DWORD dwKey)
{
    RegisterHelpStrings();
    UINT nId = 0;
    return m_HelpIds.Lookup(dwKey, nId) ? nId : dwKey;
}

template <class T>
CString CHelpButtonWnd<T>::LookupHelpString(CHelpStringsMap* pMap, DWORD dwKey)
{
    UINT nStringId = 0;
    CString str;
    if ((pMap ? pMap : &m_HelpStrings)->Lookup(dwKey, nStringId))
        str = LoadHelpText(nStringId);
    return str;
}

// WM_HELP: the balloon of the control (or area) the request names.
template <class T>
BOOL CHelpButtonWnd<T>::OnHelpInfo(HELPINFO* pHelpInfo)
{
    m_bContextHelpMode = 0;
    if (pHelpInfo->iCtrlId == -1)
        return TRUE;
    DWORD dwContext = (DWORD)pHelpInfo->dwContextId;
    int nCtrlId = pHelpInfo->iCtrlId;
    if (HIWORD(dwContext) == 1) {  // a command's help id: its topic
        CWnd* pMain = AfxGetMainWnd();
        ShowHtmlHelp(kHHHelpContext, MakeHelpKey(GetHelpDialogId(), (UINT)nCtrlId), pMain ? pMain->m_hWnd : nullptr);
        return TRUE;
    }
    RegisterStandardHelpStrings();
    bool bTitleBarFallback = false;
    bool bStatusBar = false;
    if (dwContext == kTitleBarHelpKey && !IsMainWindow()) {
        dwContext = WindowHelpKey(m_nIDTemplate);  // a dialog's title bar is the dialog
        nCtrlId = 0;
        bTitleBarFallback = true;
    }
    if (dwContext == kStatusBarHelpKey && IsMainWindow()) {
        // The main window's status bar: the pane the request names, or the
        // bar itself off every pane, as the frame registers them.
        bStatusBar = true;
        if (nCtrlId == 0)
            nCtrlId = AFX_IDW_STATUS_BAR;
        dwContext = MakeHelpKey(GetHelpDialogId(), (UINT)nCtrlId);
    }
    if (dwContext == 0)
        dwContext = MakeHelpKey(m_nIDTemplate, (UINT)nCtrlId);
    CString strText = LookupHelpString(nullptr, dwContext);
    // Else the window's own text; a status pane without one of its own has
    // the standard text of its id (the keyboard indicators, the bar).
    if (strText.IsEmpty())
        strText = LookupHelpString(nullptr, bStatusBar ? MakeHelpKey(m_nIDTemplate, (UINT)nCtrlId)
                                                       : dwContext & 0xFFFF0000);
    if (strText.IsEmpty() && bTitleBarFallback)
        strText = LoadHelpText(kIdsTitleBarFallback);
    BalloonSpec spec = BuildBalloonSpec(
        strText, nCtrlId, LoadHelpText(kIdsWhatsThisTitle, "What's This? Help"),
        LoadHelpText(kIdsHelpUnavailable, "Help Unavailable"),
        LoadHelpText(kIdsNoBalloonDefined, "There is no popup balloon help defined for control #%d.\n\n"
                                           "Please choose another control or press F1 for context Help."));
    // The balloon leaves the focus where it is: the keys go on to the window
    // the user was in.
    ShowHelpBalloon(this->m_hWnd, spec, pHelpInfo->MousePos);
    return TRUE;
}

template <class T>
void CHelpButtonWnd<T>::OnContextHelpMode()
{
    m_bContextHelpMode = 1;
    SWhatsThisClick click = TrackWhatsThisClick(this->m_hWnd);
    if (!click.hTarget || !::IsWindow(this->m_hWnd)) {
        m_bContextHelpMode = 0;
        return;
    }
    HELPINFO hi = WhatsThisHelpInfo(click);
    // A control passes the request on to its parent (DefWindowProc), so that
    // a page's control is answered from the page's table.
    ::SendMessageA(click.hTarget, WM_HELP, 0, (LPARAM)&hi);
}

// F1 opens the help topic, Shift+F1 enters What's-This mode. Shift+F1 is
// taken at its key press, so that the mode is on before the input queued
// behind the key: the system's F1 notification, where it makes one, is
// posted only after that input (under Wine a click then operated the control).
template <class T>
BOOL CHelpButtonWnd<T>::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && ::GetKeyState(VK_SHIFT) < 0 &&
        (pMsg->hwnd == this->m_hWnd || ::IsChild(this->m_hWnd, pMsg->hwnd))) {
        this->SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        return TRUE;
    }
    if (pMsg->message == kWmKeyF1) {
        if (::GetKeyState(VK_SHIFT) < 0)
            this->SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        else
            ShowWindowHelp();
        return TRUE;
    }
    if (Composed() && !m_bCaptured && (pMsg->message == WM_NCMOUSEMOVE || pMsg->message == WM_MOUSEMOVE))
        TrackComposedHover(pMsg);
    return T::PreTranslateMessage(pMsg);
}

// Under composition the system sends no WM_NCHITTEST when the cursor leaves
// the caption for the client area: ask for one at every move, so that the
// button loses its hot look.
template <class T>
void CHelpButtonWnd<T>::TrackComposedHover(const MSG* pMsg)
{
    POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
    if (pMsg->message == WM_MOUSEMOVE)
        ::ClientToScreen(pMsg->hwnd, &pt);
    this->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
}

template <class T>
void CHelpButtonWnd<T>::ShowWindowHelp()
{
    m_bContextHelpMode = 0;
    if (!IsMainWindow())
        ShowHtmlHelp(kHHHelpContext, 0, nullptr);  // the focused control's topic
    else
        ShowHtmlHelp(kHHDisplayToc, 0, nullptr);
}

// IDHELP and the help command: the topic of the window (or active page).
template <class T>
void CHelpButtonWnd<T>::OnHelp()
{
    CHelpButtonPropertyPage* pPage = GetActiveHelpPage();
    UINT nId = pPage ? HelpPageDialogId(pPage) : m_nIDTemplate;
    ShowHtmlHelp(kHHHelpContext, WindowHelpKey(nId), nullptr);
}

template <class T>
void CHelpButtonWnd<T>::ShowHtmlHelp(UINT nCommand, DWORD_PTR dwData, HWND hCaller)
{
    HCURSOR hOld = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    HWND hHelp = nullptr;
    if (nCommand == kHHHelpContext) {
        DWORD dwKey = (DWORD)dwData;
        if (dwKey == 0) {
            HWND hFocus = ::GetFocus();
            UINT nCtrl = hFocus && !IsTopLevelWindow(hFocus) ? (UINT)::GetDlgCtrlID(hFocus) : 0;
            dwKey = MakeHelpKey(m_nIDTemplate, nCtrl);
        }
        hHelp = CallHtmlHelp(this->m_hWnd, kHHHelpContext, GetHelpId(dwKey));
        if (!hHelp)
            hHelp = CallHtmlHelp(this->m_hWnd, kHHHelpContext, WindowHelpKey(GetHelpDialogId()));
    }
    if (!hHelp)
        hHelp = CallHtmlHelp(this->m_hWnd, kHHDisplayToc, 0);
    ::SetCursor(hOld);
    if (!hHelp) {
        ShowHelpUnavailableMessage(this->m_hWnd);
        return;
    }
    RaiseHelpWindow(hHelp, hCaller);
}
