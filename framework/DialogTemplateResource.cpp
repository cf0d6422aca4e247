// DialogTemplateResource.cpp: reading a dialog template resource and making
// a dialog that only measures.
#include "framework/DialogTemplateResource.h"

#include "platform/AfxResource.h"
#include "platform/CString.h"
#include "platform/Trace.h"

namespace {

INT_PTR CALLBACK MeasuringDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

bool LoadDialogTemplate(UINT nIDTemplate, CDialogTemplateEx& tmpl)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), (LPCSTR)RT_DIALOG);
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    return pData && tmpl.Parse(pData, ::SizeofResource(hInst, hRes));
}

HWND CreateMeasuringDialog(const std::vector<BYTE>& tmpl, HWND hParent)
{
    if (tmpl.empty())
        return nullptr;
    return ::CreateDialogIndirectParamA(AfxGetResourceHandle(), (LPCDLGTEMPLATEA)tmpl.data(), hParent,
                                        MeasuringDialogProc, 0);
}

HWND CreateTemplateControl(HWND hDlg, const SDialogTemplateItem& item)
{
    auto narrow = [](const std::u16string& s) { return CString::FromWide((LPCWSTR)s.c_str(), (int)s.size()); };
    // The predefined classes by their ordinals: Button, Edit, Static, ListBox, ScrollBar, ComboBox.
    static const char* const kClasses[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    CString strClass = narrow(item.strClass);
    if (item.wClassOrdinal >= 0x80 && item.wClassOrdinal <= 0x85)
        strClass = kClasses[item.wClassOrdinal - 0x80];
    CString strTitle = narrow(item.strTitle);
    if (item.wTitleOrdinal)
        strTitle.Format("#%u", item.wTitleOrdinal);
    // The dialog manager maps the size apart from the place.
    RECT rc = {item.x, item.y, item.cx, item.cy};
    ::MapDialogRect(hDlg, &rc);
    std::vector<BYTE> data;
    if (!item.creationData.empty()) {
        WORD nSize = (WORD)item.creationData.size();
        data.assign((const BYTE*)&nSize, (const BYTE*)&nSize + sizeof nSize);
        data.insert(data.end(), item.creationData.begin(), item.creationData.end());
    }
    // The dialog manager draws a bordered control with a sunken edge (the
    // three-dimensional look every dialog has had since Windows 95).
    DWORD dwStyle = item.dwStyle | WS_CHILD, dwExStyle = item.dwExStyle | WS_EX_NOPARENTNOTIFY;
    if (dwStyle & WS_BORDER) {
        dwStyle &= ~(DWORD)WS_BORDER;
        dwExStyle |= WS_EX_CLIENTEDGE;
    }
    HWND hCtrl = ::CreateWindowExA(dwExStyle, strClass, strTitle, dwStyle, rc.left, rc.top, rc.right, rc.bottom, hDlg,
                                   (HMENU)(UINT_PTR)item.nId, (HINSTANCE)::GetWindowLongPtrA(hDlg, GWLP_HINSTANCE),
                                   data.empty() ? nullptr : data.data());
    if (!hCtrl) {
        TRACE_FAILED_CALL("CreateWindowExA");
        return nullptr;
    }
    if (item.dwHelpId)
        ::SetWindowContextHelpId(hCtrl, item.dwHelpId);
    ::SendMessageA(hCtrl, WM_SETFONT, (WPARAM)::SendMessageA(hDlg, WM_GETFONT, 0, 0), FALSE);
    return hCtrl;
}
