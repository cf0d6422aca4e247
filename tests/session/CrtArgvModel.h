// CrtArgvModel.h: how the C runtime of a Windows program splits its command
// line into argv, for checking the command lines we build. The program word
// runs to the first blank or tab, or, when it begins with '"', to the next
// '"' (no escapes). The argument words follow the runtime's rules: blanks
// and tabs separate words outside quotation marks; 2n backslashes before a
// '"' give n backslashes and the '"' opens or closes quoting; 2n+1 give n
// backslashes and a literal '"'; "" inside quotation marks is a literal '"';
// other backslashes are literal.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> SplitCrtCommandLine(const std::string& strLine)
{
    std::vector<std::string> argv;
    const char* p = strLine.c_str();
    std::string word;
    if (*p == '"') {
        while (*++p && *p != '"')
            word += *p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t')
            word += *p++;
    }
    argv.push_back(word);
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            break;
        word.clear();
        bool bInQuote = false;
        for (;;) {
            bool bCopy = true;
            size_t nSlashes = 0;
            while (*p == '\\') {
                ++p;
                ++nSlashes;
            }
            if (*p == '"') {
                if (nSlashes % 2 == 0) {
                    if (bInQuote && p[1] == '"') {
                        ++p;
                    } else {
                        bCopy = false;
                        bInQuote = !bInQuote;
                    }
                }
                nSlashes /= 2;
            }
            word.append(nSlashes, '\\');
            if (!*p || (!bInQuote && (*p == ' ' || *p == '\t')))
                break;
            if (bCopy)
                word += *p;
            ++p;
        }
        argv.push_back(word);
    }
    return argv;
}
