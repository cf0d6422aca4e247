// DynControlsDlgBar.cpp: the control panel bar: its images and colours, the
// dials, the meter needle and the forwarding of its buttons.
#include "mainwindow/DynControlsDlgBar.h"

#include <cmath>

#include "config/DevNum.h"
#include "config/GdiHelpers.h"
#include "config/ProcessHelpers.h"
#include "config/WindowHelpers.h"
#include "framework/HelpKeys.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "platform/CWinApp.h"
#include "platform/OneStepPaint.h"
#include "platform/Trace.h"

namespace {

const char kSection[] = "Settings\\ControlsBar";
const UINT kHelpIdBar = 1720;

// The images recoloured by the panel, by resource name (order of kImage...).
const char* const kImageNames[CDynControlsDlgBar::kImageCount] = {
    "METERU", "DIALU", "SYSONU", "SYSOFFU", "MANONU", "MANOFFU", "WAITONU", "WAITOFFU", "LOADONU", "LOADOFFU",
};

// Help: each control's balloon string (an offset from IDS_HELP_CONTROLS_BAR)
// and context id.
struct SPanelHelp {
    UINT nID;
    UINT nString;
    UINT nHelpId;
};
const SPanelHelp kPanelHelp[] = {
    {IDC_PANEL_STORE, 1, 1321},      {IDC_PANEL_RESTART, 2, 1322},    {IDC_PANEL_START, 3, 1323},
    {IDC_PANEL_STOP, 4, 1324},       {IDC_PANEL_METER, 5, 1325},      {IDC_PANEL_DIGIT1, 6, 1330},
    {IDC_PANEL_DIGIT2, 6, 1330},     {IDC_PANEL_DIGIT3, 6, 1330},     {IDC_PANEL_DIGIT4, 6, 1330},
    {IDC_PANEL_DIAL1, 6, 1330},      {IDC_PANEL_DIAL2, 6, 1330},      {IDC_PANEL_DIAL3, 6, 1330},
    {IDC_PANEL_DIAL4, 6, 1330},      {IDC_PANEL_SYSON, 7, 1334},      {IDC_PANEL_SYSOFF, 7, 1334},
    {IDC_PANEL_MANON, 8, 1335},      {IDC_PANEL_MANOFF, 8, 1335},     {IDC_PANEL_WAITON, 9, 1336},
    {IDC_PANEL_WAITOFF, 9, 1336},    {IDC_PANEL_LOADON, 10, 1337},    {IDC_PANEL_LOADOFF, 10, 1337},
    {IDC_PANEL_POWERONOFF, 11, 1338}, {IDC_PANEL_POWERONON, 11, 1338}, {IDC_PANEL_POWEROFF, 12, 1339},
    {IDC_PANEL_INTERRUPT, 13, 1340}, {IDC_PANEL_LOAD, 14, 1341},
};

// How far each group of controls moves right, in percent of a change of the
// bar's width.
const struct {
    UINT nFirst, nLast;
    BYTE nMove;
} kLayoutGroups[] = {
    {IDC_PANEL_METER, IDC_PANEL_METER, 25},
    {IDC_PANEL_DIGIT1, IDC_PANEL_DIAL4, 50},
    {IDC_PANEL_SYSON, IDC_PANEL_LOADOFF, 75},
    {IDC_PANEL_POWERONOFF, IDC_PANEL_INTERRUPT, 100},
};

// The lit windows, hidden until lit, each with its unlit one, which sits at
// the same place, and the control before it in the template.
const struct SLitWindow {
    UINT nLit, nUnlit, nBefore;
} kLitWindows[] = {
    {IDC_PANEL_SYSON, IDC_PANEL_SYSOFF, IDC_PANEL_DIAL4},
    {IDC_PANEL_MANON, IDC_PANEL_MANOFF, IDC_PANEL_SYSOFF},
    {IDC_PANEL_WAITON, IDC_PANEL_WAITOFF, IDC_PANEL_MANOFF},
    {IDC_PANEL_LOADON, IDC_PANEL_LOADOFF, IDC_PANEL_WAITOFF},
    {IDC_PANEL_POWERONON, IDC_PANEL_POWERONOFF, IDC_PANEL_POWERONOFF},
};

const SLitWindow* FindLitWindow(UINT nID)
{
    for (const SLitWindow& w : kLitWindows)
        if (w.nLit == nID)
            return &w;
    return nullptr;
}

bool IsLitWindow(UINT nID)
{
    return FindLitWindow(nID) != nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDynControlsDlgBar, CMainWindowBarDlg)
    ON_COMMAND_RANGE(IDC_PANEL_START, IDC_PANEL_RESTART, OnPanelButton)
    ON_COMMAND_RANGE(IDC_PANEL_POWERONOFF, IDC_PANEL_INTERRUPT, OnPanelButton)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PANEL_DIAL1, IDC_PANEL_DIAL4, OnDialClicked)
    ON_CONTROL_RANGE(BN_DOUBLECLICKED, IDC_PANEL_DIAL1, IDC_PANEL_DIAL4, OnDialClicked)
    ON_UPDATE_COMMAND_UI_RANGE(IDC_PANEL_DIAL1, IDC_PANEL_DIAL4, OnUpdateDial)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The image and the needle composed off the screen and copied at once
// (OneStepPaint.h): the meter never shows without its needle.
void CPanelMeterButton::DrawItem(LPDRAWITEMSTRUCT pDIS)
{
    DrawInOneStep(pDIS->hDC, pDIS->rcItem, [&](HDC hdc) {
        DRAWITEMSTRUCT dis = *pDIS;
        dis.hDC = hdc;
        CMyBitmapButton::DrawItem(&dis);
        m_pBar->DrawMeterNeedle(&dis);
    });
}

CDynControlsDlgBar::CDynControlsDlgBar(CWnd* pParent)
    : CMainWindowBarDlg(IDD, ID_VIEW_CONTROLS_BAR, 9, pParent)
{
    m_nIDHelpDialog = IDD;
    if (!m_fontPanel.CreatePointFont(90, "System"))
        TRACE_FAILED_CALL("m_fontPanel.CreatePointFont(90, \"System\")");
    m_brBack.CreateSolidBrush(clrBack);
    if (CWinApp* pApp = AfxGetApp()) {
        clrText = (COLORREF)pApp->GetProfileInt(kSection, "clrText", (int)clrText);
        clrBack = (COLORREF)pApp->GetProfileInt(kSection, "clrBack", (int)clrBack);
    }
}

CDynControlsDlgBar::~CDynControlsDlgBar() = default;

void CDynControlsDlgBar::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_CONTROLS_BAR);
    for (const SPanelHelp& h : kPanelHelp)
        SetHelpString(MakeHelpKey(IDD, h.nID), IDS_HELP_CONTROLS_BAR + h.nString);
}

void CDynControlsDlgBar::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterHelpStrings();
    SetHelpId(MakeHelpKey(IDD, 0), kHelpIdBar);
    for (const SPanelHelp& h : kPanelHelp)
        SetHelpId(MakeHelpKey(IDD, h.nID), h.nHelpId);
}

bool CDynControlsDlgBar::Create(CSizingControlBar* pHostBar)
{
    m_bLitLeftOut = true;
    return CreateWithout(pHostBar, IsLitWindow);
}

BOOL CDynControlsDlgBar::OnInitDialog()
{
    SetSmallAppIcon();
    CMainWindowBarDlg::OnInitDialog();
    if (!LoadImages())
        return FALSE;
    CMyBitmapButton* buttons[] = {
        &m_btnStore,    &m_btnRestart,   &m_btnStart,    &m_btnStop,     &m_btnMeter,    &m_btnDials[0],
        &m_btnDials[1], &m_btnDials[2],  &m_btnDials[3], &m_btnLamps[0], &m_btnLamps[1], &m_btnLamps[2],
        &m_btnLamps[3], &m_btnLamps[4],  &m_btnLamps[5], &m_btnLamps[6], &m_btnLamps[7], &m_btnPowerOnOn,
        &m_btnPowerOnOff, &m_btnPowerOff, &m_btnInterrupt, &m_btnLoad,
    };
    const UINT ids[] = {
        IDC_PANEL_STORE,   IDC_PANEL_RESTART, IDC_PANEL_START,   IDC_PANEL_STOP,     IDC_PANEL_METER,
        IDC_PANEL_DIAL1,   IDC_PANEL_DIAL2,   IDC_PANEL_DIAL3,   IDC_PANEL_DIAL4,    IDC_PANEL_SYSON,
        IDC_PANEL_SYSOFF,  IDC_PANEL_MANON,   IDC_PANEL_MANOFF,  IDC_PANEL_WAITON,   IDC_PANEL_WAITOFF,
        IDC_PANEL_LOADON,  IDC_PANEL_LOADOFF, IDC_PANEL_POWERONON, IDC_PANEL_POWERONOFF, IDC_PANEL_POWEROFF,
        IDC_PANEL_INTERRUPT, IDC_PANEL_LOAD,
    };
    static_assert(sizeof(ids) / sizeof(ids[0]) == 22, "22 bitmap buttons");
    // The push buttons show their own images (LoadImages), the meter, the
    // dials and the lamps the panel's recoloured ones (ApplyAppearance,
    // below): each takes the size of its image.
    const int images[] = {
        -1, -1, -1, -1, kImageMeter, kImageDial, kImageDial, kImageDial, kImageDial,
        kImageLampFirst, kImageLampFirst + 1, kImageLampFirst + 2, kImageLampFirst + 3,
        kImageLampFirst + 4, kImageLampFirst + 5, kImageLampFirst + 6, kImageLampFirst + 7,
        -1, -1, -1, -1, -1,
    };
    static_assert(sizeof(images) / sizeof(images[0]) == 22, "an image or -1 for each button");
    for (int i = 0; i < 22; ++i) {
        if (m_bLitLeftOut && IsLitWindow(ids[i]))
            continue;
        if (!TakeImageSize(*buttons[i], ids[i], images[i] < 0 ? buttons[i]->m_bitmap : m_images[images[i]]))
            return FALSE;
    }
    for (int i = 0; i < 4; ++i) {
        m_edtDigits[i].SubclassDlgItem(IDC_PANEL_DIGIT1 + i, this);
        m_hDigits[i] = m_edtDigits[i].m_hWnd;
        m_edtDigits[i].SendMessage(WM_SETFONT, (WPARAM)m_fontPanel.m_hObject, TRUE);
    }
    AddLayoutControls();
    CString strIpl = AfxGetApp() ? AfxGetApp()->GetProfileString("Settings", "IPL", "0000") : CString("0000");
    SetDialsHex(strIpl);
    ApplyAppearance();
    return TRUE;
}

// Nothing moves vertically; across, each group moves right by its share of
// a width change. Registered once the buttons have taken their images' sizes
// (the layout keeps the rectangles it registers).
void CDynControlsDlgBar::AddLayoutControls()
{
    for (const auto& g : kLayoutGroups)
        for (UINT nID = g.nFirst; nID <= g.nLast; ++nID)
            if (HWND hCtrl = ControlOf(nID)->m_hWnd)
                AddSzXControl(hCtrl, g.nMove, g.nMove);
}

CWnd* CDynControlsDlgBar::ControlOf(UINT nID)
{
    CWnd* const controls[] = {
        &m_btnStart,     &m_btnStop,      &m_btnStore,     &m_btnRestart,   &m_btnMeter,     &m_edtDigits[0],
        &m_edtDigits[1], &m_edtDigits[2], &m_edtDigits[3], &m_btnDials[0],  &m_btnDials[1],  &m_btnDials[2],
        &m_btnDials[3],  &m_btnLamps[0],  &m_btnLamps[1],  &m_btnLamps[2],  &m_btnLamps[3],  &m_btnLamps[4],
        &m_btnLamps[5],  &m_btnLamps[6],  &m_btnLamps[7],  &m_btnPowerOnOff, &m_btnPowerOnOn, &m_btnPowerOff,
        &m_btnLoad,      &m_btnInterrupt,
    };
    static_assert(sizeof(controls) / sizeof(controls[0]) == IDC_PANEL_INTERRUPT - IDC_PANEL_START + 1,
                  "an object for each control id");
    return controls[nID - IDC_PANEL_START];
}

// A lit window takes its unlit one's place and size (their images have one
// size) and its place in the tab order after the control before it in the
// template; the layout moves it with its group from then on.
HWND CDynControlsDlgBar::GetLampWindow(UINT nID)
{
    if (nID < IDC_PANEL_SYSON || nID > IDC_PANEL_POWERONON || !m_hWnd)
        return nullptr;
    HWND hCtrl = ::GetDlgItem(m_hWnd, (int)nID);
    const SLitWindow* pLit = FindLitWindow(nID);
    if (hCtrl || !m_bLitLeftOut || !pLit)
        return hCtrl;
    auto* pButton = static_cast<CMyBitmapButton*>(ControlOf(nID));
    HWND hUnlit = ::GetDlgItem(m_hWnd, (int)pLit->nUnlit);
    HWND hBefore = ::GetDlgItem(m_hWnd, (int)pLit->nBefore);
    hCtrl = MakeTemplateControl(nID);
    if (!hCtrl || !hUnlit || !hBefore || !pButton->SubclassWindow(hCtrl))
        return hCtrl;
    RECT rc;
    ::GetWindowRect(hUnlit, &rc);
    ::MapWindowPoints(nullptr, m_hWnd, (POINT*)&rc, 2);
    ::SetWindowPos(hCtrl, hBefore, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOACTIVATE);
    for (const auto& g : kLayoutGroups)
        if (nID >= g.nFirst && nID <= g.nLast)
            AddSzXControl(hCtrl, g.nMove, g.nMove);
    return hCtrl;
}

BOOL CDynControlsDlgBar::TakeImageSize(CMyBitmapButton& button, UINT nID, const CBitmap& image)
{
    BITMAP bm = {};
    if (!button.SubclassDlgItem(nID, this) || !image.GetBitmap(&bm))
        return FALSE;
    button.SetWindowPos(nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

// The images to recolour, then each push button's up and pressed images
// (a push button's caption names its images: caption plus "U" and "D").
bool CDynControlsDlgBar::LoadImages()
{
    struct SPushImages {
        CMyBitmapButton& button;
        const char* pszUp;
        const char* pszDown;
    } const push[] = {
        {m_btnStore, "STOREU", "STORED"},
        {m_btnRestart, "RESTARTU", "RESTARTD"},
        {m_btnStart, "STARTU", "STARTD"},
        {m_btnStop, "STOPU", "STOPD"},
        {m_btnPowerOnOn, "POWERONONU", "POWERONOND"},
        {m_btnPowerOnOff, "POWERONOFFU", "POWERONOFFD"},
        {m_btnPowerOff, "POWEROFFU", "POWEROFFD"},
        {m_btnInterrupt, "INTERRUPTU", "INTERRUPTD"},
        {m_btnLoad, "LOADU", "LOADD"},
    };
    const size_t kCount = kImageCount + 2 * (sizeof(push) / sizeof(push[0]));
    const char* names[kCount];
    CBitmap* targets[kCount];
    size_t n = 0;
    for (int i = 0; i < kImageCount; ++i, ++n) {
        names[n] = kImageNames[i];
        targets[n] = &m_images[i];
    }
    for (const SPushImages& p : push) {
        names[n] = p.pszUp;
        targets[n++] = &p.button.m_bitmap;
        names[n] = p.pszDown;
        targets[n++] = &p.button.m_bitmapSel;
    }
    return LoadBitmapResources(AfxGetResourceHandle(), names, targets, kCount);
}

// The key colour becomes the background; white becomes the text colour,
// except in the dial, whose white marks stay.
void CDynControlsDlgBar::RecolourImages()
{
    for (int i = 0; i < kImageCount; ++i)
        if (m_images[i].m_hObject &&
            !ReplaceBitmapColor(&m_recoloured[i], &m_images[i], clrBack, i != kImageDial, RGB(255, 255, 255), clrText))
            WrenLibAfxTraceEx("CDynControlsDlgBar::RecolourImages", "image \"%s\" not recoloured", kImageNames[i]);
}

void CDynControlsDlgBar::ApplyAppearance()
{
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(clrBack);
    RecolourImages();
    if (m_btnMeter.m_hWnd) {
        CopyBitmap(&m_btnMeter.m_bitmap, &m_recoloured[kImageMeter]);
        for (CMyBitmapButton& dial : m_btnDials)
            CopyBitmap(&dial.m_bitmap, &m_recoloured[kImageDial]);
        for (int i = 0; i < 8; ++i)
            CopyBitmap(&m_btnLamps[i].m_bitmap, &m_recoloured[kImageLampFirst + i]);
    }
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->WriteProfileInt(kSection, "clrText", (int)clrText);
        pApp->WriteProfileInt(kSection, "clrBack", (int)clrBack);
    }
    RedrawBar();
}

void CDynControlsDlgBar::SetDialsHex(const char* pszDevNum)
{
    DWORD dwDevnum = 0;
    if (!pszDevNum || !ParseDevnumLcss(pszDevNum, &dwDevnum))
        dwDevnum = 0;
    DialsFromLoadUnit(FormatDevnum(dwDevnum & 0xFFFF), m_dials);
    ShowDials();
    // The dials hold no channel subsystem: the load unit keeps it.
    m_strLoadUnit = FormatDevnum(dwDevnum);
}

void CDynControlsDlgBar::ShowDials()
{
    // A digit already shown is left alone: the view shows the load unit again
    // at each page a configuration dialog's Apply or OK hands over.
    for (int i = 0; i < 4; ++i) {
        if (m_hDigits[i]) {
            CString strDigit;
            strDigit.Format("%X", m_dials.nDigit[i]);
            ShowWindowText(m_hDigits[i], strDigit);
        }
    }
    m_strLoadUnit = LoadUnitText(m_dials).c_str();
}

// Where the click was (the mouse message being handled) decides the way.
void CDynControlsDlgBar::OnDialClicked(UINT nID)
{
    PlaySoundResource("TwistDial");
    int nDial = (int)(nID - IDC_PANEL_DIAL1);
    DWORD dwPos = ::GetMessagePos();
    POINT pt = {(short)LOWORD(dwPos), (short)HIWORD(dwPos)};
    ScreenToClient(&pt);
    CRect rc;
    m_btnDials[nDial].GetWindowRect(&rc);
    ScreenToClient(&rc);
    m_dials.nDigit[nDial] = TurnDialDigit(m_dials.nDigit[nDial], pt.x, rc.left, rc.right);
    ShowDials();
}

void CDynControlsDlgBar::OnUpdateDial(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

// The main frame's command routing takes the button to the view.
void CDynControlsDlgBar::OnPanelButton(UINT nID)
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, nID, 0);
}

// A line from the centre below the meter, at the needle's angle, of which
// only the part inside the meter shows. The line is drawn to the end point
// that an angle arc of no sweep would reach: Wine draws a whole circle for
// such an arc. Buttons draw with their parent's clipping (CS_PARENTDC), so
// the needle is clipped to the meter.
void CDynControlsDlgBar::DrawMeterNeedle(LPDRAWITEMSTRUCT pDIS)
{
    CPen pen(PS_SOLID, 1, clrText);
    int nSaved = ::SaveDC(pDIS->hDC);
    const RECT& rc = pDIS->rcItem;
    ::IntersectClipRect(pDIS->hDC, rc.left, rc.top, rc.right, rc.bottom);
    {
        CDCSelect selPen(pDIS->hDC, pen.m_hObject);
        int x = 0, y = 0;
        NeedleCentre(rc.left, rc.top, rc.right, rc.bottom, x, y);
        double dRadians = NeedleAngle(m_needle.Next(m_dMeterValue)) * 3.14159265358979323846 / 180.0;
        ::MoveToEx(pDIS->hDC, x, y, nullptr);
        ::LineTo(pDIS->hDC, x + (int)std::lround(kNeedleRadius * std::cos(dRadians)),
                 y - (int)std::lround(kNeedleRadius * std::sin(dRadians)));
    }
    ::RestoreDC(pDIS->hDC, nSaved);
}

HBRUSH CDynControlsDlgBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT)
{
    if (pWnd && pWnd->m_hWnd == m_btnMeter.m_hWnd)
        return nullptr;
    return SetBarColors(pDC, clrText, clrBack, m_brBack);
}

BOOL CDynControlsDlgBar::OnEraseBkgnd(CDC* pDC)
{
    return FillClient(pDC, clrBack);
}
