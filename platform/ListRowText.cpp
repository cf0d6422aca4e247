// ListRowText.cpp: rows of list and combo boxes, asked for in Unicode.
#include "platform/ListRowText.h"

#include <string>

namespace {

// The row through the control's length and text messages, in Unicode.
CString RowText(HWND h, UINT nLengthMsg, UINT nTextMsg, int nIndex)
{
    LRESULT nLength = ::SendMessageW(h, nLengthMsg, (WPARAM)nIndex, 0);
    if (nLength <= 0)
        return CString();
    std::wstring text((size_t)nLength + 1, L'\0');
    LRESULT nGot = ::SendMessageW(h, nTextMsg, (WPARAM)nIndex, (LPARAM)&text[0]);
    if (nGot <= 0)
        return CString();
    int nWide = (int)(nGot < nLength ? nGot : nLength);
    int nAnsi = ::WideCharToMultiByte(CP_ACP, 0, text.data(), nWide, nullptr, 0, nullptr, nullptr);
    CString str;
    if (nAnsi > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, text.data(), nWide, str.GetBufferSetLength(nAnsi), nAnsi, nullptr, nullptr);
        str.ReleaseBuffer(nAnsi);
    }
    return str;
}

}  // namespace

CString ListBoxGetText(HWND hList, int nIndex)
{
    return RowText(hList, LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

CString ComboBoxGetLBText(HWND hCombo, int nIndex)
{
    return RowText(hCombo, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}
