// SysCfgDialog.h: CSysCfgDialog, the modal dialog in which the whole
// configuration of the open document is edited: a tree of twelve pages on
// the settings dialog. It works on its own edited copy and hands that copy
// to the view window (the parent it was built with) once at each Apply and
// OK, after every page applied; the view takes it over.
//
// The tree, in the order of the pages' apply pass:
//   Identification; Architecture (Processors, with Engines 0-31 and
//   Engines 32-63; Clock); Devices (Options, Dasd Parameters); Settings
//   (Http Server, Advanced).
// A page whose class is not part of the program yet is left out of the
// tree; the pages after it keep their places relative to each other, and
// its built children stand at the top level.
// The dialog opens in steps, hidden until the page shown first is made
// (the whole start in one message held the program 50-120 ms); the other
// pages are made once it shows, one at a time (every page made at the
// start held the dialog's start for 0.8 to 1.9 s), and before Apply or OK. The engines
// pages, 32 combo boxes each, are made only when first shown; until then
// their check and apply run on the edited configuration alone. The load
// unit, the one value a page sets on another, is set on the Options page
// made first, so that the change shows there as a change.
#pragma once

#include <functional>

#include "config/CVornConfigFile.h"
#include "framework/SettingsDialog.h"
#include "sysconfig/SysCfgAdvancedPage.h"
#include "sysconfig/SysCfgArchPage.h"
#include "sysconfig/SysCfgDasdParmsPage.h"
#include "sysconfig/SysCfgDevOptsPage.h"
#include "sysconfig/SysCfgDevicesPage.h"
#include "sysconfig/SysCfgEnginesPage.h"
#include "sysconfig/SysCfgHttpSrvrPage.h"
#include "sysconfig/SysCfgIdentPage.h"
#include "sysconfig/SysCfgProcsPage.h"
#include "sysconfig/SysCfgSettingsPage.h"
#include "sysconfig/SysCfgTODClockPage.h"

// The view's folders of device files, each empty when none is set.
struct SysCfgDeviceFolders {
    CString strReader;
    CString strPunch;
    CString strPrinter;
    CString strDisk;
    CString strTape;
};

// The pages' indexes in the order of the tree and of the apply pass.
enum SysCfgPageIndex {
    kSysCfgIdentPage,
    kSysCfgArchPage,
    kSysCfgProcsPage,
    kSysCfgEngines0Page,
    kSysCfgEngines32Page,
    kSysCfgClockPage,
    kSysCfgDevicesPage,
    kSysCfgDevOptsPage,
    kSysCfgDasdParmsPage,
    kSysCfgSettingsPage,
    kSysCfgHttpSrvrPage,
    kSysCfgAdvancedPage,
    kSysCfgPageCount
};

class CSysCfgDialog : public CSettingsDialog {
    DECLARE_DYNAMIC(CSysCfgDialog)
    DECLARE_MESSAGE_MAP()
public:
    // pViewWnd: the window that takes over each Apply and OK
    // (WM_SYSCFG_APPLY) and the dialog's modal owner.
    explicit CSysCfgDialog(CWnd* pViewWnd = nullptr);
    ~CSysCfgDialog() override;

    // The load unit shown on the Options and Devices pages, after it changed.
    virtual void RefreshDevOptsLoadUnit();
    virtual void RefreshDevicesLoadUnit();

    // The page of a tree index; null for a page that is not built.
    CSysCfgPage* PageAt(int nIndex);

    CVornConfigFile m_config;  // the edited configuration
    CSysCfgIdentPage m_IdentPage;
    CSysCfgArchPage m_ArchPage;
    CSysCfgProcsPage m_ProcsPage;
    CSysCfgEnginesPage m_Engines0Page;
    CSysCfgEnginesPage m_Engines32Page;
    CSysCfgTODClockPage m_ClockPage;
    CSysCfgDevicesPage m_DevicesPage;
    CSysCfgDevOptsPage m_DevOptsPage;
    CSysCfgDasdParmsPage m_DasdParmsPage;
    CSysCfgSettingsPage m_SettingsPage;
    CSysCfgHttpSrvrPage m_HttpSrvrPage;
    CSysCfgAdvancedPage m_AdvancedPage;
    CVornConfigFile m_appliedConfig;  // the values as of each page's last apply
    CString m_strCaptions[kSysCfgPageCount];

    // Where the Processors page looks for the CPU model list: the program's
    // folder (no trailing separator), then the configuration files' folder
    // (with one). The view sets the latter.
    CString m_strProgramDir;
    CString m_strConfigFilesDir;
    // Where the module browsers start when no module folder is set; the
    // view sets it.
    CString m_strExecutablesDir;
    // The Devices page's folders: its default devices' files and the
    // current directory of its device dialogs. The view sets them.
    SysCfgDeviceFolders m_deviceFolders;

    // What the Devices page needs of the session, set by the view: whether
    // the emulator runs, and the sending of one command to it.
    std::function<bool()> m_isEmulatorRunning;
    std::function<void(const CString&)> m_sendCommand;
    // The device definition dialogs' open function: true after OK, with
    // the device edited and the command that applies it. Unset, no dialog
    // opens.
    std::function<bool(CVornDevice&, CString&, const SysCfgDeviceDialogRun&)> m_defineDevice;

protected:
    BOOL OnInitDialog() override;
    // Every page's exchange and checks run first, in the order of the pass
    // (the shown page first); the first that fails is selected with its
    // balloon and nothing is applied or sent. Then the pass runs.
    bool CheckPagesBeforeApply() override;
    bool ChecksEveryPageBeforeApply() const override { return true; }
    bool ApplyUnmadePage(SettingsPageRecord* pRecord, bool bOk) override;
    // The one hand-over of a pass: the edited configuration to the view
    // and, when it took it, the Devices page's queued commands and (at
    // Apply) every page's snapshot; refused, the first modified page is
    // shown.
    bool EndApply(bool bOk) override;

    LRESULT OnMaxCpuChanged(WPARAM wp, LPARAM lp);

private:
    bool CheckAllPages();
    // The edited configuration to the view; true when it took it.
    bool HandOver();
    CWnd* m_pViewWnd;  // not owned
};
