// CpuTypesFuzzer.cpp: the CPU model list file on arbitrary bytes, read from
// a file as the Processors page reads it: every entry it keeps has a text,
// a 4-character model number and a 2-character version code, the start
// entry is inside the list, and a storage field's text never turns into more
// bytes than its limit.
#include <string>

#include "sysconfig/CpuTypesList.h"
#include "sysconfig/SysCfgValues.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string strPath = WriteFuzzTempFile("cpu-types.txt", data, size);
    CCpuTypesList list;
    bool bRead = list.Load(strPath.c_str(), "");
    FUZZ_CHECK(bRead);
    for (const CpuTypeEntry& e : list.Entries()) {
        FUZZ_CHECK(!e.strText.IsEmpty());
        FUZZ_CHECK(e.strModel.GetLength() == 4);
        FUZZ_CHECK(e.strVersion.GetLength() == 2);
    }
    // The first line's first words as remembered entry, model and version.
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string first = text.substr(0, text.find('\n'));
    CString strRemembered = first.substr(0, 12).c_str();
    CString strModel = first.substr(0, 4).c_str();
    CString strVersion = first.size() > 4 ? first.substr(4, 2).c_str() : "";
    int nCount = (int)list.Entries().size();
    for (const CString& s : {strRemembered, CString()}) {
        int n = list.FindStart(s, strModel, strVersion);
        FUZZ_CHECK(n >= -1 && n < nCount);
        FUZZ_CHECK(n >= 0 || nCount == 0 || !s.IsEmpty());
    }
    const UINT64 kMax = 2048ull << 20;
    UINT64 ullBytes = 0;
    if (MegabytesTextToBytes(first.c_str(), 5ull << 20, kMax, ullBytes))
        FUZZ_CHECK(ullBytes <= kMax || ullBytes == (5ull << 20));
    return 0;
}
