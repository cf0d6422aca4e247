// StandinProcessTest.cpp: the stand-in programs run as real child processes
// with redirected pipes, under Wine: streams, queries, the record file, exit
// codes, floods, garbage, early death and the main storage read from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <mutex>
#include <sstream>
#include <thread>

#include "tests/standins/StandinText.h"
#include "tests/support/WinTestUtil.h"

namespace {

// Reads one pipe to its end on its own thread.
class CPipeReader {
public:
    void Start(HANDLE hRead)
    {
        m_thread = std::thread([this, hRead] {
            std::vector<char> buffer(64 * 1024);
            DWORD n = 0;
            while (::ReadFile(hRead, buffer.data(), (DWORD)buffer.size(), &n, nullptr) && n > 0) {
                std::lock_guard<std::mutex> guard(m_lock);
                m_text.append(buffer.data(), n);
            }
            ::CloseHandle(hRead);
            std::lock_guard<std::mutex> guard(m_lock);
            m_bEnded = true;
        });
    }
    void Join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    std::string Text()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_text;
    }
    bool Ended()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_bEnded;
    }

private:
    std::thread m_thread;
    std::mutex m_lock;
    std::string m_text;
    bool m_bEnded = false;
};

// A stand-in started with its three standard handles on pipes.
class CPipedChild {
public:
    CPipedChild() = default;
    CPipedChild(const CPipedChild&) = delete;
    CPipedChild& operator=(const CPipedChild&) = delete;
    ~CPipedChild()
    {
        if (m_pi.hProcess) {
            ::TerminateProcess(m_pi.hProcess, 255);
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
        CloseStdin();
        m_out.Join();
        m_err.Join();
    }

    bool Start(const std::string& exe, const std::string& args)
    {
        return StartProgram(vorntest::ProgramDir() + exe, args);
    }

    bool StartProgram(const std::string& path, const std::string& args)
    {
        SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, TRUE };
        HANDLE hInRead, hOutRead, hOutWrite, hErrRead, hErrWrite;
        if (!::CreatePipe(&hInRead, &m_hIn, &sa, 0) || !::CreatePipe(&hOutRead, &hOutWrite, &sa, 0) ||
            !::CreatePipe(&hErrRead, &hErrWrite, &sa, 0))
            return false;
        // The parent's ends must not be inherited, or the child keeps its own
        // pipes open and no reader ever sees their end.
        ::SetHandleInformation(m_hIn, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(hOutRead, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(hErrRead, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOA si = { sizeof(si) };
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = hInRead;
        si.hStdOutput = hOutWrite;
        si.hStdError = hErrWrite;
        // DETACHED_PROCESS, not CREATE_NO_WINDOW: under Wine a console child
        // without a window still gets a console host process, which inherits
        // every inheritable handle of this process, the child's pipe ends
        // among them; a stream the child closes early then ends only when the
        // child does.
        std::string cmd = "\"" + path + "\" " + args;
        BOOL bOk = ::CreateProcessA(path.c_str(), &cmd[0], nullptr, nullptr, TRUE, DETACHED_PROCESS,
                                    nullptr, nullptr, &si, &m_pi);
        ::CloseHandle(hInRead);
        ::CloseHandle(hOutWrite);
        ::CloseHandle(hErrWrite);
        m_out.Start(hOutRead);
        m_err.Start(hErrRead);
        return bOk != FALSE;
    }

    bool WriteLine(const std::string& text)
    {
        std::string line = text + "\n";
        DWORD n = 0;
        return ::WriteFile(m_hIn, line.data(), (DWORD)line.size(), &n, nullptr) && n == line.size();
    }
    void CloseStdin()
    {
        if (m_hIn) {
            ::CloseHandle(m_hIn);
            m_hIn = nullptr;
        }
    }

    // Exit code, or -1 on time-out; on exit both readers are drained.
    long Wait(DWORD timeoutMs = 20000)
    {
        if (::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(m_pi.hProcess, &code);
        m_out.Join();
        m_err.Join();
        return (long)code;
    }

    // Waits until standard error holds the text; false on time-out.
    bool WaitForErr(const std::string& text, DWORD timeoutMs = 20000)
    {
        for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < timeoutMs; ::Sleep(10))
            if (m_err.Text().find(text) != std::string::npos)
                return true;
        return false;
    }

    std::string Out() { return m_out.Text(); }
    std::string Err() { return m_err.Text(); }
    bool ErrEnded() { return m_err.Ended(); }
    HANDLE Process() const { return m_pi.hProcess; }

private:
    PROCESS_INFORMATION m_pi = {};
    HANDLE m_hIn = nullptr;
    CPipeReader m_out;
    CPipeReader m_err;
};

std::string TempPath(const std::string& name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "standin_" + std::to_string(::GetCurrentProcessId()) + "_" + name;
    ::DeleteFileA(path.c_str());
    return path;
}

// A configuration of the temporary folder with a console and a disk.
std::string WriteTempConfig(const std::string& name)
{
    std::string path = TempPath(name);
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char kConfig[] = "NUMCPU 1\n0009 3215\n0120 3390 disk.img\n";
    DWORD n = 0;
    ::WriteFile(h, kConfig, sizeof(kConfig) - 1, &n, nullptr);
    ::CloseHandle(h);
    return path;
}

std::string ReadFileText(const std::string& path)
{
    std::string text;
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &n, nullptr) && n > 0)
        text.append(buffer, n);
    ::CloseHandle(h);
    return text;
}

// The value of "KEY=" on its own line of the text, or "" when absent.
std::string LineValue(const std::string& text, const std::string& key, size_t nth = 0)
{
    size_t pos = 0;
    for (;; ++pos) {
        pos = text.find(key, pos);
        if (pos == std::string::npos)
            return std::string();
        if ((pos == 0 || text[pos - 1] == '\n') && nth-- == 0)
            break;
    }
    size_t end = text.find('\n', pos);
    return text.substr(pos + key.size(), end - pos - key.size());
}

class StandinProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Scripts and records come from options here, never from the
        // environment of whoever runs the tests.
        for (const char* name : { "VORNEMU_SCRIPT", "VORNEMU_RECORD", "VORNUTIL_SCRIPT",
                                  "VORNUTIL_RECORD", "VORNUTIL_SCRIPT_PACKCHECK" })
            ::SetEnvironmentVariableA(name, nullptr);
    }
};

TEST_F(StandinProcess, UtilityWritesEachStreamAndEndsWithItsCode)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornutil.exe", "--do \"out to stdout\" --do \"err SIZE=100\" "
                                            "--do \"outraw no line feed\" --do \"rc 12\" -q x EXTERNALGUI"));
    EXPECT_EQ(12, child.Wait());
    EXPECT_EQ("to stdout\nno line feed", child.Out());
    EXPECT_EQ("SIZE=100\n", child.Err());
}

TEST_F(StandinProcess, UtilityPlaysTheUtilityItIsNamedAfter)
{
    std::string copy = vorntest::ProgramDir() + "PACKCHECK64.exe";
    ASSERT_TRUE(::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), copy.c_str(), FALSE));
    std::string record = TempPath("utilrecord.txt");
    {
        CPipedChild child;
        ASSERT_TRUE(child.Start("PACKCHECK64.exe", "--record \"" + record + "\" -f a.cckd EXTERNALGUI"));
        EXPECT_EQ(0, child.Wait());
        EXPECT_EQ("PACKCHECK stand-in started\nPACKCHECK stand-in ended\n", child.Out());
        EXPECT_EQ("STEPS=2\nSTEP=1\nSIZE=10\nPOS=1\nPOS=2\nPOS=3\nPOS=4\nPOS=5\nPOS=6\nPOS=7\n"
                  "POS=8\nPOS=9\nPOS=10\nSTEP=2\n", child.Err());
    }
    std::string rec = ReadFileText(record);
    EXPECT_NE(std::string::npos, rec.find("PACKCHECK64.exe\" --record")) << rec;
    // The command line, a tab, then the folder the stand-in ran in.
    char szFolder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, szFolder);
    EXPECT_NE(std::string::npos, rec.find(std::string("-f a.cckd EXTERNALGUI\t") + szFolder + "\n")) << rec;
    ::DeleteFileA(copy.c_str());
    ::DeleteFileA(record.c_str());
}

TEST_F(StandinProcess, EarlyDeathMidLine)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornutil.exe", "--do \"err TRKS=9\" --do \"errraw TRK=\" --do \"exit 3\" "
                                            "--do \"err never\""));
    EXPECT_EQ(3, child.Wait());
    EXPECT_EQ("TRKS=9\nTRK=", child.Err());
}

TEST_F(StandinProcess, GarbageWithNulsArrivesByteForByte)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornutil.exe", "--do \"garbage out 70000 9\" --do \"out A\\0B\""));
    EXPECT_EQ(0, child.Wait());
    EXPECT_EQ(MakeGarbage(70000, 9) + std::string("A\0B\n", 4), child.Out());
}

TEST_F(StandinProcess, ClosedStreamEndsBeforeTheProcess)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornutil.exe", "--do \"err last\" --do \"close err\" --do \"sleep 1000\" "
                                            "--do \"out done\""));
    DWORD start = ::GetTickCount();
    while (!child.ErrEnded() && ::GetTickCount() - start < 10000)
        ::Sleep(10);
    EXPECT_TRUE(child.ErrEnded());
    EXPECT_EQ("", child.Out());
    EXPECT_EQ(0, child.Wait());
    EXPECT_EQ("last\n", child.Err());
    EXPECT_EQ("done\n", child.Out());
}

TEST_F(StandinProcess, ScriptErrorsEndWithCode99)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornutil.exe", "--do \"out fine\" --do \"status\""));
    EXPECT_EQ(99, child.Wait());
    EXPECT_EQ("vornutil: script line 3: unknown directive \"status\"\n", child.Err());
    EXPECT_EQ("", child.Out());
}

TEST_F(StandinProcess, FloodOfHundredThousandLinesArrivesComplete)
{
    CPipedChild child;
    DWORD start = ::GetTickCount();
    ASSERT_TRUE(child.Start("vornutil.exe", "--do \"flood out 100000 80\""));
    EXPECT_EQ(0, child.Wait(60000));
    DWORD elapsed = ::GetTickCount() - start;
    std::string out = child.Out();
    ASSERT_EQ(100000u * 81, out.size());
    EXPECT_EQ(MakeFloodLine(1, 80) + "\n", out.substr(0, 81));
    EXPECT_EQ(MakeFloodLine(54321, 80) + "\n", out.substr(54320 * 81, 81));
    EXPECT_EQ(MakeFloodLine(100000, 80) + "\n", out.substr(99999 * 81));
    std::cout << "[ figure ] 100000 lines of 80 characters in " << elapsed << " ms\n";
}

TEST_F(StandinProcess, EmulatorHandshakeRecordAndStorage)
{
    std::string record = TempPath("emurecord.txt");
    std::string config = WriteTempConfig("emu.cnf");

    CPipedChild child;
    ASSERT_TRUE(child.Start("vornemu.exe", "-f \"" + config + "\" --record \"" + record + "\" --rc 5 "
                            "--storage-kb 256 --devlist-at-start --do \"wait-stdin ]GREGS=\" --do status "
                            "--do \"poke 12288 F1F2\" EXTERNALGUI"));
    ASSERT_TRUE(child.WaitForErr("DEV=X\n"));
    EXPECT_EQ("DEV=0009 3215 CON  0000 \nDEV=0120 3390 DASD 0000 disk.img\nDEV=X\n", child.Err());

    const char* const kSent[] = { "]VERS=1.21", "]MAINSTOR=", "]CPUPCT=1", "]SCD=C:\\work",
                                  "]GREGS=1", "vorn ipl 0120" };
    for (const char* psz : kSent)
        ASSERT_TRUE(child.WriteLine(psz));
    ASSERT_TRUE(child.WaitForErr("GRC-F="));
    std::string err = child.Err();
    EXPECT_EQ("4.7", LineValue(err, "MAINSIZE="));
    EXPECT_EQ("262144", LineValue(err, "MAINSIZE=", 1));
    EXPECT_EQ("42", LineValue(err, "CPUPCT="));
    EXPECT_EQ("47000000 47000001 47000002 47000003", LineValue(err, "GR0-3="));

    // The reported address is where the pattern lies in the child's memory.
    DWORD_PTR address = (DWORD_PTR)std::stoull(LineValue(err, "MAINSTOR="));
    ASSERT_NE(0u, address);
    for (DWORD offset : { 0u, 4096u, 262144u - 64 }) {
        BYTE got[64] = {}, expected[64];
        SIZE_T nRead = 0;
        ASSERT_TRUE(::ReadProcessMemory(child.Process(), (LPCVOID)(address + offset), got, sizeof(got), &nRead));
        EXPECT_EQ(sizeof(got), nRead);
        FillStandinStorage(expected, sizeof(expected), offset);
        EXPECT_EQ(0, memcmp(expected, got, sizeof(got))) << offset;
    }
    // Written storage reads back: it is the child's own memory.
    const BYTE kAltered[4] = { 0xDE, 0xAD, 0xBE, 0xEF };
    SIZE_T nWritten = 0;
    ASSERT_TRUE(::WriteProcessMemory(child.Process(), (LPVOID)(address + 8), kAltered, 4, &nWritten));
    BYTE back[4] = {};
    ASSERT_TRUE(::ReadProcessMemory(child.Process(), (LPCVOID)(address + 8), back, 4, &nWritten));
    EXPECT_EQ(0, memcmp(kAltered, back, 4));
    // "poke" changes storage from inside, as a running guest would; not
    // beyond its end.
    ASSERT_TRUE(child.WriteLine("poke 8192 C1c2"));
    ASSERT_TRUE(child.WriteLine("poke 262143 C1C2"));
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 20000; ::Sleep(10))
        if (child.Out().find("POKE=?") != std::string::npos)
            break;
    EXPECT_NE(std::string::npos, child.Out().find("POKE=OK\nPOKE=?\n")) << child.Out();
    ASSERT_TRUE(::ReadProcessMemory(child.Process(), (LPCVOID)(address + 8191), back, 4, &nWritten));
    const BYTE kPoked[4] = { StandinStorageByte(8191), 0xC1, 0xC2, StandinStorageByte(8194) };
    EXPECT_EQ(0, memcmp(kPoked, back, 4));
    ASSERT_TRUE(::ReadProcessMemory(child.Process(), (LPCVOID)(address + 262143), back, 1, &nWritten));
    EXPECT_EQ(StandinStorageByte(262143), back[0]);
    // The script's own poke ran right after its status round.
    ASSERT_TRUE(::ReadProcessMemory(child.Process(), (LPCVOID)(address + 12288), back, 2, &nWritten));
    EXPECT_EQ(0xF1, back[0]);
    EXPECT_EQ(0xF2, back[1]);

    ASSERT_TRUE(child.WriteLine("exit"));
    EXPECT_EQ(5, child.Wait());
    std::string expected;
    for (const char* psz : kSent)
        expected += std::string(psz) + "\n";
    EXPECT_EQ(expected + "poke 8192 C1c2\npoke 262143 C1C2\nexit\n", ReadFileText(record));
    EXPECT_NE(std::string::npos, ReadFileText(record + ".cmdline").find("--rc 5 --storage-kb 256"));
    ::DeleteFileA(record.c_str());
    ::DeleteFileA((record + ".cmdline").c_str());
    ::DeleteFileA(config.c_str());
}

// "release-storage": the emulator runs on, but its storage is gone for
// whoever reads or writes it from outside, and for peek and poke.
TEST_F(StandinProcess, EmulatorReleasedStorageCannotBeReachedAnyMore)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornemu.exe", "--no-devlist --storage-kb 256 EXTERNALGUI"));
    ASSERT_TRUE(child.WriteLine("]MAINSTOR="));
    ASSERT_TRUE(child.WaitForErr("MAINSIZE="));
    DWORD_PTR address = (DWORD_PTR)std::stoull(LineValue(child.Err(), "MAINSTOR="));
    BYTE b = 0;
    SIZE_T n = 0;
    ASSERT_TRUE(::ReadProcessMemory(child.Process(), (LPCVOID)address, &b, 1, &n));
    const char* const kLines[] = { "release-storage", "peek 0 1", "poke 0 C1" };
    for (const char* psz : kLines)
        ASSERT_TRUE(child.WriteLine(psz));
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 20000; ::Sleep(10))
        if (child.Out().find("POKE=") != std::string::npos)
            break;
    EXPECT_EQ("RELEASE=OK\nPEEK=?\nPOKE=?\n", child.Out());
    for (DWORD offset : { 0u, 4096u, 262144u - 1 }) {
        EXPECT_FALSE(::ReadProcessMemory(child.Process(), (LPCVOID)(address + offset), &b, 1, &n)) << offset;
        EXPECT_FALSE(::WriteProcessMemory(child.Process(), (LPVOID)(address + offset), &b, 1, &n)) << offset;
    }
    ASSERT_TRUE(child.WriteLine("exit"));
    EXPECT_EQ(0, child.Wait());
}

// A command's changes are one report; so are those of a run of device
// directives of the script (a sleep between two makes two).
TEST_F(StandinProcess, EmulatorReportsDeviceChangesIncrementally)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornemu.exe", "--devlist-at-start --do \"device 000C 3505\" --do \"set echo 1\" "
                                          "--do \"wait-stdin go\" --do \"devflags 000C 1000\" --do \"device 0590 3420\" "
                                          "--do \"sleep 50\" --do \"detach 0590\" EXTERNALGUI"));
    ASSERT_TRUE(child.WaitForErr("DEV=X\n"));
    ASSERT_TRUE(child.WriteLine("]NEWDEVLIST=1"));
    ASSERT_TRUE(child.WriteLine("attach 0580 3420 tape.aws"));
    ASSERT_TRUE(child.WaitForErr("DEVA=0580"));
    ASSERT_TRUE(child.WriteLine("go"));
    ASSERT_TRUE(child.WaitForErr("DEVD=0590"));
    ASSERT_TRUE(child.WriteLine("quit"));
    EXPECT_EQ(0, child.Wait());
    EXPECT_EQ("DEV=000C 3505 RDR  0000 \nDEV=X\n"
              "DEVA=000C 3505 RDR  0000 \nDEVX=\n"
              "DEVA=0580 3420 TAPE 0000 tape.aws\nDEVX=\n"
              "DEVC=000C 3505 RDR  1000 \nDEVA=0590 3420 TAPE 0000 \nDEVX=\n"
              "DEVD=0590 3420 TAPE 0000 \nDEVX=\n", child.Err());
    EXPECT_EQ("attach 0580 3420 tape.aws\ngo\nquit\n", child.Out());
}

TEST_F(StandinProcess, EmulatorIgnoringExitMustBeKilled)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornemu.exe", "--no-devlist --do ignore-exit EXTERNALGUI"));
    ASSERT_TRUE(child.WriteLine("exit"));
    ASSERT_TRUE(child.WriteLine("ssd"));
    EXPECT_EQ(-1, child.Wait(500));
    ASSERT_TRUE(::TerminateProcess(child.Process(), 77));
    EXPECT_EQ(77, child.Wait());
    EXPECT_EQ("", child.Err());
}

TEST_F(StandinProcess, EmulatorEndsAtTheEndOfItsInputAfterItsScript)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornemu.exe", "--no-devlist --rc 4 --do ignore-exit --do \"sleep 300\" "
                                           "--do \"out script done\""));
    child.CloseStdin();
    EXPECT_EQ(4, child.Wait());
    EXPECT_EQ("script done\n", child.Out());
}

// Copied under the emulator's name it speaks as the emulator starting,
// stopped until an IPL, and echoes its commands; under its own name the same
// start says nothing.
TEST_F(StandinProcess, EmulatorCopyUnderTheEmulatorsNamePlaysTheEmulator)
{
    std::string folder = TempPath("exe");
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    std::string copy = folder + "\\Vornamic.exe";
    ASSERT_TRUE(::CopyFileA((vorntest::ProgramDir() + "vornemu.exe").c_str(), copy.c_str(), FALSE));
    std::string config = WriteTempConfig("copy.cnf");
    {
        CPipedChild child;
        ASSERT_TRUE(child.StartProgram(copy, "-f \"" + config + "\" EXTERNALGUI"));
        ASSERT_TRUE(child.WaitForErr("STATUS="));
        EXPECT_NE(std::string::npos, child.Err().find("STATUS=CP00 PSW=07060000 00000000 0000000000012345 M.......")) << child.Err();
        ASSERT_TRUE(child.WriteLine("ipl 0120"));
        ASSERT_TRUE(child.WaitForErr("SYS=1"));
        ASSERT_TRUE(child.WriteLine("exit"));
        EXPECT_EQ(0, child.Wait());
        EXPECT_EQ("ZQCST001I Vornamic emulator stand-in, version 4.7: it runs no guest system\n"
                  "ZQCST002I Configuration file \"" + config + "\": 2 devices\n"
                  "ZQCST003I CP00 stopped: IPL a device to start it\n"
                  "ipl 0120\nexit\n", child.Out());
    }
    CPipedChild own;
    ASSERT_TRUE(own.Start("vornemu.exe", "-f \"" + config + "\" EXTERNALGUI"));
    ASSERT_TRUE(own.WriteLine("exit"));
    EXPECT_EQ(0, own.Wait());
    EXPECT_EQ("", own.Out());
    EXPECT_EQ("", own.Err());
    ::DeleteFileA(copy.c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::DeleteFileA(config.c_str());
}

TEST_F(StandinProcess, EmulatorLifetimeLimit)
{
    CPipedChild child;
    ASSERT_TRUE(child.Start("vornemu.exe", "--no-devlist --lifetime 300 EXTERNALGUI"));
    EXPECT_EQ(124, child.Wait());
}

}  // namespace
