// ShotFile.h: pictures of what the control tests drew, for people to look
// at: saved as BMP files into the folder VORN_SHOT_DIR names (none without).
#pragma once

#include <windows.h>

// Saves the bitmap selected out of hDC (or any compatible bitmap) as pszName.
void SaveBitmap(HDC hDC, HBITMAP hBmp, const char* pszName);
// Saves what a window shows on the screen now.
void SaveWindowShot(HWND hWnd, const char* pszName);
