// UnhandledException.cpp: the reporter's lock and global object (in this
// order, in this one file, so the lock exists before the object that uses
// it), installation, the unhandled-exception filter and the translation of
// faults into thrown CUnhandledException objects.
#include "mainwindow/UnhandledException.h"

#include <string.h>

#include "mainwindow/ExceptionNames.h"
#include "mainwindow/FatalErrorReport.h"
#include "mainwindow/StackWalk.h"
#include "platform/CWnd.h"

CCriticalSection g_csUnhandledException;
CUnhandledException g_UnhandledException;

namespace {

// Nesting count of CSETranslationScope on this thread.
thread_local int t_nTranslationScopes = 0;
// The fault the vectored handler saved for VornThrowTranslated.
thread_local CSavedException* t_pPendingFault = nullptr;
// The saved fault being thrown, whose call stack the thrown object takes.
thread_local CSavedException* t_pTranslating = nullptr;

// True when the address lies in the program's own image (code built with
// the unwind tables a translated throw needs).
bool InProgramImage(DWORD dwAddress)
{
    MEMORY_BASIC_INFORMATION mbi = {};
    if (!::VirtualQuery((LPCVOID)(DWORD_PTR)dwAddress, &mbi, sizeof(mbi)))
        return false;
    return mbi.AllocationBase == (PVOID)::GetModuleHandleA(nullptr);
}

}  // namespace

// Entered as if the faulting instruction had called it: throws the saved fault.
extern "C" void VornThrowTranslated()
{
    std::unique_ptr<CSavedException> pSaved(t_pPendingFault);
    t_pPendingFault = nullptr;
    pSaved->pointers.ExceptionRecord = &pSaved->record;
    pSaved->pointers.ContextRecord = &pSaved->context;
    t_pTranslating = pSaved.get();
    CUnhandledException::SETranslator(pSaved->record.ExceptionCode, &pSaved->pointers);
}

namespace {

LONG CALLBACK TranslateFault(EXCEPTION_POINTERS* p)
{
    DWORD dwCode = p->ExceptionRecord->ExceptionCode;
    // Stack overflow leaves no stack to throw on; faults outside the program
    // (system code without unwind tables) go on to the filter.
    if (t_nTranslationScopes <= 0 || t_pPendingFault || !IsFatalExceptionCode(dwCode) ||
        dwCode == STATUS_STACK_OVERFLOW || !InProgramImage(p->ContextRecord->Eip))
        return EXCEPTION_CONTINUE_SEARCH;
    // The record and registers lie on the stack the throw will reuse: copy
    // them, and the call stack while it is still there.
    CSavedException* pSaved = new CSavedException;
    pSaved->record = *p->ExceptionRecord;
    pSaved->record.ExceptionRecord = nullptr;
    pSaved->context = *p->ContextRecord;
    {
        CSingleLock lock(&g_csUnhandledException, TRUE);
        pSaved->frames = CaptureStackFrames(::GetCurrentProcess(), ::GetCurrentThread(), pSaved->context);
    }
    t_pPendingFault = pSaved;
    CONTEXT* ctx = p->ContextRecord;
    ctx->Esp -= 4;
    *(DWORD*)(DWORD_PTR)ctx->Esp = ctx->Eip + 1;  // the return address inside the faulting function
    ctx->Eip = (DWORD)(DWORD_PTR)&VornThrowTranslated;
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

namespace {

// A fault translated inside a window procedure is caught at its edge: the
// report is offered, the main window closed and the message loop ended.
void ReportWndProcFault()
{
    try {
        throw;
    } catch (CUnhandledException& e) {
        ShowFatalErrorReport(e);
        ::PostQuitMessage(0);
    } catch (...) {
        // Any other exception is dropped at the window procedure's edge.
    }
}

}  // namespace

CSETranslationScope::CSETranslationScope()
{
    t_nTranslationScopes++;
}

CSETranslationScope::~CSETranslationScope()
{
    t_nTranslationScopes--;
}

CUnhandledException::CUnhandledException() : m_hProcess(::GetCurrentProcess())
{
    SetReportFileName(nullptr);
    CSingleLock lock(&g_csUnhandledException, TRUE);
    m_pfnPrevFilter = ::SetUnhandledExceptionFilter(&CUnhandledException::ExceptionFilter);
    m_pVectoredHandler = ::AddVectoredExceptionHandler(1, &TranslateFault);
    AfxSetWndProcExceptionHook(&ReportWndProcFault);
    m_bInstalled = 1;
}

CUnhandledException::CUnhandledException(DWORD dwCode, EXCEPTION_POINTERS* pExceptionPointers)
    : m_hProcess(::GetCurrentProcess()), m_nExceptionCode(dwCode)
{
    CSingleLock lock(&g_csUnhandledException, TRUE);
    SetReportFileName(nullptr);
    if (!pExceptionPointers)
        return;
    // Own copies: the caller's record may lie on a stack about to unwind.
    m_pSaved = std::make_shared<CSavedException>();
    if (pExceptionPointers->ExceptionRecord)
        m_pSaved->record = *pExceptionPointers->ExceptionRecord;
    if (pExceptionPointers->ContextRecord)
        m_pSaved->context = *pExceptionPointers->ContextRecord;
    m_pSaved->record.ExceptionRecord = nullptr;
    m_pSaved->pointers.ExceptionRecord = &m_pSaved->record;
    m_pSaved->pointers.ContextRecord = &m_pSaved->context;
    m_pExceptionPointers = &m_pSaved->pointers;
}

CUnhandledException::CUnhandledException(const CUnhandledException& other)
    : m_hProcess(other.m_hProcess),
      m_nExceptionCode(other.m_nExceptionCode),
      m_pExceptionPointers(other.m_pExceptionPointers),
      m_pSaved(other.m_pSaved)
{
    // A copy never owns the installation: only the global puts it back.
    memcpy(m_szReportFile, other.m_szReportFile, sizeof(m_szReportFile));
}

CUnhandledException::~CUnhandledException()
{
    CSingleLock lock(&g_csUnhandledException, TRUE);
    if (!m_bInstalled)
        return;
    ::SetUnhandledExceptionFilter(m_pfnPrevFilter);
    if (m_pVectoredHandler)
        ::RemoveVectoredExceptionHandler(m_pVectoredHandler);
    AfxSetWndProcExceptionHook(nullptr);
    m_pfnPrevFilter = nullptr;
    m_pVectoredHandler = nullptr;
    m_bInstalled = 0;
}

void CUnhandledException::SetReportFileName(const char* pszName)
{
    const char kSuffix[] = " Unhandled Exception Report.txt";
    m_hReportFile = nullptr;
    if (pszName) {
        strncpy(m_szReportFile, pszName, sizeof(m_szReportFile) - 1);
        m_szReportFile[sizeof(m_szReportFile) - 1] = '\0';
        return;
    }
    char szExe[MAX_PATH + 1] = {};
    DWORD n = ::GetModuleFileNameA(nullptr, szExe, sizeof(szExe));
    if (n > 0 && n < 261 && n + sizeof(kSuffix) <= sizeof(m_szReportFile)) {
        memcpy(m_szReportFile, szExe, n);
        memcpy(m_szReportFile + n, kSuffix, sizeof(kSuffix));
    } else {
        strcpy(m_szReportFile, kSuffix + 1);
    }
}

void CUnhandledException::WriteReportNow(const char* pszName)
{
    CSingleLock lock(&g_csUnhandledException, TRUE);
    SetReportFileName(pszName);
    if (m_pExceptionPointers) {
        GenerateReport(m_pExceptionPointers);
        m_pExceptionPointers = nullptr;
    }
}

BOOL CUnhandledException::Report(EXCEPTION_POINTERS* pExceptionPointers, const char* pszName)
{
    CSingleLock lock(&g_csUnhandledException, TRUE);
    m_pExceptionPointers = pExceptionPointers;
    SetReportFileName(pszName);
    if (pExceptionPointers)
        GenerateReport(pExceptionPointers);
    m_pExceptionPointers = nullptr;
    return 1;
}

LONG WINAPI CUnhandledException::ExceptionFilter(EXCEPTION_POINTERS* pExceptionPointers)
{
    BOOL bInstalled;
    LPTOP_LEVEL_EXCEPTION_FILTER pfnPrev;
    {
        CSingleLock lock(&g_csUnhandledException, TRUE);
        g_UnhandledException.GenerateReport(pExceptionPointers);
        bInstalled = g_UnhandledException.m_bInstalled;
        pfnPrev = g_UnhandledException.m_pfnPrevFilter;
    }
    if (bInstalled && pfnPrev)
        return pfnPrev(pExceptionPointers);
    return EXCEPTION_CONTINUE_SEARCH;
}

void CUnhandledException::SETranslator(unsigned int nCode, EXCEPTION_POINTERS* pExceptionPointers)
{
    // Built under the lock, thrown after it is released: a throw while the
    // lock is held would leave every later report waiting for it.
    std::unique_ptr<CUnhandledException> pObject;
    {
        CSingleLock lock(&g_csUnhandledException, TRUE);
        pObject = std::make_unique<CUnhandledException>((DWORD)nCode, pExceptionPointers);
        if (t_pTranslating && pObject->m_pSaved && pExceptionPointers == &t_pTranslating->pointers)
            pObject->m_pSaved->frames = t_pTranslating->frames;
        t_pTranslating = nullptr;
    }
    throw CUnhandledException(*pObject);
}
