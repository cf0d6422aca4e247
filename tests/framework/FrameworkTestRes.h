// FrameworkTestRes.h: identifiers of the window framework tests' resources.
#pragma once

#define IDD_RESIZE_HELP   3001
#define IDC_LIST          3101
#define IDC_NAME          3102
#define IDC_LABEL         3103
#define IDC_CENTRE        3104
#define IDS_HELP_LIST     3201
