// SplashWnd.h: CSplashWnd, the borderless popup that shows a bitmap centred
// on the screen while the program starts, owned by a hidden popup so that it
// has no taskbar button; CMySplashWnd, VornGUI's splash (bitmap resource
// 131, with a drop shadow). The user cannot close it: only the factory's
// close (m_bClosing set) takes it down, with its hidden owner and thread.
// It never takes the activation nor the keyboard: keys typed while it
// shows go to the main window, which is active from the moment it shows.
#pragma once

#include "platform/CGdiObject.h"
#include "platform/CWnd.h"

class CPalette : public CGdiObject<HPALETTE> {};

class CSplashWnd : public CWnd {
    DECLARE_DYNCREATE(CSplashWnd)
    DECLARE_MESSAGE_MAP()
public:
    CSplashWnd();
    ~CSplashWnd() override;

    // Loads the bitmap and shows the window; false when either fails.
    virtual BOOL Create();
    // Loads the bitmap from the file or the resource and reads its size.
    virtual BOOL LoadBitmap();

    void SetIcon(HICON hIcon);
    void SetBitmap(UINT nIDResource) { m_nBitmapId = nIDResource; m_bFromFile = false; }
    void SetBitmap(const char* pszFile) { m_strBitmapFile = pszFile; m_bFromFile = true; }
    void SetDropShadow(bool bOn) { m_bDropShadow = bOn; }
    void SetDraggable(bool bOn) { m_bDraggable = bOn; }
    // Layering, only where the system has SetLayeredWindowAttributes.
    void SetTransparency(COLORREF clrKey, BYTE nAlpha, DWORD dwFlags);

    volatile bool m_bClosing = false;  // set by the factory before it closes the window

protected:
    int OnCreate(LPCREATESTRUCT pcs);
    void OnPaint();
    void OnClose();
    LRESULT OnNcHitTestMsg(WPARAM wp, LPARAM lp);
    void OnDestroy();

private:
    void MakePalette();

    typedef BOOL(WINAPI* SetLayeredProc)(HWND, COLORREF, BYTE, DWORD);

    CBitmap m_bitmap;
    CPalette m_palette;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CWnd m_wndOwner;
    bool m_bFromFile = false;
    UINT m_nBitmapId = 131;
    CString m_strBitmapFile;
    HICON m_hIcon = nullptr;  // owned
    bool m_bLayered = false;
    COLORREF m_clrKey = RGB(255, 0, 255);
    bool m_bDraggable = true;
    SetLayeredProc m_pfnSetLayeredWindowAttributes = nullptr;
    bool m_bDropShadow = false;
    BYTE m_nAlpha = 255;
    DWORD m_dwLayeredFlags = 0;
};

class CMySplashWnd : public CSplashWnd {
    DECLARE_DYNCREATE(CMySplashWnd)
public:
    CMySplashWnd();
};
