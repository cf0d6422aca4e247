// CommArgumentsFuzzer.cpp: a communication adapter's argument text, as a
// configuration file may hold it, read by the OSA and CTCE pages and
// written again: what is written reads back to the same fields and is
// written the same way (OK on an unchanged adapter changes nothing), the
// OSA addresses kept are valid ones, and the CTCE text keeps its four
// values once its remote host is an address.
#include <string>

#include "devices/CommAdapterArguments.h"
#include "platform/NetAddress.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.substr(0, text.find('\0'));

    SQethFields qeth;
    ParseQethArguments(text.c_str(), qeth);
    DWORD dwAddr = 0;
    BYTE abyMAC[6] = {};
    FUZZ_CHECK(qeth.strNicIP.IsEmpty() || ParseIPAddress(qeth.strNicIP, dwAddr));
    FUZZ_CHECK(qeth.strNicMAC.IsEmpty() || ParseMACAddress(qeth.strNicMAC, abyMAC));
    FUZZ_CHECK(qeth.strGuestIP.IsEmpty() || ParseIPAddress(qeth.strGuestIP, dwAddr));
    FUZZ_CHECK(qeth.strChpid.GetLength() <= 2);
    CString strOnce = BuildQethArguments(qeth);
    SQethFields again;
    ParseQethArguments(strOnce, again);
    CString strTwice = BuildQethArguments(again);
    // A word that begins with an unpaired quote has no written form that
    // reads back alone (a later quote pairs with it); any other word does.
    bool bPlainWords = true;
    for (INT_PTR i = 0; i < qeth.keptWords.GetSize(); ++i)
        bPlainWords = bPlainWords && qeth.keptWords[i].Left(1) != "\"" && qeth.keptWords[i].Left(1) != "'";
    if (bPlainWords) {
        FUZZ_CHECK(strOnce == strTwice);
        FUZZ_CHECK(again.bDebug == qeth.bDebug);
    }

    SCtceFields ctce;
    ctce.nLocalPort = 30880;
    ctce.nRemotePort = 30880;
    ctce.nMtu = 32768;
    ParseCtceArguments(text.c_str(), ctce);
    CString strCtce = BuildCtceArguments(ctce);
    SCtceFields ctceAgain;
    ParseCtceArguments(strCtce, ctceAgain);
    FUZZ_CHECK(ctceAgain.nLocalPort == ctce.nLocalPort);
    // The page writes only after its checks made the host a dotted address.
    if (ParseIPAddress(ctce.strRemoteHost, dwAddr)) {
        FUZZ_CHECK(ctceAgain.strRemoteHost == ctce.strRemoteHost);
        FUZZ_CHECK(ctceAgain.nRemotePort == ctce.nRemotePort);
        FUZZ_CHECK(ctceAgain.nMtu == ctce.nMtu);
    }
    return 0;
}
