// ChildProcessHost.h: what a piped child process (CPipedProcessCtl) needs of
// its owner. In the program the view is the host; a test window stands in
// for it in the tests.
#pragma once

#include <windows.h>

#include "platform/CString.h"

class CPipedProcessCtl;

class CChildProcessHost {
public:
    // The window that gets WM_UTILITY_STATUS and WM_UTILITY_ENDED; null (or
    // no longer a window) once the host is gone: nothing is posted then.
    virtual HWND GetChildNotifyWnd() const = 0;
    // A reader thread's chunk from stream -12 (standard error) or -11
    // (standard output): kept bytes and the new chunk, NUL-terminated. The
    // host consumes the complete lines, moves an unfinished last line to the
    // start of the buffer and sets nLength to its length (SplitPipeChunk).
    // Called on the reader threads; the host may block there (flow control)
    // only in CPipedProcessCtl::WaitWhilePaused, so that a kill releases it.
    virtual void OnPipeData(int nStream, CPipedProcessCtl* pCtl, char* pBuffer, int& nLength) = 0;
    // A note of the application on the console, with time stamp ("... started;
    // process-id = ...", "kill ..."); bFailure for the end of a child that
    // failed ("... ended; rc=8"). GUI thread.
    virtual void AddChildNote(const CString& strLine, bool bFailure) = 0;
    // True when more than one child runs (the emulator and a utility, or two
    // utilities): notes then begin with the process-id text. GUI thread.
    virtual bool IsPidPrefixNeeded() const = 0;
    // A program could not be started: the error box. GUI thread.
    virtual void ShowChildStartError(const CString& strText, const CString& strDetail) = 0;

protected:
    ~CChildProcessHost() = default;
};

// The host of every child started from now on; the view sets it.
extern CChildProcessHost* g_pChildHost;
