// EmulatorModel.h: CEmulatorModel, what the emulator stand-in knows and says:
// its devices, its status values, the subscriptions the console asked for,
// and the status lines, device lines and answers to "]" queries it writes.
// Window-free: the program vornemu.exe does the I/O around it, and tests
// check the protocol texts natively.
//
// Protocol (lines without their line feed):
//   "]VERS=%d.%d"      answered "MAINSIZE=" + version text (unless "none")
//   "]MAINSTOR="       answered "MAINSTOR=%llu" (address) and "MAINSIZE=%llu"
//   Device reports come only after a device-list subscription (and never
//   once SetDeviceReports(false)); class words as the emulator writes them.
//   "]DEVLIST=1"       complete list "DEV=..." lines, then "DEV=X"; later
//                      changes repeat the complete list
//   "]NEWDEVLIST=1"    complete list as "DEVA=..." lines, then "DEVX="; later
//                      changes as "DEVA=", "DEVC=", "DEVD=" lines and "DEVX="
//   The changes made together (by one command, or by consecutive device
//   directives of the script) are reported together, as the emulator reports
//   what changed since its last report: one device a line, in device-number
//   order, then one end line; the complete list once in the old format.
//   "]LCSSNUM=1"       device numbers written "L:dddd" (unless "set devlcss
//                      0": some versions write the number alone all the same)
//   "]GREGS=c" "]CREGS=c" "]AREGS=c" "]FREGS=c" "]GREGS64=c" "]CREGS64=c"
//   "]FREGS64=c" "]VREGS=c" "]CPUPCT=c" "]CPUPCTALL=c" "]AGGREGATE=c"
//                      switch the matching status lines on ('1') or off
//   "]SCD=dir"         remembered, not answered
//   "exit" "quit" "ssd" (first word, any case) ask for the end
//   "attach DEVNUM TYPE [ARGS]", "detach DEVNUM", "define OLD NEW",
//   "devinit DEVNUM [ARGS]" change the device list (and report it)
//   "stopall", "startall" stop or start every processor; "cpu N" (hexadecimal)
//                      reports processor N from the next round on, or is
//                      refused with a message when there is no such one; a
//                      processor it has offline ("set maxcpu") is reported
//                      as "CPnn" and "OFFLINE" in parentheses;
//                      "ipl DEVNUM" loads from a device it holds, as "set ipl"
//                      says: the processor runs ("ok"), or it stops in a wait
//                      with the load letter on ("fail"); a device it does not
//                      hold is refused with a message
// With "set vary 1" every round brings new values, as a running system's do
// (the PSW's address, MIPS, SIOS, CPU percentages and every register).
// Status rounds speak as the emulator does: "STATUS=" only when the status
// differs from the last one sent (a running processor's count grows every
// round), "MIPS=" and "SIOS=" likewise; "SYS=1" while the processors run,
// "SYS=0" while they wait, and no "SYS=" line while they are stopped.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Types.h"
#include "tests/standins/StandinScript.h"

// One line the emulator writes, without its line feed.
struct SEmuLine {
    EStandinStream eStream;
    std::string strText;
};

typedef std::vector<SEmuLine> CEmuLines;

class CEmulatorModel {
public:
    enum ECommandResult { kCommandDone, kCommandShutdown };

    CEmulatorModel();

    // Where the stand-in's main storage lies, for the "]MAINSTOR=" answer.
    void SetStorage(UINT64 nAddress, UINT64 nSize);

    // Adds the device statements of a configuration file (lines whose first
    // word is a device number "hhhh" or "L:hhhh"); returns how many.
    int LoadConfigDevices(const std::string& strConfig);

    // "KEY VALUE" of the script's set directive; false for an unknown key or
    // a bad value.
    bool Set(const std::string& strKeyValue);

    // One line received on standard input; appends what to write to out.
    ECommandResult HandleCommand(const std::string& strLine, CEmuLines& out);

    // Device changes of the script; each waits for ReportDeviceChanges.
    bool AttachDevice(const std::string& strArgs);
    bool DetachDevice(const std::string& strDevnum);
    bool SetDeviceFlags(const std::string& strArgs);
    // The report of the device changes since the last one, in the subscribed
    // format; nothing when none changed.
    void ReportDeviceChanges(CEmuLines& out);

    // The complete device list in the subscribed format (old unless
    // "]NEWDEVLIST=1" was received).
    void DeviceList(CEmuLines& out) const;

    // One round of status lines: "STATUS=", "SYS=" (aggregate on), "MIPS=",
    // "SIOS=" (each as the protocol above says), the CPU percentages and the
    // subscribed register groups.
    void StatusRound(CEmuLines& out);

    // True for "exit", "quit" or "ssd" as the first word, in any case.
    static bool IsShutdownCommand(const std::string& strLine);

    // False: no device list or change is ever reported.
    void SetDeviceReports(bool bOn) { m_bDeviceReports = bOn; }

    bool Echo() const { return m_bEcho; }
    const std::string& CommandDir() const { return m_strCommandDir; }

private:
    struct SDevice {
        int nLcss = 0;
        WORD wDevnum = 0;
        std::string strType;
        std::string strFlags = "0000";
        std::string strArgs;
    };
    typedef std::map<DWORD, SDevice> CDeviceTable;

    void HandleQuery(const std::string& strLine, CEmuLines& out);
    bool Subscribed(const char* pszName) const;
    bool DefineDevice(const std::string& strArgs);
    bool DevInit(const std::string& strArgs);
    void SelectCpu(const std::string& strArgs, CEmuLines& out);
    void Ipl(const std::string& strArgs, CEmuLines& out);
    // Appends the line unless it is strLast, the one last sent.
    static void SendIfChanged(const std::string& strLine, std::string& strLast, CEmuLines& out);
    // Keeps the change for the next report: the newest of a device's changes
    // counts, but a device added since the last report stays added.
    void NoteChange(char chAction, const SDevice& device);
    std::string DeviceLine(const char* pszKeyword, const SDevice& device) const;
    std::string StatusLine() const;
    void RegisterLines(CEmuLines& out) const;
    // "set vary 1": the next round's values.
    void VaryValues();
    static bool ParseDevnum(const std::string& strText, int& nLcss, WORD& wDevnum);

    CDeviceTable m_devices;
    // The changes not yet reported: by device key, the change letter and the
    // device as it is now (as it was, for a deleted one).
    std::map<DWORD, std::pair<char, SDevice>> m_changes;
    std::map<std::string, bool> m_subscriptions;
    UINT64 m_nStorageAddress = 0;
    UINT64 m_nStorageSize = 0;
    std::string m_strVersion = "4.7";
    bool m_bAnswerMainStor = true;      // "set mainstor none": no answer
    bool m_bStorageHigh = false;        // "set mainstor high": reported 4 GB higher
    std::string m_strGuiVersion;
    std::string m_strCommandDir;
    int m_nCpu = 0;
    int m_nCpus = 1;                // online, as NUMCPU
    int m_nMaxCpus = 0;             // "set maxcpu": those from m_nCpus on are offline
    bool m_bLongCpu = false;
    std::string m_strPsw = "07060000 00000000 0000000000012345";
    std::string m_strLetters = "........";
    UINT64 m_nInstCount = 1234567;
    std::string m_strMips = "12.34";
    std::string m_strSios = "56";
    int m_nCpuPct = 42;
    bool m_bEcho = false;
    bool m_bDeviceReports = true;
    bool m_bDevLcss = true;         // "set devlcss 0": numbers never carry "L:"
    bool m_bIplFails = false;       // "set ipl fail"
    bool m_bVary = false;           // "set vary 1": new values every round
    UINT64 m_nRound = 0;            // rounds with varying values so far
    // The last "STATUS=", "MIPS=" and "SIOS=" lines sent.
    std::string m_strSentStatus;
    std::string m_strSentMips;
    std::string m_strSentSios;
};

// The device class word the emulator reports for a device type ("3390" ->
// "DASD", "3215" -> "CON"); "OTHR" for types it does not know.
const char* StandinDeviceClass(const std::string& strType);
