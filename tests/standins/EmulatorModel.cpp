// EmulatorModel.cpp: the emulator stand-in's state and protocol texts.
#include "tests/standins/EmulatorModel.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct SClassEntry {
    const char* pszClass;
    const char* pszTypes;   // blank-separated, each followed by a blank
};

const SClassEntry kClasses[] = {
    { "RDR", "1442 2501 3505 " },
    { "PCH", "3525 " },
    { "PRT", "1403 1443 3203 3211 " },
    { "CON", "1052 3215 SYSG " },
    { "DSP", "3270 3287 " },
    { "DASD", "0671 2305 2311 2314 3310 3330 3340 3350 3370 3375 3380 3390 9313 9332 9335 9336 9345 " },
    { "TAPE", "3410 3411 3420 3422 3430 3480 3490 3590 8809 9347 " },
    { "CTCA", "3088 CTCI CTCE CTCT LCS " },
    { "OSA", "OSA QETH " },
    { "LINE", "2703 " },
};

std::string Upper(std::string s)
{
    for (char& c : s)
        c = (char)std::toupper((unsigned char)c);
    return s;
}

std::string Trim(const std::string& s)
{
    size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// Splits off the first blank-separated word; rest gets the remainder trimmed.
std::string FirstWord(const std::string& s, std::string* pRest = nullptr)
{
    std::string t = Trim(s);
    size_t blank = t.find_first_of(" \t");
    if (pRest)
        *pRest = blank == std::string::npos ? std::string() : Trim(t.substr(blank));
    return t.substr(0, blank);
}

// A field of exactly four characters: cut or padded with blanks.
std::string Field4(const std::string& s)
{
    std::string f = s.substr(0, 4);
    f.resize(4, ' ');
    return f;
}

std::string Format(const char* pszFormat, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(buffer, sizeof(buffer), pszFormat, args);
    va_end(args);
    return buffer;
}

std::string Hex32(DWORD n) { return Format("%08X", (unsigned)n); }
std::string Hex64(UINT64 n) { return Format("%016llX", (unsigned long long)n); }

// Instructions a running processor executes between two rounds.
const UINT64 kInstructionsPerRound = 1000;

// Register values are recognisable: the set's letter in the top byte and the
// register number in the low byte ("GR3" holds 0x47000003); between them the
// round's value, 0 while the values do not vary.
DWORD Reg32(char chSet, int n, UINT64 nRound)
{
    return ((DWORD)(BYTE)chSet << 24) | (DWORD)((nRound & 0xFFFF) << 8) | (DWORD)n;
}
UINT64 Reg64(char chSet, int n, UINT64 nRound)
{
    return ((UINT64)(BYTE)chSet << 56) | ((nRound * 0x9E3779B1ull) & 0xFFFFFFFFull) << 16 | (UINT64)n;
}

bool ReadInt(const std::string& s, long long nMin, long long nMax, long long& n, int nBase = 10)
{
    if (s.empty())
        return false;
    char* pEnd = nullptr;
    n = std::strtoll(s.c_str(), &pEnd, nBase);
    return *pEnd == '\0' && n >= nMin && n <= nMax;
}

}  // namespace

const char* StandinDeviceClass(const std::string& strType)
{
    // "3215-C" is a 3215 for its class.
    std::string key = Upper(strType.substr(0, strType.find('-'))) + " ";
    for (const SClassEntry& entry : kClasses)
        if (std::strstr(entry.pszTypes, key.c_str()))
            return entry.pszClass;
    return "OTHR";
}

CEmulatorModel::CEmulatorModel()
{
    m_subscriptions["AGGREGATE"] = true;
}

void CEmulatorModel::SetStorage(UINT64 nAddress, UINT64 nSize)
{
    m_nStorageAddress = nAddress;
    m_nStorageSize = nSize;
}

int CEmulatorModel::LoadConfigDevices(const std::string& strConfig)
{
    int nCount = 0;
    size_t pos = 0;
    while (pos < strConfig.size()) {
        size_t end = strConfig.find('\n', pos);
        if (end == std::string::npos)
            end = strConfig.size();
        std::string line = strConfig.substr(pos, end - pos);
        pos = end + 1;
        line = line.substr(0, line.find('#'));
        // "0A00.2 CTCI ..." defines two devices, 0A00 and 0A01.
        std::string rest;
        std::string first = FirstWord(line, &rest);
        long long nDevices = 1;
        size_t dot = first.find('.');
        if (dot != std::string::npos) {
            if (!ReadInt(first.substr(dot + 1), 1, 256, nDevices))
                continue;
            first.erase(dot);
        }
        int nLcss = 0;
        WORD wDevnum = 0;
        if (!ParseDevnum(first, nLcss, wDevnum))
            continue;
        for (long long i = 0; i < nDevices && wDevnum + i <= 0xFFFF; ++i) {
            if (AttachDevice(Format("%d:%04X ", nLcss, (unsigned)(wDevnum + i)) + rest))
                ++nCount;
        }
    }
    return nCount;
}

bool CEmulatorModel::Set(const std::string& strKeyValue)
{
    std::string value;
    std::string key = FirstWord(strKeyValue, &value);
    long long n = 0;
    if (key == "cpu" && ReadInt(value, 0, 0xFFFF, n, 16))
        m_nCpu = (int)n;
    else if (key == "cpus" && ReadInt(value, 0, 99, n))
        m_nCpus = (int)n;
    else if (key == "maxcpu" && ReadInt(value, 0, 99, n))
        m_nMaxCpus = (int)n;
    else if (key == "longcpu" && ReadInt(value, 0, 1, n))
        m_bLongCpu = n != 0;
    else if (key == "vary" && ReadInt(value, 0, 1, n))
        m_bVary = n != 0;
    else if (key == "echo" && ReadInt(value, 0, 1, n))
        m_bEcho = n != 0;
    else if (key == "instcount" && ReadInt(value, 0, 0x7FFFFFFFFFFFFFFFll, n))
        m_nInstCount = (UINT64)n;
    else if (key == "cpupct" && ReadInt(value, -1000, 1000, n))
        m_nCpuPct = (int)n;
    else if (key == "psw" && !value.empty())
        m_strPsw = value;
    else if (key == "letters" && !value.empty())
        m_strLetters = value;
    else if (key == "mips" && !value.empty())
        m_strMips = value;
    else if (key == "sios" && !value.empty())
        m_strSios = value;
    else if (key == "version" && !value.empty())
        m_strVersion = value;
    else if (key == "devlcss" && ReadInt(value, 0, 1, n))
        m_bDevLcss = n != 0;
    else if (key == "ipl" && (value == "ok" || value == "fail"))
        m_bIplFails = value == "fail";
    else if (key == "mainstor" && (value == "none" || value == "answer" || value == "high")) {
        m_bAnswerMainStor = value != "none";
        m_bStorageHigh = value == "high";
    }
    else
        return false;
    return true;
}

bool CEmulatorModel::IsShutdownCommand(const std::string& strLine)
{
    std::string word = Upper(FirstWord(strLine));
    return word == "EXIT" || word == "QUIT" || word == "SSD";
}

CEmulatorModel::ECommandResult CEmulatorModel::HandleCommand(const std::string& strLine,
                                                              CEmuLines& out)
{
    std::string line = strLine;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    if (!line.empty() && line[0] == ']') {
        HandleQuery(line, out);
        return kCommandDone;
    }
    if (m_bEcho)
        out.push_back({ kStreamOut, line });
    // The emulator takes a command given after its own name ("vorn exit",
    // as consoles of versions before 4.0 send them) as the command itself.
    std::string afterName;
    if (Upper(FirstWord(line, &afterName)) == "VORN")
        line = afterName;
    if (IsShutdownCommand(line))
        return kCommandShutdown;
    std::string args;
    std::string verb = Upper(FirstWord(line, &args));
    if (verb == "ATTACH")
        AttachDevice(args);
    else if (verb == "DETACH")
        DetachDevice(args);
    else if (verb == "DEFINE")
        DefineDevice(args);
    else if (verb == "DEVINIT")
        DevInit(args);
    else if (verb == "STOPALL")
        m_strLetters[0] = 'M';
    else if (verb == "STARTALL")
        m_strLetters[0] = '.';
    else if (verb == "CPU")
        SelectCpu(args, out);
    else if (verb == "IPL")
        Ipl(args, out);
    ReportDeviceChanges(out);
    return kCommandDone;
}

void CEmulatorModel::SelectCpu(const std::string& strArgs, CEmuLines& out)
{
    long long n = 0;
    if (!ReadInt(FirstWord(strArgs), 0, 0xFFFF, n, 16)) {
        out.push_back({ kStreamOut, "ZQCCP010E Invalid CPU number: " + strArgs });
        return;
    }
    if (n >= std::max(m_nCpus, m_nMaxCpus)) {
        out.push_back({ kStreamOut, Format("ZQCCP011E Target CPU %d is invalid", (int)n) });
        return;
    }
    m_nCpu = (int)n;
}

// The load itself is out of sight: what shows is the state it leaves.
void CEmulatorModel::Ipl(const std::string& strArgs, CEmuLines& out)
{
    std::string devnum = FirstWord(strArgs);
    int nLcss = 0;
    WORD wDevnum = 0;
    if (!ParseDevnum(devnum, nLcss, wDevnum) || !m_devices.count(((DWORD)nLcss << 16) + wDevnum)) {
        out.push_back({ kStreamOut, "ZQCCP020E IPL device " + devnum + " not found" });
        return;
    }
    m_strLetters = m_bIplFails ? "M.WL...." : "........";
}

void CEmulatorModel::HandleQuery(const std::string& strLine, CEmuLines& out)
{
    size_t equals = strLine.find('=');
    if (equals == std::string::npos)
        return;
    std::string name = strLine.substr(1, equals - 1);
    std::string value = strLine.substr(equals + 1);
    if (name == "VERS") {
        m_strGuiVersion = value;
        if (m_strVersion != "none")
            out.push_back({ kStreamErr, "MAINSIZE=" + m_strVersion });
    } else if (name == "MAINSTOR") {
        if (!m_bAnswerMainStor)
            return;
        // A 64-bit emulator's storage may lie above 4 GB, where a 32-bit
        // console cannot reach it.
        UINT64 nAddress = m_nStorageAddress + (m_bStorageHigh ? 0x100000000ull : 0);
        out.push_back({ kStreamErr, Format("MAINSTOR=%llu", (unsigned long long)nAddress) });
        out.push_back({ kStreamErr, Format("MAINSIZE=%llu", (unsigned long long)m_nStorageSize) });
    } else if (name == "SCD") {
        m_strCommandDir = value;
    } else {
        bool bOn = !value.empty() && value[0] == '1';
        m_subscriptions[name] = bOn;
        // The complete list tells every change so far.
        if (bOn && name == "DEVLIST") {
            m_subscriptions["NEWDEVLIST"] = false;
            m_changes.clear();
            DeviceList(out);
        } else if (bOn && name == "NEWDEVLIST") {
            m_subscriptions["DEVLIST"] = false;
            m_changes.clear();
            DeviceList(out);
        }
    }
}

bool CEmulatorModel::Subscribed(const char* pszName) const
{
    auto it = m_subscriptions.find(pszName);
    return it != m_subscriptions.end() && it->second;
}

bool CEmulatorModel::ParseDevnum(const std::string& strText, int& nLcss, WORD& wDevnum)
{
    std::string digits = strText;
    nLcss = 0;
    if (digits.size() > 2 && digits[1] == ':' && std::isdigit((unsigned char)digits[0])) {
        nLcss = digits[0] - '0';
        digits = digits.substr(2);
    }
    long long n = 0;
    if (digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
        !ReadInt(digits, 0, 0xFFFF, n, 16))
        return false;
    wDevnum = (WORD)n;
    return true;
}

bool CEmulatorModel::AttachDevice(const std::string& strArgs)
{
    std::string rest;
    std::string devnum = FirstWord(strArgs, &rest);
    std::string args;
    std::string type = FirstWord(rest, &args);
    SDevice device;
    if (type.empty() || !ParseDevnum(devnum, device.nLcss, device.wDevnum))
        return false;
    device.strType = Upper(type);
    device.strArgs = args;
    DWORD key = ((DWORD)device.nLcss << 16) + device.wDevnum;
    bool bExisted = m_devices.count(key) != 0;
    m_devices[key] = device;
    NoteChange(bExisted ? 'C' : 'A', device);
    return true;
}

bool CEmulatorModel::DetachDevice(const std::string& strDevnum)
{
    SDevice device;
    if (!ParseDevnum(FirstWord(strDevnum), device.nLcss, device.wDevnum))
        return false;
    auto it = m_devices.find(((DWORD)device.nLcss << 16) + device.wDevnum);
    if (it == m_devices.end())
        return false;
    device = it->second;
    m_devices.erase(it);
    NoteChange('D', device);
    return true;
}

bool CEmulatorModel::SetDeviceFlags(const std::string& strArgs)
{
    std::string flags;
    SDevice device;
    if (!ParseDevnum(FirstWord(strArgs, &flags), device.nLcss, device.wDevnum) ||
        flags.size() != 4 || flags.find_first_not_of("01") != std::string::npos)
        return false;
    auto it = m_devices.find(((DWORD)device.nLcss << 16) + device.wDevnum);
    if (it == m_devices.end())
        return false;
    it->second.strFlags = flags;
    NoteChange('C', it->second);
    return true;
}

bool CEmulatorModel::DefineDevice(const std::string& strArgs)
{
    std::string newNumber;
    SDevice device;
    if (!ParseDevnum(FirstWord(strArgs, &newNumber), device.nLcss, device.wDevnum))
        return false;
    auto it = m_devices.find(((DWORD)device.nLcss << 16) + device.wDevnum);
    SDevice moved;
    if (it == m_devices.end() || !ParseDevnum(FirstWord(newNumber), moved.nLcss, moved.wDevnum))
        return false;
    SDevice old = it->second;
    m_devices.erase(it);
    NoteChange('D', old);
    old.nLcss = moved.nLcss;
    old.wDevnum = moved.wDevnum;
    m_devices[((DWORD)old.nLcss << 16) + old.wDevnum] = old;
    NoteChange('A', old);
    return true;
}

bool CEmulatorModel::DevInit(const std::string& strArgs)
{
    std::string args;
    SDevice device;
    if (!ParseDevnum(FirstWord(strArgs, &args), device.nLcss, device.wDevnum))
        return false;
    auto it = m_devices.find(((DWORD)device.nLcss << 16) + device.wDevnum);
    if (it == m_devices.end())
        return false;
    it->second.strArgs = args;
    NoteChange('C', it->second);
    return true;
}

void CEmulatorModel::NoteChange(char chAction, const SDevice& device)
{
    if (!m_bDeviceReports || (!Subscribed("NEWDEVLIST") && !Subscribed("DEVLIST")))
        return;
    DWORD key = ((DWORD)device.nLcss << 16) + device.wDevnum;
    auto it = m_changes.find(key);
    bool bStaysAdded = it != m_changes.end() && it->second.first == 'A' && chAction == 'C';
    m_changes[key] = { bStaysAdded ? 'A' : chAction, device };
}

void CEmulatorModel::ReportDeviceChanges(CEmuLines& out)
{
    if (m_changes.empty())
        return;
    if (Subscribed("NEWDEVLIST")) {
        for (const auto& change : m_changes) {
            char keyword[] = "DEV?=";
            keyword[3] = change.second.first;
            out.push_back({ kStreamErr, DeviceLine(keyword, change.second.second) });
        }
        out.push_back({ kStreamErr, "DEVX=" });
    } else if (Subscribed("DEVLIST")) {
        DeviceList(out);
    }
    m_changes.clear();
}

std::string CEmulatorModel::DeviceLine(const char* pszKeyword, const SDevice& device) const
{
    std::string line = pszKeyword;
    if (Subscribed("LCSSNUM") && m_bDevLcss)
        line += Format("%d:", device.nLcss);
    line += Format("%04X ", (unsigned)device.wDevnum);
    line += Field4(device.strType) + " " + Field4(StandinDeviceClass(device.strType)) + " ";
    line += device.strFlags + " " + device.strArgs;
    return line;
}

void CEmulatorModel::DeviceList(CEmuLines& out) const
{
    if (!m_bDeviceReports)
        return;
    bool bNew = Subscribed("NEWDEVLIST");
    for (const auto& entry : m_devices)
        out.push_back({ kStreamErr, DeviceLine(bNew ? "DEVA=" : "DEV=", entry.second) });
    out.push_back({ kStreamErr, bNew ? "DEVX=" : "DEV=X" });
}

std::string CEmulatorModel::StatusLine() const
{
    std::string cpu = m_bLongCpu ? Format("CPU%04X", (unsigned)m_nCpu) : Format("CP%02X", (unsigned)m_nCpu);
    // A processor configured but not online has no state to report.
    if (m_nCpu >= m_nCpus && m_nCpu < m_nMaxCpus)
        return "STATUS=" + cpu + " " + std::string(18, '(') + "OFFLINE" + std::string(18, ')');
    return "STATUS=" + cpu + " PSW=" + m_strPsw + " " + m_strLetters +
           Format(" instcount=%llu", (unsigned long long)m_nInstCount);
}

void CEmulatorModel::SendIfChanged(const std::string& strLine, std::string& strLast, CEmuLines& out)
{
    if (strLine == strLast)
        return;
    strLast = strLine;
    out.push_back({ kStreamErr, strLine });
}

// A running system's values: the PSW's address, the rates and the
// percentages move on every round, their texts changing width now and then.
void CEmulatorModel::VaryValues()
{
    ++m_nRound;
    m_strPsw = Format("07060000 00000000 %016llX", 0x12345ull + m_nRound * 0x1A2Bull);
    m_strMips = Format("%u.%02u", (unsigned)(m_nRound * 37 % 211), (unsigned)(m_nRound * 13 % 100));
    m_strSios = Format("%u", (unsigned)(m_nRound * 97 % 1009));
    m_nCpuPct = (int)(m_nRound * 17 % 101);
}

void CEmulatorModel::StatusRound(CEmuLines& out)
{
    if (m_bVary)
        VaryValues();
    SendIfChanged(StatusLine(), m_strSentStatus, out);
    bool bStopped = !m_strLetters.empty() && m_strLetters[0] == 'M';
    bool bWaiting = m_strLetters.size() > 2 && m_strLetters[2] == 'W';
    if (Subscribed("AGGREGATE") && !bStopped)
        out.push_back({ kStreamErr, bWaiting ? "SYS=0" : "SYS=1" });
    SendIfChanged("MIPS=" + m_strMips, m_strSentMips, out);
    SendIfChanged("SIOS=" + m_strSios, m_strSentSios, out);
    if (Subscribed("CPUPCT"))
        out.push_back({ kStreamErr, Format("CPUPCT=%d", m_nCpuPct) });
    if (Subscribed("CPUPCTALL"))
        for (int n = 0; n < m_nCpus; ++n)
            out.push_back({ kStreamErr, Format("CPUPCT%02d=%d", n, m_nCpuPct) });
    RegisterLines(out);
    if (!bStopped && !bWaiting)
        m_nInstCount += kInstructionsPerRound;
}

void CEmulatorModel::RegisterLines(CEmuLines& out) const
{
    static const char* const kGroups32[] = { "0-3", "4-7", "8-B", "C-F" };
    static const struct { const char* pszSub; const char* pszPrefix; char chSet; } k32[] = {
        { "GREGS", "GR", 'G' }, { "CREGS", "CR", 'C' }, { "AREGS", "AR", 'A' } };
    for (const auto& set : k32) {
        if (!Subscribed(set.pszSub))
            continue;
        for (int g = 0; g < 4; ++g)
            out.push_back({ kStreamErr, std::string(set.pszPrefix) + kGroups32[g] + "=" +
                Hex32(Reg32(set.chSet, 4 * g, m_nRound)) + " " +
                Hex32(Reg32(set.chSet, 4 * g + 1, m_nRound)) + " " +
                Hex32(Reg32(set.chSet, 4 * g + 2, m_nRound)) + " " +
                Hex32(Reg32(set.chSet, 4 * g + 3, m_nRound)) });
    }
    if (Subscribed("FREGS"))
        for (int r = 0; r <= 4; r += 4)
            out.push_back({ kStreamErr, Format("FR%d-%d=", r, r + 2) +
                Hex32(Reg32('F', r, m_nRound)) + " " + Hex32(Reg32('F', r + 1, m_nRound)) + " " +
                Hex32(Reg32('F', r + 2, m_nRound)) + " " + Hex32(Reg32('F', r + 3, m_nRound)) });
    static const struct { const char* pszSub; const char* pszPrefix; char chSet; } k64[] = {
        { "GREGS64", "64_GR", 'G' }, { "CREGS64", "64_CR", 'C' }, { "FREGS64", "64_FR", 'F' } };
    for (const auto& set : k64) {
        if (!Subscribed(set.pszSub))
            continue;
        for (int r = 0; r < 16; r += 2)
            out.push_back({ kStreamErr, std::string(set.pszPrefix) + Format("%X-%X=", r, r + 1) +
                Hex64(Reg64(set.chSet, r, m_nRound)) + " " + Hex64(Reg64(set.chSet, r + 1, m_nRound)) });
    }
    if (Subscribed("VREGS"))
        for (int r = 0; r < 32; r += 2)
            out.push_back({ kStreamErr, Format("VR%02d=", r) + Hex64(Reg64('V', r, m_nRound)) + "." +
                Hex64(Reg64('v', r, m_nRound)) + Format(" VR%02d=", r + 1) +
                Hex64(Reg64('V', r + 1, m_nRound)) + "." + Hex64(Reg64('v', r + 1, m_nRound)) });
}
