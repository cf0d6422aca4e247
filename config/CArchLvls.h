// CArchLvls.h: the configuration's ordered list of FACILITY and ARCHLVL
// statements. The emulator applies them in file order (a facility refers to
// the architecture current at that point), so they are kept as one list in
// which an ARCHLVL statement is an entry with an empty facility name.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

class CArchLvl {
public:
    CArchLvl() = default;
    CArchLvl(const CString& strFacility, const CString& strArch, bool bEnable)
        : m_strFacility(strFacility), m_strArch(strArch), m_bEnable(bEnable) {}

    // Both texts compared case-sensitively, and the flag.
    bool operator==(const CArchLvl& other) const;
    bool operator!=(const CArchLvl& other) const { return !(*this == other); }

    bool IsArchLvlEntry() const { return m_strFacility.IsEmpty(); }

    CString m_strFacility; // empty for an ARCHLVL entry
    CString m_strArch;     // FACILITY qualifier, or the ARCHLVL architecture name
    bool m_bEnable = false;
};

class CArchLvls : public CArray<CArchLvl, const CArchLvl&> {
public:
    // Same flag, same count and equal entries at every index.
    bool operator==(const CArchLvls& other) const;
    bool operator!=(const CArchLvls& other) const { return !(*this == other); }

    bool m_bHasArchLvl = false; // the list holds an ARCHLVL entry
};
