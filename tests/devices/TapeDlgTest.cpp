// TapeDlgTest.cpp: the tape drive's window under Wine: the controls of each
// kind of tape file, "*" for an emptied name, the "ADDTAPE" values (read
// and written when adding only), the drive's words read back and written
// again, and the checks on OK in their order.
#include <gtest/gtest.h>

#include <string>

#include "config/DevClass.h"
#include "devices/AddTapeDlg.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"
#include "tests/devices/DeviceDlgTestSupport.h"

using namespace devtest;

namespace {

// The first six bytes of each kind of image: an AWS block header (current
// and previous length, two flag bytes), a compressed one, a fake tape's
// "0000" and a read-only image's "@TDF".
const std::string kAwsHeader("\x10\x00\x00\x00\xA0\x00", 6);
const std::string kVetHeader("\x10\x00\x00\x00\xA1\x00", 6);
const std::string kOtherHeader("\x10\x00\x00\x00\xB0\x00", 6);
const std::string kFakeHeader("0000\x10\x00", 6);
const std::string kTdfHeader("@TDF\x00\x00", 6);

CVornDevice Tape(const std::string& strFile, const char* pszArgs, WORD wType = 0x3420)
{
    CVornDevice dev;
    dev.m_wClass = DEVCLASS_TAPE;
    dev.m_wDevnum = 0x0580;
    dev.m_wDevType = wType;
    dev.m_strFirstArg = strFile.c_str();
    dev.m_strOtherArgs = pszArgs;
    return dev;
}

struct TapeDlgTest : ::testing::Test {
    TempDir dir;
    void SetUp() override { SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("tape.ini").c_str())); }
    void TearDown() override { SetSettingsStore(nullptr); }
};

// Which groups a kind enables: Strict AWS, chunk size, tape size, EOT
// margin, compression, SCSI, Read-only (enabled), Read-only (checked).
struct SStates {
    bool bStrict, bChunk, bSize, bEot, bCompress, bScsi, bReadOnly, bReadOnlyChecked;
    bool operator==(const SStates& o) const
    {
        return bStrict == o.bStrict && bChunk == o.bChunk && bSize == o.bSize && bEot == o.bEot &&
               bCompress == o.bCompress && bScsi == o.bScsi && bReadOnly == o.bReadOnly &&
               bReadOnlyChecked == o.bReadOnlyChecked;
    }
};

std::ostream& operator<<(std::ostream& os, const SStates& s)
{
    return os << s.bStrict << s.bChunk << s.bSize << s.bEot << s.bCompress << s.bScsi << s.bReadOnly
              << s.bReadOnlyChecked;
}

SStates StatesOf(HWND h)
{
    return {Enabled(h, IDC_TAPEDRV_STRICT_AWS), Enabled(h, IDC_TAPEDRV_CHUNK),  Enabled(h, IDC_TAPEDRV_SIZE),
            Enabled(h, IDC_TAPEDRV_EOT),        Enabled(h, IDC_TAPEDRV_LEVEL),  Enabled(h, IDC_TAPEDRV_BLKID32),
            Enabled(h, IDC_TAPEDRV_READONLY),   Checked(h, IDC_TAPEDRV_READONLY)};
}

}  // namespace

TEST_F(TapeDlgTest, EachKindOfFileItsControls)
{
    const struct {
        std::string strFile;
        SStates states;
    } rows[] = {
        {dir.Write("plain.img", kAwsHeader), {true, true, true, true, false, false, true, false}},
        {dir.Write("packed.img", kVetHeader), {true, true, true, true, true, false, true, false}},
        {dir.Write("other.img", kOtherHeader), {true, true, true, true, true, false, true, false}},
        {dir.Write("fake.img", kFakeHeader), {false, false, true, true, false, false, true, false}},
        {dir.Write("old.img", kTdfHeader), {false, false, false, false, false, false, false, true}},
        {"\\\\.\\TAPE0", {false, false, false, true, false, true, true, false}},
        {"*", {true, true, true, true, false, false, true, false}},
    };
    for (const auto& row : rows) {
        CAddTapeDlg dlg;
        dlg.m_Device = Tape(row.strFile, "");
        SStates states{};
        PressOk(dlg, nullptr, [&](HWND h) {
            states = StatesOf(h);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(row.states, states) << row.strFile;
    }
}

TEST_F(TapeDlgTest, TheControlsFollowEveryNameChangeAndAnEmptiedNameShowsAStar)
{
    std::string strVet = dir.Write("packed.vet", kVetHeader);
    CAddTapeDlg dlg;
    dlg.m_Device = Tape("*", "");
    bool bCompressAfterVet = false, bScsiAfterDrive = false;
    std::string strEmptied, strErased, strTyped;
    PressOk(dlg, nullptr, [&](HWND h) {
        SetText(h, IDC_TAPEDRV_FILE, strVet.c_str());
        bCompressAfterVet = Enabled(h, IDC_TAPEDRV_LEVEL);
        SetText(h, IDC_TAPEDRV_FILE, "\\\\.\\TAPE1");
        bScsiAfterDrive = Enabled(h, IDC_TAPEDRV_NOERG) && !Enabled(h, IDC_TAPEDRV_LEVEL);
        SetText(h, IDC_TAPEDRV_FILE, "");
        strEmptied = Text(h, IDC_TAPEDRV_FILE);
        // Erased with the keyboard, then typed into: the star goes.
        HWND hFile = ::GetDlgItem(h, IDC_TAPEDRV_FILE);
        ::SetFocus(hFile);
        SetText(h, IDC_TAPEDRV_FILE, "x");
        ::SendMessageA(hFile, EM_SETSEL, 1, 1);
        ::SendMessageA(hFile, WM_CHAR, VK_BACK, 0);
        strErased = Text(h, IDC_TAPEDRV_FILE);
        for (char c : std::string("t.aws"))
            ::SendMessageA(hFile, WM_CHAR, (WPARAM)c, 0);
        strTyped = Text(h, IDC_TAPEDRV_FILE);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(bCompressAfterVet);
    EXPECT_TRUE(bScsiAfterDrive);
    EXPECT_EQ("*", strEmptied);
    EXPECT_EQ("*", strErased);
    EXPECT_EQ("t.aws", strTyped);
}

TEST_F(TapeDlgTest, AddingReadsAndWritesTheLastSizes)
{
    ProfileWriteInt("ADDTAPE", "TapeSize", 400);
    ProfileWriteInt("ADDTAPE", "EOTMargin", 64);
    std::string strFile = dir.Write("my tape.aws", kAwsHeader);
    CSetRouter router;
    CAddTapeDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Tape("", "");
    dlg.m_Device.m_wDevType = 0;
    std::string strSize, strEot, strChunk, strCaption, strType;
    SOkResult r = PressOk(
        dlg,
        [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "0581");
            SetText(h, IDC_TAPEDRV_FILE, strFile.c_str());
            SetText(h, IDC_TAPEDRV_EOT, "32");
        },
        [&](HWND h) {
            strCaption = Caption(h);
            strType = Text(h, IDC_DEVDLG_DEVTYPE);
            strSize = Text(h, IDC_TAPEDRV_SIZE);
            strEot = Text(h, IDC_TAPEDRV_EOT);
            strChunk = Text(h, IDC_TAPEDRV_CHUNK);
        });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("Add New TAPE Drive", strCaption);
    EXPECT_EQ("3420", strType);  // the fallback entry
    EXPECT_EQ("400", strSize);
    EXPECT_EQ("64", strEot);
    EXPECT_EQ("65535", strChunk);
    EXPECT_EQ("attach 0581 3420 \"" + strFile + "\" maxsizeM=400 eotmargin=32768", std::string(dlg.m_strCommand));
    EXPECT_EQ(65535u, ProfileGetInt("ADDTAPE", "ChunkSize", -1));
    EXPECT_EQ(400u, ProfileGetInt("ADDTAPE", "TapeSize", -1));
    EXPECT_EQ(32u, ProfileGetInt("ADDTAPE", "EOTMargin", -1));
}

TEST_F(TapeDlgTest, ReinitialisingKeepsItsWordsAndLeavesTheLastSizesAlone)
{
    ProfileWriteInt("ADDTAPE", "TapeSize", 400);
    std::string strFile = dir.Write("t.aws", kAwsHeader);
    CAddTapeDlg dlg;
    dlg.m_Device = Tape(strFile, "maxsizeM=170 eotmargin=1000 deonirq=1 method=7");
    std::string strEot, strCaption;
    SOkResult r = PressOk(dlg, nullptr, [&](HWND h) {
        strEot = Text(h, IDC_TAPEDRV_EOT);
        strCaption = Caption(h);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("0", strEot);
    EXPECT_EQ("Reinitialize TAPE Drive", strCaption);
    EXPECT_EQ("devinit 0580 " + strFile + " maxsizeM=170 eotmargin=1000 deonirq=1 method=7",
              std::string(dlg.m_strCommand));
    EXPECT_EQ(400u, ProfileGetInt("ADDTAPE", "TapeSize", -1));
    EXPECT_EQ(-1, (int)ProfileGetInt("ADDTAPE", "ChunkSize", -1));
}

TEST_F(TapeDlgTest, StrictAwsShowsTheSmallestChunkAndWritesAwstape)
{
    std::string strFile = dir.Write("s.aws", kAwsHeader);
    CAddTapeDlg dlg;
    dlg.m_Device = Tape(strFile, "");
    std::string strChunk;
    bool bChunkEnabled = true;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        Click(h, IDC_TAPEDRV_STRICT_AWS);
        strChunk = Text(h, IDC_TAPEDRV_CHUNK);
        bChunkEnabled = Enabled(h, IDC_TAPEDRV_CHUNK);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_EQ("4096", strChunk);
    EXPECT_FALSE(bChunkEnabled);
    EXPECT_STREQ("awstape maxsizeM=170 eotmargin=131072", dlg.m_Device.m_strOtherArgs);
}

TEST_F(TapeDlgTest, CompressionAndReadOnlyWords)
{
    std::string strVet = dir.Write("c.vet", kVetHeader);
    std::string strTdf = dir.Write("r.tdf", kTdfHeader);
    CAddTapeDlg vet;
    vet.m_Device = Tape(strVet, "");
    ASSERT_EQ(IDOK, PressOk(vet, [](HWND h) {
                        Click(h, IDC_TAPEDRV_BZIP2);
                        ::SendDlgItemMessageA(h, IDC_TAPEDRV_LEVEL, TBM_SETPOS, TRUE, 9);
                    }).nResult);
    EXPECT_STREQ("compress=1 method=2 level=9 maxsizeM=170 eotmargin=131072", vet.m_Device.m_strOtherArgs);
    CAddTapeDlg tdf;
    tdf.m_Device = Tape(strTdf, "chunksize=8192 maxsizeM=300");
    ASSERT_EQ(IDOK, PressOk(tdf, nullptr).nResult);
    EXPECT_STREQ("readonly=1", tdf.m_Device.m_strOtherArgs);
}

TEST_F(TapeDlgTest, TheScsiBlockIdsFollowTheType)
{
    CSetRouter router;
    CAddTapeDlg dlg;
    dlg.m_bAdd = true;
    dlg.m_pRouter = &router;
    dlg.m_Device = Tape("\\\\.\\TAPE0", "", 0x3590);
    dlg.m_Device.m_strTypeWord = "3590";
    bool b32For3590 = false, b22For3480 = false;
    SOkResult r = PressOk(dlg, [&](HWND h) {
        b32For3590 = Checked(h, IDC_TAPEDRV_BLKID32);
        ::SendDlgItemMessageA(h, IDC_DEVDLG_DEVTYPE, CB_SETCURSEL, 5, 0);  // 3480
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_DEVDLG_DEVTYPE, CBN_SELENDOK),
                       (LPARAM)::GetDlgItem(h, IDC_DEVDLG_DEVTYPE));
        b22For3480 = Checked(h, IDC_TAPEDRV_BLKID22);
        Click(h, IDC_TAPEDRV_BLKID32);
        Click(h, IDC_TAPEDRV_NOERG);
    });
    ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
    EXPECT_TRUE(b32For3590);
    EXPECT_TRUE(b22For3480);
    EXPECT_EQ("attach 0580 3480 \\\\.\\TAPE0 --blkid-32 --no-erg", std::string(dlg.m_strCommand));
    EXPECT_EQ(1, router.nFileQuestions);  // asked whether in use, never checked as a file
}

// The chunk size is checked first, before the device number; then the
// sizes against their spins, then the number, then the file.
TEST_F(TapeDlgTest, TheChecksOnOkInTheirOrder)
{
    std::string strFile = dir.Write("t.aws", kAwsHeader);
    const struct {
        const char* pszDevnum;
        const char* pszFile;
        const char* pszChunk;
        const char* pszSize;
        const char* pszEot;
        std::string strBalloon;
    } rows[] = {
        {"", "*", "100", "170", "128", "Chunk Size: Enter a number from 4096 to 65535."},
        {"", "*", "", "170", "128", "Chunk Size: Enter a number from 4096 to 65535."},
        {"", "*", "65535", "3", "128", "Tape Size: Enter a number from 4 to 2048."},
        {"", "*", "65535", "170", "2097152", "EOT Margin: Enter a number from 0 to 2048."},
        {"", "*", "65535", "170", "128", "Device Number: You must enter a device number"},
        {"0580", "*", "65535", "170", "128", "Device Number: Device already defined"},
        {"0581", "used.aws", "65535", "170", "128", "Filename: Another device is already using this name."},
        {"0581", "missing.aws", "65535", "170", "128", "Filename: File not found."},
        {"0581", "*", "65535", "170", "128", ""},
        {"0581", strFile.c_str(), "65535", "170", "128", ""},
    };
    for (const auto& row : rows) {
        CSetRouter router;
        router.keys.insert(0x0580);
        router.files.insert("used.aws");
        CAddTapeDlg dlg;
        dlg.m_bAdd = true;
        dlg.m_pRouter = &router;
        dlg.m_Device = Tape("*", "");
        SOkResult r = PressOk(dlg, [&](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, row.pszDevnum);
            SetText(h, IDC_TAPEDRV_FILE, row.pszFile);
            SetText(h, IDC_TAPEDRV_CHUNK, row.pszChunk);
            SetText(h, IDC_TAPEDRV_SIZE, row.pszSize);
            SetText(h, IDC_TAPEDRV_EOT, row.pszEot);
        });
        EXPECT_EQ(row.strBalloon, r.strBalloon) << row.pszDevnum << " " << row.pszFile;
        EXPECT_EQ(row.strBalloon.empty() ? IDOK : IDCANCEL, r.nResult);
    }
}

// ">" opens "Tape File" with the tape filter; the chosen image's kind sets
// the controls at once. Cancel keeps the name.
TEST_F(TapeDlgTest, BrowsingChoosesTheImageAndItsControls)
{
    SKeepFolders keep;
    std::string strVet = dir.Write("packed.vet", kVetHeader);
    for (bool bChoose : {false, true}) {
        CAddTapeDlg dlg;
        dlg.m_Device = Tape("*", "");
        std::string strTitle, strFilter, strFile;
        bool bCompress = !bChoose;
        SOkResult r = PressOk(dlg, [&](HWND h) {
            strTitle = PressAndAnswer(h, IDC_TAPEDRV_BROWSE, [&](HWND hFile) {
                strFilter = Text(hFile, 0x470);  // the file dialog's type list
                if (bChoose)
                    ChooseFile(hFile, strVet);
                else
                    CancelDialog(hFile);
            });
            strFile = Text(h, IDC_TAPEDRV_FILE);
            bCompress = Enabled(h, IDC_TAPEDRV_LEVEL);
        });
        ASSERT_EQ(IDOK, r.nResult) << r.strBalloon;
        EXPECT_EQ("Tape File", strTitle);
        EXPECT_EQ(0u, strFilter.find("Tape Files (")) << strFilter;
        EXPECT_EQ(bChoose ? Standard(strVet) : "*", strFile);
        EXPECT_EQ(bChoose, bCompress);
        // The input-file check hands the name on in the system's form.
        EXPECT_EQ(bChoose ? "devinit 0580 " + strVet + " compress=1 method=1 level=6 maxsizeM=170 eotmargin=131072"
                          : "devinit 0580 * maxsizeM=170 eotmargin=131072",
                  std::string(dlg.m_strCommand));
    }
}
