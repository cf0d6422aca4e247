// TerminalDlgTestSupport.h: what the console and display dialog tests
// share: devices from statements, the type list chosen as the user does,
// and the address controls read and filled.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "config/CVornConfigFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"

namespace devtest {

inline CVornDevice ParsedDevice(const char* pszStmt)
{
    CVornDevice dev;
    CString strError;
    CVornConfigFile::ParseDeviceStatement(pszStmt, dev, strError);
    return dev;
}

// Selects the type list's entry and ends the selection as a click does.
inline void ChooseListEntry(HWND h, int nIndex)
{
    ::SendDlgItemMessageA(h, IDC_DEVDLG_DEVTYPE, CB_SETCURSEL, nIndex, 0);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_DEVDLG_DEVTYPE, CBN_SELENDOK),
                   (LPARAM)::GetDlgItem(h, IDC_DEVDLG_DEVTYPE));
}

// The dotted address when all four fields are filled, else "".
inline std::string Address(HWND h, int nID)
{
    DWORD dw = 0;
    if (::SendDlgItemMessageA(h, nID, IPM_GETADDRESS, 0, (LPARAM)&dw) != 4)
        return "";
    char sz[32];
    wsprintfA(sz, "%u.%u.%u.%u", FIRST_IPADDRESS(dw), SECOND_IPADDRESS(dw), THIRD_IPADDRESS(dw),
              FOURTH_IPADDRESS(dw));
    return sz;
}

inline void SetAddress(HWND h, int nID, BYTE b0, BYTE b1, BYTE b2, BYTE b3)
{
    ::SendDlgItemMessageA(h, nID, IPM_SETADDRESS, 0, MAKEIPADDRESS(b0, b1, b2, b3));
}

inline void ClearAddress(HWND h, int nID) { ::SendDlgItemMessageA(h, nID, IPM_CLEARADDRESS, 0, 0); }

// Types into one field of an address control only, leaving it half filled.
inline void FillOneAddressField(HWND h, int nID, const char* pszValue)
{
    ClearAddress(h, nID);
    HWND hField = ::FindWindowExA(::GetDlgItem(h, nID), nullptr, "Edit", nullptr);
    ::SetWindowTextA(hField, pszValue);
}

}  // namespace devtest
