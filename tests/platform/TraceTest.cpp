// TraceTest.cpp: trace lines and the record of failed system calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Trace.h"

namespace {

struct SinkCapture {
    std::vector<std::string> lines;
    TraceSink old;
    SinkCapture() { old = SetTraceSink([this](const char* p) { lines.push_back(p); }); }
    ~SinkCapture() { SetTraceSink(old); }
};

struct CPipeOwner {
    DWORD Fail() { return TRACE_FAILED_CALL("CreatePipe(&hRead, &hWrite, &sa, 0)"); }
};

}  // namespace

TEST(Trace, LineCarriesFunctionAndText)
{
    SinkCapture cap;
    WrenLibAfxTraceEx("CView::Send", "sent %d bytes: %s", 5, "abcde");
    ASSERT_EQ(cap.lines.size(), 1u);
    EXPECT_EQ(cap.lines[0], "CView::Send: sent 5 bytes: abcde");
}

TEST(Trace, FailedCallFormat)
{
    SinkCapture cap;
    CPipeOwner owner;
    DWORD dw = TraceFailedCall("bool CPipeOwner::Open(int)", "CreatePipe(...)", 5);
    EXPECT_EQ(dw, 5u);
    ASSERT_EQ(cap.lines.size(), 1u);
    std::string expect = "CPipeOwner::Open: CreatePipe(...) FAILED! rc = 5 (0x00000005): ";
    EXPECT_EQ(cap.lines[0].substr(0, expect.size()), expect);
    EXPECT_EQ(cap.lines[0].substr(expect.size()), FormatLastError(5).str());
    EXPECT_FALSE(FormatLastError(5).IsEmpty());
    EXPECT_EQ(FormatLastError(5).Right(1).FindOneOf("\r\n"), -1);

    owner.Fail();
    ASSERT_EQ(cap.lines.size(), 2u);
    EXPECT_EQ(cap.lines[1].find("{anonymous}::CPipeOwner::Fail: CreatePipe(&hRead, &hWrite, &sa, 0) FAILED! rc = "),
              0u) << cap.lines[1];
}

TEST(Trace, QualifiedFunctionNames)
{
    EXPECT_EQ(QualifiedFunctionName("bool CVornGUIView::SendCommand(const char*)"), "CVornGUIView::SendCommand");
    EXPECT_EQ(QualifiedFunctionName("int main()"), "main");
    EXPECT_EQ(QualifiedFunctionName("static void* CPipe::Thread(void*)"), "CPipe::Thread");
    EXPECT_EQ(QualifiedFunctionName("std::map<int, int> CX<A, B>::Get(int)"), "CX<A, B>::Get");
    EXPECT_EQ(QualifiedFunctionName("plain"), "plain");
    EXPECT_EQ(QualifiedFunctionName(nullptr), "");
}

TEST(Trace, PercentInArgumentsIsNotReformatted)
{
    SinkCapture cap;
    TraceFailedCall("void F()", "printf(\"%s %n\")", 2);
    ASSERT_EQ(cap.lines.size(), 1u);
    EXPECT_EQ(cap.lines[0].find("F: printf(\"%s %n\") FAILED! rc = 2 (0x00000002): "), 0u);
}
