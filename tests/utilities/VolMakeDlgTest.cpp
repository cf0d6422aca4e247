// VolMakeDlgTest.cpp: the VolMake and VolClone dialogs under Wine without
// the view: the device-type update per model kind, the spin's bounds, the
// size checks (silent when leaving for Cancel), the default output name,
// option words and size tail, the large-file check answered by a test
// double, the volume serial checks; VolClone's format word from the input's
// kind, forced single file while compressing, the quoted shadow and no "64"
// without the 64-bit programs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/utilities/UtilityTestSupport.h"
#include "utilities/VolCloneDlg.h"
#include "utilities/VolMakeDlg.h"

namespace {

std::string Text(HWND h, int nID)
{
    char sz[512] = "";
    ::GetDlgItemTextA(h, nID, sz, sizeof sz);
    return sz;
}

bool Enabled(HWND h, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(h, nID)) != FALSE;
}

bool Checked(HWND h, int nID)
{
    return ::IsDlgButtonChecked(h, nID) == BST_CHECKED;
}

void Click(HWND h, int nID, bool bCheck)
{
    ::CheckDlgButton(h, nID, bCheck ? BST_CHECKED : BST_UNCHECKED);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)::GetDlgItem(h, nID));
}

void ChooseModel(HWND h, const char* pszModel)
{
    HWND hList = ::GetDlgItem(h, IDC_UTIL_DEV_MODEL);
    int n = (int)::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)pszModel);
    ::SendMessageA(hList, CB_SETCURSEL, (WPARAM)n, 0);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_DEV_MODEL, CBN_SELCHANGE), (LPARAM)hList);
}

void Spin(HWND h, int nDelta)
{
    NMUPDOWN nm = {};
    nm.hdr.hwndFrom = ::GetDlgItem(h, IDC_UTIL_SIZE_SPIN);
    nm.hdr.idFrom = IDC_UTIL_SIZE_SPIN;
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = nDelta;
    ::SendMessageA(h, WM_NOTIFY, IDC_UTIL_SIZE_SPIN, (LPARAM)&nm);
}

std::string Balloon()
{
    CString strTitle, strText;
    if (!ErrorBalloonWindow(&strTitle, &strText))
        return "";
    return std::string(strTitle) + ": " + std::string(strText);
}

// The test double of the volume's file system, and the roots asked.
std::string g_strFileSystem;
std::vector<std::string> g_roots;

bool FileSystemDouble(const char* pszRoot, CString& strName)
{
    g_roots.push_back(pszRoot);
    strName = g_strFileSystem.c_str();
    return true;
}

struct VolMakeDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strOutDir = dir.Folder();

    void SetUp() override
    {
        g_roots.clear();
        g_strFileSystem = "NTFS";
        CVolMakeDlg::s_pfnFileSystemName = FileSystemDouble;
    }
    void TearDown() override
    {
        CVolMakeDlg::s_pfnFileSystemName = CVolMakeDlg::QueryFileSystemName;
        ErrorBalloonHide();
    }

    // Opens the dialog, runs fill on it, presses OK; the refusal's balloon
    // (the dialog then cancelled) or empty.
    std::string Ok(CVolMakeDlg& dlg, const std::function<void(HWND)>& fill)
    {
        if (dlg.m_strOutputDirectory.IsEmpty())
            dlg.m_strOutputDirectory = strOutDir.c_str();
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_OUTPUT_FILE, nullptr, fill).strBalloon;
    }
};

struct SModelCase {
    const char* pszModel;
    const char* pszSize, *pszPlus, *pszTotal;
    bool bSizeEnabled, bAltEnabled, bAltChecked, bLinuxEnabled, bLinuxChecked;
};

// Stored: alternates and Linux on.
const SModelCase kModels[] = {
    {"3390-3", "3339", "1", "3340", false, true, true, true, true},
    {"3390", "0", "0", "0", true, true, true, true, true},
    {"3370-A1", "558000", "0", "558000", false, false, false, false, false},
    {"3380-K", "2655", "3", "2658", false, true, true, false, false},
    {"0671", "0", "0", "0", true, false, false, false, false},
};

TEST_F(VolMakeDialog, DeviceTypeUpdatePerModelKind)
{
    for (const SModelCase& c : kModels) {
        ProfileWriteInt("VOLMAKE", "bAltSize", 1);
        ProfileWriteInt("VOLMAKE", "bLinux", 1);
        CVolMakeDlg dlg;
        SModelCase seen = {};
        std::string strSize, strPlus, strTotal;
        vorntest::RunModal(dlg, [&](HWND h) {
            ChooseModel(h, c.pszModel);
            strSize = Text(h, IDC_UTIL_SIZE);
            strPlus = Text(h, IDC_UTIL_ALT_SHOWN);
            strTotal = Text(h, IDC_UTIL_TOTAL);
            seen.bSizeEnabled = Enabled(h, IDC_UTIL_SIZE) && Enabled(h, IDC_UTIL_SIZE_SPIN);
            seen.bAltEnabled = Enabled(h, IDC_UTIL_ALT_SIZE);
            seen.bAltChecked = Checked(h, IDC_UTIL_ALT_SIZE);
            seen.bLinuxEnabled = Enabled(h, IDC_UTIL_LINUX);
            seen.bLinuxChecked = Checked(h, IDC_UTIL_LINUX);
            ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        EXPECT_EQ(c.pszSize, strSize) << c.pszModel;
        EXPECT_EQ(c.pszPlus, strPlus) << c.pszModel;
        EXPECT_EQ(c.pszTotal, strTotal) << c.pszModel;
        EXPECT_EQ(c.bSizeEnabled, seen.bSizeEnabled) << c.pszModel;
        EXPECT_EQ(c.bAltEnabled, seen.bAltEnabled) << c.pszModel;
        EXPECT_EQ(c.bAltChecked, seen.bAltChecked) << c.pszModel;
        EXPECT_EQ(c.bLinuxEnabled, seen.bLinuxEnabled) << c.pszModel;
        EXPECT_EQ(c.bLinuxChecked, seen.bLinuxChecked) << c.pszModel;
    }
}

TEST_F(VolMakeDialog, FirstOpeningShowsOneConsistentModelAndSize)
{
    CVolMakeDlg dlg;
    std::string strModel, strSize, strTotal;
    int nModels = 0;
    vorntest::RunModal(dlg, [&](HWND h) {
        strModel = Text(h, IDC_UTIL_DEV_MODEL);
        strSize = Text(h, IDC_UTIL_SIZE);
        strTotal = Text(h, IDC_UTIL_TOTAL);
        nModels = (int)::SendDlgItemMessageA(h, IDC_UTIL_DEV_MODEL, CB_GETCOUNT, 0, 0);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(59, nModels);
    EXPECT_EQ("3350-1", strModel);
    EXPECT_EQ("555", strSize);
    EXPECT_EQ("555", strTotal);
}

TEST_F(VolMakeDialog, SpinStaysWithinTwoAndTheLimit)
{
    CVolMakeDlg dlg;
    std::vector<std::string> seen;
    vorntest::RunModal(dlg, [&](HWND h) {
        ChooseModel(h, "3390");
        Spin(h, 1);                      // from 0: at least 2
        seen.push_back(Text(h, IDC_UTIL_SIZE));
        Spin(h, -5);
        seen.push_back(Text(h, IDC_UTIL_SIZE));
        ::SetDlgItemTextA(h, IDC_UTIL_SIZE, "2147483640");
        Spin(h, 100);
        seen.push_back(Text(h, IDC_UTIL_SIZE));
        seen.push_back(Text(h, IDC_UTIL_TOTAL));
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    std::vector<std::string> expected = {"2", "2", "2147483647", "2147483647"};
    EXPECT_EQ(expected, seen);
}

TEST_F(VolMakeDialog, SizeOfATypeWithoutFixedSizeIsCheckedOnOk)
{
    CVolMakeDlg small;
    EXPECT_EQ("Size: Please enter a value from 2 to 2147483647.", Ok(small, [](HWND h) {
                  ChooseModel(h, "3390");
                  ::SetDlgItemTextA(h, IDC_UTIL_SIZE, "1");
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "a.3390");
              }));
    CVolMakeDlg big;
    EXPECT_EQ("Size: Please enter a value from 2 to 2147483647.", Ok(big, [](HWND h) {
                  ChooseModel(h, "3390");
                  ::SetDlgItemTextA(h, IDC_UTIL_SIZE, "2147483648");
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "a.3390");
              }));
    EXPECT_EQ("", std::string(ProfileGetString("VOLMAKE", "strDevModel", "")));
}

// A model with a fixed size: the size's own exchange takes 2 to the largest
// fixed size of any model, ahead of the other checks (the Linux box of a
// model that is not a 3390 comes later); within those bounds the model's
// own size is checked later, with its own text.
TEST_F(VolMakeDialog, SizeOfAFixedModelIsExchangedWithinTheLargestFixedSize)
{
    const struct {
        const char* pszModel;
        const char* pszSize;
        const char* pszBalloon;
    } cases[] = {
        {"3370-A1", "1672882", "Size: Enter a number from 2 to 1672881."},
        {"3370-A1", "1", "Size: Enter a number from 2 to 1672881."},
        {"3370-A1", "", "Size: Enter a number from 2 to 1672881."},
        {"3390-3", "5000", "Size: Please enter a value from 2 to 3339."},
    };
    for (const auto& c : cases) {
        CVolMakeDlg dlg;
        EXPECT_EQ(c.pszBalloon, Ok(dlg, [&](HWND h) {
                      ChooseModel(h, c.pszModel);
                      ::CheckDlgButton(h, IDC_UTIL_LINUX, BST_CHECKED);
                      ::SetDlgItemTextA(h, IDC_UTIL_SIZE, c.pszSize);
                      ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "a.img");
                  })) << c.pszModel << " " << c.pszSize;
    }
}

TEST_F(VolMakeDialog, LeavingAnEmptySizeForCancelSaysNothing)
{
    CVolMakeDlg dlg;
    std::string strForCancel = "unset", strForOk;
    bool bFocusBack = false;
    vorntest::RunModal(dlg, [&](HWND h) {
        ChooseModel(h, "3390");
        HWND hSize = ::GetDlgItem(h, IDC_UTIL_SIZE);
        ::SetFocus(hSize);
        ::SetWindowTextA(hSize, "");
        ::SetFocus(::GetDlgItem(h, IDCANCEL));
        strForCancel = Balloon();
        ::SetFocus(hSize);
        ::SetFocus(::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE));
        strForOk = Balloon();
        bFocusBack = ::GetFocus() == hSize;
        ErrorBalloonHide();
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("", strForCancel);
    EXPECT_EQ("Size: Please enter a value from 2 to 2147483647.", strForOk);
    EXPECT_TRUE(bFocusBack);
}

TEST_F(VolMakeDialog, AlternatesOf3390_3)
{
    CVolMakeDlg dlg;
    std::string strTotal, strName;
    std::string strBalloon = Ok(dlg, [&](HWND h) {
        ChooseModel(h, "3390-3");
        Click(h, IDC_UTIL_ALT_SIZE, true);
        Click(h, IDC_UTIL_LARGE_FILE, false);
        strTotal = Text(h, IDC_UTIL_TOTAL);
        ::SetFocus(::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE));  // fills in the default name
        strName = Text(h, IDC_UTIL_OUTPUT_FILE);
    });
    ASSERT_EQ("", strBalloon);
    EXPECT_EQ("3340", strTotal);
    EXPECT_EQ("DASD.3390-3.alts", strName);
    EXPECT_EQ("VOLMAKE -a -r " + dir.Path("DASD.3390-3.alts") + " 3390-3", std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VOLMAKE -a -r DASD.3390-3.alts 3390-3", std::string(dlg.m_strTitle));
    EXPECT_EQ(3340, dlg.m_nExpectedTotal);
    EXPECT_EQ("3340", std::string(ProfileGetString("VOLMAKE", "nTotalSize", "")));
    EXPECT_EQ("3390-3", std::string(ProfileGetString("VOLMAKE", "PrevDevType", "")));
}

TEST_F(VolMakeDialog, TypedSizeOfA671TypeGivesAFourDigitTail)
{
    CVolMakeDlg dlg;
    std::string strName;
    ASSERT_EQ("", Ok(dlg, [&](HWND h) {
        ChooseModel(h, "0671");
        ::SetDlgItemTextA(h, IDC_UTIL_SIZE, "9000");
        Click(h, IDC_UTIL_VOL1_LABEL, true);
        ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, "fba001");   // typed letters turn to capitals
        Click(h, IDC_UTIL_COMPRESS_USING, true);
        Click(h, IDC_UTIL_METHOD_ZLIB, false);
        Click(h, IDC_UTIL_METHOD_NONE, true);
        ::SetFocus(::GetDlgItem(h, IDC_UTIL_OUTPUT_FILE));
        strName = Text(h, IDC_UTIL_OUTPUT_FILE);
    }));
    EXPECT_EQ("FBA001.0671.blks-9000.comp-n", strName);
    EXPECT_EQ("VOLMAKE -0 -lfs " + dir.Path(strName) + " 0671 FBA001 9000", std::string(dlg.m_strCommandLine));
    EXPECT_EQ(9000, dlg.m_nExpectedTotal);
    EXPECT_EQ("FBA001", std::string(ProfileGetString("VOLMAKE", "PrevVolser", "")));
    EXPECT_EQ("2", std::string(ProfileGetString("VOLMAKE", "PrevMethod", "")));
}

TEST_F(VolMakeDialog, VolserChecks)
{
    struct SCase {
        const char* pszVolser;
        const char* pszBalloon;
    };
    const SCase cases[] = {
        {"AB 12", "Volser: The volume serial number cannot contain any blanks."},
        {"", "Volser: The 'VOL1 label' option requires a 1-6 character volume serial number."},
    };
    for (const SCase& c : cases) {
        CVolMakeDlg dlg;
        EXPECT_EQ(c.pszBalloon, Ok(dlg, [&](HWND h) {
                      Click(h, IDC_UTIL_VOL1_LABEL, true);
                      ::SetDlgItemTextA(h, IDC_UTIL_VOLSER, c.pszVolser);
                      ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "v.ckd");
                  }));
    }
}

// The Linux box follows the model's type; a list moved behind the dialog's
// back to another type is refused on OK.
TEST_F(VolMakeDialog, LinuxFormatOnlyFor3390)
{
    CVolMakeDlg dlg;
    EXPECT_EQ("Device Type: Only 3390 devices are supported for the -linux formatting option.",
              Ok(dlg, [](HWND h) {
                  ChooseModel(h, "3390-3");
                  Click(h, IDC_UTIL_LINUX, true);
                  HWND hList = ::GetDlgItem(h, IDC_UTIL_DEV_MODEL);
                  ::SendMessageA(hList, CB_SETCURSEL,
                                 ::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM) "3380-K"), 0);
                  ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "l.3380");
              }));
    CVolMakeDlg dlg3390;
    ASSERT_EQ("", Ok(dlg3390, [](HWND h) {
        ChooseModel(h, "3390-9");
        Click(h, IDC_UTIL_LINUX, true);
        ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "l.3390");
    }));
    EXPECT_EQ(0u, std::string(dlg3390.m_strCommandLine).find("VOLMAKE -linux -r -lfs "));
}

struct SVolumeCase {
    std::string strDir;
    const char* pszFileSystem;
    bool bAsked;
    const char* pszBalloon;
};

// The output folder must exist: a folder on a drive (the test's own) has
// its drive's root asked, a network folder nothing.
TEST_F(VolMakeDialog, LargeFileCheckByTheVolumesFileSystem)
{
    const std::string strRoot = strOutDir.substr(0, 3);
    ASSERT_EQ(":\\", strRoot.substr(1));
    const SVolumeCase cases[] = {
        {strOutDir, "FAT32", true,
         "Force Single File Output: The specified Output File volume does not support \"large\" files."},
        {strOutDir, "NTFS", true, ""},
        {"\\\\server\\share\\", "FAT32", false,
         "Output Directory: Invalid output directory: The specified directory was not found."},
    };
    for (const SVolumeCase& c : cases) {
        g_roots.clear();
        g_strFileSystem = c.pszFileSystem;
        ProfileWriteString("VOLMAKE", "strOutputDirectory", c.strDir.c_str());  // a run before stored another
        CVolMakeDlg dlg;
        std::string strBalloon = vorntest::PressUtilityOk(dlg, IDC_UTIL_OUTPUT_FILE, "big.3390-9", [&](HWND h) {
                                     ChooseModel(h, "3390-9");
                                 }).strBalloon;
        EXPECT_EQ(c.pszBalloon, strBalloon) << c.pszFileSystem;
        EXPECT_EQ(c.bAsked ? std::vector<std::string>{strRoot} : std::vector<std::string>{}, g_roots);
    }
    // Refused on FAT32, the box shows cleared and disabled; OK again takes
    // the single file off. The model of the last run shows again.
    g_strFileSystem = "FAT32";
    ProfileWriteString("VOLMAKE", "strOutputDirectory", strOutDir.c_str());
    CVolMakeDlg dlg;
    bool bEnabled = true, bChecked = true;
    int nStep = 0;
    INT_PTR nResult = vorntest::RunModal(dlg, [&](HWND h) {
        if (nStep++ == 0) {
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "fat.3390-3");
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            bEnabled = Enabled(h, IDC_UTIL_LARGE_FILE);
            bChecked = Checked(h, IDC_UTIL_LARGE_FILE);
            ErrorBalloonHide();
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return true;
        }
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_FALSE(bEnabled);
    EXPECT_FALSE(bChecked);
    EXPECT_EQ("VOLMAKE -r " + strOutDir + "fat.3390-3 3390-9", std::string(dlg.m_strCommandLine));
}

// The output folder's picker opens at the folder in the field, with the
// folders above it expanded, not at the view's disk folder or the desktop.
// The folder is made for this run under a folder of its own, named by a new
// GUID, on the system drive's root: Wine's picker does not walk into the
// hidden folders that hold the temporary one, and it finds its way down
// only through folders that do not change while it walks (it matches each
// level with the time the folder last changed). Copies of the test that run
// at once, each in a Wine prefix of its own where process ids repeat, would
// change the test program's folder and take one another's names there.
TEST_F(VolMakeDialog, OutputFolderPickerOpensAtTheFolderInTheField)
{
    GUID guid = {};
    ASSERT_EQ(S_OK, ::CoCreateGuid(&guid));
    char szParent[MAX_PATH] = "";
    std::snprintf(szParent, sizeof szParent, "picker %08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                  guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    char szDrive[MAX_PATH] = "C:";
    ::GetEnvironmentVariableA("SystemDrive", szDrive, sizeof szDrive);
    std::string strParent = std::string(szDrive) + "\\" + szParent;
    std::string strFolder = strParent + "\\start";
    ASSERT_TRUE(::CreateDirectoryA(strParent.c_str(), nullptr)) << strParent;
    ASSERT_TRUE(::CreateDirectoryA(strFolder.c_str(), nullptr)) << strFolder;
    std::vector<std::string> shown;  // the selected folder, then each folder above it that is expanded
    CVolMakeDlg dlg;
    dlg.m_strOutputDirectory = (strFolder + "\\").c_str();
    vorntest::SNestedModal nested;
    vorntest::RunModal(dlg, [&](HWND h) {
        nested = vorntest::OpenNestedModal(
            h,
            [&] {
                ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_UTIL_OUTPUT_DIR_BROWSE, BN_CLICKED),
                               (LPARAM)::GetDlgItem(h, IDC_UTIL_OUTPUT_DIR_BROWSE));
            },
            [&](HWND hPicker) { shown = vorntest::FolderPickerSelection(hPicker); });
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    ::RemoveDirectoryA(strFolder.c_str());
    ::RemoveDirectoryA(strParent.c_str());
    vorntest::ExpectOpenedAsNestedModal(nested);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ("start", shown[0]);
    EXPECT_EQ(szParent, shown[1]);
}

TEST_F(VolMakeDialog, CancelSavesNothing)
{
    CVolMakeDlg dlg;
    vorntest::RunModal(dlg, [&](HWND h) {
        ChooseModel(h, "3390-3");
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("", std::string(ProfileGetString("VOLMAKE", "strDevModel", "")));
    CVolMakeDlg reopened;
    std::string strModel;
    vorntest::RunModal(reopened, [&](HWND h) {
        strModel = Text(h, IDC_UTIL_DEV_MODEL);
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ("3350-1", strModel);
}

struct VolCloneDialog : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("utilities.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    std::string strCkd = dir.Write("in.ckd", vorntest::DiskImageBytes("CKD_P370"));
    std::string strFba = dir.Write("in.fba", vorntest::DiskImageBytes("FBA_C370"));
    std::string strShadow = dir.Write("my shadow.sf1", std::string(1500, 's'));

    void TearDown() override { ErrorBalloonHide(); }

    vorntest::SUtilityOk Run(CVolCloneDlg& dlg, const std::string& strInput, const char* pszOutput,
                             const std::function<void(HWND)>& fill)
    {
        dlg.m_strOutputDirectory = dir.Folder().c_str();
        return vorntest::PressUtilityOk(dlg, IDC_UTIL_INPUT_FILE, strInput.c_str(), [&](HWND h) {
            ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, pszOutput);
            if (fill)
                fill(h);
        });
    }
};

TEST_F(VolCloneDialog, CkdInputWithReplaceZlibAndAlternates)
{
    CVolCloneDlg dlg;
    vorntest::SUtilityOk ok = Run(dlg, strCkd, "out copy.cckd", [](HWND h) {
        Click(h, IDC_UTIL_REPLACE, true);
        Click(h, IDC_UTIL_COMPRESS, true);
        Click(h, IDC_UTIL_ALT_CYLS, true);
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_EQ("VOLCLONE -r -o cckd -z -a " + strCkd + " \"" + dir.Path("out copy.cckd") + "\"",
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("VOLCLONE in.ckd \"out copy.cckd\"", std::string(dlg.m_strTitle));
    EXPECT_EQ(1024, dlg.m_nExpectedTotal);
}

TEST_F(VolCloneDialog, FbaInputClearsTheAlternatesAndCompressionForcesOneFile)
{
    ProfileWriteInt("VOLCLONE", "bIncludeAltCyls", 1);
    ProfileWriteInt("VOLCLONE", "bForceSingleOutput", 1);
    CVolCloneDlg dlg;
    bool bAltEnabled = true, bAltChecked = true, bSingleEnabled = true, bSingleChecked = false;
    vorntest::SUtilityOk ok = Run(dlg, strFba, "out.cfba", [&](HWND h) {
        bAltEnabled = Enabled(h, IDC_UTIL_ALT_CYLS);
        bAltChecked = Checked(h, IDC_UTIL_ALT_CYLS);
        Click(h, IDC_UTIL_COMPRESS, true);
        Click(h, IDC_UTIL_ZLIB, false);
        Click(h, IDC_UTIL_BZIP2, true);
        bSingleEnabled = Enabled(h, IDC_UTIL_LARGE_FILE);
        bSingleChecked = Checked(h, IDC_UTIL_LARGE_FILE);
        ::SetDlgItemTextA(h, IDC_UTIL_SHADOW_FILE, strShadow.c_str());
    });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_FALSE(bAltEnabled);
    EXPECT_FALSE(bAltChecked);
    EXPECT_FALSE(bSingleEnabled);
    EXPECT_TRUE(bSingleChecked);
    EXPECT_EQ("VOLCLONE -o cfba -bz2 " + strFba + " \"sf=" + strShadow + "\" " + dir.Path("out.cfba"),
              std::string(dlg.m_strCommandLine));
    EXPECT_EQ("1", std::string(ProfileGetString("VOLCLONE", "bIncludeAltCyls", "")));  // the field kept its value
}

TEST_F(VolCloneDialog, StoredSixtyFourBitBoxWithoutThe64BitProgramsAddsNothing)
{
    ProfileWriteInt("VOLCLONE", "bCKD64", 1);
    ProfileWriteInt("VOLCLONE", "bForceSingleOutput", 1);
    CVolCloneDlg dlg;
    bool bEnabled = true;
    vorntest::SUtilityOk ok = Run(dlg, strCkd, "plain.ckd", [&](HWND h) { bEnabled = Enabled(h, IDC_UTIL_CKD64); });
    ASSERT_EQ(IDOK, ok.nResult) << ok.strBalloon;
    EXPECT_FALSE(bEnabled);
    EXPECT_EQ("VOLCLONE -lfs -o ckd " + strCkd + " " + dir.Path("plain.ckd"), std::string(dlg.m_strCommandLine));
}

TEST_F(VolCloneDialog, RefusalsOfInputAndShadow)
{
    std::string strText = dir.Write("notes.txt", std::string(2000, 't'));
    CVolCloneDlg text;
    EXPECT_EQ("Input Filename: Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing "
              "violation perhaps?)",
              Run(text, strText, "o.ckd", nullptr).strBalloon);
    CVolCloneDlg shadow;
    std::string strBalloon = Run(shadow, strCkd, "o.ckd", [&](HWND h) {
                                 ::SetDlgItemTextA(h, IDC_UTIL_SHADOW_FILE, dir.Path("missing.sf").c_str());
                             }).strBalloon;
    EXPECT_EQ(0u, strBalloon.find("Shadow Filename: ")) << strBalloon;
    EXPECT_EQ("", std::string(ProfileGetString("VOLCLONE", "strInputFile", "")));
}

// Holds a dialog open for a picture (VORN_SHOW_DIALOG: VOLMAKE or VOLCLONE):
// VORN_SHOW_DIALOG=VOLMAKE VORN_SHOW_DIALOG_MS=5000 tools/screenshot -t VOLMAKE
//     build/win32/bin/utilities_tests.exe --gtest_filter=VolCloneDialog.DISABLED_ShowForPicture
TEST_F(VolCloneDialog, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_DIALOG_MS");
    const char* pszName = std::getenv("VORN_SHOW_DIALOG");
    if (!pszHold || !pszName || (std::string(pszName) != "VOLMAKE" && std::string(pszName) != "VOLCLONE"))
        GTEST_SKIP() << "set VORN_SHOW_DIALOG (VOLMAKE, VOLCLONE) and VORN_SHOW_DIALOG_MS to show a dialog";
    DWORD dwStart = ::GetTickCount();
    auto hold = [&](HWND h) {
        if (::GetTickCount() - dwStart < (DWORD)std::atoi(pszHold))
            return true;
        ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    };
    if (std::string(pszName) == "VOLMAKE") {
        ProfileWriteString("VOLMAKE", "strDevModel", "3390-3");
        ProfileWriteInt("VOLMAKE", "bVol1Label", 1);
        ProfileWriteString("VOLMAKE", "strVolser", "WORK01");
        ProfileWriteInt("VOLMAKE", "bCompress", 1);
        CVolMakeDlg dlg;
        dlg.m_strOutputDirectory = dir.Folder().c_str();
        vorntest::RunModal(dlg, hold, 100);
    } else {
        CVolCloneDlg dlg;
        dlg.m_strInputFile = strCkd.c_str();
        dlg.m_strOutputDirectory = dir.Folder().c_str();
        dlg.m_strOutputFile = "copy.cckd";
        vorntest::RunModal(dlg, hold, 100);
    }
}

}  // namespace
