// ProductIdentity.h: who the program is, defined once: its display name and
// version, the maker's copyright line, and the default web and support
// addresses of the program and of the emulator, which the "URLs" settings
// override. The About box, the console log's header, a configuration file's
// header, the bug-report mail and the unhandled-exception report all take
// them from here.
#pragma once

extern const char g_strProductName[];      // "Vornamic Windows GUI"
extern const char g_strProductVersion[];   // "1.21.0.6211"
extern const char g_strCopyrightNotice[];  // the notice before the company's name
extern const char g_strCompanyName[];
extern const char g_strCopyrightLine[];    // the notice, the company and the reservation

// Defaults of the "URLs" settings of the same names.
extern const char g_strDefaultProductURL[];          // "VornGUIProductURL"
extern const char g_strDefaultSupportEmail[];        // "VornGUISupportEmail"
extern const char g_strDefaultEmulatorURL[];         // "VornamicProductURL"
extern const char g_strDefaultEmulatorSupportEmail[];  // "VornamicSupportEmail"
