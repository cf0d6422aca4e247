// CWinApp.h: the application object: one global instance per program, made
// by the program's own class. The framework's WinMain (AfxWinMain.cpp) calls
// its InitInstance, then Run (the main thread's message loop), and returns
// what ExitInstance returns. At idle time it asks the main window's update
// handlers for the state of its bars (WM_IDLEUPDATECMDUI). It keeps the
// main thread's windows stacked on the display as Windows stacks them.
#pragma once

#include <windows.h>

#include "platform/AfxResource.h"
#include "platform/CString.h"
#include "platform/CWinThread.h"
#include "platform/MessageMap.h"
#include "platform/WindowStacking.h"

#include <memory>

class CCmdUI;
class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CRecentFileList;

#ifndef ID_FILE_MRU_FILE1
#define ID_FILE_MRU_FILE1   0xE110
#define ID_FILE_MRU_FILE16  0xE11F
#endif

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
    DECLARE_MESSAGE_MAP()
public:
    explicit CWinApp(LPCSTR pszAppName = nullptr);
    ~CWinApp() override;
    // Holds or releases the keeping of the main thread's window stacking
    // (CWindowStackingKeeper::Hold): held while the main window is built hidden.
    void HoldWindowStacking(bool bHold) { m_stackingKeeper.Hold(bHold); }
    // Keeps a topmost window of another thread (the splash screen) above the
    // main thread's windows on the display too (CWindowStackingKeeper::KeepOnTop).
    void KeepWindowOnTop(HWND hWnd) { m_stackingKeeper.KeepOnTop(hWnd); }

    CString m_strAppName;         // the application's name (captions, settings)
    CString m_strExeName;         // the program file's name without extension
    CString m_strProfileName;     // the .INI file or the registry application name
    CString m_strRegistryKey;     // the company key; empty while the .INI file is used
    CString m_strHelpFilePath;
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    // Writes the recent-file list back.
    int ExitInstance() override;

    // Hands each parameter of the process's command line to rCmdInfo.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Reads the recent-file list ("Recent File List", nMaxMRU entries).
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // Puts a path first in the recent-file list.
    virtual void AddToRecentFileList(LPCSTR pszPathName);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

    // The settings store: SetRegistryKey chooses the registry under
    // Software\<company>\<profile name>; without it the first profile call
    // opens the .INI file m_strProfileName (a bare name lies beside the
    // program; empty: <program name>.ini).
    void SetRegistryKey(LPCSTR pszCompany);
    void SetRegistryKey(UINT nIDCompany);
    UINT GetProfileInt(LPCSTR pszSection, LPCSTR pszEntry, int nDefault);
    CString GetProfileString(LPCSTR pszSection, LPCSTR pszEntry, LPCSTR pszDefault = nullptr);
    BOOL WriteProfileInt(LPCSTR pszSection, LPCSTR pszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR pszSection, LPCSTR pszEntry, LPCSTR pszValue);

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR pszIconName) const { return ::LoadIconA(nullptr, pszIconName); }
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR pszCursorName) const { return ::LoadCursorA(nullptr, pszCursorName); }

    // Documents: the application owns its single-document template.
    void AddDocTemplate(CDocTemplate* pTemplate);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    // Opens a file as the document (null: a new one); null on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR pszFileName);
    // Asks the open document to save its changes; false when the user cancels.
    virtual BOOL SaveAllModified();

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    // The recent-file items replace the menu's item ID_FILE_MRU_FILE1 (and
    // any listed before); with an empty list that item stays, greyed.
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);
    // Opens recent entry nID - ID_FILE_MRU_FILE1; an entry that fails to
    // open is dropped from the list.
    void OnOpenRecentFile(UINT nID);

private:
    CDocTemplate* m_pDocTemplate = nullptr;  // owned
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    // The main thread's windows stay stacked on the display as Windows
    // stacks them (under Wine without a window manager).
    CWindowStackingKeeper m_stackingKeeper;
    // Installs the .INI store when no store was chosen yet.
    void EnsureSettingsStore();
};

// The program's application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The main window of the calling thread (the application's on the main thread).
CWnd* AfxGetMainWnd();
// The entry point behind WinMain.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
