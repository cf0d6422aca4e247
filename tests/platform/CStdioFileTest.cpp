// CStdioFileTest.cpp: text lines in and out, line ends, long lines, NULs and
// open errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/CStdioFile.h"

namespace {

const char* kName = "core_tests_stdio.tmp";

void WriteRaw(const std::string& bytes)
{
    FILE* f = std::fopen(kName, "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string ReadRaw()
{
    std::string s;
    FILE* f = std::fopen(kName, "rb");
    if (!f)
        return s;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    std::fclose(f);
    return s;
}

std::vector<std::string> ReadLines()
{
    std::vector<std::string> lines;
    CStdioFile f;
    EXPECT_TRUE(f.Open(kName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeText));
    CString line;
    while (f.ReadString(line))
        lines.push_back(line.str());
    EXPECT_TRUE(line.IsEmpty());
    return lines;
}

struct StdioFileTest : ::testing::Test {
    void TearDown() override { std::remove(kName); }
};

typedef std::vector<std::string> Lines;

}  // namespace

TEST_F(StdioFileTest, ReadsLineEndsTable)
{
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"\n\n", {"", ""}},
        {"x\r\r\ny", {"x\r", "y"}},
        {"lone\rcr\n", {"lone\rcr"}},
        {std::string("nul\0inside\n", 11), {std::string("nul\0inside", 10)}},
    };
    for (const Case& c : cases) {
        WriteRaw(c.bytes);
        EXPECT_EQ(ReadLines(), c.lines);
    }
}

TEST_F(StdioFileTest, LongLinesAcrossReadChunks)
{
    std::string big(100000, 'q'), huge(200000, 'r');
    WriteRaw(big + "\r\n" + huge + "\r" + "\n" + "tail");
    Lines lines = ReadLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], big);
    EXPECT_EQ(lines[1], huge);
    EXPECT_EQ(lines[2], "tail");
}

TEST_F(StdioFileTest, WritesCrLfAndRoundTrips)
{
    {
        CStdioFile f;
        ASSERT_TRUE(f.Open(kName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
        EXPECT_TRUE(f.WriteString("#\n# Vornamic Emulator Control file...\n"));
        EXPECT_TRUE(f.WriteString("already\r\n\nend"));
        EXPECT_TRUE(f.WriteString(""));
    }
    EXPECT_EQ(ReadRaw(), "#\r\n# Vornamic Emulator Control file...\r\nalready\r\n\r\nend");
    EXPECT_EQ(ReadLines(), (Lines{"#", "# Vornamic Emulator Control file...", "already", "", "end"}));
}

TEST_F(StdioFileTest, BinaryWriteUnchangedAndTruncateOnCreate)
{
    CStdioFile f;
    ASSERT_TRUE(f.Open(kName, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
    f.WriteString("a\nlonger text\n");
    f.Close();
    ASSERT_TRUE(f.Open(kName, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
    f.WriteString("b\n");
    f.Close();
    EXPECT_EQ(ReadRaw(), "b\n");
    ASSERT_TRUE(f.Open(kName, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite));
    EXPECT_EQ(f.GetLength(), 2u);
    f.SeekToEnd();
    f.WriteString("c\n");
    f.Close();
    EXPECT_EQ(ReadRaw(), "b\nc\r\n");
}

TEST_F(StdioFileTest, ReadMixesWithReadStringAndSeek)
{
    WriteRaw("line1\nABCDEF");
    CStdioFile f;
    ASSERT_TRUE(f.Open(kName, CFile::modeRead));
    CString line;
    ASSERT_TRUE(f.ReadString(line));
    char buf[4] = {};
    EXPECT_EQ(f.Read(buf, 3), 3u);
    EXPECT_EQ(std::string(buf, 3), "ABC");
    f.SeekToBegin();
    ASSERT_TRUE(f.ReadString(line));
    EXPECT_EQ(line, "line1");
}

TEST_F(StdioFileTest, OpenErrors)
{
    std::remove(kName);
    CStdioFile f;
    CFileException e;
    EXPECT_FALSE(f.Open(kName, CFile::modeRead, &e));
    EXPECT_FALSE(f.IsOpen());
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e.m_lOsError, 2);
    EXPECT_EQ(e.GetErrorText(), CString("The file \"") + kName + "\" was not found.");
    char small[10];
    EXPECT_TRUE(e.GetErrorMessage(small, sizeof small));
    EXPECT_STREQ(small, "The file ");

    CFileException e2;
    EXPECT_FALSE(f.Open("no_such_dir_xyz/sub/file.cnf", CFile::modeCreate | CFile::modeWrite, &e2));
    EXPECT_EQ(e2.m_lOsError, 3);
    EXPECT_EQ(e2.m_cause, CFileException::badPath);

    CFileException e4;
    EXPECT_FALSE(f.Open(".", CFile::modeRead, &e4));
    EXPECT_EQ(e4.m_lOsError, 5);
    EXPECT_EQ(e4.m_cause, CFileException::accessDenied);

    CString line("stale");
    EXPECT_FALSE(f.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());
    CFileException e3;
    EXPECT_FALSE(f.WriteString("x", &e3));
    EXPECT_EQ(e3.m_lOsError, 6);
}
