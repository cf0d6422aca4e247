// BarStateStore.cpp: the docking layout in the settings store.
#include "platform/BarStateStore.h"

#include <algorithm>
#include <set>

#include "platform/CString.h"

namespace {

CString SummarySection(const char* pszProfile)
{
    CString s;
    s.Format("%s-Summary", pszProfile);
    return s;
}

CString BarSection(const char* pszProfile, int i)
{
    CString s;
    s.Format("%s-Bar%d", pszProfile, i);
    return s;
}

int ReadInt(const CSettingsStore& store, const char* pszSection, const char* pszKey, int nDefault)
{
    int n = nDefault;
    store.GetInt(pszSection, pszKey, n);
    return n;
}

bool SaveOne(CSettingsStore& store, const CString& section, const CBarStateInfo& info)
{
    bool ok = store.DeleteSection(section);
    ok = store.WriteInt(section, "BarID", (int)info.nBarID) && ok;
    ok = store.WriteInt(section, "Visible", info.bVisible ? 1 : 0) && ok;
    ok = store.WriteInt(section, "Floating", info.bFloating ? 1 : 0) && ok;
    ok = store.WriteInt(section, "Horz", info.bHorz ? 1 : 0) && ok;
    ok = store.WriteInt(section, "XPos", info.xPos) && ok;
    ok = store.WriteInt(section, "YPos", info.yPos) && ok;
    if (!IsSideDockBarId(info.nBarID))
        return ok;
    ok = store.WriteInt(section, "Bars", (int)info.entries.size()) && ok;
    for (size_t j = 0; j < info.entries.size(); j++) {
        CString key;
        key.Format("Bar#%d", (int)j);
        ok = store.WriteInt(section, key, (int)info.entries[j]) && ok;
    }
    return ok;
}

CBarStateInfo LoadOne(const CSettingsStore& store, const CString& section)
{
    CBarStateInfo info;
    info.nBarID = (UINT)ReadInt(store, section, "BarID", 0);
    info.bVisible = ReadInt(store, section, "Visible", 1) != 0;
    info.bFloating = ReadInt(store, section, "Floating", 0) != 0;
    info.bHorz = ReadInt(store, section, "Horz", 1) != 0;
    info.xPos = ReadInt(store, section, "XPos", 0);
    info.yPos = ReadInt(store, section, "YPos", 0);
    int nEntries = std::min(ReadInt(store, section, "Bars", 0), kMaxSavedEntries);
    for (int j = 0; j < nEntries; j++) {
        CString key;
        key.Format("Bar#%d", j);
        int n = 0;
        if (!store.GetInt(section, key, n))
            break;
        info.entries.push_back((UINT)n);
    }
    return info;
}

}  // namespace

bool BarStateSave(CSettingsStore& store, const char* pszProfile, const std::vector<CBarStateInfo>& infos)
{
    CString summary = SummarySection(pszProfile);
    int nOld = std::min(ReadInt(store, summary, "Bars", 0), kMaxSavedBars);
    store.BeginUpdate();
    bool ok = true;
    for (size_t i = 0; i < infos.size(); i++)
        ok = SaveOne(store, BarSection(pszProfile, (int)i), infos[i]) && ok;
    for (int i = (int)infos.size(); i < nOld; i++)
        ok = store.DeleteSection(BarSection(pszProfile, i)) && ok;
    ok = store.WriteInt(summary, "Bars", (int)infos.size()) && ok;
    return store.EndUpdate() && ok;
}

bool BarStateLoad(const CSettingsStore& store, const char* pszProfile, std::vector<CBarStateInfo>& infos)
{
    infos.clear();
    int nBars = std::min(ReadInt(store, SummarySection(pszProfile), "Bars", 0), kMaxSavedBars);
    for (int i = 0; i < nBars; i++)
        infos.push_back(LoadOne(store, BarSection(pszProfile, i)));
    return !infos.empty();
}

bool BarStateFits(const std::vector<CBarStateInfo>& infos, const std::vector<UINT>& knownIds)
{
    if (infos.empty())
        return false;
    std::set<UINT> known(knownIds.begin(), knownIds.end());
    std::set<UINT> records, docked;
    for (const CBarStateInfo& info : infos) {
        if (!IsSideDockBarId(info.nBarID) && !known.count(info.nBarID))
            return false;
        if (!records.insert(info.nBarID).second)
            return false;
        for (UINT e : info.entries) {
            if (e == 0)
                continue;
            UINT nID = e & 0xFFFF;
            if ((e & ~(kSavedPlaceholderFlag | 0xFFFF)) != 0 || !known.count(nID) || IsSideDockBarId(nID) ||
                nID == kDockBarIdFloat)
                return false;
            if (!(e & kSavedPlaceholderFlag) && !docked.insert(nID).second)
                return false;
        }
    }
    for (const CBarStateInfo& info : infos) {
        if (IsSideDockBarId(info.nBarID))
            continue;
        if (info.bFloating == (docked.count(info.nBarID) != 0))
            return false;  // saved as docked but in no dock bar, or floating and docked at once
    }
    return true;
}
