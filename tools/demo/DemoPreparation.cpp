// DemoPreparation.cpp: folders, program copies and files of a demonstration.
#include "tools/demo/DemoPreparation.h"

#include <windows.h>

#include "platform/PathFunctions.h"
#include "tools/demo/DemoFiles.h"
#include "tools/demo/DemoSettings.h"

namespace {

const char kSettingsName[] = "VornGUI.ini";

bool Exists(const CString& strPath)
{
    return ::GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// A folder and the folders above it.
bool MakeFolder(const CString& strFolder)
{
    CString strPath = WindowsizedDirectory(strFolder, false);
    if (Exists(strPath))
        return true;
    int nSep = strPath.ReverseFind('\\');
    if (nSep > 2 && !MakeFolder(strPath.Left(nSep)))
        return false;
    return ::CreateDirectoryA(strPath, nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS;
}

// The copy is current when it has the original's size and time of change.
bool IsSameFile(const CString& strSource, const CString& strCopy)
{
    WIN32_FILE_ATTRIBUTE_DATA a, b;
    return ::GetFileAttributesExA(strSource, GetFileExInfoStandard, &a) &&
           ::GetFileAttributesExA(strCopy, GetFileExInfoStandard, &b) && a.nFileSizeLow == b.nFileSizeLow &&
           a.nFileSizeHigh == b.nFileSizeHigh && ::CompareFileTime(&a.ftLastWriteTime, &b.ftLastWriteTime) == 0;
}

bool CopyProgram(const CString& strSource, const CString& strCopy, std::string& strError)
{
    if (IsSameFile(strSource, strCopy) || ::CopyFileA(strSource, strCopy, FALSE))
        return true;
    strError = "cannot copy " + strSource.str() + " to " + strCopy.str() + " (error " +
               std::to_string(::GetLastError()) + ")";
    return false;
}

// Writes a new file; false when it cannot be made or written whole.
bool WriteNewFile(const CString& strPath, const std::string& strBytes)
{
    HANDLE h = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD nWritten = 0;
    bool bOk = ::WriteFile(h, strBytes.data(), (DWORD)strBytes.size(), &nWritten, nullptr) &&
               nWritten == strBytes.size();
    ::CloseHandle(h);
    return bOk;
}

bool MakeFolders(const SDemoFolders& folders, std::string& strError)
{
    for (const CString& strFolder : folders.dirs) {
        if (!MakeFolder(strFolder)) {
            strError = "cannot make the folder " + strFolder.str() + " (error " + std::to_string(::GetLastError()) + ")";
            return false;
        }
    }
    return true;
}

// The emulator stand-in under the emulator's name, the utility stand-in
// under every utility's.
bool CopyPrograms(const SDemoFolders& folders, const CString& strProgramDir, std::string& strError)
{
    const CString& strExe = folders.dirs[kDirExecutables];
    if (!CopyProgram(strProgramDir + "vornemu.exe", strExe + kDemoEmulatorProgram, strError))
        return false;
    for (const CString& strName : DemoUtilityPrograms())
        if (!CopyProgram(strProgramDir + "vornutil.exe", strExe + strName, strError))
            return false;
    return true;
}

bool WriteMissingFiles(const SDemoFolders& folders, std::string& strError)
{
    for (const SDemoFile& file : DemoDataFiles(folders)) {
        CString strPath = folders.dirs[file.eFolder] + file.strName;
        if (!Exists(strPath) && !WriteNewFile(strPath, file.strBytes)) {
            strError = "cannot write " + strPath.str() + " (error " + std::to_string(::GetLastError()) + ")";
            return false;
        }
    }
    return true;
}

}  // namespace

bool PrepareDemo(const SDemoRequest& request, std::vector<std::string>& args, std::string& strError)
{
    CString strRoot = WindowsizedDirectory(request.strRoot.c_str(), true);
    SDemoFolders folders = DemoFolders(strRoot);
    CString strIni = strRoot + kSettingsName;
    if (!MakeFolders(folders, strError) ||
        !CopyPrograms(folders, WindowsizedDirectory(request.strProgramDir.c_str(), true), strError) ||
        !WriteMissingFiles(folders, strError))
        return false;
    if ((!Exists(strIni) && !WriteDemoSettings(strIni, folders)) ||
        (!request.strExecutables.empty() && !SetDemoExecutablesFolder(strIni, request.strExecutables.c_str()))) {
        strError = "cannot write the settings file " + strIni.str();
        return false;
    }
    args = {"-i", strIni.str()};
    if (IsDemoEmulatorInForce(strIni, folders)) {
        args.push_back("-f");
        args.push_back((folders.dirs[kDirConfigFiles] + kDemoConfigName).str());
    }
    return true;
}
