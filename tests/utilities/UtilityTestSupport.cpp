// UtilityTestSupport.cpp: driving a utility dialog and making test images.
#include "tests/utilities/UtilityTestSupport.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/CDialog.h"
#include "platform/ErrorBalloon.h"
#include "tests/platform/ModalDriver.h"

namespace vorntest {

namespace {

std::string WindowText(HWND h)
{
    char sz[1024] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

}  // namespace

SUtilityOk RunUtilitySteps(CDialog& dlg, const std::vector<std::function<void(HWND)>>& steps, bool bPressOk)
{
    SUtilityOk out;
    size_t nStep = 0;
    out.nResult = RunModal(dlg, [&](HWND h) {
        if (nStep < steps.size()) {
            steps[nStep++](h);
            return true;
        }
        if (nStep++ == steps.size() && bPressOk) {
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return true;
        }
        CString strTitle, strText;
        if (ErrorBalloonWindow(&strTitle, &strText))
            out.strBalloon = std::string(strTitle) + ": " + std::string(strText);
        ErrorBalloonHide();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    return out;
}

SUtilityOk PressUtilityOk(CDialog& dlg, int nEdit, const char* pszInput, const std::function<void(HWND)>& extra)
{
    std::string strShown;
    SUtilityOk out = RunUtilitySteps(dlg, {[&](HWND h) {
                                         if (extra)
                                             extra(h);
                                         HWND hEdit = ::GetDlgItem(h, nEdit);
                                         strShown = WindowText(hEdit);
                                         if (pszInput)
                                             ::SetWindowTextA(hEdit, pszInput);
                                     }});
    out.strShownInput = strShown;
    return out;
}

bool HoldUtilityForPicture(CDialog& dlg, const std::vector<std::function<void(HWND)>>& steps)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    if (!pszHold)
        return false;
    DWORD dwStart = 0;
    RunModal(dlg, [&](HWND h) {
        if (!dwStart) {
            dwStart = ::GetTickCount();
            for (const auto& step : steps)
                step(h);
        }
        if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
            return true;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    }, 100);
    return true;
}

int COverwriteAnswerer::s_nAsked = 0;
int COverwriteAnswerer::s_nButton = 0;

COverwriteAnswerer::COverwriteAnswerer(int nButton)
{
    s_nButton = nButton;
    s_nAsked = 0;
    m_timer = ::SetTimer(nullptr, 0, 20, OnTimer);
}

COverwriteAnswerer::~COverwriteAnswerer()
{
    ::KillTimer(nullptr, m_timer);
}

BOOL CALLBACK COverwriteAnswerer::Answer(HWND h, LPARAM)
{
    char sz[64] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    if (std::string(sz) != "Confirm Overwrite" || !::IsWindowVisible(h))
        return TRUE;
    ++s_nAsked;
    ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(s_nButton, BN_CLICKED), 0);
    return FALSE;
}

void CALLBACK COverwriteAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), Answer, 0);
}

std::string DiskImageBytes(const char* pszSignature)
{
    std::string s(1024, '\0');
    std::memcpy(&s[0], pszSignature, std::strlen(pszSignature) < 8 ? std::strlen(pszSignature) : 8);
    return s;
}

std::string ReadWholeFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

namespace {

BOOL CALLBACK FindTree(HWND hChild, LPARAM lParam)
{
    char szClass[32] = "";
    ::GetClassNameA(hChild, szClass, sizeof szClass);
    if (std::strcmp(szClass, WC_TREEVIEWA) != 0)
        return TRUE;
    *(HWND*)lParam = hChild;
    return FALSE;
}

std::string TreeItemText(HWND hTree, HTREEITEM hItem)
{
    char sz[MAX_PATH] = "";
    TVITEMA item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = hItem;
    item.pszText = sz;
    item.cchTextMax = MAX_PATH;
    ::SendMessageA(hTree, TVM_GETITEMA, 0, (LPARAM)&item);
    return sz;
}

}  // namespace

std::vector<std::string> FolderPickerSelection(HWND hPicker)
{
    std::vector<std::string> names;
    HWND hTree = nullptr;
    ::EnumChildWindows(hPicker, FindTree, (LPARAM)&hTree);
    HTREEITEM hItem = hTree ? (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0) : nullptr;
    if (!hItem)
        return names;
    names.push_back(TreeItemText(hTree, hItem));
    while ((hItem = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_PARENT, (LPARAM)hItem)) != nullptr &&
           (::SendMessageA(hTree, TVM_GETITEMSTATE, (WPARAM)hItem, TVIS_EXPANDED) & TVIS_EXPANDED))
        names.push_back(TreeItemText(hTree, hItem));
    return names;
}

}  // namespace vorntest
