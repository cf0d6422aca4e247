// DockingBarsTestRes.h: identifiers of the docking bar tests' resources.
#pragma once

#define IDD_BAR_DLG      3301
#define IDC_BAR_EDIT     3311
#define IDC_BAR_GO       3312
#define IDC_BAR_LONG     3313
#define IDC_BAR_NOPROMPT 3314
#define ID_BAR_COMMAND   3320
