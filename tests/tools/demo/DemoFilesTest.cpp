// DemoFilesTest.cpp: what a demonstration folder holds: the sample
// configuration reads without errors and saves, its disk and tape images are
// what the device dialogs take for their types, the executables folder has a
// program for everything VornGUI starts there, and the settings file names
// the folders as the program reads them.
#include "tools/demo/DemoFiles.h"
#include "tools/demo/DemoSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "config/DasdImage.h"
#include "config/DevClass.h"
#include "config/TapeImage.h"
#include "devices/DasdDeviceRules.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "session/UtilityProgress.h"
#include "tests/config/ConfigTestUtil.h"
#include "tests/standins/UtilityKinds.h"
#include "utilities/UtilityRules.h"
#include "utilities/UtilityTable.h"

namespace {

// A root with a blank: the device files are quoted in the statements.
const char kRoot[] = "C:\\vorn demo";

std::string FileBytes(EDirList eFolder, const char* pszName)
{
    for (const SDemoFile& file : DemoDataFiles(DemoFolders(kRoot)))
        if (file.eFolder == eFolder && file.strName == pszName)
            return file.strBytes;
    ADD_FAILURE() << "no file " << pszName;
    return std::string();
}

}  // namespace

TEST(DemoFiles, FoldersLieBelowTheRootOnePerKind)
{
    SDemoFolders f = DemoFolders("C:/vorn demo/");
    EXPECT_EQ(f.dirs[kDirExecutables], "C:\\vorn demo\\exe\\");
    EXPECT_EQ(f.dirs[kDirConfigFiles], "C:\\vorn demo\\config\\");
    EXPECT_EQ(f.dirs[kDirDiskFiles], "C:\\vorn demo\\disks\\");
}

TEST(DemoFiles, SampleConfigurationReadsWithoutErrorsAndSaves)
{
    TempDir dir;
    CVornConfigFile cfg;
    ASSERT_TRUE(LoadText(cfg, dir, FileBytes(kDirConfigFiles, kDemoConfigName), kDemoConfigName));
    EXPECT_FALSE(cfg.m_bHasErrors) << JoinedErrors(cfg);
    EXPECT_EQ(cfg.m_strCPUModel, "2090");
    EXPECT_EQ(cfg.m_strCPUSerial, "012345");
    EXPECT_EQ(cfg.m_strLoadUnit, "0120");
    std::map<int, int> perClass;
    std::map<std::string, int> files;
    POSITION pos = cfg.m_devices.GetStartPosition();
    while (pos) {
        DWORD dwKey = 0;
        CVornDevice device;
        cfg.m_devices.GetNextAssoc(pos, dwKey, device);
        ++perClass[device.m_wClass];
        ++files[device.m_strFirstArg.str()];
    }
    EXPECT_EQ(perClass, (std::map<int, int>{{DEVCLASS_RDR, 2}, {DEVCLASS_PCH, 1}, {DEVCLASS_PRT, 2},
                                            {DEVCLASS_LOG, 2}, {DEVCLASS_3270, 2}, {DEVCLASS_DISK, 2},
                                            {DEVCLASS_TAPE, 2}}));
    for (const char* pszFile : {"C:/vorn demo/reader/cards.rdr", "C:/vorn demo/disks/vorn01.cckd",
                                "C:/vorn demo/disks/vorn02.cckd", "C:/vorn demo/tapes/vorn80.aws"})
        EXPECT_EQ(files[pszFile], 1) << pszFile;
    // It saves as it is, and reads back the same.
    EXPECT_EQ(cfg.SaveAs(dir.Folder().c_str(), "saved.cnf"), 0u);
    CVornConfigFile back;
    ASSERT_TRUE(back.Load(dir.Folder().c_str(), "saved.cnf")) << JoinedErrors(back);
    EXPECT_FALSE(back.m_bHasErrors) << JoinedErrors(back);
    EXPECT_TRUE(back.m_devices == cfg.m_devices);
}

TEST(DemoFiles, DiskImagesAreEmptyCompressedCkdVolumesWithTheirSerials)
{
    TempDir dir;
    for (const char* pszName : {"vorn01.cckd", "vorn02.cckd"}) {
        std::string path = dir.Write(pszName, FileBytes(kDirDiskFiles, pszName));
        DasdImageHeader hdr;
        ASSERT_TRUE(ReadDasdImageHeader(path.c_str(), hdr, true)) << pszName;
        EXPECT_EQ(hdr.bImageType, DASD_CKD_C370) << pszName;
        EXPECT_EQ(hdr.dwCyls, 1113u) << pszName;
        CString strSerial = hdr.strSerial;
        EXPECT_TRUE(IsValidDasdSerial(strSerial)) << pszName;
        EXPECT_EQ(strSerial.GetLength(), 12) << pszName;
    }
    EXPECT_NE(DemoDiskImage("000000000120"), DemoDiskImage("000000000121"));
}

TEST(DemoFiles, TapeImageIsAnAwsTapeByItsHeader)
{
    TempDir dir;
    // Named without the extension: the blocks' header decides.
    std::string path = dir.Write("tape.bin", FileBytes(kDirTapeFiles, "vorn80.aws"));
    EXPECT_EQ(GetTapeFileType(path.c_str()), TAPE_AWS);
    std::string tape = DemoTapeImage("VORN80");
    ASSERT_EQ(tape.size(), 6u + 80 + 6 + 6);
    EXPECT_EQ((BYTE)tape[6], 0xE5);   // 'V' in EBCDIC
    EXPECT_EQ((BYTE)tape[10], 0xE5);  // the volume serial's first letter
    EXPECT_EQ((BYTE)tape[90], 0x40);  // a tape mark
}

// Every program VornGUI may start from the executables folder is there,
// and the utility stand-in plays the utility its name says.
TEST(DemoFiles, ExecutablesFolderHoldsEveryUtilityTheProgramStarts)
{
    std::vector<CString> names = DemoUtilityPrograms();
    auto has = [&](const CString& strName) {
        return std::any_of(names.begin(), names.end(), [&](const CString& s) { return s.CompareNoCase(strName) == 0; });
    };
    for (const SUtilityInfo& info : kUtilities) {
        CString strName = UtilityProgramWord(info.pszCaption, false) + ".exe";
        EXPECT_TRUE(has(strName)) << strName;
        EXPECT_EQ(UtilityKindFromProgram(strName.str()), info.nKind) << strName;
        if (info.eGroup == kUtilityGroupDisk) {
            CString str64 = UtilityProgramWord(info.pszCaption, true) + ".exe";
            EXPECT_TRUE(has(str64)) << str64;
            EXPECT_EQ(UtilityKindFromProgram(str64.str()), info.nKind) << str64;
        }
    }
    // The program's test for the 64-bit utility set, and the card-submission helper.
    EXPECT_TRUE(has("volmake64.exe"));
    EXPECT_TRUE(has("VORNRDR.exe"));
    EXPECT_EQ(UtilityKindFromProgram("VORNRDR.exe"), kUtilCardSubmit);
}

TEST(DemoSettings, NameTheFoldersAndTheSampleAsTheProgramReadsThem)
{
    TempDir dir;
    std::string ini = dir.Path("VornGUI.ini");
    SDemoFolders f = DemoFolders("C:\\vorn demo");
    ASSERT_TRUE(WriteDemoSettings(ini.c_str(), f));
    EXPECT_TRUE(IsDemoEmulatorInForce(ini.c_str(), f));
    SetSettingsStore(std::make_unique<CIniSettingsStore>(ini.c_str()));
    for (int i = 0; i < kDirListCount; ++i) {
        CStringArray list;
        LoadDirectoryList(list, kDirListNames[i]);
        ASSERT_EQ(list.GetSize(), 1) << kDirListNames[i];
        EXPECT_EQ(list[0], f.dirs[i]) << kDirListNames[i];
    }
    EXPECT_EQ(ProfileGetString("Settings", "PrevConfigDir"), "C:\\vorn demo\\config\\");
    EXPECT_EQ(ProfileGetString("Settings", "PrevConfigFile"), "vornamic.cnf");
    SetSettingsStore(nullptr);
}

// A real emulator's folder becomes the one in force, the demonstration's
// stays in the list after it; choosing it again brings the stand-in back.
TEST(DemoSettings, ExecutablesFolderSetFromOutsideGoesToTheHeadOfItsList)
{
    TempDir dir;
    std::string ini = dir.Path("VornGUI.ini");
    SDemoFolders f = DemoFolders("C:\\vorn demo");
    ASSERT_TRUE(WriteDemoSettings(ini.c_str(), f));
    ASSERT_TRUE(SetDemoExecutablesFolder(ini.c_str(), "D:/Vornamic/bin"));
    EXPECT_FALSE(IsDemoEmulatorInForce(ini.c_str(), f));
    SetSettingsStore(std::make_unique<CIniSettingsStore>(ini.c_str()));
    CStringArray list;
    LoadDirectoryList(list, kDirListNames[kDirExecutables]);
    SetSettingsStore(nullptr);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0], "D:\\Vornamic\\bin\\");
    EXPECT_EQ(list[1], f.dirs[kDirExecutables]);
    ASSERT_TRUE(SetDemoExecutablesFolder(ini.c_str(), "c:\\VORN DEMO\\exe"));
    EXPECT_TRUE(IsDemoEmulatorInForce(ini.c_str(), f));
}
