// ControlBarStyles.h: the numbers of the docking layer: control-bar style
// bits (CBRS_*), layout modes of CalcDynamicLayout (LM_*), the ids of the
// frame's bar windows (AFX_IDW_*) and the mini-frame styles (MFS_*). Each is
// guarded, so a module's resource.h may define the same name with the same
// value.
#pragma once

#include "platform/Types.h"

// ---- bar style (CControlBar::m_dwStyle) ----
#ifndef CBRS_ALIGN_LEFT
#define CBRS_FLOATING       0x00000001L  // the bar lives in a floating mini frame
#define CBRS_SIZE_FIXED     0x00000002L
#define CBRS_SIZE_DYNAMIC   0x00000004L  // CalcDynamicLayout sizes the bar
#define CBRS_HIDE_INPLACE   0x00000008L
#define CBRS_TOOLTIPS       0x00000010L
#define CBRS_FLYBY          0x00000020L  // prompts in the status bar while the mouse moves
#define CBRS_FLOAT_MULTI    0x00000040L
#define CBRS_BORDER_3D      0x00000080L
#define CBRS_BORDER_LEFT    0x00000100L
#define CBRS_BORDER_TOP     0x00000200L
#define CBRS_BORDER_RIGHT   0x00000400L
#define CBRS_BORDER_BOTTOM  0x00000800L
#define CBRS_BORDER_ANY     0x00000F00L
#define CBRS_ALIGN_LEFT     0x00001000L
#define CBRS_ALIGN_TOP      0x00002000L
#define CBRS_ALIGN_RIGHT    0x00004000L
#define CBRS_ALIGN_BOTTOM   0x00008000L
#define CBRS_ALIGN_ANY      0x0000F000L
#define CBRS_GRIPPER        0x00400000L
#define CBRS_ALL            0x0040FFFFL  // the bits Create keeps as the bar style
#define CBRS_NOALIGN        0x00000000L
#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)
#endif

// ---- CalcDynamicLayout modes ----
#ifndef LM_STRETCH
#define LM_STRETCH   0x01  // the bar takes the whole length
#define LM_HORZ      0x02  // a horizontal layout
#define LM_MRUWIDTH  0x04  // the most recently used (floating) size
#define LM_HORZDOCK  0x08  // docked in a horizontal row
#define LM_VERTDOCK  0x10  // docked in a vertical row
#define LM_LENGTHY   0x20  // nLength is the height, not the width
#define LM_COMMIT    0x40  // remember the size as the floating one
#endif

// ---- window ids ----
#ifndef AFX_IDW_CONTROLBAR_FIRST
#define AFX_IDW_CONTROLBAR_FIRST  0xE800
#define AFX_IDW_CONTROLBAR_LAST   0xE8FF
#endif
#ifndef AFX_IDW_TOOLBAR
#define AFX_IDW_TOOLBAR           0xE800
#endif
#ifndef AFX_IDW_DOCKBAR_TOP
#define AFX_IDW_DOCKBAR_TOP       0xE81B
#define AFX_IDW_DOCKBAR_LEFT      0xE81C
#define AFX_IDW_DOCKBAR_RIGHT     0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM    0xE81E
#define AFX_IDW_DOCKBAR_FLOAT     0xE81F
#endif

// ---- mini-frame styles (bits of the window style the frame interprets) ----
// The low ones stay in the window style, where a pop-up window leaves them
// unused. MFS_BLOCKSYSMENU and FWS_SNAPTOPARENT are WS_MAXIMIZEBOX and
// WS_MINIMIZEBOX there: CMiniDockFrameWnd takes them out of the style it is
// created with and keeps them as its frame flags.
#ifndef MFS_MOVEFRAME
#define MFS_SYNCACTIVE     0x00000100L  // activates with its owner
#define MFS_4THICKFRAME    0x00000200L  // sizable on all four sides
#define MFS_THICKFRAME     0x00000400L
#define MFS_MOVEFRAME      0x00000800L  // moved by its whole frame
#define MFS_BLOCKSYSMENU   0x00010000L  // its system menu never opens (icon, caption, Alt+Space)
#endif
#ifndef FWS_SNAPTOPARENT
#define FWS_SNAPTOPARENT   0x00020000L  // laid out inside the work area of its monitor
#endif

// RepositionBars flags.
#ifndef reposDefault
enum { reposDefault = 0, reposQuery = 1, reposExtra = 2 };
#endif
