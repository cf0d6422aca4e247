// ScreenCover.h: CScreenCover, a window of its own over a part of the
// screen that shows what the screen showed there when it was made, while
// it lives. What is drawn under it (a page of some sixty controls) shows
// whole when it goes: Wine puts a window's drawing on the screen a few
// controls at a time once it has drawn for 50 ms, and serves the part of a
// window that another one uncovers from the window's buffer. A change of
// focus in the covered window has Wine raise that window above the cover:
// the focus moves once the cover is gone. LetScreenCatchUp puts what was
// drawn on the screen.
#pragma once

#include "platform/CGdiObject.h"
#include "platform/CWnd.h"

// The class of the cover's window: a window under one is not yet seen.
inline constexpr char kScreenCoverClass[] = "VornScreenCover";

class CScreenCover : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    // Over rcScreen, above every window of the program, owned by hOwner (it
    // goes with it at the latest); never active, and transparent to the
    // mouse: keys go where they went, and a click to the window under it
    // where the system passes it on (Wine drops it, as the window it was
    // meant for is not yet seen). Nothing is covered when no window can be
    // had.
    // Without bShow it only takes its picture: Show puts it over the screen.
    CScreenCover(HWND hOwner, const RECT& rcScreen, bool bShow = true);
    void Show();
    // Draws the picture on hOwner's own window where it lies (over its
    // children): a window just shown without a paint then shows what the
    // screen showed, as it has nothing of its own drawn yet.
    void DrawOnOwner();
    // Gone, it has what hOwner drew under it put on the screen at once, in
    // one piece: Wine would put it there only once it hears from the display
    // that the part is uncovered, and in the meantime a part drawn anew (a
    // control's late paint) would show alone.
    ~CScreenCover() override;
    CScreenCover(const CScreenCover&) = delete;
    CScreenCover& operator=(const CScreenCover&) = delete;

protected:
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint();
    LRESULT OnNcHitTest(CPoint) { return HTTRANSPARENT; }
    // A close posted to every window of the program (taskkill, the system's
    // end task) is not for the cover: it goes with its step or its owner.
    void OnClose() {}

private:
    CBitmap m_shot;  // the screen as it was
    HWND m_hOwner;
    RECT m_rcScreen;
};

// Wine puts what the program drew on the screen each time the thread waits
// for messages, and while it does not, every 50 ms: a wait of no time.
void LetScreenCatchUp();
