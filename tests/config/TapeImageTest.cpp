// TapeImageTest.cpp: tape name classification.
#include <gtest/gtest.h>

#include "config/TapeImage.h"
#include "tests/config/TempFile.h"

TEST(TapeImage, ScsiNamesWithoutTouchingFiles)
{
    EXPECT_EQ(GetTapeFileType("\\\\.\\Tape0"), TAPE_SCSI);
    EXPECT_EQ(GetTapeFileType("/dev/nst0"), TAPE_SCSI);
    EXPECT_EQ(GetTapeFileType("/DEV/ST1"), TAPE_SCSI);
}

TEST(TapeImage, MissingFilesByExtension)
{
    TempDir dir;
    const struct { const char* pszName; BYTE bType; } rows[] = {
        {"x.VET", TAPE_VET}, {"x.aws", TAPE_AWS}, {"x.Fkt", TAPE_FAKETAPE},
        {"x.oma", TAPE_OMA}, {"x.TDF", TAPE_OMA}, {"x.tap", TAPE_UNKNOWN}, {"x", TAPE_UNKNOWN},
    };
    for (const auto& r : rows)
        EXPECT_EQ(GetTapeFileType(dir.Path(r.pszName).c_str()), r.bType) << r.pszName;
}

TEST(TapeImage, HeadersDecideWhateverTheExtension)
{
    TempDir dir;
    const struct { std::string strBytes; BYTE bType; } rows[] = {
        {std::string("\0\0\0\0\x01\0", 6), TAPE_VET},
        {std::string("\0\0\0\0\x00\0", 6), TAPE_AWS},
        {std::string("\0\0\0\0\x10\0", 6), TAPE_AWS_OTHER},
        {std::string("\0\0\0\0\x00\x40", 6), TAPE_AWS_OTHER},
        {"@TDF  ", TAPE_OMA},
        {"000012", TAPE_FAKETAPE},
    };
    for (const auto& r : rows)
        EXPECT_EQ(GetTapeFileType(dir.Write("t.fkt", r.strBytes).c_str()), r.bType);
    // A tape mark first, a previous-block length, or a short file: the extension.
    EXPECT_EQ(GetTapeFileType(dir.Write("m.aws", std::string("\0\0\0\0\x40\0", 6)).c_str()), TAPE_AWS);
    EXPECT_EQ(GetTapeFileType(dir.Write("p.tdf", std::string("\0\0\x01\0\0\0", 6)).c_str()), TAPE_OMA);
    EXPECT_EQ(GetTapeFileType(dir.Write("s.vet", std::string("@TD", 3)).c_str()), TAPE_VET);
}
