// ConfigFileFuzzer.cpp: a configuration file of any content read by the
// configuration reader. The reader must neither stop nor overrun on any
// text; its result must agree with the problems it lists, a second read of
// the same file must give an equal configuration, and a file with problems
// keeps every one of its lines (the console shows them to be mended). What
// may be saved is saved and read again: the second read lists no problem
// the first did not, keeps every device, and saving it once more writes the
// same bytes. Inputs with an odd first byte run with the option that saves
// a configuration despite its problems. The save stage runs unless
// VORN_FUZZ_SAVE is 0 (the short ctest runs read only, so that open writer
// faults the long runs report do not stop the build): an input a long run
// reports fails again when the target is run on it alone.
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "config/CVornConfigFile.h"
#include "config/ConfigLimits.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char kFileName[] = "fuzz.cnf";
const char kSecondName[] = "again.cnf";

// The problems without their line numbers and prefixes ("*** Error: Line 7:
// x" becomes "x") and indentation: saving may change the lines, and split a
// statement's messages over several statements.
std::set<std::string> Problems(const CVornConfigFile& cfg)
{
    std::set<std::string> problems;
    for (const CString& str : cfg.m_parseErrors) {
        std::string s = str.str();
        const size_t nLine = s.find("Line ");
        const size_t nColon = nLine == std::string::npos ? nLine : s.find(": ", nLine);
        if (nColon != std::string::npos && s.find_first_not_of("0123456789", nLine + 5) == nColon)
            s.erase(nLine, nColon + 2 - nLine);
        for (const char* pszPrefix : {"*** Error: ", "*** Warning: "})
            if (s.compare(0, std::strlen(pszPrefix), pszPrefix) == 0)
                s.erase(0, std::strlen(pszPrefix));
        const size_t nFirst = s.find_first_not_of(' ');
        problems.insert(nFirst == std::string::npos ? std::string() : s.substr(nFirst));
    }
    return problems;
}

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every device is there again and writes the same statement; the type word
// may have changed to its current form ("0500 3088 CTCE" reads back as
// "0500 CTCE").
void CheckSameDevices(const CVornConfigFile& cfg, const CVornConfigFile& again)
{
    FUZZ_CHECK(again.m_devices.GetCount() == cfg.m_devices.GetCount());
    POSITION pos = cfg.m_devices.GetStartPosition();
    while (pos) {
        DWORD dwKey;
        CVornDevice dev, devAgain;
        cfg.m_devices.GetNextAssoc(pos, dwKey, dev);
        FUZZ_CHECK(again.m_devices.Lookup(dwKey, devAgain));
        if (FormatDeviceStatement(dev) != FormatDeviceStatement(devAgain))
            std::fprintf(stderr, "device changed by saving:\n%s\n%s\n", FormatDeviceStatement(dev).GetString(),
                         FormatDeviceStatement(devAgain).GetString());
        FUZZ_CHECK(FormatDeviceStatement(dev) == FormatDeviceStatement(devAgain));
    }
}

// Saves the configuration, reads it again, and compares.
void CheckSaved(CVornConfigFile& cfg, const CString& strFolder)
{
    if (cfg.SaveAs(strFolder, kFileName) != 0)
        return;
    CVornConfigFile again(strFolder, kFileName);
    const std::set<std::string> before = Problems(cfg);
    for (const std::string& strProblem : Problems(again)) {
        if (before.count(strProblem) == 0)
            std::fprintf(stderr, "new problem after saving: %s\n", strProblem.c_str());
        FUZZ_CHECK(before.count(strProblem) != 0);
    }
    CheckSameDevices(cfg, again);
    const std::string strSaved = ReadFile(FuzzTempFolder() + kFileName);
    if (again.SaveAs(strFolder, kSecondName) == 0)
        FUZZ_CHECK(ReadFile(FuzzTempFolder() + kSecondName) == strSaved);
}

// The lines as the reader takes them: cut at LF, a CR before it dropped.
std::vector<std::string> Lines(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < size; i++) {
        if (data[i] != '\n') {
            line += (char)data[i];
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

void CheckDevices(const CVornConfigFile& cfg)
{
    CArray<CVornDevice, const CVornDevice&> sorted;
    cfg.GetSortedDevices(sorted);
    FUZZ_CHECK(sorted.GetSize() == (INT_PTR)cfg.m_devices.GetCount());
    for (INT_PTR i = 0; i < sorted.GetSize(); i++) {
        CVornDevice dev;
        FUZZ_CHECK(cfg.m_devices.Lookup(sorted[i].GetKey(), dev));
        FUZZ_CHECK(cfg.IsDevNumDefined((WORD)(sorted[i].GetKey() & 0xFFFF)));
        if (i > 0)
            FUZZ_CHECK(CompareDevices(&sorted[i - 1], &sorted[i]) < 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteFuzzTempFile(kFileName, data, size);
    const CString strFolder = FuzzTempFolder().c_str();
    // The first byte's low bit: parse errors ignored or not.
    g_bIgnoreConfigFileParseErrors = size > 0 && (data[0] & 1);

    CVornConfigFile cfg;
    const bool bOk = cfg.Load(strFolder, kFileName);
    FUZZ_CHECK(bOk == cfg.m_parseErrors.IsEmpty());
    FUZZ_CHECK(bOk == !cfg.m_bHasErrors);
    if (!bOk && size > 0) {
        const std::vector<std::string> lines = Lines(data, size);
        FUZZ_CHECK(cfg.m_lines.GetSize() == (INT_PTR)lines.size());
        for (size_t i = 0; i < lines.size(); i++)
            FUZZ_CHECK(cfg.m_lines[(INT_PTR)i].str() == lines[i]);
    }
    CheckDevices(cfg);

    CVornConfigFile again(strFolder, kFileName);
    FUZZ_CHECK(again == cfg);
    FUZZ_CHECK(StringListsEqual(again.m_parseErrors, cfg.m_parseErrors));
    static const bool s_bSave = !std::getenv("VORN_FUZZ_SAVE") || std::string(std::getenv("VORN_FUZZ_SAVE")) != "0";
    if (s_bSave)
        CheckSaved(cfg, strFolder);
    return 0;
}
