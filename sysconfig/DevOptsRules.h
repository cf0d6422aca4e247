// DevOptsRules.h: the rules of the Options page under Devices, window-free:
// the host adapter value shown either as an IP address or as a MAC address,
// the load unit and load parameter texts, the shared-device port's spin and
// the page's Apply checks.
#pragma once

#include <functional>

#include "platform/CString.h"
#include "platform/Types.h"
#include "sysconfig/SysCfgFieldChecks.h"

class CHostAdapterArray;
class CVornConfigFile;

// The NETDEV value as the page holds it: on or off, and the text of the IP
// address control and of the MAC edit (one of them holds the value).
struct HostAdapterChoice {
    bool bOn = false;
    CString strIP;
    CString strMAC;
};

// Opening the page: both texts emptied; "0.0.0.0" counts as no value; a
// MAC address goes to strMAC, else a dotted IPv4 address to strIP, else the
// value is dropped (strNetDev emptied, the option off).
void SplitHostAdapterAddress(CString& strNetDev, HostAdapterChoice& choice);

// Empty, or exactly four hexadecimal digits.
bool IsValidLoadUnit(const CString& strUnit);
// LOADPARM as held while typed: a text that is not blank is padded with
// dots to 8 characters (and cut there); a blank one stays as typed.
CString PadLoadParm(const CString& strTyped);

// The shared-device server port stepped by nDelta from nPort: 0 up gives
// nDef, a step below nMin gives 0 (downwards) or nDef (upwards), nothing
// above nMax. The sum is signed, so a small typed value stepped down gives 0
// and never wraps. False when nothing happens (nMax up, 0 down).
bool StepSharedPort(UINT nPort, int nDelta, UINT nMin, UINT nDef, UINT nMax, UINT& nNew);

// The page's Apply checks over the edited configuration and the host's
// adapters, in order: SCSI seconds (only while auto-detection is on),
// DEVTMAX, shutdown seconds, SHRDPORT, load unit, host adapter. With the
// option off NETDEV is emptied first; "0.0.0.0" in the IP text counts as
// empty, and with both texts empty the option goes off. An IP or MAC value
// must parse and be an address of one of the adapters. The adapters are
// asked for only then: reading the host's takes tens of milliseconds under
// Wine, which every OK of the dialog paid with the option off.
bool CheckDeviceOptions(CVornConfigFile& cfg, HostAdapterChoice& choice,
                        const std::function<const CHostAdapterArray&()>& adapters, SysCfgFieldFailure& failure);
