// SizeGripRoomTest.cpp: every resizable dialog template of VornGUI.exe,
// created for real from the program's resources: the size grip that the
// layout puts in the lower right corner covers no button.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/resources/ProgramResources.h"

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// A button that acts (push button, check box, radio button); a group box
// only frames.
bool IsActingButton(HWND h)
{
    char szClass[32] = "";
    ::GetClassNameA(h, szClass, sizeof szClass);
    if (lstrcmpiA(szClass, "Button") != 0)
        return false;
    return (::GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
}

struct Overlap {
    UINT nTemplate;
    std::string strButton;
};

struct GripCheck {
    HMODULE hModule;
    std::vector<UINT> resizable;
    std::vector<UINT> uncreated;
    std::vector<Overlap> overlaps;

    static BOOL CALLBACK Visit(HMODULE hModule, LPCSTR, LPSTR pszName, LONG_PTR lParam)
    {
        auto* self = (GripCheck*)lParam;
        if (IS_INTRESOURCE(pszName))
            self->Check((UINT)(ULONG_PTR)pszName);
        return TRUE;
    }

    void Check(UINT nId)
    {
        HRSRC hRes = ::FindResourceA(hModule, MAKEINTRESOURCEA(nId), RT_DIALOG);
        auto* pTemplate = hRes ? (const WORD*)::LockResource(::LoadResource(hModule, hRes)) : nullptr;
        if (!pTemplate || pTemplate[0] != 1 || pTemplate[1] != 0xFFFF)
            return;
        DWORD dwStyle = *(const DWORD*)(pTemplate + 6);
        if (!(dwStyle & WS_THICKFRAME) || (dwStyle & WS_CHILD))
            return;
        resizable.push_back(nId);
        HWND hDlg = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), (LPCDLGTEMPLATEA)pTemplate, nullptr,
                                                 PlainDialogProc, 0);
        if (!hDlg) {
            uncreated.push_back(nId);
            return;
        }
        // The grip as the layout makes it: a size box aligned to the lower
        // right corner of the whole client area.
        RECT rcClient;
        ::GetClientRect(hDlg, &rcClient);
        HWND hGrip = ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                                       0, 0, rcClient.right, rcClient.bottom, hDlg, nullptr, nullptr, nullptr);
        RECT rcGrip;
        ::GetWindowRect(hGrip, &rcGrip);
        for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
            RECT rc, rcBoth;
            ::GetWindowRect(h, &rc);
            if (h != hGrip && (::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) && IsActingButton(h) &&
                ::IntersectRect(&rcBoth, &rc, &rcGrip)) {
                char sz[64] = "";
                ::GetWindowTextA(h, sz, sizeof sz);
                overlaps.push_back({nId, sz});
            }
        }
        ::DestroyWindow(hDlg);
    }
};

}  // namespace

TEST(SizeGripRoom, NoButtonOfAResizableDialogLiesUnderTheGrip)
{
    vorntest::ProgramResources program;
    ASSERT_NE(program.Module(), nullptr) << "VornGUI.exe beside the test";
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_USEREX_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&icc));
    HMODULE hRichEdit = ::LoadLibraryA("riched20.dll");
    ASSERT_NE(hRichEdit, nullptr);
    GripCheck check{program.Module()};
    ::EnumResourceNamesA(program.Module(), RT_DIALOG, GripCheck::Visit, (LONG_PTR)&check);
    EXPECT_GT(check.resizable.size(), 30u);
    for (UINT nId : check.uncreated)
        ADD_FAILURE() << "template " << nId << " could not be created";
    for (const Overlap& o : check.overlaps)
        ADD_FAILURE() << "template " << o.nTemplate << ": the size grip covers \"" << o.strButton << "\"";
    ::FreeLibrary(hRichEdit);
}
