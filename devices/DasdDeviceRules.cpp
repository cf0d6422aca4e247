// DasdDeviceRules.cpp: the disk device dialogs' rules.
#include "devices/DasdDeviceRules.h"

#include "config/CVornDevice.h"
#include "config/DasdModels.h"
#include "config/FieldRules.h"
#include "devices/DeviceDialogRules.h"
#include "platform/TextFunctions.h"

namespace {

bool AllDigits(const CString& str)
{
    if (str.IsEmpty())
        return false;
    for (int i = 0; i < str.GetLength(); ++i)
        if (str[i] < '0' || str[i] > '9')
            return false;
    return true;
}

// A decimal number of at most 32 bits, blanks around allowed.
bool ParseBlockNumber(const char* psz, DWORD& value)
{
    CString str(psz);
    TrimBlanks(str);
    if (!AllDigits(str) || str.GetLength() > 10)
        return false;
    UINT64 n = 0;
    for (int i = 0; i < str.GetLength(); ++i)
        n = n * 10 + (UINT64)(str[i] - '0');
    if (n > 0xFFFFFFFFull)
        return false;
    value = (DWORD)n;
    return true;
}

}  // namespace

bool ParseRemoteDasdName(const char* pszName, SRemoteDasdName& name)
{
    if (!IsHostPortSpec(pszName))
        return false;
    CString str(pszName);
    int nColon = str.Find(':');
    name.strHost = str.Left(nColon);
    CString strRest = str.Mid(nColon + 1);
    int nNext = strRest.Find(':');
    if (nNext < 0)
        return true;
    CString strPort = strRest.Left(nNext);
    if (AllDigits(strPort) && strPort.GetLength() <= 9)
        name.nPort = (UINT)atoi(strPort);
    name.strDevNum = strRest.Mid(nNext + 1).Left(4);
    return true;
}

CString FormatRemoteDasdName(const SRemoteDasdName& name)
{
    CString str;
    str.Format("%s:%d:%s", (const char*)name.strHost, (int)name.nPort, (const char*)name.strDevNum);
    return str;
}

CString ProposeShadowName(const CString& strImage)
{
    CString strFolder, strName;
    SplitDeviceFileName(strImage, strFolder, strName);
    int nDot = strName.Find('.');
    if (nDot < 0)
        strName += "_Shadow_0";
    else
        strName = strName.Left(nDot) + "_Shadow_0" + strName.Mid(nDot);
    return strFolder + strName;
}

EMinidiskCheck CheckMinidisk(DWORD nBlocks, const char* pszOrigin, const char* pszCount, DWORD& dwOrigin,
                             DWORD& dwCount)
{
    if (nBlocks < 1)
        return kMinidiskUnknownModel;
    DWORD dwO = 0, dwC = 0;
    if (!ParseBlockNumber(pszOrigin, dwO) || dwO > nBlocks - 1)
        return kMinidiskBadOrigin;
    // The last block in 64 bits: a count of 0 ends before the origin.
    if (!ParseBlockNumber(pszCount, dwC) || dwC == 0 || (UINT64)dwO + dwC - 1 > (UINT64)nBlocks - 1)
        return kMinidiskBadEnd;
    dwOrigin = dwO;
    dwCount = dwC;
    return kMinidiskOK;
}

DWORD MinidiskBlocks(const CString& strModel, DWORD dwImageBlocks)
{
    WORD wType = 0;
    if (!GetModelDevType(strModel, wType))
        return 0;
    DWORD dwBlocks = GetModelCylinders(strModel, false);
    return dwBlocks ? dwBlocks : dwImageBlocks;
}

bool IsValidDasdSerial(CString& strSerial)
{
    TrimBlanks(strSerial);
    return strSerial.IsEmpty() || (strSerial.GetLength() == 12 && AllDigits(strSerial));
}

CString GivenDasdSerial(const CString& strArgs, WORD wDevType)
{
    CVornDasdParms parms;  // without a device: no image is read
    CString strError;
    parms.Parse(strArgs, strError, wDevType);
    return parms.m_strSerial;
}

bool IsSameDiskStatement(const CVornDevice& a, const CVornDevice& b)
{
    auto read = [](const CVornDevice& dev) {
        CVornDevice back;
        back.Set(dev.m_bLcss, dev.m_wDevnum, dev.m_wClass, dev.m_wDevType, dev.m_strTypeWord, dev.m_strFirstArg,
                 dev.m_strOtherArgs, nullptr, dev.m_nSubtype, dev.m_bSysg);
        return back;
    };
    CVornDevice readA = read(a), readB = read(b);
    readA.m_strOtherArgs = readB.m_strOtherArgs;
    return readA == readB;
}

CString DasdCommand(bool bAdd, const CString& strDevnum, int nTypeNumber, const CString& strFile,
                    const CString& strArgs)
{
    CString str;
    if (bAdd)
        str.Format("attach %s %04.4d %s %s", (const char*)strDevnum, nTypeNumber,
                   (const char*)QuoteIfNeeded(strFile), (const char*)strArgs);
    else
        str.Format("devinit %s %s %s", (const char*)strDevnum, (const char*)QuoteIfNeeded(strFile),
                   (const char*)strArgs);
    str.TrimRight(' ');
    return str;
}
