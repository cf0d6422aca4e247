// PlaceholderMain.cpp: the program's application object until the real one
// and its main frame take over: it chooses the settings store, makes the
// single-document template (the console document and view in a plain frame
// with the File menu) and shows the window. The frame keeps the main
// window's class name, which tests and tools look for.
#include <windows.h>
#include <commctrl.h>

#include "platform/CDocTemplate.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "resource.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"

namespace {

const char kMainClass[] = "VornGUIMainFrame";

class CPlaceholderFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CPlaceholderFrame)
protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        if (!CFrameWnd::PreCreateWindow(cs))
            return FALSE;
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof(wc);
        if (!::GetClassInfoExA(cs.hInstance, kMainClass, &wc)) {
            wc.cbSize = sizeof(wc);
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = AfxWndProc;
            wc.hInstance = cs.hInstance;
            wc.hIcon = ::LoadIconA(cs.hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
            wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
            wc.lpszClassName = kMainClass;
            if (!::RegisterClassExA(&wc))
                return FALSE;
        }
        cs.lpszClass = kMainClass;
        cs.cx = 800;
        cs.cy = 560;
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CPlaceholderFrame, CFrameWnd)

class CPlaceholderApp : public CWinApp {
public:
    CPlaceholderApp() : CWinApp("VornGUI") {}

    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&icc);
        m_strProfileName = "VornGUI.ini";
        AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVornGUIDoc),
                                              RUNTIME_CLASS(CPlaceholderFrame), RUNTIME_CLASS(CVornGUIView)));
        return OpenDocumentFile(nullptr) != nullptr;
    }
};

CPlaceholderApp theApp;

}  // namespace
