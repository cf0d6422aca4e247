// DeviceDialogRulesTest.cpp: which dialog edits a device, the folder each
// caller starts it in, the type list's choice, the type texts and the
// device-number check with its messages, and device file names split into
// folder and file.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "config/DevClass.h"
#include "devices/DeviceDialogRules.h"

namespace {

SDeviceFolders Folders()
{
    SDeviceFolders f;
    f.strReader = "R:\\rdr\\";
    f.strPunch = "P:\\pch\\";
    f.strPrinter = "L:\\prt\\";
    f.strDisk = "D:\\dasd\\";
    f.strTape = "T:\\tape\\";
    f.strConfig = "C:\\cnf\\";
    return f;
}

CStringArray Types(const char* pszList)
{
    CStringArray types;
    SplitDeviceTypeList(pszList, types);
    return types;
}

}  // namespace

TEST(DeviceDialogKind, ClassesZeroToSevenHaveTheirDialogAndEveryOtherTheEditor)
{
    const struct { WORD wClass; bool bManual; EDeviceDialogKind eKind; } rows[] = {
        {DEVCLASS_RDR, false, kDeviceDlgCardReader}, {DEVCLASS_PCH, false, kDeviceDlgCardPunch},
        {DEVCLASS_PRT, false, kDeviceDlgPrinter},    {DEVCLASS_LOG, false, kDeviceDlgConsole},
        {DEVCLASS_3270, false, kDeviceDlgDisplay},   {DEVCLASS_DISK, false, kDeviceDlgDasd},
        {DEVCLASS_TAPE, false, kDeviceDlgTape},      {DEVCLASS_COMM, false, kDeviceDlgComm},
        {DEVCLASS_UNKNOWN, false, kDeviceDlgStmtEdit}, {9, false, kDeviceDlgStmtEdit},
        {0xFFFF, false, kDeviceDlgStmtEdit},         {DEVCLASS_RDR, true, kDeviceDlgStmtEdit},
        {DEVCLASS_DISK, true, kDeviceDlgStmtEdit},   {DEVCLASS_COMM, true, kDeviceDlgStmtEdit},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.eKind, DeviceDialogKind(r.wClass, r.bManual)) << r.wClass << " manual " << r.bManual;
}

TEST(DeviceDialogStartFolder, ByCallerAndClass)
{
    const SDeviceFolders f = Folders();
    const struct { EDeviceDialogCaller eCaller; EDeviceDialogKind eKind; const char* pszFile; const char* pszFolder; } rows[] = {
        // The bar: the folder of the device's own file, for the classes with files.
        {kDeviceCallerDevListBar, kDeviceDlgCardReader, "C:\\decks\\a.txt", "C:\\decks\\"},
        {kDeviceCallerDevListBar, kDeviceDlgCardPunch, "c:/out/punch.txt", "c:\\out\\"},
        {kDeviceCallerDevListBar, kDeviceDlgPrinter, "prt/x.txt", "prt\\"},
        {kDeviceCallerDevListBar, kDeviceDlgDasd, "\\\\srv\\share\\d.cckd", "\\\\srv\\share\\"},
        {kDeviceCallerDevListBar, kDeviceDlgTape, "*", ""},
        {kDeviceCallerDevListBar, kDeviceDlgCardReader, "localhost:3505", ""},
        {kDeviceCallerDevListBar, kDeviceDlgCardReader, "", ""},
        {kDeviceCallerDevListBar, kDeviceDlgConsole, "C:\\x\\y", ""},
        {kDeviceCallerDevListBar, kDeviceDlgDisplay, "C:\\x\\y", ""},
        {kDeviceCallerDevListBar, kDeviceDlgComm, "OSA", "C:\\cnf\\"},
        {kDeviceCallerDevListBar, kDeviceDlgStmtEdit, "C:\\x\\y", ""},
        // The Devices page: the view's folder of the kind.
        {kDeviceCallerDevicesPage, kDeviceDlgCardReader, "C:\\decks\\a.txt", "R:\\rdr\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgCardPunch, "", "P:\\pch\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgPrinter, "", "L:\\prt\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgDasd, "", "D:\\dasd\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgTape, "", "T:\\tape\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgConsole, "", "C:\\cnf\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgDisplay, "", "C:\\cnf\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgComm, "", "C:\\cnf\\"},
        {kDeviceCallerDevicesPage, kDeviceDlgStmtEdit, "C:\\x\\y", ""},
        // The view: Load Card Reader and Load Tape.
        {kDeviceCallerView, kDeviceDlgCardReader, "C:\\decks\\a.txt", "R:\\rdr\\"},
        {kDeviceCallerView, kDeviceDlgTape, "", "T:\\tape\\"},
    };
    for (const auto& r : rows)
        EXPECT_STREQ(r.pszFolder, DeviceDialogStartFolder(r.eCaller, r.eKind, r.pszFile, f))
            << r.eCaller << " " << r.eKind << " " << r.pszFile;
}

// A full name is made whole; a relative one is split as written, so that
// it joins back unchanged; its output check looks below the configuration.
TEST(DeviceFileName, FullNamesSplitWholeRelativeOnesAsWritten)
{
    const struct { const char* pszName; const char* pszDir; const char* pszFile; const char* pszCheckDir; } rows[] = {
        {"C:/prt/../prt/a.txt", "C:\\prt\\", "a.txt", "C:\\prt\\"},
        {"\\\\server\\share\\a.txt", "\\\\server\\share\\", "a.txt", "\\\\server\\share\\"},
        {"print.txt", "", "print.txt", "C:\\cnf\\"},
        {"out/p.txt", "out/", "p.txt", "C:\\cnf\\out/"},
    };
    for (const auto& r : rows) {
        CString strDir, strFile;
        SplitDeviceFileName(r.pszName, strDir, strFile);
        EXPECT_EQ(std::string(r.pszDir) + "|" + r.pszFile, std::string(strDir + "|" + strFile)) << r.pszName;
        EXPECT_STREQ(r.pszCheckDir, DeviceFileCheckFolder(strDir, "C:\\cnf")) << r.pszName;
    }
    EXPECT_STREQ("out\\", DeviceFileCheckFolder("out\\", ""));  // no configuration folder known
}

TEST(DeviceTypeList, SplitKeepsOrderAndDropsEmptyParts)
{
    CStringArray types = Types("1442;2501;3505;");
    ASSERT_EQ(3, types.GetSize());
    EXPECT_STREQ("1442", types[0]);
    EXPECT_STREQ("3505", types[2]);
    EXPECT_EQ(2, Types(";;3270;;SYSG").GetSize());
    EXPECT_EQ(0, Types("").GetSize());
    EXPECT_EQ(0, Types(nullptr).GetSize());
}

TEST(DeviceTypeList, ExactThenPrefixThenFallback)
{
    const CStringArray readers = Types("1442;2501;3505;");
    const CStringArray consoles = Types("1052;3215;1052-C;3215-C;");
    const struct { const CStringArray* pTypes; const char* pszName; int nFallback; int nIndex; } rows[] = {
        {&readers, "3505", 1, 2},      // exact
        {&readers, "2501", 1, 1},
        {&readers, "35", 1, 2},        // prefix
        {&readers, "3525", 1, 1},      // neither: the fallback
        {&readers, "", 1, 1},
        {&readers, "0000", 0, 0},
        {&readers, "350", 7, 2},
        {&readers, "9999", 7, 0},      // a fallback beyond the list: the first
        {&consoles, "1052-C", 0, 2},   // the exact entry before an earlier prefix match
        {&consoles, "1052-c", 0, 2},   // without regard to case
        {&consoles, "1052", 0, 0},
        {&consoles, "3215-", 0, 3},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.nIndex, ChooseDeviceTypeIndex(*r.pTypes, r.pszName, r.nFallback)) << r.pszName;
    EXPECT_EQ(-1, ChooseDeviceTypeIndex(CStringArray(), "3505", 0));
}

TEST(DeviceTypeText, NameToTypeAndBack)
{
    const struct { const char* pszName; WORD wType; } rows[] = {
        {"3505", 0x3505}, {"1052-C", 0x1052}, {"3390-3", 0x3390}, {"OSA", 0}, {"", 0},
        {"9347", 0x9347}, {"3a5f", 0x3A5F}, {"12345", 0x1234}, {"SYSG", 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.wType, DeviceTypeFromName(r.pszName)) << r.pszName;
    EXPECT_STREQ("3525", DeviceTypeName(0x3525));
    EXPECT_STREQ("0000", DeviceTypeName(0));
    EXPECT_STREQ("00A1", DeviceTypeName(0xA1));
}

TEST(DevNumCheck, EachRefusalWithItsMessage)
{
    std::set<DWORD> defined = {0x000C, 0x10120};
    auto isDefined = [&](DWORD dwKey) { return defined.count(dwKey) != 0; };
    const struct { const char* pszText; EDevNumCheck eCheck; DWORD dwKey; } rows[] = {
        {"", kDevNumEmpty, 0},          {"   ", kDevNumEmpty, 0},
        {"000D", kDevNumOK, 0xD},       {" 00d ", kDevNumOK, 0xD},
        {"000C", kDevNumDefined, 0xC},  {"00c", kDevNumDefined, 0xC}, {"c", kDevNumInvalid, 0},
        {"1:0120", kDevNumDefined, 0x10120}, {"0120", kDevNumOK, 0x120},
        {"2:0120", kDevNumOK, 0x20120}, {"12345", kDevNumInvalid, 0},
        {"G00", kDevNumInvalid, 0},     {"1:", kDevNumInvalid, 0},
        {"A:0120", kDevNumInvalid, 0},  {"0x12", kDevNumInvalid, 0},
    };
    for (const auto& r : rows) {
        DWORD dwKey = 0;
        EXPECT_EQ(r.eCheck, CheckDevNumText(r.pszText, isDefined, &dwKey)) << r.pszText;
        EXPECT_EQ(r.dwKey, dwKey) << r.pszText;
    }
    EXPECT_EQ(kDevNumOK, CheckDevNumText("000C", nullptr));
    EXPECT_STREQ("You must enter a device number", DevNumCheckMessage(kDevNumEmpty));
    EXPECT_STREQ("Value is not a valid device number", DevNumCheckMessage(kDevNumInvalid));
    EXPECT_STREQ("Value is not a valid Device Number", DevNumCheckMessage(kDevNumInvalid, true));
    EXPECT_STREQ("Device already defined", DevNumCheckMessage(kDevNumDefined, true));
    EXPECT_STREQ("", DevNumCheckMessage(kDevNumOK));
    EXPECT_STREQ("Device Number", kDevNumBalloonTitle);
    EXPECT_STREQ("Another device is already using this name.", kFileInUseMessage);
}
