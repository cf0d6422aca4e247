// AfxThreadState.h: what the window layer keeps per thread: the message
// being handled (for CWnd::Default), the window being created (bound by the
// creation hook or at WM_NCCREATE), the temporary wrappers made by
// CWnd::FromHandle, and the thread's CWinThread object.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

class CWnd;
class CWinThread;

struct AfxThreadState {
    const MSG* pCurrentMsg = nullptr;     // innermost message in dispatch
    CWnd* pWndInit = nullptr;             // object waiting for its HWND
    HHOOK hCbtHook = nullptr;             // installed while pWndInit waits
    std::unordered_map<HWND, std::unique_ptr<CWnd>> tempWnds;
    CWinThread* pThread = nullptr;        // the thread's object, when it has one
};

// The calling thread's state.
AfxThreadState& AfxGetThreadState();
