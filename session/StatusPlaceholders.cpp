// StatusPlaceholders.cpp: the status and register fields' texts while no
// emulator reports them.
#include "session/StatusPlaceholders.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "session/RegisterFields.h"

CString StatusPartPlaceholder(int nPart)
{
    static const char* const kParts[] = {
        "CP?? PSW=???????? ???????? ????????????????", "........", "instcount=0", "MIPS=0", "SIOS=0",
    };
    return nPart >= 0 && nPart < (int)(sizeof kParts / sizeof kParts[0]) ? CString(kParts[nPart]) : CString();
}

namespace {

CString Groups(int nGroups, int nWidth)
{
    CString str;
    for (int i = 0; i < nGroups; ++i) {
        if (i > 0)
            str += ' ';
        str += CString(std::string((size_t)nWidth, '?').c_str());
    }
    return str;
}

}  // namespace

CString RegisterFieldPlaceholder(int nField)
{
    if (nField < 0 || nField >= kRegisterFieldCount)
        return CString();
    const SRegisterField& field = RegisterField(nField);
    CString strLabel = field.pszKeyword;  // "GR0-3=", "64_GR0-1=", "VR00="
    if (field.bDropPrefix)
        strLabel = strLabel.Mid(3);
    if (std::strncmp(field.pszKeyword, "VR", 2) == 0) {
        int nFirst = std::atoi(field.pszKeyword + 2);
        CString strSecond;
        strSecond.Format("VR%02d=", nFirst + 1);
        CString strVector = CString(std::string(16, '?').c_str()) + "." + std::string(16, '?').c_str();
        return strLabel + strVector + " " + strSecond + strVector;
    }
    return strLabel + (field.bDropPrefix ? Groups(2, 16) : Groups(4, 8));
}
