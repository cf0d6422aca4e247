// WideText.cpp: ANSI to UTF-16 through the system's code page.
#include "platform/WideText.h"

#include <windows.h>

std::wstring WideFromAnsi(const char* psz)
{
    if (!psz || !*psz)
        return std::wstring();
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    if (n <= 1)
        return std::wstring();
    std::wstring w((size_t)n, L'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, psz, -1, &w[0], n) != n)
        return std::wstring();
    w.resize((size_t)n - 1);
    return w;
}
