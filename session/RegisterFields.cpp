// RegisterFields.cpp: the register-group status lines of the emulator.
#include "session/RegisterFields.h"

#include <cstring>

namespace {

enum : UINT {
    kMsgGR = 0x8046, kMsg64GR = 0x8050, kMsgCR = 0x805A, kMsg64CR = 0x8064,
    kMsgAR = 0x806E, kMsgFR = 0x8078, kMsg64FR = 0x8082, kMsgVR = 0x808C,
};
const size_t kField = 48;       // 32- and 64-bit register groups
const size_t kVector = 144;     // a pair of vector registers

#define R32(k, m) { k, m, kField, false }
#define R64(k, m) { k, m, kField, true }
#define RVR(k, m) { k, m, kVector, false }

const SRegisterField kFields[kRegisterFieldCount] = {
    R32("GR0-3=", kMsgGR), R32("GR4-7=", kMsgGR + 1), R32("GR8-B=", kMsgGR + 2), R32("GRC-F=", kMsgGR + 3),
    R64("64_GR0-1=", kMsg64GR), R64("64_GR2-3=", kMsg64GR + 1), R64("64_GR4-5=", kMsg64GR + 2),
    R64("64_GR6-7=", kMsg64GR + 3), R64("64_GR8-9=", kMsg64GR + 4), R64("64_GRA-B=", kMsg64GR + 5),
    R64("64_GRC-D=", kMsg64GR + 6), R64("64_GRE-F=", kMsg64GR + 7),
    R32("CR0-3=", kMsgCR), R32("CR4-7=", kMsgCR + 1), R32("CR8-B=", kMsgCR + 2), R32("CRC-F=", kMsgCR + 3),
    R64("64_CR0-1=", kMsg64CR), R64("64_CR2-3=", kMsg64CR + 1), R64("64_CR4-5=", kMsg64CR + 2),
    R64("64_CR6-7=", kMsg64CR + 3), R64("64_CR8-9=", kMsg64CR + 4), R64("64_CRA-B=", kMsg64CR + 5),
    R64("64_CRC-D=", kMsg64CR + 6), R64("64_CRE-F=", kMsg64CR + 7),
    R32("AR0-3=", kMsgAR), R32("AR4-7=", kMsgAR + 1), R32("AR8-B=", kMsgAR + 2), R32("ARC-F=", kMsgAR + 3),
    R32("FR0-2=", kMsgFR), R32("FR4-6=", kMsgFR + 1),
    R64("64_FR0-1=", kMsg64FR), R64("64_FR2-3=", kMsg64FR + 1), R64("64_FR4-5=", kMsg64FR + 2),
    R64("64_FR6-7=", kMsg64FR + 3), R64("64_FR8-9=", kMsg64FR + 4), R64("64_FRA-B=", kMsg64FR + 5),
    R64("64_FRC-D=", kMsg64FR + 6), R64("64_FRE-F=", kMsg64FR + 7),
    RVR("VR00=", kMsgVR), RVR("VR02=", kMsgVR + 1), RVR("VR04=", kMsgVR + 2), RVR("VR06=", kMsgVR + 3),
    RVR("VR08=", kMsgVR + 4), RVR("VR10=", kMsgVR + 5), RVR("VR12=", kMsgVR + 6), RVR("VR14=", kMsgVR + 7),
    RVR("VR16=", kMsgVR + 8), RVR("VR18=", kMsgVR + 9), RVR("VR20=", kMsgVR + 10), RVR("VR22=", kMsgVR + 11),
    RVR("VR24=", kMsgVR + 12), RVR("VR26=", kMsgVR + 13), RVR("VR28=", kMsgVR + 14), RVR("VR30=", kMsgVR + 15),
};

#undef R32
#undef R64
#undef RVR

}  // namespace

const SRegisterField& RegisterField(int nIndex)
{
    return kFields[nIndex];
}

int FindRegisterField(const char* pLine, size_t nLength)
{
    for (int i = 0; i < kRegisterFieldCount; ++i) {
        size_t n = std::strlen(kFields[i].pszKeyword);
        if (nLength >= n && std::memcmp(pLine, kFields[i].pszKeyword, n) == 0)
            return i;
    }
    return -1;
}
