// EditsTestRes.h: identifiers of the edit and progress control tests' resources.
#pragma once

#define IDD_EDITS         3501
#define IDC_HEX           3511
#define IDC_DEVNUM        3512
#define IDC_ALNUM         3513
#define IDC_FPEDIT        3514
#define IDC_FPSPIN        3515
#define IDC_PROGRESS      3516
#define IDC_PROGRESS_VERT 3517
#ifndef IDC_STATIC
#define IDC_STATIC        (-1)
#endif
