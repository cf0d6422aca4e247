// VolCloneRules.cpp: the words of a VolClone run.
#include "utilities/VolCloneRules.h"

#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"

CString VolCloneFormatWord(const SVolCloneChoice& c)
{
    CString strWord = c.bCompress ? "c" : "";
    strWord += IsCkdImageType(c.bInputImageType) ? "ckd" : "fba";
    if (c.bCkd64 && c.bHas64BitUtilities)
        strWord += "64";
    return strWord;
}

CString VolCloneOptionWords(const SVolCloneChoice& c)
{
    CString strWords;
    strWords.Format("%s%s -o %s%s%s", c.bReplace ? " -r" : "", !c.bCompress && c.bSingleFile ? " -lfs" : "",
                    (const char*)VolCloneFormatWord(c), !c.bCompress ? "" : c.nAlgorithm == 1 ? " -bz2" : " -z",
                    IsCkdImageType(c.bInputImageType) && c.bAltCyls ? " -a" : "");
    TrimBlanks(strWords);
    return strWords;
}

bool VolCloneWants64BitProgram(const SVolCloneChoice& c)
{
    return Wants64BitProgram(c.bHas64BitUtilities, c.bCkd64, c.bInputImageType);
}
