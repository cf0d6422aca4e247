// DasdGeometryChartDlg.h: CDasdGeometryChartDlg, the modeless, resizable
// "Dasd Geometry Reference Chart": the geometry of the CKD and FBA disk
// models in a read-only rich edit in a fixed-pitch font, with a Copy
// context menu. The view keeps at most one on the heap; closing (the
// caption button, OK or Esc) destroys the window, which then posts
// WM_GEOMETRY_CHART_CLOSED to the view, and the view deletes the object.
// The placement is kept under "CDasdGeometryChartDlg".
#pragma once

#include "framework/cdxCDynamicDlg.h"
#include "platform/CGdiObject.h"
#include "platform/CRichEditCtrl.h"
#include "resources/resource.h"

class CCmdUI;

class CDasdGeometryChartDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_DASD_GEOMETRY_CHART };
    static const char* const kPlacementName;

    CDasdGeometryChartDlg();
    // Makes the window with pParent as its parent; pParent hears of the close.
    BOOL Create(CWnd* pParent);

    CString m_strChart;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;
    void OnOK() override;

protected:
    void OnClose();
    void OnDestroy();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);

private:
    CRichEditCtrl m_Text;
    CFont m_Font;
    HWND m_hNotify = nullptr;   // the view (not owned)
};
