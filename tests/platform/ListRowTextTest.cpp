// ListRowTextTest.cpp: rows of 100 KB in every kind of list and combo box
// the program uses, each made by its wrapper, subclassed by an object or left
// alone: written, found, read back by the wrappers, by data exchange (both
// ways) and by an outside reader asking in Unicode, selected and painted,
// whole and with the process alive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Afx.h"
#include "platform/ListRowText.h"

namespace {

const size_t kLongRow = 100 * 1024;

std::string LongRow()
{
    std::string str(kLongRow, 'v');
    for (size_t i = 0; i < str.size(); i += 1000)
        str[i] = (char)('0' + i / 1000 % 10);  // a cut or a shift shows
    str.front() = 'Z';  // sorted after the short row
    str.back() = 'Q';
    return str;
}

class CHost : public CWnd {
public:
    CHost()
    {
        CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300),
                 nullptr, 0);
    }
};

// An owner-drawn list that draws each row from its text, as the Devices
// page's list does; it keeps the length of the longest row it drew.
class COwnerList : public CListBox {
    DECLARE_MESSAGE_MAP()
public:
    size_t m_nLongestDrawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT pDIS)
    {
        if ((int)pDIS->itemID < 0)
            return;
        CString str;
        GetText((int)pDIS->itemID, str);
        if ((size_t)str.GetLength() > m_nLongestDrawn)
            m_nLongestDrawn = (size_t)str.GetLength();
        RECT rc = pDIS->rcItem;
        ::DrawTextA(pDIS->hDC, str, str.GetLength(), &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
};

BEGIN_MESSAGE_MAP(COwnerList, CListBox)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

enum class Binding { Wrapper, Subclassed, Alone };

const struct {
    const char* pszKind;
    const char* pszClass;
    DWORD dwStyle;
} kKinds[] = {
    {"list", "LISTBOX", LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL},
    {"sorted list", "LISTBOX", LBS_SORT | LBS_NOTIFY | WS_VSCROLL},
    {"owner-drawn list with strings", "LISTBOX",
     LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL},
    {"drop-down list", "COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL},
    {"drop-down combo", "COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL},
    {"simple combo", "COMBOBOX", CBS_SIMPLE | CBS_AUTOHSCROLL},
    {"extended combo", WC_COMBOBOXEXA, CBS_DROPDOWNLIST | WS_VSCROLL},
};

// A row added at the end, as each kind takes it.
void AddRow(HWND h, const char* pszClass, const char* pszRow)
{
    if (std::string(pszClass) == "LISTBOX") {
        ::SendMessageA(h, LB_ADDSTRING, 0, (LPARAM)pszRow);
    } else if (std::string(pszClass) == "COMBOBOX") {
        ::SendMessageA(h, CB_ADDSTRING, 0, (LPARAM)pszRow);
    } else {
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = -1;
        item.pszText = (LPSTR)pszRow;
        ::SendMessageA(h, CBEM_INSERTITEMA, 0, (LPARAM)&item);
    }
}

// The window of one kind, made as the binding says; pObject is the object
// to bind (null when left alone).
HWND MakeControl(CHost& host, const char* pszClass, DWORD dwStyle, CWnd* pObject, Binding binding, UINT nID)
{
    DWORD dwAll = dwStyle | WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (binding == Binding::Wrapper) {
        pObject->CreateEx(0, pszClass, nullptr, dwAll, CRect(10, 10, 410, 210), &host, nID);
        return pObject->m_hWnd;
    }
    HWND h = ::CreateWindowExA(0, pszClass, nullptr, dwAll, 10, 10, 400, 200, host.m_hWnd, (HMENU)(UINT_PTR)nID,
                               nullptr, nullptr);
    if (binding == Binding::Subclassed)
        pObject->SubclassWindow(h);
    return h;
}

// What an outside reader (an accessibility client) gets asking in Unicode.
std::string RowAskedInUnicode(HWND h, bool bList, int nIndex)
{
    LRESULT n = ::SendMessageW(h, bList ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, (WPARAM)nIndex, 0);
    if (n < 0)
        return "(error)";
    std::wstring text((size_t)n + 1, L'\0');
    n = ::SendMessageW(h, bList ? LB_GETTEXT : CB_GETLBTEXT, (WPARAM)nIndex, (LPARAM)&text[0]);
    return std::string(text.begin(), text.begin() + (n > 0 ? n : 0));
}

}  // namespace

// Each kind and binding in turn; every path that reads a row back must give
// all of it. A row crossing between the ANSI and Unicode forms of these
// messages under Wine comes back cut, garbled, or ends the process.
TEST(ListRowText, HundredKilobyteRowsComeBackWholeFromEveryListKind)
{
    const std::string strLong = LongRow();
    std::vector<std::string> faults;
    auto expect = [&](bool bOk, const std::string& where, const char* pszWhat) {
        if (!bOk)
            faults.push_back(where + ": " + pszWhat);
    };
    UINT nID = 100;
    for (const auto& kind : kKinds) {
        const bool bList = std::string(kind.pszClass) == "LISTBOX";
        const bool bOwner = (kind.dwStyle & LBS_OWNERDRAWFIXED) != 0;
        for (Binding binding : {Binding::Wrapper, Binding::Subclassed, Binding::Alone}) {
            const std::string where = std::string(kind.pszKind) +
                                      (binding == Binding::Wrapper      ? " made by its wrapper"
                                       : binding == Binding::Subclassed ? " subclassed"
                                                                        : " left alone");
            CHost host;
            COwnerList owner;
            CListBox list;
            CComboBox combo;
            CComboBoxEx comboEx;
            CComboBox* pCombo = std::string(kind.pszClass) == WC_COMBOBOXEXA ? &comboEx : &combo;
            CWnd* pObject = bOwner ? &owner : bList ? (CWnd*)&list : pCombo;
            HWND h = MakeControl(host, kind.pszClass, kind.dwStyle, binding == Binding::Alone ? nullptr : pObject,
                                 binding, ++nID);
            ASSERT_TRUE(::IsWindow(h)) << where;
            AddRow(h, kind.pszClass, "ZQC short row");
            AddRow(h, kind.pszClass, strLong.c_str());
            int n = (int)::SendMessageA(h, bList ? LB_FINDSTRINGEXACT : CB_FINDSTRINGEXACT, (WPARAM)-1,
                                        (LPARAM)strLong.c_str());
            expect(n == 1, where, "the long row is found");
            CString strRow = bList ? ListBoxGetText(h, n) : ComboBoxGetLBText(h, n);
            expect(strRow.GetString() == strLong, where, "read by the helper");
            if (binding != Binding::Alone) {
                CString strWrapped;
                if (bList)
                    static_cast<CListBox*>(pObject)->GetText(n, strWrapped);
                else
                    pCombo->GetLBText(n, strWrapped);
                expect(strWrapped.GetString() == strLong, where, "read by the wrapper");
            }
            expect(RowAskedInUnicode(h, bList, n) == strLong, where, "asked for in Unicode from outside");
            expect((bList ? ListBoxGetText(h, 1 - n) : ComboBoxGetLBText(h, 1 - n)) == "ZQC short row", where,
                   "the short row beside it");
            expect((bList ? ListBoxGetText(h, 5) : ComboBoxGetLBText(h, 5)).IsEmpty(), where, "no such row");
            // Selected, saved by data exchange, and painted.
            if (bList && (kind.dwStyle & LBS_EXTENDEDSEL))
                ::SendMessageA(h, LB_SETSEL, TRUE, n);
            ::SendMessageA(h, bList ? LB_SETCURSEL : CB_SETCURSEL, (WPARAM)n, 0);
            CString strSaved;
            CDataExchange dx(&host, TRUE);
            if (bList)
                DDX_LBString(&dx, (int)nID, strSaved);
            else
                DDX_CBString(&dx, (int)nID, strSaved);
            expect(strSaved.GetString() == strLong, where, "saved by data exchange");
            ::SendMessageA(h, bList ? LB_SETCURSEL : CB_SETCURSEL, (WPARAM)-1, 0);
            CDataExchange load(&host, FALSE);
            if (bList)
                DDX_LBString(&load, (int)nID, strSaved);
            else if (pCombo == &comboEx)
                DDX_CBStringExact(&load, (int)nID, strSaved);  // its prefix search finds the first row, long or not
            else
                DDX_CBString(&load, (int)nID, strSaved);
            expect(::SendMessageA(h, bList ? LB_GETCURSEL : CB_GETCURSEL, 0, 0) == n, where,
                   "selected again by data exchange");
            ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            if (bOwner && binding != Binding::Alone)
                expect(owner.m_nLongestDrawn == kLongRow, where, "drawn from the whole row");
            expect(::IsWindow(h) != FALSE, where, "the control is still there");
        }
    }
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

// The Unicode procedure in front of a list or combo box object passes its
// messages on and goes with the window: the object lets go of it.
TEST(ListRowText, ListObjectsLetGoOfTheirWindowWhenItGoes)
{
    CHost host;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 200, 100), &host, 30));
    EXPECT_TRUE(::IsWindowUnicode(list.m_hWnd));
    EXPECT_EQ(list.AddString("ZQC"), 0);
    EXPECT_EQ(CWnd::FromHandlePermanent(list.m_hWnd), &list);
    HWND h = list.m_hWnd;
    ::DestroyWindow(h);
    EXPECT_EQ(list.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    // Subclassed, then let go of by hand: the window has its own procedure back.
    HWND hCombo = ::CreateWindowExA(0, "COMBOBOX", nullptr, WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 100, host.m_hWnd,
                                    (HMENU)31, nullptr, nullptr);
    LONG_PTR pfnOwn = ::GetWindowLongPtrW(hCombo, GWLP_WNDPROC);
    CComboBox combo;
    ASSERT_TRUE(combo.SubclassWindow(hCombo));
    EXPECT_NE(::GetWindowLongPtrW(hCombo, GWLP_WNDPROC), pfnOwn);
    EXPECT_EQ(combo.UnsubclassWindow(), hCombo);
    EXPECT_EQ(::GetWindowLongPtrW(hCombo, GWLP_WNDPROC), pfnOwn);
    ::DestroyWindow(hCombo);
}
