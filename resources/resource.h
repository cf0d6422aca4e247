// resource.h: identifiers of the program's resources.
#pragma once

#define IDR_MAINFRAME       128

#define ID_APP_EXIT         0xE141
