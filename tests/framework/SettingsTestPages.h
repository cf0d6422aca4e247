// SettingsTestPages.h: pages for the settings dialog tests: a property page
// that writes every sheet notification it gets into a shared log and can be
// told to refuse each one, a dynamically creatable page that counts its
// objects, and a plain dialog page.
#pragma once

#include <string>
#include <vector>

#include "framework/cdxCDynamicHelpPropSheet.h"
#include "platform/CDialog.h"
#include "platform/CPropertyPage.h"

using PageLog = std::vector<std::string>;

class CRecordingPage : public CPropertyPage {
public:
    CRecordingPage(UINT nIDTemplate, const char* pszName, PageLog* pLog)
        : CPropertyPage(nIDTemplate), m_strName(pszName), m_pLog(pLog)
    {
    }

    bool m_bRefuseSetActive = false;
    bool m_bRefuseKillActive = false;
    bool m_bRefuseApply = false;
    bool m_bRefuseCancel = false;
    LRESULT m_nSiblingAnswer = 0;
    int m_nHelpCount = 0;
    bool m_bHandlesHelp = false;  // answers the IDHELP command

    BOOL OnSetActive() override { Log("setactive"); return !m_bRefuseSetActive; }
    BOOL OnKillActive() override { Log("killactive"); return !m_bRefuseKillActive; }
    BOOL OnApply() override { return !m_bRefuseApply; }
    BOOL OnQueryCancel() override { Log("querycancel"); return !m_bRefuseCancel; }
    void OnReset() override { Log("reset"); }

protected:
    BOOL OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult) override;
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override;

private:
    void Log(const char* pszWhat) { m_pLog->push_back(m_strName + ":" + pszWhat); }
    std::string m_strName;
    PageLog* m_pLog;
};

// A page of the system's kind (resizable, with help): the list stretches,
// the field widens, the button rides the lower right corner.
class CFoldersPage : public cdxCDynamicHelpPropPage {
    DECLARE_DYNAMIC_MAP()
public:
    CFoldersPage();
};

// Made by the settings dialog from its class; counts live objects.
class CCountedPage : public CPropertyPage {
    DECLARE_DYNCREATE(CCountedPage)
public:
    CCountedPage();
    ~CCountedPage() override;
    static int s_nLive;
};

// A plain dialog page whose saving data exchange can be made to fail.
class CPlainPage : public CDialog {
public:
    explicit CPlainPage(UINT nIDTemplate) : CDialog(nIDTemplate) {}
    bool m_bFailSave = false;
    int m_nSaves = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
