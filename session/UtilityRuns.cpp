// UtilityRuns.cpp: the running utility programs of the view.
#include "session/UtilityRuns.h"

#include <algorithm>

#include "session/PipedProcessCtl.h"
#include "session/ProgressDlg.h"
#include "session/UtilityCommandLine.h"
#include "session/UtilityProgress.h"

CUtilityRuns::~CUtilityRuns()
{
    KillAll();
}

CPipedProcessCtl* CUtilityRuns::Run(LPCSTR pszCommand, int nKind, HICON hIcon, LPCSTR pszTitle,
                                    INT64 nTotal, LPCSTR pszExeDir)
{
    CString strCommand = BuildUtilityCommandLine(pszCommand, pszExeDir);
    UINT64 nBits = (UINT64)nTotal;
    CPipedProcessCtl* pCtl = new CPipedProcessCtl(pszTitle, nKind, hIcon, strCommand, ".", true,
                                                  (DWORD)nBits, (DWORD)(nBits >> 32));
    if (nKind != kUtilNone && pCtl->GetProgressDlg())
        pCtl->GetProgressDlg()->ShowInactive();
    Add(pCtl);
    return pCtl;
}

void CUtilityRuns::Add(CPipedProcessCtl* pCtl)
{
    m_runs.push_back(pCtl);
    Counted();
}

bool CUtilityRuns::Contains(const CPipedProcessCtl* pCtl) const
{
    return std::find(m_runs.begin(), m_runs.end(), pCtl) != m_runs.end();
}

void CUtilityRuns::OnStatus(CPipedProcessCtl* pCtl)
{
    // The message carries a pointer: only a listed run is still alive.
    if (Contains(pCtl))
        pCtl->ShowProgress();
}

void CUtilityRuns::OnCancel(CPipedProcessCtl* pCtl)
{
    // A Cancel posted just before the run ended may arrive after its end was
    // handled and the controller deleted.
    if (Contains(pCtl))
        pCtl->Kill(true);
}

bool CUtilityRuns::OnEnded(CPipedProcessCtl* pCtl, DWORD dwExitCode)
{
    auto it = std::find(m_runs.begin(), m_runs.end(), pCtl);
    if (it == m_runs.end())
        return false;
    m_runs.erase(it);
    Counted();
    pCtl->ReportEnd(dwExitCode);
    delete pCtl;
    return true;
}

void CUtilityRuns::KillAll()
{
    std::vector<CPipedProcessCtl*> runs;
    runs.swap(m_runs);
    Counted();
    for (CPipedProcessCtl* pCtl : runs) {
        pCtl->Kill(true);
        delete pCtl;
    }
}
