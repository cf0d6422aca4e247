// FrameworkTestRes.h: identifiers of the window framework tests' resources.
#pragma once

#define IDD_RESIZE_HELP   3001
#define IDC_LIST          3101
#define IDC_NAME          3102
#define IDC_LABEL         3103
#define IDC_CENTRE        3104
#define IDS_HELP_LIST     3201

#define IDD_PAGE_ONE      3002
#define IDD_PAGE_TWO      3003
#define IDD_TEST_SHEET    3004
#define IDC_PAGE_LABEL    3110
#define IDC_PAGE_EDIT     3111
#define IDC_PAGE_LIST     3112
#define IDC_PAGE_GROUP    3113
#define IDC_PAGE_CHECK    3114
#define IDC_PAGE_NOTE     3115
