// VornGUIApp.h: CVornGUIApp (theApp), VornGUI's application object: its
// start-up (folders, command line, settings store, recent-file list,
// "Limits", splash screen, the single-document template, the docking layout
// and window placement), the message loop that catches a translated fatal
// exception, and the idle handler that lets the view move queued console
// lines into the console pane.
#pragma once

#include <windows.h>

#include "platform/CHtmlHelpApp.h"

class CVornGUIApp : public CHtmlHelpApp {
    DECLARE_MESSAGE_MAP()
public:
    CVornGUIApp();

    BOOL InitInstance() override;
    int Run() override;
    // After the framework's ending (the recent-file list written): settings
    // that failed saves left unsaved get one more try, and the user is told
    // when they are lost.
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    // The emulator's data (console lines, status and register fields, CPU
    // percentages, storage refreshes) changes no command's state: those
    // messages, many a second, do not run the idle step.
    BOOL IsIdleMessage(MSG* pMsg) override;
    // Opens a configuration from the recent-file list: null (the entry is
    // dropped) when the file is gone; non-null otherwise, also when the user
    // cancelled the save prompt of the configuration open now. Nothing is
    // opened while the emulator runs on the current configuration.
    CDocument* OpenDocumentFile(LPCSTR pszFileName) override;

    CString m_strStartupDir;        // current directory at start-up
    CString m_strProgramDir;        // folder of the executable, no trailing backslash
    bool m_bNoSavedBarState = true; // no docking layout has been saved yet
    bool m_bUseIniFile = false;     // settings go to an .INI file ("-i")
    CString m_strIniFile;           // the "-i" argument
    CString m_strRegistryAppName;   // the "-n" argument

protected:
    // Help > About: the About box.
    void OnAppAbout();
    // The recent configurations: listed as the framework lists them, but
    // disabled while the emulator runs, and not opened then.
    void OnUpdateRecentConfigurations(CCmdUI* pCmdUI);
    void OnUpdateRecentConfiguration(CCmdUI* pCmdUI);
    void OnOpenRecentConfiguration(UINT nID);

private:
    // Steps of InitInstance, in order.
    void FindFolders();
    void LoadIcons();
    bool ParseCommandLineArgs();
    void ChooseSettingsStore();
    void StartSplash();
    // Waits for the splash started before anything of the main window shows.
    void ShowSplashFirst();
    void ReplaceFrameMenu();
};

// Shows the usage task dialog of the command line.
void ShowCommandLineUsage();

extern CVornGUIApp theApp;
extern HICON g_hAppIcon;             // icon 301, every dialog's small icon

// Routes the window-free configuration code's messages to the user's
// message boxes (ErrorMessageBox, TDMessageBox), and a failed save of the
// .INI settings file too; run by InitInstance.
void InstallConfigMessageHooks();
