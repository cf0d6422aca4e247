// VornGUIViewOperations.cpp: the enabling of the Command and Operations
// menus (their device dialogs are the main frame's), the IPL's two commands
// a quarter second apart, the session description, the "conspawn" command,
// and small accessors the other windows use.
#include "session/VornGUIView.h"

#include "config/DevClass.h"
#include "config/DirectoryValidation.h"
#include "mainwindow/SessDescDlg.h"
#include "platform/CCmdUI.h"
#include "platform/TextFunctions.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"

bool CVornGUIView::HasDeviceOfClass(WORD wClass) const
{
    POSITION pos = m_config.m_devices.GetStartPosition();
    while (pos) {
        DWORD dwKey = 0;
        CVornDevice device;
        m_config.m_devices.GetNextAssoc(pos, dwKey, device);
        if (device.m_wClass == wClass)
            return true;
    }
    return false;
}

void CVornGUIView::OnUpdateEmulatorCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEmulatorRunning());
}

void CVornGUIView::OnUpdateReaderCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEmulatorRunning() && HasDeviceOfClass(DEVCLASS_RDR));
}

void CVornGUIView::OnUpdateTapeCommand(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEmulatorRunning() && HasDeviceOfClass(DEVCLASS_TAPE));
}

CPipedProcessCtl* CVornGUIView::RunConspawnCommand(const CString& strCommandLine)
{
    CPipedProcessCtl* pCtl = new CPipedProcessCtl("Command", -1, nullptr, "conspawn " + strCommandLine,
                                                  m_settings.m_strCmdTargetDir, false, 0, 0);
    AddRunningUtility(pCtl);
    return pCtl;
}

// The description the user gives at power-on becomes the stored one; an
// empty answer or Cancel leaves the stored one and writes no line.
CString CVornGUIView::AskSessionDescription()
{
    if (!m_settings.m_bEnableSessDescDlg)
        return CString();
    CSessDescDlg dlg(this);
    dlg.m_strDescription = m_settings.m_strSessDesc;
    if (dlg.DoModal() != IDOK)
        return CString();
    CString strDesc = dlg.m_strDescription;
    strDesc.Trim();
    if (!strDesc.IsEmpty())
        m_settings.m_strSessDesc = strDesc;
    return strDesc;
}

bool CVornGUIView::IsLogFilesDirValid() const
{
    return IsValidDirectory(GetLogFilesDir());
}

bool CVornGUIView::IsConfigFilesDirValid() const
{
    return IsValidDirectory(GetConfigFilesDir());
}

bool CVornGUIView::IsExecutablesDirValid()
{
    return IsValidExecutablesDir(GetExecutablesDir());
}

CString CVornGUIView::GetLogFileFilter() const
{
    const CString& strExt = m_settings.m_strFilters[kFilterLog];
    return "Log Files (" + strExt + ")|" + strExt + "|All Files (*.*)|*.*||";
}

void CVornGUIView::GetSeverityStyle(int nKind, COLORREF& crText, HFONT& hFont) const
{
    if (nKind < 0 || nKind >= kMsgKindCount)
        nKind = kMsgPlain;
    crText = m_settings.m_styles[nKind].crColor;
    hFont = (HFONT)m_fonts[nKind].m_hObject;
}

void CVornGUIView::GetSeverityStyle(const CString& strLine, COLORREF& crText, HFONT& hFont) const
{
    GetSeverityStyle(ClassifyMessage(strLine), crText, hFont);
}

void CVornGUIView::SendIpl(const CString& strLoadParm, const CString& strUnit)
{
    m_waitingIpls.emplace_back(strLoadParm, strUnit);
    if (m_waitingIpls.size() == 1)
        SendFirstLoadParm();
}

void CVornGUIView::SendFirstLoadParm()
{
    SendVornCommand("loadparm " + m_waitingIpls.front().first);
    SetTimer(kTimerIplAfterLoadParm, kIplAfterLoadParmMs, nullptr);
}

void CVornGUIView::OnIplTimer()
{
    KillTimer(kTimerIplAfterLoadParm);
    if (m_waitingIpls.empty())
        return;
    CString strUnit = m_waitingIpls.front().second;
    m_waitingIpls.pop_front();
    SendVornCommand("ipl " + strUnit);
    if (!m_waitingIpls.empty())
        SendFirstLoadParm();
}

// The "ipl" of an emulator that has ended must not wait in the command queue
// for the next one, without its load parameter.
void CVornGUIView::DropWaitingIpls()
{
    KillTimer(kTimerIplAfterLoadParm);
    m_waitingIpls.clear();
}
