// PlatformTestRes.h: identifiers of the window tests' resources.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif

#define IDD_SAMPLE          100
#define IDD_PAGE_ONE        101
#define IDD_PAGE_TWO        102
#define IDD_MODELESS        103

#define IDS_TEST_GREETING   200
#define IDR_TEST_MENU       300
#define IDR_DOCFRAME        310

#define IDC_NAME            1001
#define IDC_COUNT           1002
#define IDC_LIMIT           1003
#define IDC_RATIO           1004
#define IDC_ENABLED         1005
#define IDC_MODE_A          1006
#define IDC_MODE_B          1007
#define IDC_MODE_C          1008
#define IDC_KIND            1009
#define IDC_HOST            1010
#define IDC_DEVICES         1011
#define IDC_SPEED           1012
#define IDC_NOHANDLER       1013
#define IDC_PAGE_VALUE      1020
#define IDC_PAGE_FLAG       1021
#define IDC_STATUS          1030

#define ID_TEST_DO          40001
#define ID_TEST_NONE        40002
