// SysCfgTestSupport.h: what the system configuration dialog tests share: a
// window standing in for the view that records every apply handed to it, a
// configuration with every page's values set, and driving a page's
// controls as the user would (each control notifies its page).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/CVornConfigFile.h"
#include "platform/CWnd.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/config/TempFile.h"
#include "tests/support/ScopedIniStore.h"

class CSysCfgDialog;

namespace vorntest {

// Takes WM_SYSCFG_APPLY as the view does, answering m_nAnswer; keeps a
// copy of each configuration it was handed and the index of the first page
// still modified at that moment (-1: none).
class CApplyReceiver : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CApplyReceiver();
    ~CApplyReceiver() override;
    LRESULT m_nAnswer = 1;
    std::vector<CVornConfigFile> m_received;
    std::vector<int> m_firstModified;

private:
    LRESULT OnSysCfgApply(WPARAM wp, LPARAM lp);
};

// Every page's values set, valid, in a file "rich.cnf" of strFolder.
CVornConfigFile RichConfig(const std::string& strFolder);

// Index of the first page record marked modified, -1 when none.
int FirstModifiedPage(const CSysCfgDialog& dlg);
bool IsPageMarkedModified(const CSysCfgDialog& dlg, int nRecord);

// An edit's new text (EN_CHANGE reaches the page).
void TypeText(HWND hPage, int nId, const char* pszText);
// A check box or radio button set to bCheck, then BN_CLICKED to the page.
void ClickCheck(HWND hPage, int nId, bool bCheck);
// A combo box's selection, then CBN_SELENDOK to the page.
void PickItem(HWND hPage, int nId, int nIndex);
std::string ItemText(HWND hPage, int nId);
// One step of an up-down control, notified as the spin does.
void StepSpin(HWND hPage, int nSpinId, int nDelta);
bool IsEnabled(HWND hPage, int nId);
// A button pressed (WM_COMMAND from it).
void Press(HWND hWnd, int nId);
// The text and title of the error balloon showing now ("" when none).
std::string BalloonText();
std::string BalloonTitle();

// A dialog over RichConfig in a temporary folder, reporting to a
// CApplyReceiver; Run shows it modally, runs a step once every page it
// makes after its start is made, and cancels it.
struct SysCfgDialogFixture : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("syscfg_pages_tests.ini");
    ScopedIniStore store{strIni.c_str()};
    CApplyReceiver view;
    std::unique_ptr<CSysCfgDialog> dlg = std::make_unique<CSysCfgDialog>(&view);
    CWnd* m_pShowFirst = nullptr;  // the page Run shows before its step

    SysCfgDialogFixture();
    void Run(std::function<void(HWND)> step);
    // Apply; "title: text" of the balloon it raised ("" when it went through).
    std::string Apply(HWND hDlg);
};

}  // namespace vorntest
