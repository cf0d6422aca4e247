// DasdImageTest.cpp: disk image classification on small synthetic files.
#include <gtest/gtest.h>

#include <cstring>

#include "config/ConfigMessages.h"
#include "config/DasdImage.h"
#include "platform/CFile.h"
#include "tests/config/TempFile.h"

namespace {

void Put32(std::string& s, size_t off, DWORD dw)
{
    for (int i = 0; i < 4; i++)
        s[off + i] = (char)((dw >> (8 * i)) & 0xFF);
}

std::string Image(const char* pszSig, size_t nSize)
{
    std::string s(nSize, '\0');
    std::memcpy(&s[0], pszSig, std::min<size_t>(8, std::strlen(pszSig)));
    return s;
}

DasdImageHeader Read(const TempDir& dir, const std::string& strBytes, bool* pbOk = nullptr)
{
    DasdImageHeader hdr;
    const bool bOk = ReadDasdImageHeader(dir.Write("img", strBytes).c_str(), hdr, true);
    if (pbOk)
        *pbOk = bOk;
    return hdr;
}

} // namespace

TEST(DasdImage, Signatures)
{
    TempDir dir;
    const struct { const char* pszSig; BYTE bType; } rows[] = {
        {"CKD_C370", 2}, {"CKD_S370", 3}, {"FBA_C370", 5}, {"FBA_S370", 6},
        {"CKD_P064", 7}, {"CKD_C064", 8}, {"CKD_S064", 9}, {"FBA_C064", 11},
        {"FBA_S064", 12}, {"CKD_P371", 0}, {"ckd_p370", 0}, {"\x01", 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Read(dir, Image(r.pszSig, 1024)).bImageType, r.bType) << r.pszSig;
    EXPECT_EQ(Read(dir, Image("", 4096)).bImageType, DASD_FBA_P370);
    EXPECT_TRUE(IsDasdImageType64(7));
    EXPECT_TRUE(IsDasdImageType64(12));
    EXPECT_FALSE(IsDasdImageType64(6));
    EXPECT_FALSE(IsDasdImageType64(13));
}

TEST(DasdImage, ShortFileIsUnknownButRead)
{
    TempDir dir;
    bool bOk = false;
    DasdImageHeader hdr = Read(dir, Image("CKD_P370", 1023), &bOk);
    EXPECT_TRUE(bOk);
    EXPECT_EQ(hdr.bImageType, 0);
    EXPECT_EQ(hdr.ullFileSize, 1023u);
    hdr = Read(dir, "", &bOk);
    EXPECT_TRUE(bOk);
    EXPECT_EQ(hdr.bImageType, 0);
}

TEST(DasdImage, PlainCkdGeometry)
{
    TempDir dir;
    // Only the size matters for the geometry: write a sparse-looking file
    // of 512 + 2 cylinders x 15 heads x 56832 bytes.
    std::string s = Image("CKD_P370", 512 + 2 * 15 * 56832);
    Put32(s, 8, 15);
    Put32(s, 12, 56832);
    std::memcpy(&s[20], "VOL001", 6);
    const DasdImageHeader hdr = Read(dir, s);
    EXPECT_EQ(hdr.bImageType, DASD_CKD_P370);
    EXPECT_EQ(hdr.dwHeads, 15u);
    EXPECT_EQ(hdr.dwCyls, 2u);
    EXPECT_EQ(hdr.strSerial, "VOL001");
}

TEST(DasdImage, CompressedCylindersFromSecondBlock)
{
    TempDir dir;
    std::string s = Image("CKD_C370", 1024);
    Put32(s, 512 + 40, 3339);
    EXPECT_EQ(Read(dir, s).dwCyls, 3339u);
    s = Image("FBA_C064", 1024);
    Put32(s, 512 + 12, 777);
    const DasdImageHeader hdr = Read(dir, s);
    EXPECT_EQ(hdr.dwCyls, 777u);
    EXPECT_EQ(hdr.dwHeads, 0u);
}

// A zero track size must not be divided by: a plain FBA image keeps its type
// without a geometry, a plain CKD header with it is not an image at all.
TEST(DasdImage, ZeroDivisorsNeverCrash)
{
    TempDir dir;
    std::string s = Image("", 4096);
    Put32(s, 8, 7); // heads, track size 0
    DasdImageHeader hdr = Read(dir, s);
    EXPECT_EQ(hdr.bImageType, DASD_FBA_P370);
    EXPECT_EQ(hdr.dwCyls, 0u);
    EXPECT_EQ(hdr.dwHeads, 0u);

    s = Image("CKD_P064", 4096);
    Put32(s, 8, 15);
    hdr = Read(dir, s);
    EXPECT_EQ(hdr.bImageType, DASD_IMAGE_UNKNOWN);
    EXPECT_EQ(hdr.dwCyls, 0u);

    s = Image("CKD_P370", 1024);
    Put32(s, 8, 0xFFFFFFFF);
    Put32(s, 12, 1);
    hdr = Read(dir, s);
    EXPECT_EQ(hdr.bImageType, DASD_CKD_P370);
    EXPECT_EQ(hdr.dwCyls, 0u);
}

TEST(DasdImage, SerialStopsAtZeroAndTakesTwelveBytes)
{
    TempDir dir;
    std::string s = Image("CKD_C370", 1024);
    std::memcpy(&s[20], "ABCDEFGHIJKLMNOP", 16);
    EXPECT_EQ(Read(dir, s).strSerial, "ABCDEFGHIJKL");
}

TEST(DasdImage, MissingFileFails)
{
    TempDir dir;
    DasdImageHeader hdr;
    hdr.strSerial = "kept";
    EXPECT_FALSE(ReadDasdImageHeader(dir.Path("absent.cckd").c_str(), hdr, false));
    EXPECT_EQ(hdr.bImageType, 0);
    EXPECT_EQ(hdr.strSerial, "kept");
    EXPECT_EQ(GetDasdImageType(dir.Path("absent.cckd").c_str(), true), 0);
    EXPECT_FALSE(ReadDasdImageHeader(dir.Folder().c_str(), hdr, true)); // a folder
}

// A file another process holds without sharing: the framework's message,
// unless quiet. Share modes take effect on Windows only.
TEST(DasdImage, FileInUseIsReportedUnlessQuiet)
{
    TempDir dir;
    const std::string strPath = dir.Write("busy.img", Image("CKD_P370", 1024));
    CFile holder;
    ASSERT_TRUE(holder.Open(strPath.c_str(), CFile::modeRead | CFile::shareExclusive));
    CFile probe;
    if (probe.Open(strPath.c_str(), CFile::modeRead | CFile::shareDenyWrite))
        GTEST_SKIP() << "share modes are not enforced here";
    static std::string s_strText;
    s_strText.clear();
    const ConfigErrorMessageHook pfnOld = SetConfigErrorMessageHook(
        [](LPCSTR pszText, LPCSTR, DWORD) { s_strText = pszText; });
    DasdImageHeader hdr;
    EXPECT_FALSE(ReadDasdImageHeader(strPath.c_str(), hdr, true));
    EXPECT_EQ(s_strText, "");
    EXPECT_FALSE(ReadDasdImageHeader(strPath.c_str(), hdr, false));
    EXPECT_FALSE(s_strText.empty());
    SetConfigErrorMessageHook(pfnOld);
}
