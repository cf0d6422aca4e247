// FieldValidators.cpp: the shared DDX_/DDV_ functions of network, hardware
// address, directory and file fields.
#include "config/FieldValidators.h"

#include <windows.h>
#include <commctrl.h>

#include "config/CHostAdapterArray.h"
#include "config/DirectoryValidation.h"
#include "config/FileChecks.h"
#include "config/MacAddressText.h"
#include "config/NetworkValues.h"
#include "config/OverwriteConfirmation.h"
#include "platform/CSplitPath.h"
#include "platform/CWnd.h"
#include "platform/ErrorBalloon.h"
#include "platform/MessageBoxes.h"
#include "platform/NetAddress.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"

void ErrorBalloonWarning(LPCSTR pszText, UINT nID, LPCSTR pszTitle, CWnd* pDlg)
{
    ErrorBalloon(pDlg, nID, pszTitle, pszText, kBalloonIconWarning);
}

namespace {

// Shows the balloon on the control and fails the run; returns false.
bool Refuse(CDataExchange* pDX, int nIDC, LPCSTR pszLabel, LPCSTR pszText)
{
    pDX->PrepareCtrl(nIDC);
    ErrorBalloonWarning(pszText, (UINT)nIDC, pszLabel, pDX->m_pDlgWnd);
    pDX->Fail();
    return false;
}

// The control's address when all four fields are filled.
bool ReadIPControl(HWND hCtrl, DWORD& dwAddr)
{
    dwAddr = 0;
    return ::SendMessageA(hCtrl, IPM_GETADDRESS, 0, (LPARAM)&dwAddr) == 4;
}

void LoadIPControl(HWND hCtrl, const CString& strAddr)
{
    DWORD dwAddr = 0;
    if (ParseIPv4Address(strAddr, dwAddr))
        ::SendMessageA(hCtrl, IPM_SETADDRESS, 0, (LPARAM)dwAddr);
    else
        ::SendMessageA(hCtrl, IPM_CLEARADDRESS, 0, 0);
}

}  // namespace

bool DDX_IPAddress(CDataExchange* pDX, int nIDC, CString& strAddr, LPCSTR pszMsg, LPCSTR pszLabel,
                   DWORD dwMask, bool bCheckHost)
{
    if (pDX->m_bFailed)
        return false;
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        LoadIPControl(hCtrl, strAddr);
        return true;
    }
    DWORD dwAddr = 0;
    bool bOK = ReadIPControl(hCtrl, dwAddr) &&
               IsPlausibleHostAddress(dwAddr, dwMask ? dwMask : DefaultNetmaskForAddress(dwAddr), bCheckHost);
    if (!bOK)
        return Refuse(pDX, nIDC, pszLabel, pszMsg);
    strAddr = FormatIPv4Address(dwAddr);
    return true;
}

bool DDX_IPAddressNetmask(CDataExchange* pDX, int nIDC, CString& strMask, LPCSTR pszMsg, LPCSTR pszLabel)
{
    if (pDX->m_bFailed)
        return false;
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        LoadIPControl(hCtrl, strMask);
        return true;
    }
    DWORD dwMask = 0;
    if (!ReadIPControl(hCtrl, dwMask) || !IsValidNetmask(dwMask))
        return Refuse(pDX, nIDC, pszLabel, pszMsg);
    strMask = FormatIPv4Address(dwMask);
    return true;
}

bool DDX_MACAddress(CDataExchange* pDX, int nIDC, CString& strMAC, LPCSTR pszMsg, LPCSTR pszLabel,
                    bool bCheckHost)
{
    if (pDX->m_bFailed)
        return false;
    HWND hCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hCtrl, strMAC);
        return true;
    }
    CString strText;
    pDX->m_pDlgWnd->GetDlgItemText(nIDC, strText);
    TrimBlanks(strText);
    BYTE abyMAC[6] = {};
    if (!ParseMACAddress(strText, abyMAC) || (bCheckHost && FindHostAdapterByMAC(abyMAC) < 0))
        return Refuse(pDX, nIDC, pszLabel, pszMsg);
    strMAC = strText;
    return true;
}

void DDX_CheckBool(CDataExchange* pDX, int nIDC, BYTE& bFlag)
{
    if (pDX->m_bFailed)
        return;
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        bFlag = ::SendMessageA(hCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        ::SendMessageA(hCtrl, BM_SETCHECK, bFlag ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_CheckBool(CDataExchange* pDX, int nIDC, bool& bFlag)
{
    BYTE b = bFlag ? 1 : 0;
    DDX_CheckBool(pDX, nIDC, b);
    bFlag = b != 0;
}

void ValidateMACAddressEdit(HWND hEdit, CString& strLast)
{
    int n = ::GetWindowTextLengthA(hEdit);
    std::string buf((size_t)n + 1, '\0');
    ::GetWindowTextA(hEdit, &buf[0], n + 1);
    CString strResult;
    switch (FilterMACAddressText(buf.c_str(), strResult)) {
    case kMacTextAccepted:
        strLast = strResult;
        return;
    case kMacTextRewritten:
        strLast = strResult;
        break;
    case kMacTextRejected:
        ::MessageBeep(MB_OK);
        break;
    }
    ::SetWindowTextA(hEdit, strLast);
    ::SendMessageA(hEdit, EM_SETSEL, (WPARAM)strLast.GetLength(), (LPARAM)strLast.GetLength());
}

bool DDV_Directory(CDataExchange* pDX, const CString& strDir, int nIDC, LPCSTR pszLabel, bool bOutput,
                   LPCSTR pszMsg)
{
    if (pDX->m_bFailed)
        return false;
    if (!pDX->m_bSaveAndValidate)
        return true;
    CString strReason;
    if (ValidateDirectoryMsg(strDir, strReason))
        return true;
    CString strText;
    if (pszMsg)
        strText = pszMsg;
    else
        strText.Format("Invalid %s directory: %s", bOutput ? "output" : "input", strReason.GetString());
    return Refuse(pDX, nIDC, pszLabel, strText);
}

bool DDV_InputDirectory(CDataExchange* pDX, const CString& strDir, int nIDC, LPCSTR pszLabel, LPCSTR pszMsg)
{
    return DDV_Directory(pDX, strDir, nIDC, pszLabel, false, pszMsg);
}

bool DDV_OutputDirectory(CDataExchange* pDX, const CString& strDir, int nIDC, LPCSTR pszLabel, LPCSTR pszMsg)
{
    return DDV_Directory(pDX, strDir, nIDC, pszLabel, true, pszMsg);
}

bool DDV_InputFile(CDataExchange* pDX, CString& strFile, int nIDC, LPCSTR pszLabel, CString* pNameExt,
                   UINT64* pSize)
{
    if (pDX->m_bFailed)
        return false;
    if (!pDX->m_bSaveAndValidate)
        return true;
    TrimBlanks(strFile);
    if (!strFile.IsEmpty())
        strFile = CSplitPath(strFile).GetFullPath();
    CString strNameExt, strMsg;
    UINT64 ullSize = 0;
    if (!CheckInputFile(strFile, strMsg))
        return Refuse(pDX, nIDC, pszLabel, strMsg + ".");
    InputFileStatus(strFile, strNameExt, ullSize);
    if (pNameExt)
        *pNameExt = strNameExt;
    if (pSize)
        *pSize = ullSize;
    return true;
}

bool ValidateInputFileMsgBox(const char* pszFile)
{
    CString strMsg;
    if (CheckInputFile(pszFile, strMsg))
        return true;
    CString strFile;
    strFile.Format("\"%s\"", pszFile ? pszFile : "");
    TDMessageBox(strMsg + ":", strFile, nullptr, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

namespace {

// The check of an output file; pszRefusal receives the text to show.
bool CheckOutput(const char* pszDir, const char* pszFile, CString& strRefusal)
{
    CString strMsg;
    bool bExists = false;
    if (!CheckOutputFileMsg(pszFile, pszDir, strMsg, bExists)) {
        strRefusal = strMsg;
        return false;
    }
    CString strFile = pszFile;
    TrimBlanks(strFile);
    if (bExists && !ConfirmOverwrite(WindowsizedDirectory(pszDir, true) + strFile)) {
        strRefusal = "File already exists.";
        return false;
    }
    return true;
}

}  // namespace

bool DDV_OutputFile(CDataExchange* pDX, const char* pszDir, const CString& strFile, int nIDC, LPCSTR pszLabel)
{
    if (pDX->m_bFailed)
        return false;
    if (!pDX->m_bSaveAndValidate)
        return true;
    CString strRefusal;
    return CheckOutput(pszDir, strFile, strRefusal) || Refuse(pDX, nIDC, pszLabel, strRefusal);
}

bool ValidateOutputFileMsgBox(const char* pszDir, const char* pszFile)
{
    CString strRefusal;
    if (CheckOutput(pszDir, pszFile, strRefusal))
        return true;
    if (strRefusal != "File already exists.")
        TDMessageBox(strRefusal, nullptr, "Invalid Output File", MB_OK | MB_ICONEXCLAMATION);
    return false;
}
