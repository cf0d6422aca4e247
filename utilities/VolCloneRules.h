// VolCloneRules.h: the words of a VolClone run, window-free: the output
// format follows the input image's kind (CKD and FBA images are never
// mixed), compression and the 64-bit format.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

struct SVolCloneChoice {
    BYTE bInputImageType = 0;     // GetDasdImageType of the input
    bool bReplace = false;
    bool bAltCyls = false;        // counts only for a CKD input
    bool bCompress = false;
    int nAlgorithm = 0;           // 0 zlib, 1 bzip2
    bool bSingleFile = false;     // counts only without compression
    bool bCkd64 = false;          // the box as stored
    bool bHas64BitUtilities = false;
};

// "ckd", "cfba", "cckd64" ...: "64" only while the box is on and the
// 64-bit utilities are there (the box is disabled otherwise); a 64-bit
// input alone never adds it.
CString VolCloneFormatWord(const SVolCloneChoice& c);
// "-r -lfs -o ckd", "-o cckd -z -a" ...
CString VolCloneOptionWords(const SVolCloneChoice& c);
// The 64-bit program: with the 64-bit utilities, for the box or a 64-bit input.
bool VolCloneWants64BitProgram(const SVolCloneChoice& c);
