// UtilityTable.cpp: the table of the Utilities menu.
#include "utilities/UtilityTable.h"

#include <cstring>
#include <initializer_list>

#include "resources/resource.h"
#include "session/UtilityProgress.h"

namespace {

const EUtilityGroup D = kUtilityGroupDisk, T = kUtilityGroupTape;
const EUtilityFolder kDisk = kUtilityFolderDisk, kTape = kUtilityFolderTape, kConfig = kUtilityFolderConfig;

}  // namespace

const SUtilityInfo kUtilities[kUtilityCount] = {
    {ID_UTIL_WIDENVOL, IDD_WIDENVOL, "WIDENVOL", D, kUtilWidenVol, kDisk, false},
    {ID_UTIL_VOLMAKE, IDD_VOLMAKE, "VOLMAKE", D, kUtilVolMake, kDisk, true},
    {ID_UTIL_VOLRECAST, IDD_VOLRECAST, "VOLRECAST", D, kUtilVolRecast, kDisk, false},
    {ID_UTIL_VOLCLONE, IDD_VOLCLONE, "VOLCLONE", D, kUtilVolClone, kConfig, false},
    {ID_UTIL_VOLBUILD, IDD_VOLBUILD, "VOLBUILD", D, kUtilVolBuild, kDisk, false},
    {ID_UTIL_VOLPATCH, IDD_VOLPATCH, "VOLPATCH", D, kUtilVolPatch, kDisk, false},
    {ID_UTIL_VOLLIST, IDD_VOLLIST, "VOLLIST", D, kUtilVolList, kDisk, false},
    {ID_UTIL_VOLSHOW, IDD_VOLSHOW, "VOLSHOW", D, kUtilVolShow, kDisk, false},
    {ID_UTIL_VOLUNLOAD, IDD_VOLUNLOAD, "VOLUNLOAD", D, kUtilVolUnload, kDisk, false},
    {ID_UTIL_VOLIDENT, IDD_VOLIDENT, "VOLIDENT", D, kUtilNone, kDisk, false},
    {ID_UTIL_VOLEXTRACT, IDD_VOLEXTRACT, "VOLEXTRACT", D, kUtilVolExtract, kDisk, false},
    {ID_UTIL_MAPIMPORT, IDD_MAPIMPORT, "MAPIMPORT", D, kUtilMapImport, kConfig, false},
    {ID_UTIL_PACKCHECK, IDD_PACKCHECK, "PACKCHECK", D, kUtilPackCheck, kDisk, false},
    {ID_UTIL_PACKPROBE, IDD_PACKPROBE, "PACKPROBE", D, kUtilNone, kDisk, false},
    {ID_UTIL_PACKSQUEEZE, IDD_PACKSQUEEZE, "PACKSQUEEZE", D, kUtilPackSqueeze, kDisk, false},
    {ID_UTIL_PACKLAYOUT, IDD_PACKLAYOUT, "PACKLAYOUT", D, kUtilNone, kDisk, false},
    {ID_UTIL_PACKFLIP, IDD_PACKFLIP, "PACKFLIP", D, kUtilPackFlip, kDisk, false},
    {ID_UTIL_REELBUILD, IDD_REELBUILD, "REELBUILD", T, kUtilReelBuild, kTape, false},
    {ID_UTIL_REELSCAN, IDD_REELSCAN, "REELSCAN", T, kUtilReelScan, kTape, false},
    {ID_UTIL_REELDIVIDE, IDD_REELDIVIDE, "REELDIVIDE", T, kUtilReelDivide, kTape, false},
    {ID_UTIL_REELDUB, IDD_REELDUB, "REELDUB", T, kUtilReelDub, kTape, false},
    {ID_UTIL_VMFPLC2, IDD_VMFPLC2, "VMFPLC2", T, kUtilVmfplc2, kTape, false},
    {ID_UTIL_REELBLANK, IDD_REELBLANK, "REELBLANK", T, kUtilReelBlank, kTape, true},
    {ID_UTIL_REELINFO, IDD_REELINFO, "REELINFO", T, kUtilReelInfo, kTape, false},
    {ID_UTIL_REELREPACK, IDD_REELREPACK, "REELREPACK", T, kUtilReelRepack, kTape, false},
    {ID_UTIL_REELFETCH, IDD_REELFETCH, "REELFETCH", T, kUtilReelFetch, kTape, false},
};

const SUtilityInfo* FindUtilityByCommand(UINT nCommandId)
{
    for (const SUtilityInfo& info : kUtilities)
        if (info.nCommandId == nCommandId)
            return &info;
    return nullptr;
}

const SUtilityInfo* FindUtilityByTemplate(UINT nTemplateId)
{
    for (const SUtilityInfo& info : kUtilities)
        if (info.nTemplateId == nTemplateId)
            return &info;
    return nullptr;
}

bool IsUtilityMenuGroupEnd(const SUtilityInfo& info)
{
    for (const char* psz : {"MAPIMPORT", "PACKFLIP", "VMFPLC2"})
        if (std::strcmp(info.pszCaption, psz) == 0)
            return true;
    return false;
}
