// Afx.h: the framework layer's window half in one include: windows and
// their message maps, dialogs and data exchange, the application object and
// threads, GDI and menu wrappers.
#pragma once

#include "platform/AfxIds.h"
#include "platform/AfxResource.h"
#include "platform/CCmdUI.h"
#include "platform/CDC.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CGdiObject.h"
#include "platform/CMenu.h"
#include "platform/CPropertyPage.h"
#include "platform/CPropertySheet.h"
#include "platform/CScrollView.h"
#include "platform/CSyncObject.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"
#include "platform/CWinThread.h"
#include "platform/CWnd.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
