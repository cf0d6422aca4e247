// MainFrameHelp.cpp: the Help menu's commands: the help file, the emulator's
// documentation (asked for when it cannot be opened) and the bug report mail.
#include "config/FileDialogs.h"
#include "config/ProcessHelpers.h"
#include "config/ProductIdentity.h"
#include "framework/HelpButtonHelp.h"
#include "mainwindow/ControlPanelMath.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/VornGUIApp.h"

namespace {

const UINT kHtmlHelpDisplayToc = 0x0001;  // HTML Help's table-of-contents command

}  // namespace

// Without the help file the user is told, as F1 and the Help buttons tell.
void CMainFrame::OnHelpContents()
{
    if (!theApp.HtmlHelp(0, kHtmlHelpDisplayToc))
        ShowHelpUnavailableMessage(m_hWnd);
}

void CMainFrame::OnHelpDocumentation()
{
    CString strDoc = theApp.GetProfileString("URLs", "VornamicHelp", "index.html");
    if (!OpenDocumentOrUrl(strDoc)) {
        CString strTitle;
        strTitle.Format("Open %s '%s' Help Document", "VornamicHelp", "index.html");
        for (;;) {
            CString strPath = strDoc;
            if (BrowseForFile("Html Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||", strPath, strTitle,
                              theApp.m_strStartupDir, nullptr, true) != IDOK)
                return;
            if (OpenDocumentOrUrl(strPath)) {
                strDoc = strPath;
                break;
            }
        }
    }
    theApp.WriteProfileString("URLs", "VornamicHelp", strDoc);
}

void CMainFrame::OnReportBug()
{
    CString strAddress = theApp.GetProfileString("URLs", "VornGUISupportEmail", g_strDefaultSupportEmail);
    OpenDocumentOrUrl(BuildBugReportMailLink(strAddress.GetString(), g_strProductName, g_strProductVersion).c_str());
}
