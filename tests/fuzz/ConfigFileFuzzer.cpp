// ConfigFileFuzzer.cpp: a configuration file of any content read by the
// configuration reader. The reader must neither stop nor overrun on any
// text; its result must agree with the problems it lists, a second read of
// the same file must give an equal configuration, and a file with problems
// keeps every one of its lines (the console shows them to be mended).
#include <string>
#include <vector>

#include "config/CVornConfigFile.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char kFileName[] = "fuzz.cnf";

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
    return 0;
}
