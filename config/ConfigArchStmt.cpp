// ConfigArchStmt.cpp: the ARCHLVL (ARCHMODE) and FACILITY statements. Both
// go into one ordered list, because a facility refers to the architecture
// that is current at that point of the file.
#include "config/CVornConfigFile.h"
#include "config/ConfigTxf.h"
#include "config/OperandValues.h"
#include "config/ValueConversions.h"

namespace {

bool IsEnableWord(const CString& str)
{
    return str.CompareNoCase("ENABLE") == 0 || str.CompareNoCase("DISABLE") == 0;
}

// After ENABLE or DISABLE: the facility name and an optional architecture
// qualifier become one entry at the end of the list. False when the name is
// missing or empty.
bool AddFacilityEntry(CVornConfigFile& cfg, CStringList& tokens, bool bEnable, CString& strError)
{
    // An empty name ("") is missing too: saved, it left a bare ARCHLVL.
    if (tokens.IsEmpty() || tokens.GetHead().IsEmpty()) {
        strError += "\nMissing parameters";
        return false;
    }
    const CString strName = tokens.RemoveHead();
    const CString strArch = tokens.IsEmpty() ? CString() : tokens.RemoveHead();
    cfg.m_archLvls.Add(CArchLvl(strName, strArch, bEnable));
    return true;
}

} // namespace

bool CVornConfigFile::ParseFacilityStmt(CVornConfigFile& cfg, const CString& strLine,
                                        CStringList& tokens, CString& strError)
{
    tokens.RemoveHead();
    if (tokens.IsEmpty()) {
        strError += "\nMissing parameters";
        return false;
    }
    const CString strWord = tokens.RemoveHead();
    if (!IsEnableWord(strWord)) {
        strError += "\nUnrecognized or unsupported FACILITY: \"" + strWord + "\"";
        return false;
    }
    if (!AddFacilityEntry(cfg, tokens, strWord.CompareNoCase("ENABLE") == 0, strError))
        return false;
    if (!tokens.IsEmpty())
        strError += "\nExtraneous parameters";
    return true;
}

// An architecture name: the mode, and an entry unless it changes nothing.
static void SetArchitecture(CVornConfigFile& cfg, const CString& strName, CStringList& tokens,
                            CString& strError)
{
    cfg.m_bArchLvlGiven = true;
    const int nMode = ArchModeFromName(strName);
    if (nMode < 0) {
        strError += "\nUnrecognized or unsupported ARCHLVL: \"" + strName + "\"";
        return;
    }
    if (nMode != cfg.m_nArchMode || !cfg.m_archLvls.IsEmpty()) {
        cfg.m_nArchMode = nMode;
        cfg.m_archLvls.Add(CArchLvl(CString(), ArchModeName(nMode), true));
        cfg.m_archLvls.m_bHasArchLvl = true;
    }
    if (nMode == kArchZArch && IsTXFEnabled(cfg) && !cfg.m_strCPUModel.IsEmpty()
        && !IsZSeriesModel(cfg.m_strCPUModel))
        cfg.AddParseError(cfg.m_nCPUModelLine, "\nSpecified CPU Model does not support TXF");
    if (!tokens.IsEmpty())
        strError += "\nExtraneous parameters";
}

bool CVornConfigFile::ParseArchlvlStmt(CVornConfigFile& cfg, const CString& strLine,
                                       CStringList& tokens, CString& strError)
{
    tokens.RemoveHead();
    if (tokens.IsEmpty()) {
        strError += "\nMissing parameters";
        return false;
    }
    const CString strWord = tokens.RemoveHead();
    if (!IsEnableWord(strWord)) {
        SetArchitecture(cfg, strWord, tokens, strError);
        return true;
    }
    // The older form of FACILITY: accepted, and reported as deprecated.
    if (!AddFacilityEntry(cfg, tokens, strWord.CompareNoCase("ENABLE") == 0, strError))
        return false;
    if (tokens.IsEmpty())
        strError += "\nStatement accepted and processed, BUT...\nARCHLVL ENABLE/DISABLE has been "
                    "deprecated\nPlease use FACILITY ENABLE/DISABLE instead";
    else
        strError += "\nExtraneous parameters";
    return true;
}
