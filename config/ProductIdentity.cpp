// ProductIdentity.cpp: the program's name, version, copyright and default
// addresses (see ProductIdentity.h).
#include "config/ProductIdentity.h"

#define VORN_COPYRIGHT_NOTICE "Copyright (C) 2026"
#define VORN_COMPANY_NAME "Quadrelle"

const char g_strProductName[] = "Vornamic Windows GUI";
const char g_strProductVersion[] = "1.21.0.6211";
const char g_strCopyrightNotice[] = VORN_COPYRIGHT_NOTICE;
const char g_strCompanyName[] = VORN_COMPANY_NAME;
const char g_strCopyrightLine[] = VORN_COPYRIGHT_NOTICE " " VORN_COMPANY_NAME ". All rights reserved.";

const char g_strDefaultProductURL[] = "https://www.quadrelle.example/vorngui/";
const char g_strDefaultSupportEmail[] = "vorngui-support@quadrelle.example";
const char g_strDefaultEmulatorURL[] = "https://www.vornamic.example/";
const char g_strDefaultEmulatorSupportEmail[] = "vornamic-users@groups.vornamic.example";
