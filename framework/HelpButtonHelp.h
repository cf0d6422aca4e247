// HelpButtonHelp.h: the window-side help services of the help-button
// windows that need no template: the balloon of a help request, HTML Help
// and raising the help window. Used by CHelpButtonWnd<T>.
#pragma once

#include <windows.h>

#include "framework/HelpKeys.h"

// HTML Help commands used here (as htmlhelp.h numbers them).
const UINT kHHDisplayToc = 0x0001;
const UINT kHHHelpContext = 0x000F;

// Loads a string-table text, or pszFallback when the entry is missing.
CString LoadHelpText(UINT nId, const char* pszFallback = nullptr);

// Shows the balloon of a help request for hWnd: spec's texts, stem at the
// request's mouse position. False when nothing was shown.
bool ShowHelpBalloon(HWND hWnd, const BalloonSpec& spec, POINT ptMouse);

// Calls HTML Help (hhctrl.ocx from the system directory, loaded once) with
// the application's help file; the help window, or null.
HWND CallHtmlHelp(HWND hCaller, UINT nCommand, DWORD_PTR dwData);

// Brings hHelp in front of hOwner without leaving it owned.
void RaiseHelpWindowOver(HWND hHelp, HWND hOwner);

// The framework's message for a help file that cannot be opened, naming
// the application's help file.
void ShowHelpUnavailableMessage(HWND hWnd);
