// FieldValidators.h: the dialog data exchanges (DDX_) and checks (DDV_) of
// the network, hardware-address, directory and file fields that every
// dialog shares. A refused field shows the warning balloon on its control,
// titled with the field's label, and fails the exchange (the dialog stays
// open); each returns false then. On loading (m_bSaveAndValidate false) the
// DDX_ functions fill the control and the DDV_ checks do nothing; after an
// earlier failure of the same run every call does nothing and returns false.
#pragma once

#include "platform/CDataExchange.h"
#include "platform/CString.h"

class CWnd;

// The companion library's balloon with the warning icon.
void ErrorBalloonWarning(LPCSTR pszText, UINT nID, LPCSTR pszTitle, CWnd* pDlg);

// An IP address control: all four fields filled and a plausible host
// address under dwMask (0: the address's classful mask), with bCheckHost one
// of the host's adapters; strAddr receives "%d.%d.%d.%d". Else the balloon
// shows pszMsg.
bool DDX_IPAddress(CDataExchange* pDX, int nIDC, CString& strAddr, LPCSTR pszMsg, LPCSTR pszLabel,
                   DWORD dwMask, bool bCheckHost);
// An IP address control holding a netmask other than 0.
bool DDX_IPAddressNetmask(CDataExchange* pDX, int nIDC, CString& strMask, LPCSTR pszMsg, LPCSTR pszLabel);
// An edit holding a hardware address; with bCheckHost one of the host's.
bool DDX_MACAddress(CDataExchange* pDX, int nIDC, CString& strMAC, LPCSTR pszMsg, LPCSTR pszLabel,
                    bool bCheckHost);
// A check box and a one-byte flag: 1 when checked, 0 otherwise.
void DDX_CheckBool(CDataExchange* pDX, int nIDC, BYTE& bFlag);
void DDX_CheckBool(CDataExchange* pDX, int nIDC, bool& bFlag);

// The as-you-type filter of a hardware-address edit, called on each change:
// a refused change beeps and puts strLast back (caret at the end); an
// accepted one becomes strLast.
void ValidateMACAddressEdit(HWND hEdit, CString& strLast);

// An existing directory; else the balloon shows pszMsg or
// "Invalid output directory: <reason>" ("input" without bOutput).
bool DDV_Directory(CDataExchange* pDX, const CString& strDir, int nIDC, LPCSTR pszLabel, bool bOutput,
                   LPCSTR pszMsg = nullptr);
bool DDV_InputDirectory(CDataExchange* pDX, const CString& strDir, int nIDC, LPCSTR pszLabel,
                        LPCSTR pszMsg = nullptr);
bool DDV_OutputDirectory(CDataExchange* pDX, const CString& strDir, int nIDC, LPCSTR pszLabel,
                         LPCSTR pszMsg = nullptr);

// Trims strFile and makes it a full path; a usable input file hands back its
// name with extension and its size. Else the balloon shows the reason + ".".
bool DDV_InputFile(CDataExchange* pDX, CString& strFile, int nIDC, LPCSTR pszLabel,
                   CString* pNameExt = nullptr, UINT64* pSize = nullptr);
// The same check with a warning message box instead of a balloon.
bool ValidateInputFileMsgBox(const char* pszFile);

// pszFile in pszDir as an output file. An existing file is confirmed with
// the overwrite question (asked once per path: the answer is remembered);
// "Cancel" shows the balloon "File already exists." The file is NOT deleted
// here: the operation that writes it deletes it when it really starts
// (DeleteConfirmedOutputFile).
bool DDV_OutputFile(CDataExchange* pDX, const char* pszDir, const CString& strFile, int nIDC, LPCSTR pszLabel);
// The same with a message box titled "Invalid Output File" instead of a balloon.
bool ValidateOutputFileMsgBox(const char* pszDir, const char* pszFile);
