// cdxCDynamicWnd.h: the dynamic layout engine, a second base of every
// resizable dialog, page, sheet and bar dialog. Each registered child control
// carries four percentages that say how far its edges travel with the growth
// of the client area; a class's dynamic map registers its controls when the
// layout starts. The engine keeps the minimum tracking size, places a size
// grip clear of the buttons and moves all controls in one deferred
// window-position pass, each moved control painted afresh.
//
// Dynamic map of a class (base classes' maps apply first):
//   BEGIN_DYNAMIC_MAP(CMyDlg, cdxCDynamicHelpDialog)
//       DYNAMIC_MAP_ENTRY(IDC_LIST, mdResize, mdResize)   // type 2: modes
//       DYNAMIC_MAP_ENTRY(IDOK, mdRepos, mdRepos)
//   END_DYNAMIC_MAP()
// with DECLARE_DYNAMIC_MAP() in the class.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "framework/DynamicLayoutMath.h"

class CWnd;
class cdxCSizeIconCtrl;

enum { mdNone = kDynModeStay, mdResize = kDynModeStretch, mdRepos = kDynModeMove, mdRelative = kDynModeMoveHalf };

#define DECLARE_DYNAMIC_MAP()                            \
protected:                                               \
    static const cdxDynamicMapEntry s_dynamicMapEntries[]; \
public:                                                  \
    const cdxDynamicMapEntry* GetDynamicMap(const cdxDynamicMapEntry* pPrev) override;

#define BEGIN_DYNAMIC_MAP(C, Base)                                             \
    const cdxDynamicMapEntry* C::GetDynamicMap(const cdxDynamicMapEntry* pPrev) \
    {                                                                          \
        if (pPrev == s_dynamicMapEntries)                                      \
            return nullptr;                                                    \
        const cdxDynamicMapEntry* p = Base::GetDynamicMap(pPrev);              \
        return p ? p : s_dynamicMapEntries;                                    \
    }                                                                          \
    const cdxDynamicMapEntry C::s_dynamicMapEntries[] = {
#define DYNAMIC_MAP_ENTRY(id, hMode, vMode) {kDynMapModes, (DWORD)(id), (BYTE)(hMode), (BYTE)(vMode), 0, 0},
#define DYNAMIC_MAP_ENTRY_EX(id, l, t, r, b) {kDynMapPercents, (DWORD)(id), (BYTE)(l), (BYTE)(t), (BYTE)(r), (BYTE)(b)},
#define DYNAMIC_MAP_XENTRY(id, hMode) {kDynMapXMode, (DWORD)(id), (BYTE)(hMode), 0, 0, 0},
#define DYNAMIC_MAP_YENTRY(id, vMode) {kDynMapYMode, (DWORD)(id), 0, (BYTE)(vMode), 0, 0},
#define END_DYNAMIC_MAP() {kDynMapEnd, 0, 0, 0, 0, 0} };

const UINT kSizeGripId = 0xEA20;
const UINT_PTR kLayoutTimerId = 0x7164;
const UINT kLayoutTimerMs = 120;

// Layout flags. Without desktop composition each layout pass repaints the
// controls it moves, so a flag 4 (keep the moved controls' bits) has nothing
// to switch; under composition moved controls keep their bits.
enum : UINT { flSizeIcon = 1, flAntiFlicker = 2 };

class cdxCDynamicWnd {
public:
    cdxCDynamicWnd(DWORD nFreedom, UINT nFlags);
    cdxCDynamicWnd(const cdxCDynamicWnd&) = delete;
    cdxCDynamicWnd& operator=(const cdxCDynamicWnd&) = delete;
    virtual ~cdxCDynamicWnd();

    virtual int GetCtrlCount() const { return (int)m_Controls.size(); }
    virtual bool AddSzControl(HWND hCtrl, const CDynPos& pos, bool bReposNow);
    virtual bool UpdSzXControl(HWND hCtrl, const CDynPos& pos, bool bReposNow);
    virtual bool UpdSzYControl(HWND hCtrl, const CDynPos& pos, bool bReposNow);
    virtual void AddSzAllControls(const BYTE pct[4], bool bOverwrite, bool bLayoutNow);
    virtual void AddSzXAllControls(BYTE pl, BYTE pr, bool bLayoutNow);
    virtual void AddSzYAllControls(BYTE pt, BYTE pb, bool bLayoutNow);
    // The i-th of n controls in a row (or column), moved or sized evenly;
    // false for n < 2 or i outside 1..n.
    virtual bool AddSzXControlEvenMove(int n, int i, UINT nID, bool bReposNow);
    virtual bool AddSzYControlEvenMove(int n, int i, UINT nID, bool bReposNow);
    virtual bool AddSzXControlEvenSize(int n, int i, UINT nID, bool bReposNow);
    virtual bool AddSzYControlEvenSize(int n, int i, UINT nID, bool bReposNow);
    virtual void Layout();
    virtual void OnSizingStart(bool bFromRightOrBottom);
    virtual SIZE GetCurrentClientSize() const;
    virtual bool GetControlPosition(HWND hCtrl, RECT& rc, SIZE delta, POINT ptScroll) const;
    virtual void ForgetSzControl(HWND hCtrl) { m_Controls.erase(hCtrl); }
    virtual void OnWindowInitialized() {}
    virtual void OnWindowClosing() {}
    virtual const cdxDynamicMapEntry* GetDynamicMap(const cdxDynamicMapEntry* pPrev) { return nullptr; }

    void InitDynamicLayout(CWnd* pWnd);
    void EndDynamicLayout();
    bool IsActive() const;
    bool RemSzControl(HWND hCtrl, bool bRestore);
    bool UpdateControlPosition(HWND hCtrl);
    bool AddSzControl(HWND hCtrl, BYTE pl, BYTE pt, BYTE pr, BYTE pb, SIZE szMin = SIZE{0, 0}, bool bReposNow = true);
    bool AddSzControlByModes(HWND hCtrl, int nHMode, int nVMode);
    bool AddSzXControl(HWND hCtrl, BYTE pl, BYTE pr, SIZE szMin = SIZE{0, 0}, bool bReposNow = true);
    bool AddSzYControl(HWND hCtrl, BYTE pt, BYTE pb, SIZE szMin = SIZE{0, 0}, bool bReposNow = true);
    bool AddSzXControlById(UINT nID, int nMode);
    bool AddSzAxisControl(UINT nID, int nMode);  // the vertical rule by id and mode
    // A control nID made after the layout started, where it belongs at the
    // initial size: registered by its map entry and moved to its place for
    // the current size; false when no map entry names it.
    bool AddSzControlFromMap(HWND hCtrl, UINT nID);

    void DoOnSize(UINT nType, int cx, int cy);
    void DoOnSizing(UINT nEdge, LPRECT pRect);
    void DoOnGetMinMaxInfo(MINMAXINFO* pMMI);
    // WM_PARENTNOTIFY, as OnParentNotify: a child that goes leaves the layout.
    void DoOnParentNotify(UINT nMsg, LPARAM lp);
    void OnLayoutTimer(UINT_PTR nIDEvent);
    bool StretchWindow(SIZE szAdd);
    bool StretchWindowPercent(int nPercent);
    SIZE GetBorderSize() const;

    SIZE m_szInitial = {0, 0};
    SIZE m_szMin = {0, 0};
    SIZE m_szMax = {0, 0};
    bool m_bUseScrollPos = false;
    DWORD m_nFreedom;
    UINT m_nFlags;

protected:
    HWND Hwnd() const;
    CWnd* Window() const { return m_pWnd; }
    bool CurrentDelta(SIZE& delta, POINT& ptScroll) const;
    CDynPos RecordFromWindow(HWND hCtrl, BYTE pl, BYTE pt, BYTE pr, BYTE pb, SIZE szMin) const;
    bool MoveOne(HWND hCtrl, const RECT& rc, UINT nFlags);
    void RepaintGroupBoxAreas(const std::vector<RECT>& areas);

private:
    void DoInitWindow(SIZE szInitial);
    void RegisterMapEntry(const cdxDynamicMapEntry& e);
    void CreateSizeGrip(CWnd* pWnd);
    static void MakeRoomForSizeGrip(HWND hWnd, HWND hGrip);
    HWND ItemHandle(UINT nID) const;

    std::map<HWND, CDynPos> m_Controls;
    CWnd* m_pWnd = nullptr;
    std::unique_ptr<cdxCSizeIconCtrl> m_pSizeIcon;
    UINT_PTR m_nTimerId = 0;
    bool m_bClassStyleSwitched = false;
    int m_nDisabled = 0;
    DWORD m_nSavedClassBits = 0;
};
