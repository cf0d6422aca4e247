// ConfigWinTestRes.h: resource ids of the configuration helpers' window tests.
#pragma once

#define IDD_FIELDS      100
#define IDC_ADDRESS     101
#define IDC_NETMASK     102
#define IDC_MAC         103
#define IDC_FLAG        104
#define IDC_FOLDER      105
#define IDC_FILE        106
