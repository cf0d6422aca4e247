// CCmdUI.cpp: updating menu items and controls from update handlers.
#include "platform/CCmdUI.h"

#include "platform/CMenu.h"
#include "platform/CWnd.h"

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu) {
        ::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    } else if (m_pOther) {
        // Most updates leave the state as it was: the style says so without
        // asking for the focus, a server call under Wine.
        bool bEnabled = (::GetWindowLongA(m_pOther->m_hWnd, GWL_STYLE) & WS_DISABLED) == 0;
        if (bEnabled != (bOn != FALSE)) {
            // Keyboard focus must not stay on a control being disabled.
            if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
                ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
            m_pOther->EnableWindow(bOn);
        }
    }
    m_bEnableChanged = true;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu)
        ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    else if (m_pOther && (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (m_pMenu) {
        if (bOn)
            ::CheckMenuRadioItem(m_pMenu->m_hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
        else
            ::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
    } else {
        SetCheck(bOn ? 1 : 0);
    }
}

void CCmdUI::SetText(LPCSTR pszText)
{
    if (m_pMenu) {
        UINT state = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION) &
                     (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        ::ModifyMenuA(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, pszText);
    } else if (m_pOther) {
        m_pOther->SetWindowText(pszText);
    }
}

bool CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    m_bEnableChanged = false;
    m_bContinueRouting = false;
    if (m_nID == 0 || !pTarget)
        return false;
    bool handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this);
    if (handled && !m_bContinueRouting)
        return true;
    if (bDisableIfNoHndler && !m_bEnableChanged)
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND_PROBE, nullptr));
    return handled;
}
