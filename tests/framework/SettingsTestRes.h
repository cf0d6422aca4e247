// SettingsTestRes.h: identifiers of the settings and find/replace dialog
// tests' own resources (the dialogs' templates come from the program's).
#pragma once

#define IDD_TPAGE_GENERAL   3301
#define IDD_TPAGE_LARGE     3302
#define IDD_TPAGE_SMALL     3303
#define IDD_TPLAIN          3304
#define IDC_TPAGE_EDIT      3311
#define IDC_TPAGE_CHECK     3312
#define IDC_TPAGE_LIST      3313
#define IDC_TPAGE_BUTTON    3314
#define IDC_TPAGE_LABEL     3315
