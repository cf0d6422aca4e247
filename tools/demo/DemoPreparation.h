// DemoPreparation.h: makes a demonstration folder ready for VornGUI.exe:
// the folders of DemoFiles.h, the stand-ins copied into the executables
// folder under the emulator's and every utility's program name, the data
// files and the settings file. Run again, it copies the stand-ins anew when
// they were rebuilt and adds only what is missing: what the user changed
// (the configuration, the settings) stays.
#pragma once

#include <string>
#include <vector>

struct SDemoRequest {
    std::string strRoot;          // the demonstration's folder
    std::string strProgramDir;    // where vornemu.exe and vornutil.exe are
    std::string strExecutables;   // when given: the executables folder in force from now on
};

// Prepares the folder. On success the arguments VornGUI.exe is started
// with: "-i" and the settings file, then, while the demonstration's emulator
// is the one in force, "-f" and the sample configuration (opened and powered
// on at start). False with the reason in strError when a folder or file
// cannot be made.
bool PrepareDemo(const SDemoRequest& request, std::vector<std::string>& args, std::string& strError);
