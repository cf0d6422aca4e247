// DemoSettings.cpp: the demonstration's settings file, through the
// program's own settings store and folder-list functions.
#include "tools/demo/DemoSettings.h"

#include <memory>

#include "platform/CIniSettingsStore.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "preferences/PrefsRules.h"

namespace {

// The settings file as the process's settings store while it lives.
class CDemoSettingsFile {
public:
    explicit CDemoSettingsFile(const CString& strIniPath)
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(strIniPath));
    }
    ~CDemoSettingsFile() { SetSettingsStore(nullptr); }
    CDemoSettingsFile(const CDemoSettingsFile&) = delete;
    CDemoSettingsFile& operator=(const CDemoSettingsFile&) = delete;

    // Changes between the two are written at once, at the end; false when
    // the file could not be written.
    void BeginChanges() { GetSettingsStore()->BeginUpdate(); }
    bool EndChanges() { return GetSettingsStore()->EndUpdate(); }
};

CString FirstExecutablesFolder()
{
    CStringArray list;
    LoadDirectoryList(list, kDirListNames[kDirExecutables]);
    return list.IsEmpty() ? CString() : list[0];
}

}  // namespace

bool WriteDemoSettings(const CString& strIniPath, const SDemoFolders& folders)
{
    CDemoSettingsFile file(strIniPath);
    file.BeginChanges();
    for (int i = 0; i < kDirListCount; ++i) {
        CStringArray list;
        list.Add(folders.dirs[i]);
        SaveDirectoryList(list, kDirListNames[i]);
    }
    ProfileWriteString("Settings", "PrevConfigDir", folders.dirs[kDirConfigFiles]);
    ProfileWriteString("Settings", "PrevConfigFile", kDemoConfigName);
    return file.EndChanges();
}

bool SetDemoExecutablesFolder(const CString& strIniPath, const CString& strFolder)
{
    CDemoSettingsFile file(strIniPath);
    file.BeginChanges();
    CStringArray list;
    LoadDirectoryList(list, kDirListNames[kDirExecutables]);
    AddToHistoryList(list, WindowsizedDirectory(strFolder, true));
    SaveDirectoryList(list, kDirListNames[kDirExecutables]);
    return file.EndChanges();
}

bool IsDemoEmulatorInForce(const CString& strIniPath, const SDemoFolders& folders)
{
    CDemoSettingsFile file(strIniPath);
    return FirstExecutablesFolder().CompareNoCase(folders.dirs[kDirExecutables]) == 0;
}
