// VornGUIView_Utilities.cpp: the Utilities menu: each command makes its
// utility's folder current, runs the utility's dialog and, on OK, runs the
// command line the dialog built; the executables folder's check, which
// also tells whether the 64-bit utility programs are there; and the DASD
// geometry chart of the Help menu.
#include "session/VornGUIView.h"

#include "config/DevClassIcons.h"
#include "config/DirectoryValidation.h"
#include "config/FileChecks.h"
#include "config/OverwriteConfirmation.h"
#include "config/StartupObjects.h"
#include "platform/PathFunctions.h"
#include "session/PrivateMessages.h"
#include "utilities/DasdGeometryChartDlg.h"
#include "utilities/MapImportDlg.h"
#include "utilities/PackCheckDlg.h"
#include "utilities/PackLayoutDlg.h"
#include "utilities/PackProbeDlg.h"
#include "utilities/PackSqueezeDlg.h"
#include "utilities/PackFlipDlg.h"
#include "utilities/ReelBlankDlg.h"
#include "utilities/ReelBuildDlg.h"
#include "utilities/ReelDivideDlg.h"
#include "utilities/ReelDubDlg.h"
#include "utilities/ReelFetchDlg.h"
#include "utilities/ReelInfoDlg.h"
#include "utilities/ReelRepackDlg.h"
#include "utilities/ReelScanDlg.h"
#include "utilities/VMFPLC2Dlg.h"
#include "utilities/VolBuildDlg.h"
#include "utilities/VolCloneDlg.h"
#include "utilities/VolExtractDlg.h"
#include "utilities/VolIdentDlg.h"
#include "utilities/VolListDlg.h"
#include "utilities/VolMakeDlg.h"
#include "utilities/VolPatchDlg.h"
#include "utilities/VolRecastDlg.h"
#include "utilities/VolShowDlg.h"
#include "utilities/VolUnloadDlg.h"
#include "utilities/WidenVolDlg.h"

namespace {

// The program whose presence marks the 64-bit utility programs.
const char k64BitUtilityProbe[] = "volmake64.exe";

}  // namespace

bool CVornGUIView::IsValidExecutablesDir(const CString& strDir)
{
    m_bHas64BitUtilities =
        IsValidDirectory(strDir) && FileExists(StandardizedDirectory(strDir, true) + k64BitUtilityProbe);
    g_bCKD64UtilitiesMissing = !m_bHas64BitUtilities;
    return ::IsValidExecutablesDir(strDir);
}

template <class TDlg>
void CVornGUIView::RunUtilityDialog()
{
    const SUtilityInfo* pInfo = FindUtilityByTemplate(TDlg::IDD);
    CString strFolder = pInfo->eFolder == kUtilityFolderTape   ? GetTapeFilesDir()
                        : pInfo->eFolder == kUtilityFolderDisk ? GetDiskFilesDir()
                                                               : GetConfigFilesDir();
    if (!strFolder.IsEmpty())
        ::SetCurrentDirectoryA(strFolder);
    TDlg dlg;
    if (dlg.DoModal() == IDOK)
        StartUtilityFromDialog(dlg);
}

// The confirmed output files go only now, when the run starts; one that
// cannot be deleted (its message box has told why) stops the run.
void CVornGUIView::StartUtilityFromDialog(const CUtilityDlg& dlg)
{
    bool bClear = true;
    for (const CString& strPath : dlg.OutputPaths())
        bClear = bClear && DeleteConfirmedOutputFile(strPath);
    ForgetOverwriteConfirmations();
    if (!bClear)
        return;
    const SUtilityInfo& info = dlg.Info();
    RunUtility(dlg.m_strCommandLine, info.nKind, DevClassIcon(info.eGroup), dlg.m_strTitle, dlg.m_nExpectedTotal);
}

void CVornGUIView::OnWidenVol()
{
    RunUtilityDialog<CWidenVolDlg>();
}

void CVornGUIView::OnVolMake()
{
    RunUtilityDialog<CVolMakeDlg>();
}

void CVornGUIView::OnVolRecast()
{
    RunUtilityDialog<CVolRecastDlg>();
}

void CVornGUIView::OnVolClone()
{
    RunUtilityDialog<CVolCloneDlg>();
}

void CVornGUIView::OnVolBuild()
{
    RunUtilityDialog<CVolBuildDlg>();
}

void CVornGUIView::OnVolPatch()
{
    RunUtilityDialog<CVolPatchDlg>();
}

void CVornGUIView::OnMapImport()
{
    RunUtilityDialog<CMapImportDlg>();
}

void CVornGUIView::OnPackFlip()
{
    RunUtilityDialog<CPackFlipDlg>();
}

void CVornGUIView::OnReelScan()
{
    RunUtilityDialog<CReelScanDlg>();
}

void CVornGUIView::OnReelBuild()
{
    RunUtilityDialog<CReelBuildDlg>();
}

void CVornGUIView::OnReelDivide()
{
    RunUtilityDialog<CReelDivideDlg>();
}

void CVornGUIView::OnReelDub()
{
    RunUtilityDialog<CReelDubDlg>();
}

void CVornGUIView::OnReelBlank()
{
    RunUtilityDialog<CReelBlankDlg>();
}

void CVornGUIView::OnReelInfo()
{
    RunUtilityDialog<CReelInfoDlg>();
}

void CVornGUIView::OnReelRepack()
{
    RunUtilityDialog<CReelRepackDlg>();
}

void CVornGUIView::OnReelFetch()
{
    RunUtilityDialog<CReelFetchDlg>();
}

void CVornGUIView::OnPackCheck()
{
    RunUtilityDialog<CPackCheckDlg>();
}

void CVornGUIView::OnPackSqueeze()
{
    RunUtilityDialog<CPackSqueezeDlg>();
}

void CVornGUIView::OnVolIdent()
{
    RunUtilityDialog<CVolIdentDlg>();
}

void CVornGUIView::OnPackProbe()
{
    RunUtilityDialog<CPackProbeDlg>();
}

void CVornGUIView::OnPackLayout()
{
    RunUtilityDialog<CPackLayoutDlg>();
}

void CVornGUIView::SGeometryChartDeleter::operator()(CDasdGeometryChartDlg* pChart) const
{
    if (pChart->m_hWnd)
        pChart->DestroyWindow();
    delete pChart;
}

void CVornGUIView::OnHelpDasdChart()
{
    // A chart whose window went while its message is still on the way.
    if (m_pGeometryChart && !m_pGeometryChart->m_hWnd)
        m_pGeometryChart.reset();
    if (!m_pGeometryChart) {
        std::unique_ptr<CDasdGeometryChartDlg, SGeometryChartDeleter> pChart(new CDasdGeometryChartDlg);
        if (!pChart->Create(this))
            return;
        pChart->ShowWindow(SW_SHOW);
        m_pGeometryChart = std::move(pChart);
    }
    m_pGeometryChart->SetFocus();
}

// Only a chart whose window is gone: a new one may already stand in the
// place of the one that posted this.
LRESULT CVornGUIView::OnGeometryChartClosed(WPARAM, LPARAM)
{
    if (m_pGeometryChart && !m_pGeometryChart->m_hWnd)
        m_pGeometryChart.reset();
    return 1;
}

void CVornGUIView::OnVolShow()
{
    RunUtilityDialog<CVolShowDlg>();
}

void CVornGUIView::OnVolExtract()
{
    RunUtilityDialog<CVolExtractDlg>();
}

void CVornGUIView::OnVolUnload()
{
    RunUtilityDialog<CVolUnloadDlg>();
}

void CVornGUIView::OnVolList()
{
    RunUtilityDialog<CVolListDlg>();
}

void CVornGUIView::OnVMFPLC2()
{
    RunUtilityDialog<CVMFPLC2Dlg>();
}
