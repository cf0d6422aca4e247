// VornGUIViewAppearance.cpp: the look of the console and of the bars as the
// preferences' appearance pages (7 to 12) set it: their working fields
// filled from the live settings and taken back, and the console's fonts,
// colours and scroll geometry put into effect with the command line's.
#include <cstring>

#include "mainwindow/DynCPUPercentDlgBar.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "platform/CFrameWnd.h"
#include "preferences/PreferencesDlg.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

void CVornGUIView::FillAppearancePages(CPreferencesDlg& dlg)
{
    // Only descriptions go to the page: the view's fonts stay the view's.
    SPrefConsoleFields& cons = dlg.ConsoleFields();
    cons.crBackground = m_settings.m_crBackground;
    cons.nPointSize = m_settings.m_nFontSize;
    for (int k = 0; k < kMsgKindCount; ++k) {
        cons.crKind[k] = m_settings.m_styles[k].crColor;
        if (m_fonts[k].m_hObject)
            m_fonts[k].GetLogFont(&cons.lfKind[k]);
    }
    cons.bBeepError = m_settings.m_bErrorMsgBeep;
    cons.bBeepWarning = m_settings.m_bWarnMsgBeep;

    if (m_receivers.pDevListLook)
        dlg.DevListFields() = m_receivers.pDevListLook->GetLook();
    if (CDynControlsDlgBar* pBar = m_receivers.pControlsBar) {
        dlg.ControlsFields().crText = pBar->clrText;
        dlg.ControlsFields().crBack = pBar->clrBack;
    }
    if (CDynCPUPercentDlgBar* pBar = m_receivers.pCpuPercentBar) {
        SPrefPercentFields& pct = dlg.PercentFields();
        for (int t = 0; t < SPrefPercentFields::kEngineTypes; ++t) {
            pct.nMeterColor[t] = pBar->m_nMeterColor[t];
            pct.nMeterStyle[t] = pBar->m_nMeterStyle[t];
        }
        pct.crText = pBar->clrFont;
        pct.crBack = pBar->clrBG;
    }

    SPrefStatLineFields& stat = dlg.StatLineFields();
    for (int i = 0; i < kStatusPartCount; ++i) {
        stat.nOrder[i] = m_settings.m_nPartOrder[i];
        stat.bVisible[i] = m_settings.m_bPartVisible[i] ? 1 : 0;
    }
    if (m_statusFont.m_hObject)
        m_statusFont.GetLogFont(&stat.lf);
    stat.nPointSize = m_settings.m_nStatusFontSize;

    if (m_receivers.pStorageLook)
        dlg.DisplayAlterFields() = m_receivers.pStorageLook->GetLook();
}

namespace {

// A look as a bar has it already (a page applied again, by OK after Apply
// or as one of the pages shown) is not put into effect again: each bar
// writes its settings and repaints itself at once.
void TakeLook(IBarLook* pBar, const SBarLook& look)
{
    if (!pBar)
        return;
    const SBarLook now = pBar->GetLook();
    if (std::memcmp(&now.lf, &look.lf, sizeof look.lf) != 0 || now.nPointSize != look.nPointSize ||
        now.crText != look.crText || now.crBack != look.crBack)
        pBar->SetLook(look);
}

void TakeControlsFields(CDynControlsDlgBar* pBar, const SPrefControlsFields& fields)
{
    if (!pBar || (pBar->clrText == fields.crText && pBar->clrBack == fields.crBack))
        return;
    pBar->clrText = fields.crText;
    pBar->clrBack = fields.crBack;
    pBar->ApplyAppearance();
}

void TakePercentFields(CDynCPUPercentDlgBar* pBar, const SPrefPercentFields& pct)
{
    if (!pBar)
        return;
    bool bSame = pBar->clrFont == pct.crText && pBar->clrBG == pct.crBack;
    for (int t = 0; t < SPrefPercentFields::kEngineTypes; ++t)
        bSame = bSame && pBar->m_nMeterColor[t] == pct.nMeterColor[t] && pBar->m_nMeterStyle[t] == pct.nMeterStyle[t];
    if (bSame)
        return;
    for (int t = 0; t < SPrefPercentFields::kEngineTypes; ++t) {
        pBar->m_nMeterColor[t] = pct.nMeterColor[t];
        pBar->m_nMeterStyle[t] = pct.nMeterStyle[t];
    }
    pBar->clrFont = pct.crText;
    pBar->clrBG = pct.crBack;
    pBar->ApplyAppearance();
}

}  // namespace

bool CVornGUIView::ApplyAppearancePage(CPreferencesDlg& dlg, int nPage)
{
    switch (nPage) {
    case kPrefsConsole:
        TakeConsoleFields(dlg.ConsoleFields());
        return true;
    case kPrefsDevList:
        TakeLook(m_receivers.pDevListLook, dlg.DevListFields());
        return true;
    case kPrefsControls:
        TakeControlsFields(m_receivers.pControlsBar, dlg.ControlsFields());
        return true;
    case kPrefsPercent:
        TakePercentFields(m_receivers.pCpuPercentBar, dlg.PercentFields());
        return true;
    case kPrefsStatusBar:
        return TakeStatusLineFields(dlg.StatLineFields());
    case kPrefsDisplayAlter:
        TakeLook(m_receivers.pStorageLook, dlg.DisplayAlterFields());
        return true;
    default:
        return true;  // beyond the pages: nothing to take
    }
}

void CVornGUIView::TakeConsoleFields(const SPrefConsoleFields& cons)
{
    // The console's look as it is (the page applied again) is not put into
    // effect again: the pane repaints and the command line takes its font.
    const char* pszFace = cons.lfKind[kMsgPlain].lfFaceName;
    bool bSame = m_settings.m_crBackground == cons.crBackground && m_settings.m_bErrorMsgBeep == cons.bBeepError &&
                 m_settings.m_bWarnMsgBeep == cons.bBeepWarning && (!pszFace[0] || m_settings.m_strFontName == pszFace) &&
                 (cons.nPointSize <= 0 || m_settings.m_nFontSize == cons.nPointSize);
    for (int k = 0; k < kMsgKindCount && bSame; ++k)
        bSame = m_settings.m_styles[k].crColor == cons.crKind[k] &&
                m_settings.m_styles[k].bBold == (cons.lfKind[k].lfWeight >= FW_BOLD) &&
                m_settings.m_styles[k].bItalic == (cons.lfKind[k].lfItalic != 0);
    if (bSame)
        return;
    m_settings.m_crBackground = cons.crBackground;
    for (int k = 0; k < kMsgKindCount; ++k) {
        m_settings.m_styles[k].crColor = cons.crKind[k];
        m_settings.m_styles[k].bBold = cons.lfKind[k].lfWeight >= FW_BOLD;
        m_settings.m_styles[k].bItalic = cons.lfKind[k].lfItalic != 0;
    }
    // A description without a face (none was filled in) keeps the font.
    if (cons.lfKind[kMsgPlain].lfFaceName[0])
        m_settings.m_strFontName = cons.lfKind[kMsgPlain].lfFaceName;
    if (cons.nPointSize > 0)
        m_settings.m_nFontSize = cons.nPointSize;
    m_settings.m_bErrorMsgBeep = cons.bBeepError;
    m_settings.m_bWarnMsgBeep = cons.bBeepWarning;
    CreateConsoleFonts();
    ApplyConsoleLineOptions();  // the readers beep by these
    ApplyConsoleAppearance();
}

bool CVornGUIView::TakeStatusLineFields(const SPrefStatLineFields& stat)
{
    // A page hands over an order of each part once; anything else would
    // leave parts without a place.
    if (!IsStatusLinePartOrder(stat.nOrder))
        return false;
    for (int i = 0; i < kStatusPartCount; ++i) {
        m_settings.m_nPartOrder[i] = stat.nOrder[i];
        m_settings.m_bPartVisible[i] = stat.bVisible[i] != 0;
    }
    // The status bar and the status-line bar read them as they are rebuilt.
    SaveStatusLineParts(m_settings.m_nPartOrder, m_settings.m_bPartVisible);
    if (stat.lf.lfFaceName[0])
        m_settings.m_strStatusFontName = stat.lf.lfFaceName;
    if (stat.nPointSize > 0)
        m_settings.m_nStatusFontSize = stat.nPointSize;
    ApplyConsoleLineOptions();  // which parts the readers keep
    ApplyBarFont();             // the font, then the status bar rebuilt
    return true;
}

void CVornGUIView::ApplyConsoleAppearance()
{
    if (!m_hWnd)
        return;
    MeasureFont();
    RecalcPaneGeometry();
    UpdateScrollBars();
    SetBrushBackground();
    m_nEraseMode = 2;
    Invalidate(TRUE);
    // The command line shows the console's plain colours and font.
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SendMessage(WM_CONSOLE_LOOK_CHANGED);
}
