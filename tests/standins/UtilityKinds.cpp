// UtilityKinds.cpp: utility names, kinds and default scripts of the utility
// stand-in.
#include "tests/standins/UtilityKinds.h"

#include <cctype>
#include <cstdlib>

#include "session/UtilityProgress.h"

namespace {

struct SUtility {
    const char* pszName;
    int nKind;
    const char* pszScript;   // the default script's progress lines
};

// Ten steps per run, 20 ms apart: quick, yet long enough to see the window move.
const SUtility kUtilities[] = {
    { "WIDENVOL", kUtilWidenVol, "err TRKS=10\nseq err 1 10 1 TRK=%d\n" },
    { "VOLMAKE", kUtilVolMake, "seq err 1 10 1 CYL=%d\n" },
    { "VOLRECAST", kUtilVolRecast, "err CYLS=10\nseq err 1 10 1 CYL=%d\n" },
    { "VOLCLONE", kUtilVolClone, "err TRKS=10\nseq err 1 10 1 TRK=%d\n" },
    { "VOLBUILD", kUtilVolBuild, "err IPOS=0\nerr REQCYLS=10\nseq err 1 10 1 OUTCYL=%d\n" },
    { "VOLPATCH", kUtilVolPatch, "err NMEM=10\nseq err 1 10 1 MEM=%d\n" },
    { "VOLLIST", kUtilVolList, "err ETRK=10\nseq err 1 10 1 CTRK=%d\n" },
    { "VOLSHOW", kUtilVolShow, "err ETRK=10\nseq err 1 10 1 CTRK=%d\n" },
    { "VOLUNLOAD", kUtilVolUnload, "err ETRK=10\nseq err 1 10 1 CTRK=%d\n" },
    { "VOLEXTRACT", kUtilVolExtract, "err TRKS=10\nseq err 1 10 1 TRK=%d\n" },
    { "MAPIMPORT", kUtilMapImport, "" },
    { "PACKCHECK", kUtilPackCheck, "err STEPS=2\nerr STEP=1\nerr SIZE=10\nseq err 1 10 1 POS=%d\nerr STEP=2\n" },
    { "PACKSQUEEZE", kUtilPackSqueeze, "err STEPS=1\nerr STEP=1\nerr SIZE=10\nseq err 1 10 1 POS=%d\n" },
    { "PACKFLIP", kUtilPackFlip, "err SIZE=10\nseq err 1 10 1 POS=%d\n" },
    { "PACKLAYOUT", kUtilNone, "" },
    { "PACKPROBE", kUtilNone, "" },
    { "VOLIDENT", kUtilNone, "" },
    { "REELBUILD", kUtilReelBuild, "err FILES=10\nseq err 1 10 1 FILE=%d\n" },
    { "REELSCAN", kUtilReelScan, "seq err 1 10 1 IPOS=%d\n" },
    { "REELDIVIDE", kUtilReelDivide, "seq err 1 10 1 IPOS=%d\n" },
    { "REELDUB", kUtilReelDub, "err BLKS=10\nseq err 1 10 1 BLK=%d\n" },
    { "REELBLANK", kUtilReelBlank, "" },
    { "REELINFO", kUtilReelInfo, "seq err 1 10 1 IPOS=%d\n" },
    { "REELREPACK", kUtilReelRepack, "seq err 1 10 1 IPOS=%d\n" },
    { "REELFETCH", kUtilReelFetch, "seq err 1 10 1 IPOS=%d\n" },
    { "VORNRDR", kUtilCardSubmit, "seq err 800 8000 800 XBYTES=%d\n" },
    { "VMFPLC2", kUtilVmfplc2, "" },
};

std::string Upper(std::string s)
{
    for (char& c : s)
        c = (char)std::toupper((unsigned char)c);
    return s;
}

const SUtility* FindByName(const std::string& strName)
{
    for (const SUtility& u : kUtilities)
        if (strName == u.pszName)
            return &u;
    return nullptr;
}

const SUtility* FindByKind(int nKind)
{
    for (const SUtility& u : kUtilities)
        if (u.nKind == nKind && nKind != kUtilNone)
            return &u;
    return nullptr;
}

}  // namespace

int UtilityKindFromProgram(const std::string& strProgram)
{
    std::string name = strProgram.substr(strProgram.find_last_of("\\/:") + 1);
    name = Upper(name.substr(0, name.rfind('.')));
    const SUtility* p = FindByName(name);
    if (!p && name.size() > 2 && name.compare(name.size() - 2, 2, "64") == 0)
        p = FindByName(name.substr(0, name.size() - 2));
    return p ? p->nKind : kUtilNone;
}

bool ParseUtilityKind(const std::string& strText, int& nKind)
{
    char* pEnd = nullptr;
    long n = std::strtol(strText.c_str(), &pEnd, 10);
    if (!strText.empty() && *pEnd == '\0') {
        nKind = (int)n;
        return true;
    }
    const SUtility* p = FindByName(Upper(strText));
    if (p)
        nKind = p->nKind;
    return p != nullptr;
}

std::string DefaultUtilityScript(int nKind)
{
    const SUtility* p = FindByKind(nKind);
    std::string script = "pace 20\n";
    script += "out " + std::string(p ? p->pszName : "UTILITY") + " stand-in started\n";
    if (p)
        script += p->pszScript;
    script += "out " + std::string(p ? p->pszName : "UTILITY") + " stand-in ended\n";
    return script;
}

std::string CardSubmissionScript(unsigned long long nDeckBytes)
{
    std::string script = "pace 20\nout VORNRDR stand-in started\n";
    for (unsigned long long nStep = 1; nStep <= 10; ++nStep)
        script += "err XBYTES=" + std::to_string(nDeckBytes * nStep / 10) + "\n";
    return script + "out VORNRDR stand-in ended\n";
}
