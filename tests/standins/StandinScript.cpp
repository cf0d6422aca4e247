// StandinScript.cpp: parser of the stand-ins' script language.
//
// The language: one directive per line. Blank lines and lines whose first
// non-blank character is '#' are ignored; a carriage return at the end of a
// line is dropped. A directive is a word, then its arguments separated by
// blanks. TEXT is everything after the blank that follows the previous
// argument, kept exactly (leading and trailing blanks too), with the escapes
// \\ \n \r \t \0 and \xHH. STREAM is "out" (standard output) or "err"
// (standard error). Numbers are decimal, may be negative, and must fit in 64
// bits.
//
// Both stand-ins:
//   out TEXT              TEXT and a line feed on standard output
//   err TEXT              TEXT and a line feed on standard error
//   outraw TEXT           TEXT alone (no line feed) on standard output
//   errraw TEXT           TEXT alone on standard error
//   sleep MS              wait MS milliseconds (silence)
//   pace MS               wait MS milliseconds after every line that out, err
//                         and seq write (0, the default, is full speed)
//   seq STREAM FROM TO STEP TEXT
//                         one line per number FROM, FROM+STEP ... up to TO
//                         (down to TO for a negative STEP): TEXT with every
//                         "%d" replaced by the number, e.g.
//                         "seq err 1 1000 1 TRK=%d"
//   flood STREAM N LEN [WRITE]
//                         N lines of LEN characters each (line feed not
//                         counted), written in 64 KB blocks; line i (from 1)
//                         begins with i in nine digits and a blank, then the
//                         letters a-z over and over. With WRITE, the same
//                         bytes go out in writes of WRITE bytes, cut wherever
//                         a write ends, each as soon as the pipe takes it: as
//                         the emulator writes its trace (some 670 bytes a
//                         write)
//   garbage STREAM N [SEED]
//                         N pseudo-random bytes, every value 0-255 possible
//                         (NULs, carriage returns, line feeds); the same SEED
//                         (default 1) gives the same bytes
//   close STREAM          close the stream: the reader sees its end
//   rc N                  the return code of a normal end (default 0)
//   exit N                end the process at once with return code N
//                         (ExitProcess: an unfinished line stays unfinished)
//
// The emulator stand-in only:
//   wait-stdin [PREFIX]   wait until a command line beginning with PREFIX (any
//                         line when omitted) arrives on standard input; lines
//                         matched by an earlier wait do not count again;
//                         returns at the end of standard input too
//   ignore-exit           "exit", "quit" and "ssd" are recorded but ignored
//   devlist               send the complete device list now
//   device DEVNUM TYPE [ARGS]
//                         add or replace a device (as the command "attach
//                         DEVNUM TYPE ARGS" does)
//   devflags DEVNUM FLAGS set a device's four status flags ("0110")
//   detach DEVNUM         remove a device
//                         The changes of consecutive device, devflags and
//                         detach lines are reported together after the last
//                         of them, as the emulator reports what changed
//                         since its last report ("sleep 50" between two
//                         groups: two reports)
//   status                write one round of status lines now (as the
//                         emulator does: see EmulatorModel.h)
//   interval MS           write a round of status lines every MS
//                         milliseconds (0 stops)
//   set KEY VALUE         set a status value: cpu (hexadecimal number), cpus
//                         (online processors), maxcpu (the processors it has:
//                         those above cpus are offline; as many as cpus unless
//                         set), vary (0/1: every round of status lines brings
//                         new values, as a running system's do: PSW, MIPS,
//                         SIOS, CPU percentages and registers),
//                         longcpu (0/1), psw, letters, instcount, mips, sios,
//                         cpupct, version ("none": "]VERS=" gets no answer),
//                         echo (0/1: commands are echoed on standard output),
//                         mainstor ("none": "]MAINSTOR=" gets no answer;
//                         "answer", the default; "high": the address is
//                         reported 4 GB higher, as a 64-bit emulator's
//                         storage above 4 GB is), devlcss (0: device numbers
//                         never carry "L:"), ipl ("ok", the default: a load
//                         leaves the processors running; "fail": stopped in
//                         a wait with the load letter on)
//   poke OFFSET HEX       write the bytes HEX (two hexadecimal digits each)
//                         into main storage at the decimal OFFSET; the same
//                         line on standard input does it too ("POKE=OK", or
//                         "POKE=?" outside storage or for bad digits)
#include "tests/standins/StandinScript.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Argument shapes of one directive word.
struct SSyntax {
    const char* pszWord;
    EStandinOp eOp;
    bool bStream;       // first argument is STREAM
    int nMinNumbers;    // numeric arguments after the stream
    int nMaxNumbers;
    int nText;          // 0 none, 1 optional, 2 required
    bool bEmulatorOnly;
};

const SSyntax kSyntax[] = {
    { "out", kOpWrite, false, 0, 0, 1, false },
    { "err", kOpWrite, false, 0, 0, 1, false },
    { "outraw", kOpWrite, false, 0, 0, 1, false },
    { "errraw", kOpWrite, false, 0, 0, 1, false },
    { "sleep", kOpSleep, false, 1, 1, 0, false },
    { "pace", kOpPace, false, 1, 1, 0, false },
    { "seq", kOpSeq, true, 3, 3, 2, false },
    { "flood", kOpFlood, true, 2, 3, 0, false },
    { "garbage", kOpGarbage, true, 1, 2, 0, false },
    { "close", kOpClose, true, 0, 0, 0, false },
    { "rc", kOpRc, false, 1, 1, 0, false },
    { "exit", kOpExit, false, 1, 1, 0, false },
    { "wait-stdin", kOpWaitStdin, false, 0, 0, 1, true },
    { "ignore-exit", kOpIgnoreExit, false, 0, 0, 0, true },
    { "devlist", kOpDevList, false, 0, 0, 0, true },
    { "device", kOpDevice, false, 0, 0, 2, true },
    { "devflags", kOpDevFlags, false, 0, 0, 2, true },
    { "detach", kOpDetach, false, 0, 0, 2, true },
    { "status", kOpStatus, false, 0, 0, 0, true },
    { "interval", kOpInterval, false, 1, 1, 0, true },
    { "set", kOpSet, false, 0, 0, 2, true },
    { "poke", kOpPoke, false, 1, 1, 2, true },
};

const SSyntax* FindSyntax(const std::string& strWord)
{
    for (const SSyntax& syntax : kSyntax)
        if (strWord == syntax.pszWord)
            return &syntax;
    return nullptr;
}

// Cuts the next blank-separated word off the front of rest; false at the end.
bool NextWord(std::string& rest, std::string& word)
{
    size_t start = rest.find_first_not_of(' ');
    if (start == std::string::npos)
        return false;
    size_t end = rest.find(' ', start);
    word = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    return true;
}

bool ParseNumber(const std::string& word, INT64& n)
{
    if (word.empty() || word.size() > 20)
        return false;
    char* pEnd = nullptr;
    errno = 0;
    long long v = std::strtoll(word.c_str(), &pEnd, 10);
    if (errno != 0 || *pEnd != '\0')
        return false;
    n = (INT64)v;
    return true;
}

bool ParseStream(const std::string& word, EStandinStream& eStream)
{
    if (word == "out")
        eStream = kStreamOut;
    else if (word == "err")
        eStream = kStreamErr;
    else
        return false;
    return true;
}

// Parses the arguments of one directive after its word; false with a reason.
bool ParseArguments(const SSyntax& syntax, std::string rest, SStandinDirective& d,
                    std::string& strReason)
{
    std::string word;
    if (syntax.bStream) {
        if (!NextWord(rest, word) || !ParseStream(word, d.eStream)) {
            strReason = "stream must be out or err";
            return false;
        }
    }
    for (int i = 0; i < syntax.nMaxNumbers; ++i) {
        if (!NextWord(rest, word)) {
            if (i < syntax.nMinNumbers) {
                strReason = "missing number";
                return false;
            }
            break;
        }
        INT64 n = 0;
        if (!ParseNumber(word, n)) {
            strReason = "bad number \"" + word + "\"";
            return false;
        }
        d.anNumbers.push_back(n);
    }
    if (syntax.nText == 0) {
        if (rest.find_first_not_of(' ') != std::string::npos) {
            strReason = "unexpected text \"" + rest + "\"";
            return false;
        }
        return true;
    }
    d.strText = UnescapeStandinText(rest);
    if (syntax.nText == 2 && rest.find_first_not_of(' ') == std::string::npos) {
        strReason = "missing text";
        return false;
    }
    return true;
}

bool ParseLine(const std::string& line, bool bEmulator, SStandinDirective& d,
               std::string& strReason)
{
    size_t blank = line.find(' ');
    std::string word = line.substr(0, blank);
    std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    const SSyntax* pSyntax = FindSyntax(word);
    if (!pSyntax || (pSyntax->bEmulatorOnly && !bEmulator)) {
        strReason = "unknown directive \"" + word + "\"";
        return false;
    }
    d.eOp = pSyntax->eOp;
    if (d.eOp == kOpWrite) {
        d.eStream = word[0] == 'o' ? kStreamOut : kStreamErr;
        d.bNewline = word.size() == 3;
    }
    if (!ParseArguments(*pSyntax, rest, d, strReason))
        return false;
    if (d.eOp == kOpSeq && d.anNumbers[2] == 0) {
        strReason = "step must not be 0";
        return false;
    }
    return true;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

bool ParseStandinScript(const std::string& strScript, bool bEmulator,
                        std::vector<SStandinDirective>& directives, std::string& strError)
{
    directives.clear();
    size_t pos = 0;
    for (int nLine = 1; pos <= strScript.size(); ++nLine) {
        size_t end = strScript.find('\n', pos);
        if (end == std::string::npos)
            end = strScript.size();
        std::string line = strScript.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        SStandinDirective d;
        d.nLine = nLine;
        std::string strReason;
        if (!ParseLine(line.substr(first), bEmulator, d, strReason)) {
            strError = "line " + std::to_string(nLine) + ": " + strReason;
            return false;
        }
        directives.push_back(d);
    }
    return true;
}

std::string UnescapeStandinText(const std::string& strText)
{
    std::string out;
    out.reserve(strText.size());
    for (size_t i = 0; i < strText.size(); ++i) {
        char c = strText[i];
        if (c != '\\' || i + 1 >= strText.size()) {
            out += c;
            continue;
        }
        char e = strText[i + 1];
        static const char kEscapes[] = "\\nrt0";
        static const char kValues[] = { '\\', '\n', '\r', '\t', '\0' };
        const char* pszSimple = e != '\0' ? std::strchr(kEscapes, e) : nullptr;
        if (pszSimple) {
            out += kValues[pszSimple - kEscapes];
            ++i;
        } else if (e == 'x' && i + 3 < strText.size() && HexDigit(strText[i + 2]) >= 0 &&
                   HexDigit(strText[i + 3]) >= 0) {
            out += (char)(HexDigit(strText[i + 2]) * 16 + HexDigit(strText[i + 3]));
            i += 3;
        } else {
            out += c;
        }
    }
    return out;
}

bool IsStandinSetupDirective(const SStandinDirective& directive)
{
    switch (directive.eOp) {
    case kOpPace:
    case kOpRc:
    case kOpIgnoreExit:
    case kOpDevice:
    case kOpDevFlags:
    case kOpSet:
    case kOpInterval:
        return true;
    default:
        return false;
    }
}
