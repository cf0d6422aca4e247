// ConfigMessages.cpp: the user-message hook of the configuration code.
#include "config/ConfigMessages.h"

static ConfigErrorMessageHook s_pfnErrorMessage = nullptr;

ConfigErrorMessageHook SetConfigErrorMessageHook(ConfigErrorMessageHook pfnHook)
{
    ConfigErrorMessageHook pfnOld = s_pfnErrorMessage;
    s_pfnErrorMessage = pfnHook;
    return pfnOld;
}

void ShowConfigErrorMessage(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError)
{
    if (s_pfnErrorMessage)
        s_pfnErrorMessage(pszText, pszDetail ? pszDetail : "", dwError);
}

static ConfigMessageBoxHook s_pfnMessageBox = nullptr;

ConfigMessageBoxHook SetConfigMessageBoxHook(ConfigMessageBoxHook pfnHook)
{
    ConfigMessageBoxHook pfnOld = s_pfnMessageBox;
    s_pfnMessageBox = pfnHook;
    return pfnOld;
}

void ShowConfigMessageBox(LPCSTR pszMain, LPCSTR pszDetail, LPCSTR pszCaption, UINT nFlags)
{
    if (s_pfnMessageBox)
        s_pfnMessageBox(pszMain, pszDetail ? pszDetail : "", pszCaption, nFlags);
}
