// DefaultDevices.cpp: the device statements of a new configuration, parsed
// by the configuration's own device-statement parser.
#include "config/DefaultDevices.h"

#include "config/CVornConfigFile.h"

namespace {

// The 2703 line talks to this machine: "localhost" is the loopback host's name
// on every system the emulator runs on.
const char kLoopbackHostName[] = "localhost";

}  // namespace

bool BuildDefaultDeviceStatements(CVornDevice devices[kDefaultDeviceCount], const DefaultDeviceFolders& folders,
                                  CString& strError)
{
    CString stmts[kDefaultDeviceCount];
    stmts[0] = "000B 3505 127.0.0.1:3505 sockdev ascii trunc eof";
    stmts[1].Format("000C 3525 \"%spunch.txt\" ascii crlf", folders.strPunch.GetString());
    stmts[2].Format("000D 1403 \"%sprint.txt\" crlf", folders.strPrinter.GetString());
    stmts[3] = "001E 3215 noprompt";
    stmts[4] = "003F 3270";
    // The disk comes before the tape in class order, though built after it.
    stmts[6].Format("017F 3420 \"%stape.vet\" chunksize=65535 compress=1 method=1 level=4 maxsizeM=170 "
                    "eotmargin=131072",
                    folders.strTape.GetString());
    stmts[5].Format("033F 3350 \"%svolser.comp\"", folders.strDisk.GetString());
    stmts[7] = "0600 OSA iface 192.168.0.2 ipaddr 192.168.0.4 netmask 255.255.0.0 chpid F0";
    stmts[8].Format("04FF 2703 lport=3780 rhost=%s rport=3781 dial=no", kLoopbackHostName);
    bool bOk = true;
    for (int i = 0; i < kDefaultDeviceCount; ++i) {
        CString strMsg;
        if (!CVornConfigFile::ParseDeviceStatement(stmts[i], devices[i], strMsg) || !strMsg.IsEmpty()) {
            strError += (strError.IsEmpty() ? "" : "\n") + strMsg;
            bOk = false;
        }
    }
    return bOk;
}

void ProposeFromPrototype(CVornDevice& dev)
{
    if (dev.m_bSysg) {
        dev.m_bSysg = false;
        dev.m_strTypeWord = "3270";
    }
    // Two disks with one serial number or one shadow file collide.
    if (CVornDasdParms* pParms = dev.GetDasdParms()) {
        pParms->m_strSerial.Empty();
        pParms->m_bHasShadowFile = false;
        pParms->m_strShadowFile.Empty();
        dev.m_strOtherArgs = pParms->FormatOptions();
    }
}
