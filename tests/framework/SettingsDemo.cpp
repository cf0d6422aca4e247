// SettingsDemo.cpp: shows a two-level settings dialog, for pictures:
// settingsdemo.exe [START-PAGE].
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "SettingsTestPages.h"
#include "SettingsTestRes.h"
#include "framework/SettingsDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    PageLog log;
    CRecordingPage general(IDD_TPAGE_GENERAL, "general", &log);
    CFoldersPage folders;
    CRecordingPage logging(IDD_TPAGE_SMALL, "logging", &log);
    CRecordingPage console(IDD_TPAGE_LARGE, "console", &log);
    CSettingsDialog dlg(708, 125, "Preferences");
    dlg.AddPage(nullptr, "General", &general, IDD_TPAGE_GENERAL);
    dlg.AddPage("General", "Folders", &folders, IDD_TPAGE_LARGE);
    dlg.AddPage(nullptr, "Logging", &logging, IDD_TPAGE_SMALL);
    dlg.AddPage("Logging", "Console", &console, IDD_TPAGE_LARGE);
    dlg.m_nStartPage = __argc > 1 ? std::atoi(__argv[1]) : 1;
    dlg.DoModal();
    return 0;
}
