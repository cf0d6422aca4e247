// DevicesPageRules.cpp: the Devices page's window-free rules.
#include "sysconfig/DevicesPageRules.h"

#include <map>

#include "config/CVornConfigFile.h"
#include "config/DevNum.h"
#include "platform/CArray.h"

namespace {

const DWORD kDevnumMask = 0xFFFF;

bool HoldsKey(const CDevMap& devices, DWORD dwKey)
{
    return devices.LookupPtr(dwKey) != nullptr;
}

}  // namespace

bool NextFreeDevNum(const CVornConfigFile& cfg, DWORD dwPrototype, WORD wClass, bool bEven, DWORD& dwKey)
{
    const CDevMap& devices = cfg.m_devices;
    if (dwPrototype != 0 && (dwPrototype & kDevnumMask) < kDevnumMask) {
        DWORD dwNext = dwPrototype + 1;
        if (bEven && (dwNext & 1))
            ++dwNext;
        if ((dwNext & kDevnumMask) != 0 && !HoldsKey(devices, dwNext)) {
            dwKey = dwNext;
            return true;
        }
    }
    CArray<CVornDevice, const CVornDevice&> sorted;
    cfg.GetSortedDevices(sorted);
    DWORD dwHigh = 0;
    for (INT_PTR i = 0; i < sorted.GetSize(); ++i)
        if (sorted[i].m_wClass == wClass && sorted[i].GetKey() > dwPrototype)
            dwHigh = sorted[i].GetKey();
    // Within the channel subsystem of the highest device, once around.
    const DWORD dwLcss = dwHigh & ~kDevnumMask;
    for (DWORD n = 1; n <= kDevnumMask; ++n) {
        DWORD dwCand = dwLcss | ((dwHigh + n) & kDevnumMask);
        if (bEven && (dwCand & 1))
            continue;
        if (!HoldsKey(devices, dwCand)) {
            dwKey = dwCand;
            return true;
        }
    }
    return false;
}

int DeviceLineInsertIndex(const std::vector<DWORD>& lineKeys, const CDevMap& devices, const CVornDevice& dev)
{
    const DWORD dwKey = dev.GetKey();
    for (size_t i = 0; i < lineKeys.size(); ++i) {
        const CVornDevice* pLine = devices.LookupPtr(lineKeys[i]);
        WORD wClass = pLine ? pLine->m_wClass : (WORD)0xFFFF;
        if (wClass > dev.m_wClass || (wClass == dev.m_wClass && lineKeys[i] > dwKey))
            return (int)i;
    }
    return (int)lineKeys.size();
}

int DeviceLineIndexOfKey(const std::vector<DWORD>& lineKeys, DWORD dwKey)
{
    for (size_t i = 0; i < lineKeys.size(); ++i)
        if (lineKeys[i] == dwKey)
            return (int)i;
    return -1;
}

CString DetachCommand(DWORD dwKey)
{
    return "detach " + FormatDevnum(dwKey);
}

int SelectionAfterRemoval(int nHighestRemoved, int nLinesLeft)
{
    if (nLinesLeft <= 0)
        return -1;
    return nHighestRemoved < nLinesLeft ? nHighestRemoved : nLinesLeft - 1;
}

CString LoadUnitOfKey(DWORD dwKey)
{
    CString str;
    str.Format("%04.4X", (UINT)(dwKey & kDevnumMask));
    return str;
}

void CPendingDeviceCommands::Append(const CString& strCommand)
{
    m_commands.push_back(strCommand);
}

void CPendingDeviceCommands::Flush(bool bRunning, const std::function<void(const CString&)>& send)
{
    if (!bRunning)
        return;
    std::vector<CString> commands;
    commands.swap(m_commands);
    for (const CString& str : commands)
        if (!str.IsEmpty())
            send(str);
}

DevicesMenuState DevicesContextMenuState(bool bHasContextLine, DWORD dwLineKey, const WORD* pwLoadUnit)
{
    DevicesMenuState state = {};
    state.bEditEnabled = bHasContextLine;
    state.bLoadUnitChecked = bHasContextLine && pwLoadUnit && (WORD)(dwLineKey & kDevnumMask) == *pwLoadUnit;
    state.bLoadUnitEnabled = bHasContextLine && !state.bLoadUnitChecked;
    return state;
}

bool CDevMapRouter::IsDevNumDefined(DWORD dwKey)
{
    return HoldsKey(m_devices, dwKey);
}

bool CDevMapRouter::IsSysgDefined(DWORD* pdwKey)
{
    bool bFound = false;
    m_devices.ForEachAssoc([&](DWORD dwKey, const CVornDevice& dev) {
        if (!dev.m_bSysg)
            return true;
        bFound = true;
        if (pdwKey)
            *pdwKey = dwKey;
        return false;
    });
    return bFound;
}

bool CDevMapRouter::IsFileInUse(const CString& strFileName)
{
    return m_devices.IsFileUsed(strFileName);
}
