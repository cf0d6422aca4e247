// LcsSessionTest.cpp: the LCS page's "Edit OAT" with the view: the OAT file
// opens in the editor the view's settings name (the utility stand-in,
// which records its command line).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/CVornConfigFile.h"
#include "devices/AddCOMMSheet.h"
#include "platform/ProfileStore.h"
#include "tests/devices/CommSheetTestSupport.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/session/SessionViewFixture.h"
#include "tests/support/WinTestUtil.h"

using namespace devtest;

namespace {

struct LcsSession : SessionFixture {
    std::string strRecord;

    void Presets() override
    {
        strRecord = dir.Path("editor.txt");
        ::SetEnvironmentVariableA("VORNUTIL_RECORD", strRecord.c_str());
        std::string strEditor = "\"" + vorntest::ProgramDir() + "vornutil.exe\"";
        ProfileWriteString("Settings", "PreferredEditor", strEditor.c_str());
    }
    void TearDown() override
    {
        ::SetEnvironmentVariableA("VORNUTIL_RECORD", nullptr);
        SessionFixture::TearDown();
    }
    std::string Recorded() const
    {
        std::ifstream in(strRecord);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

}  // namespace

TEST_F(LcsSession, EditOatOpensTheFileInTheConfiguredEditor)
{
    std::string strOat = dir.Write("guest lcs.oat", "* address table\n");
    CAddCOMMSheet sheet;
    CString strError;
    CVornConfigFile::ParseDeviceStatement(("0E20 LCS -n 192.168.1.10 -o \"" + strOat + "\"").c_str(), sheet.m_Device,
                                          strError);
    sheet.PrepareToRun();
    vorntest::RunModal(sheet, [&](HWND h) {
        Click(CurrentPage(h), IDC_LCS_EDIT_OAT);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_TRUE(Pump([&] { return Recorded().find("lcs.oat") != std::string::npos; }, 10000));
    EXPECT_NE(std::string::npos, Recorded().find("\"" + strOat + "\"")) << Recorded();
}
