// TapeArgumentsTest.cpp: a tape drive's words read back and written for
// each kind of tape file, and the two tape commands.
#include <gtest/gtest.h>

#include "config/TapeImage.h"
#include "devices/TapeArguments.h"

namespace {

STapeOptions Defaults()
{
    STapeOptions opts;
    opts.nTapeSizeMB = 170;
    opts.nEOTMarginKB = 128;
    return opts;
}

STapeOptions Parsed(const char* pszArgs)
{
    STapeOptions opts = Defaults();
    ParseTapeArguments(pszArgs, opts);
    return opts;
}

}  // namespace

TEST(TapeArguments, EachWordSetsItsValue)
{
    STapeOptions o = Parsed("AWSTAPE readonly=1 chunksize=8192 level=9 method=2 maxsizeM=300 eotmargin=131072 "
                            "--blkid-32 --NO-ERG");
    EXPECT_TRUE(o.bStrictAWS);
    EXPECT_TRUE(o.bReadOnly);
    EXPECT_EQ(8192u, o.nChunkSize);
    EXPECT_EQ(9, o.nCompressLevel);
    EXPECT_EQ(1, o.nCompressMethod);
    EXPECT_EQ(300u, o.nTapeSizeMB);
    EXPECT_EQ(128u, o.nEOTMarginKB);
    EXPECT_EQ(0, o.nBlockIdType);
    EXPECT_TRUE(o.bNoERG);
    EXPECT_EQ(0, o.otherWords.GetSize());
}

TEST(TapeArguments, ReadOnlyWords)
{
    const struct {
        const char* pszArgs;
        bool bReadOnly;
    } rows[] = {
        {"ro", true}, {"NORING", true}, {"readonly=0", false}, {"readonly=7", true},
        {"ro rw", false}, {"noring ring", false}, {"", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.bReadOnly, Parsed(row.pszArgs).bReadOnly) << row.pszArgs;
}

TEST(TapeArguments, CompressionWords)
{
    EXPECT_EQ(0, Parsed("compress=0").nCompressLevel);
    EXPECT_EQ(6, Parsed("compress=1").nCompressLevel);
    EXPECT_EQ(1, Parsed("--blkid-22").nBlockIdType);
    // A method other than 1 or 2 is no radio: it is kept as an unknown word.
    STapeOptions o = Parsed("method=3 method=0");
    EXPECT_EQ(0, o.nCompressMethod);
    ASSERT_EQ(2, o.otherWords.GetSize());
    EXPECT_STREQ("method=3", o.otherWords[0]);
    EXPECT_STREQ("method=0", o.otherWords[1]);
}

TEST(TapeArguments, TheMarginKeepsItsBytesWhileUntouched)
{
    STapeOptions o = Parsed("eotmargin=1000");
    EXPECT_EQ(0u, o.nEOTMarginKB);
    EXPECT_STREQ("maxsizeM=170 eotmargin=1000", BuildTapeArguments(o, TAPE_FAKETAPE, 0x3420));
    o.nEOTMarginKB = 4;  // the user typed a new margin
    EXPECT_STREQ("maxsizeM=170 eotmargin=4096", BuildTapeArguments(o, TAPE_FAKETAPE, 0x3420));
}

TEST(TapeArguments, ALargeMarginIsComputedWithoutOverflow)
{
    STapeOptions o = Defaults();
    o.nTapeSizeMB = 0;
    o.nEOTMarginKB = 2097152;  // 2 GB: 2^31 bytes
    EXPECT_STREQ("eotmargin=2147483648", BuildTapeArguments(o, TAPE_AWS, 0x3420));
    o.nEOTMarginKB = 0xFFFFFFFFu;
    EXPECT_STREQ("eotmargin=4398046510080", BuildTapeArguments(o, TAPE_AWS, 0x3420));
}

TEST(TapeArguments, UnknownWordsTravelVerbatimAfterTheKnownOnes)
{
    STapeOptions o = Parsed("maxsize=9999 \"odd word\" eotmargin=131072 deonirq=1");
    ASSERT_EQ(3, o.otherWords.GetSize());
    EXPECT_STREQ("maxsizeM=170 eotmargin=131072 maxsize=9999 \"odd word\" deonirq=1",
                 BuildTapeArguments(o, TAPE_AWS, 0x3420));
}

TEST(TapeArguments, TheWordsOfEachKind)
{
    STapeOptions strict = Defaults();
    strict.bStrictAWS = true;
    STapeOptions vet = Defaults();
    vet.nCompressMethod = 1;
    vet.nCompressLevel = 9;
    STapeOptions none = Defaults();
    none.nCompressLevel = 0;
    STapeOptions chunk = Defaults();
    chunk.nChunkSize = 8192;
    chunk.bReadOnly = true;
    STapeOptions scsi = Defaults();
    scsi.bNoERG = true;
    scsi.nBlockIdType = 1;
    const struct {
        const STapeOptions* pOpts;
        BYTE nKind;
        WORD wType;
        const char* pszArgs;
    } rows[] = {
        {&strict, TAPE_AWS, 0x3420, "awstape maxsizeM=170 eotmargin=131072"},
        {&strict, TAPE_UNKNOWN, 0x3420, "awstape maxsizeM=170 eotmargin=131072"},
        {&strict, TAPE_VET, 0x3420, "compress=1 method=1 level=6 maxsizeM=170 eotmargin=131072"},
        {&strict, TAPE_OMA, 0x3420, "readonly=1"},
        {&vet, TAPE_VET, 0x3420, "compress=1 method=2 level=9 maxsizeM=170 eotmargin=131072"},
        {&vet, TAPE_AWS_OTHER, 0x3420, "compress=1 method=2 level=9 maxsizeM=170 eotmargin=131072"},
        {&none, TAPE_VET, 0x3420, "compress=0 maxsizeM=170 eotmargin=131072"},
        {&vet, TAPE_AWS, 0x3420, "maxsizeM=170 eotmargin=131072"},
        {&chunk, TAPE_AWS, 0x3420, "chunksize=8192 maxsizeM=170 eotmargin=131072 readonly=1"},
        {&chunk, TAPE_FAKETAPE, 0x3420, "maxsizeM=170 eotmargin=131072 readonly=1"},
        {&chunk, TAPE_OMA, 0x3420, "readonly=1"},
        {&vet, TAPE_OMA, 0x3420, "readonly=1"},
        // SCSI: only a block-id choice other than the type's default.
        {&scsi, TAPE_SCSI, 0x3590, "--blkid-22 --no-erg"},
        {&scsi, TAPE_SCSI, 0x3480, "--no-erg"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(row.pszArgs, BuildTapeArguments(*row.pOpts, row.nKind, row.wType))
            << int(row.nKind) << " " << row.wType;
}

TEST(TapeArguments, BlockIdsByType)
{
    const struct {
        WORD wType;
        int nChoice;
        const char* pszArgs;
    } rows[] = {
        {0x3590, -1, ""}, {0x3590, 1, "--blkid-22"}, {0x3480, -1, ""}, {0x3480, 0, "--blkid-32"},
        {0x3490, 1, ""},
    };
    for (const auto& row : rows) {
        STapeOptions o = Defaults();
        o.nBlockIdType = row.nChoice;
        DefaultTapeBlockIdType(o, row.wType);
        EXPECT_STREQ(row.pszArgs, BuildTapeArguments(o, TAPE_SCSI, row.wType)) << row.wType;
    }
    STapeOptions o = Defaults();
    DefaultTapeBlockIdType(o, 0x3590);
    EXPECT_EQ(0, o.nBlockIdType);
    o.nBlockIdType = -1;
    DefaultTapeBlockIdType(o, 0x3420);
    EXPECT_EQ(1, o.nBlockIdType);
}

TEST(TapeArguments, Commands)
{
    EXPECT_STREQ("attach 0580 3420 \"C:\\tapes\\my tape.aws\" maxsizeM=170 eotmargin=131072",
                 TapeCommand(true, "0580", 0x3420, "C:\\tapes\\my tape.aws", "maxsizeM=170 eotmargin=131072"));
    EXPECT_STREQ("attach 1:0581 3590 \\\\.\\TAPE0", TapeCommand(true, "1:0581", 0x3590, "\\\\.\\TAPE0", ""));
    EXPECT_STREQ("devinit 0580 * readonly=1", TapeCommand(false, "0580", 0x3420, "*", "readonly=1"));
    EXPECT_STREQ("devinit 0580 *", TapeCommand(false, "0580", 0x3420, "*", ""));
}
