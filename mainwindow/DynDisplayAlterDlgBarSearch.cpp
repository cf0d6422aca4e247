// DynDisplayAlterDlgBarSearch.cpp: find and replace in storage. The find
// dialog collects the texts and options; the search thread walks storage
// into a buffer of its own (the window and the hex view stay with the GUI
// thread) and posts WM_FINDREP_NOTIFY code 95 when it ends; the GUI thread
// then selects what was found, or says it was not, and unlocks the bar.
#include "mainwindow/DynDisplayAlterDlgBar.h"

#include <algorithm>

#include "framework/MyFindRepDlg.h"
#include "platform/MessageBoxes.h"
#include "platform/Trace.h"
#include "platform/WLTaskDialog.h"
#include "platform/WideText.h"
#include "platform/WindowHelpers.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

const char kFindRepSectionName[] = "Settings\\FindRep";
// The thread's own code of WM_FINDREP_NOTIFY: the search has ended.
const UINT_PTR kSearchEnded = 95;

// An information task dialog with an OK button over the bar.
void ShowInformation(HWND hOwner, const char* pszName, const CString& strTitle, const CString& strText)
{
    std::wstring title = WideFromAnsi(strTitle), text = WideFromAnsi(strText);
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof tdc;
    tdc.hwndParent = hOwner;
    tdc.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    tdc.dwCommonButtons = TDCBF_OK_BUTTON;
    tdc.pszWindowTitle = title.c_str();
    tdc.pszMainIcon = TD_INFORMATION_ICON;
    tdc.pszContent = text.c_str();
    if (FAILED(WLTaskDialogIndirect(pszName, &tdc, nullptr)))
        TDMessageBox(strText, nullptr, strTitle, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

bool CDynDisplayAlterDlgBar::IsFindDialogShown() const
{
    return GetFindDialog() && ::IsWindowVisible(m_hFindDlg);
}

void CDynDisplayAlterDlgBar::CloseFindDialog()
{
    if (GetFindDialog())
        ::SendMessageA(m_hFindDlg, WM_FINDREP_NOTIFY, kFindRepDestroy, 0);
    m_pFindDlg = nullptr;
    m_hFindDlg = nullptr;
}

// The dialog's texts and options, taken each time a find or replace starts.
void CDynDisplayAlterDlgBar::TakeFindOptions(const CMyFindRepDlg* pDlg)
{
    if (!pDlg)
        return;
    m_strFindText = pDlg->m_strFindText;
    m_wFindClass = pDlg->m_wFindClass;
    m_strReplaceText = pDlg->m_strReplaceText;
    m_wReplaceClass = pDlg->m_wReplaceClass;
    m_bMatchWord = pDlg->m_bMatchWord;
    m_bMatchCase = pDlg->m_bMatchCase;
    m_bHexSearch = pDlg->m_bHexSearch;
    m_bSearchFwd = pDlg->m_nDirection == 1;
}

LRESULT CDynDisplayAlterDlgBar::OnFindRepNotify(WPARAM wp, LPARAM lp)
{
    const CMyFindRepDlg* pDlg = GetFindDialog() && lp == (LPARAM)m_pFindDlg ? m_pFindDlg : nullptr;
    switch (wp) {
    case kSearchEnded:
        OnSearchEnded();
        break;
    case kFindRepFindNext:
        TakeFindOptions(pDlg);
        if (pDlg && !(pDlg->m_wHideMask & CMyFindRepDlg::kNoAutoHide))
            CloseFindDialog();
        FindNext(m_bSearchFwd);
        break;
    case kFindRepClosing:
        if (!m_bSearchRunning) {
            CloseFindDialog();
        } else {
            m_bStopRequested = true;
            StopSearchThread();
        }
        m_HexEdit.SetFocus();
        break;
    case kFindRepReplace:
        TakeFindOptions(pDlg);
        ReplaceNext(m_bSearchFwd);
        break;
    case kFindRepReplaceAll:
        TakeFindOptions(pDlg);
        if (pDlg && !(pDlg->m_wHideMask & CMyFindRepDlg::kNoAutoHide))
            CloseFindDialog();
        ReplaceAll();
        break;
    default:
        break;
    }
    return 1;
}

// Find Next / Find Previous (F3, Shift+F3, the dialog's Find Next).
void CDynDisplayAlterDlgBar::FindNext(bool bForward)
{
    m_strOperation = bForward ? "Find Next" : "Find Previous";
    if (m_nStorageAddress == 0) {
        MyMessageBeep();
        return;
    }
    if (m_strFindText.IsEmpty()) {
        OpenFindDialog(true);
        return;
    }
    m_bSearchFwd = bForward;
    StartSearch(bForward, true);
}

// True when the selection holds the find pattern (under the case and
// whole-word rules); the bytes around it are read for the word rule.
bool CDynDisplayAlterDlgBar::SelectionMatches()
{
    UINT64 nStart, nEnd;
    m_HexEdit.GetSel(nStart, nEnd);
    size_t m = m_pattern.Length();
    if (m == 0 || nEnd - nStart != m)
        return false;
    UINT64 nSize = m_window.StorageSize();
    UINT64 nLo = nStart > 0 ? nStart - 1 : 0;
    UINT64 nHi = std::min(nSize, nEnd + 1);
    std::vector<BYTE> bytes((size_t)(nHi - nLo));
    if (CVornGUIView::ReadChildMemory(m_nStorageAddress + nLo, bytes.data(), bytes.size()) != bytes.size())
        return false;
    return m_pattern.MatchesAt(bytes.data(), bytes.size(), (size_t)(nStart - nLo));
}

// A replace needs storage (else a beep) and both texts (else the dialog
// opens for find and replace).
bool CDynDisplayAlterDlgBar::CanReplace()
{
    if (m_nStorageAddress == 0) {
        MyMessageBeep();
        return false;
    }
    if (m_strFindText.IsEmpty() || m_strReplaceText.IsEmpty()) {
        OpenFindDialog(false);
        return false;
    }
    return true;
}

// Replace Next / Replace Previous: the selection, when it is a match, is
// overwritten through the hex view (so through the write callback), and the
// next search starts after what was written.
void CDynDisplayAlterDlgBar::ReplaceNext(bool bForward)
{
    if (!m_bReplaceAll)
        m_strOperation = bForward ? "Replace Next" : "Replace Previous";
    if (!CanReplace())
        return;
    m_bSearchFwd = bForward;
    m_pattern.Set(MakeSearchBytes(m_strFindText, m_wFindClass),
                  {m_bHexSearch != FALSE, m_bMatchCase != FALSE, m_bMatchWord != FALSE});
    m_replaceBytes = MakeSearchBytes(m_strReplaceText, m_wReplaceClass);
    UINT64 nStart, nEnd;
    m_HexEdit.GetSel(nStart, nEnd);
    if (!m_replaceBytes.empty() && SelectionMatches() &&
        m_HexEdit.ReplaceSel(m_replaceBytes.data(), (UINT)m_replaceBytes.size())) {
        m_HexEdit.GetSel(nStart, nEnd);
        // Forward, the search goes on after the bytes just written: a
        // replacement that holds the pattern is not found and replaced again.
        UINT64 nNext = nEnd;
        StartSearch(bForward, false, bForward ? &nNext : nullptr);
        return;
    }
    StartSearch(bForward, true);
}

void CDynDisplayAlterDlgBar::ReplaceAll()
{
    m_strOperation = "Replace All";
    if (!CanReplace())
        return;
    m_bReplaceAll = true;
    m_nReplaced = 0;
    WLSetRedraw(&m_HexEdit, FALSE);
    m_bRedrawLocked = ::LockWindowUpdate(m_HexEdit.m_hWnd) != FALSE;
    m_HexEdit.GetSel(m_nSavedSelStart, m_nSavedSelEnd);
    UINT64 nStart = m_bSearchFwd ? 0 : m_window.StorageSize() - 1;
    m_HexEdit.SetSel(nStart, nStart);
    if (!StartSearch(m_bSearchFwd, false, &nStart))
        EndReplaceAll(false);
}

void CDynDisplayAlterDlgBar::EndReplaceAll(bool bShowResult)
{
    if (m_bRedrawLocked)
        ::LockWindowUpdate(nullptr);
    m_bRedrawLocked = false;
    WLSetRedraw(&m_HexEdit, TRUE);
    m_HexEdit.SetSel(m_nSavedSelStart, m_nSavedSelEnd);
    m_bReplaceAll = false;
    m_HexEdit.Invalidate(TRUE);
    if (!bShowResult)
        return;
    if (m_nReplaced > 0)
        ShowInformation(m_hWnd, "WLTDI_EndReplaceAll", m_strOperation, StorageReplacedText(m_nReplaced));
    else
        ShowNotFound();
}

void CDynDisplayAlterDlgBar::ShowNotFound()
{
    ShowInformation(m_hWnd, "WLTDI_NotFound", m_strOperation,
                    StorageNotFoundText(m_bHexSearch != FALSE, m_strFindText, m_bSearchFwd));
}

// Starts the search thread from the selection (bAfterSelection: from its
// start, or one after it when it is not empty; backward one before it) or
// from *pStart. False (with a beep) without storage or while a search runs.
bool CDynDisplayAlterDlgBar::StartSearch(bool bForward, bool bAfterSelection, const UINT64* pStart)
{
    if (m_nStorageAddress == 0 || m_bSearchRunning) {
        MyMessageBeep();
        return false;
    }
    StopRefreshThread();
    EnableStorageControls(false);
    if (GetFindDialog())
        ::SendMessageA(m_hFindDlg, WM_FINDREP_NOTIFY, kFindRepDisable, 0);
    m_pattern.Set(MakeSearchBytes(m_strFindText, m_wFindClass),
                  {m_bHexSearch != FALSE, m_bMatchCase != FALSE, m_bMatchWord != FALSE});
    m_bSearchRunning = true;
    m_bStopRequested = false;
    {
        CSingleLock lock(&m_csSearch, TRUE);
        m_searchResult = SStorageSearchResult();
    }
    UINT64 nSize = m_window.StorageSize();
    UINT64 nStart, nEnd;
    m_HexEdit.GetSel(nStart, nEnd);
    bool bNothingLeft = false;
    if (pStart) {
        nStart = *pStart;
    } else if (bForward) {
        nStart += bAfterSelection && nEnd != nStart ? 1 : 0;
    } else if (nStart == 0) {
        bNothingLeft = true;
    } else {
        nStart -= 1;
    }
    if (bNothingLeft || nStart >= nSize || m_pattern.Length() == 0) {
        OnSearchEnded();
        return true;
    }
    if (m_searchBuffer.size() != std::min<UINT64>(kStorageWindowMax, nSize)) {
        try {
            m_searchBuffer.assign((size_t)std::min<UINT64>(kStorageWindowMax, nSize), 0);
        } catch (const std::bad_alloc&) {
            m_searchBuffer.clear();
            OnSearchEnded();
            return true;
        }
    }
    m_nSearchStart = nStart;
    m_nSearchSize = nSize;
    m_nSearchStorageAddress = m_nStorageAddress;
    m_bSearchFwd = bForward;
    // The console view keeps the direction ("SearchFwd") for both.
    if (g_pView)
        g_pView->SetSearchForward(bForward);
    m_evStopSearch.ResetEvent();
    m_hSearchThread = ::CreateThread(nullptr, 0, &CDynDisplayAlterDlgBar::SearchThreadProc, this, 0, nullptr);
    if (!m_hSearchThread) {
        TRACE_FAILED_CALL("::CreateThread(nullptr, 0, SearchThreadProc, this, 0, nullptr)");
        OnSearchEnded();
    }
    return true;
}

DWORD WINAPI CDynDisplayAlterDlgBar::SearchThreadProc(LPVOID pThis)
{
    return RunWorker(pThis, &CDynDisplayAlterDlgBar::SearchLoop);
}

// The search thread: reads storage into its own buffer, searches, posts.
void CDynDisplayAlterDlgBar::SearchLoop()
{
    const UINT64 nBase = m_nSearchStorageAddress;
    StorageReader read = [nBase](UINT64 nAddress, BYTE* pBuf, size_t n) {
        return CVornGUIView::ReadChildMemory(nBase + nAddress, pBuf, n) == n;
    };
    HANDLE hStop = m_evStopSearch;
    SStorageSearchResult result =
        SearchStorage(m_pattern, m_nSearchSize, m_nSearchStart, m_bSearchFwd, m_searchBuffer, read,
                      [hStop] { return ::WaitForSingleObject(hStop, 0) == WAIT_OBJECT_0; });
    {
        CSingleLock lock(&m_csSearch, TRUE);
        m_searchResult = result;
    }
    ::PostMessageA(m_hWnd, WM_FINDREP_NOTIFY, kSearchEnded, 0);
}

// Code 95: the search has ended (or never started). The result is shown,
// Replace All goes on with the next occurrence, else the bar is unlocked.
void CDynDisplayAlterDlgBar::OnSearchEnded()
{
    if (!m_bSearchRunning)
        return;
    StopSearchThread();
    m_bSearchRunning = false;
    SStorageSearchResult result;
    {
        CSingleLock lock(&m_csSearch, TRUE);
        result = m_searchResult;
    }
    if (!m_bReplaceAll && GetFindDialog())
        ::SendMessageA(m_hFindDlg, WM_FINDREP_NOTIFY, kFindRepEnable, 0);
    bool bFound = result.eEnd == kStorageFound && m_nStorageAddress != 0;
    bool bReadFailed = result.eEnd == kStorageReadFailed && m_nStorageAddress != 0;
    if (bFound) {
        m_HexEdit.SetSel(result.nFound, result.nFound + m_pattern.Length());
        m_AddrEdit.SetWindowText(FormatStorageAddress(result.nFound, m_window.StorageSize()));
        if (m_bReplaceAll) {
            ++m_nReplaced;
            m_HexEdit.EnableWindow(TRUE);
            ReplaceNext(m_bSearchFwd);
            if (m_bSearchRunning)
                return;
        }
    }
    bool bReplaceAll = m_bReplaceAll;
    if (bReplaceAll)
        EndReplaceAll(!m_bStopRequested && !bReadFailed);
    if (bReadFailed) {
        // A failed read is said so, not taken for storage without the
        // pattern; the view then shows whether its window can be read.
        TDMessageBox(kStorageReadErrorText, StorageSearchReadFailedText(result.nPosition, m_window.StorageSize()),
                     m_strOperation, MB_ICONEXCLAMATION);
        PostMessage(WM_STORAGE_REREAD, 0, 0);
    } else if (!bReplaceAll && !bFound && !m_bStopRequested && m_nStorageAddress != 0) {
        // A search stopped by the user found nothing, it did not fail.
        ShowNotFound();
    }
    EndSearch();
}

void CDynDisplayAlterDlgBar::EndSearch()
{
    StartStopAutoRefresh(m_bRunRequested);
    EnableStorageControls(IsRunningAndReady() && m_nStorageAddress != 0 && !m_bUnreadable);
    m_HexEdit.Invalidate(FALSE);
    if (GetFindDialog())
        ::SendMessageA(m_hFindDlg, WM_FINDREP_NOTIFY, kFindRepSearchDone, 0);
}

// Ctrl+F, Ctrl+H, Find Next without a text: the modeless find dialog,
// starting from the selected bytes.
void CDynDisplayAlterDlgBar::OpenFindDialog(bool bFindOnly)
{
    if (m_nStorageAddress == 0) {
        MyMessageBeep();
        return;
    }
    if (GetFindDialog()) {
        m_pFindDlg->ShowWindow(SW_SHOW);
        m_pFindDlg->SetFocus();
        return;
    }
    UINT64 nStart, nEnd;
    m_HexEdit.GetSel(nStart, nEnd);
    bool bHexPane = m_HexEdit.GetActivePane() == HexPane::Hex;
    if (nEnd > nStart) {
        UINT n = (UINT)std::min<UINT64>(nEnd - nStart, kStorageSearchMaxBytes);
        if (const BYTE* p = ReadBytes(nStart, n))
            m_strFindText = MakeStorageFindText(p, n, bHexPane);
    }
    CMyFindRepDlg* pDlg = new CMyFindRepDlg(this, bFindOnly, kFindRepSectionName);
    pDlg->m_strCaption = bFindOnly ? "Find Storage" : "Find / Replace Storage";
    pDlg->m_wHideMask |= CMyFindRepDlg::kHideRegEx | CMyFindRepDlg::kHideSelectionOnly |
                         CMyFindRepDlg::kHideWrapAround;
    pDlg->m_strFindText = m_strFindText;
    pDlg->m_strReplaceText = m_strReplaceText;
    pDlg->m_nDirection = m_bSearchFwd ? 1 : 0;
    pDlg->m_bHexSearch = bHexPane ? TRUE : FALSE;
    pDlg->m_bMatchWord = m_bMatchWord;
    pDlg->m_bMatchCase = m_bMatchCase;
    if (!pDlg->Create()) {
        delete pDlg;
        return;
    }
    m_pFindDlg = pDlg;
    m_hFindDlg = pDlg->m_hWnd;
    pDlg->ShowWindow(SW_SHOW);
}
