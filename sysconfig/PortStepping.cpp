// PortStepping.cpp: the port spins' steps and the blank-free edits.
#include "sysconfig/PortStepping.h"

namespace {

const int kMaxPort = 65535;
const int kTelnetPort = 23;
const int kFirstFreePort = 1024;
const int kHttpPort = 80;

}  // namespace

bool StepConsolePort(int nPort, int nDelta, int& nNew)
{
    if ((nPort >= kMaxPort && nDelta > 0) || (nPort <= 0 && nDelta < 0))
        return false;
    long long n = (long long)nPort + nDelta;
    if (n > kMaxPort)
        n = kMaxPort;
    if (n < 0)
        n = 0;
    if (n >= 1 && n < kFirstFreePort && n != kTelnetPort) {
        if (nDelta >= 1)
            n = nPort > 0 ? kFirstFreePort : kTelnetPort;
        else
            n = nPort == kFirstFreePort ? kTelnetPort : 0;
    }
    nNew = (int)n;
    return true;
}

bool StepHttpPort(int nPort, int nDelta, int& nNew)
{
    if ((nPort >= kMaxPort && nDelta > 0) || (nPort == kHttpPort && nDelta < 0))
        return false;
    long long n = (long long)nPort + nDelta;
    if (n < kFirstFreePort)
        n = nDelta < 0 ? kHttpPort : kFirstFreePort;
    else if (n > kMaxPort)
        n = kMaxPort;
    nNew = (int)n;
    return true;
}

CString RemoveBlanksKeepSelection(const CString& str, int& nStart, int& nEnd)
{
    CString strOut;
    int nNewStart = nStart, nNewEnd = nEnd;
    for (int i = 0; i < str.GetLength(); ++i) {
        if (str[i] != ' ') {
            strOut += str[i];
            continue;
        }
        if (i < nStart)
            --nNewStart;
        if (i < nEnd)
            --nNewEnd;
    }
    nStart = nNewStart < 0 ? 0 : nNewStart;
    nEnd = nNewEnd < 0 ? 0 : nNewEnd;
    return strOut;
}
