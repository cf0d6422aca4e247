// WLTaskDialog.cpp: named task dialogs with stored answers.
#include "platform/WLTaskDialog.h"

#include <cstring>
#include <cwchar>

#include "platform/AfxAssert.h"
#include "platform/AutoTaskDialog.h"
#include "platform/ProfileStore.h"

const wchar_t kWLTDIDontAskAgain[] = L"Don't ask me this again.";

namespace {

const char kSection[] = "WLTaskDialogs";
const int kNoAnswer = -1;

bool IsSuppressible(const TASKDIALOGCONFIG* pConfig)
{
    PCWSTR p = pConfig->pszVerificationText;
    return p && !IS_INTRESOURCE(p) && std::wcscmp(p, kWLTDIDontAskAgain) == 0;
}

}  // namespace

HRESULT WLTaskDialogIndirect(LPCSTR pszName, const TASKDIALOGCONFIG* pConfig, int* pnButton, int* pnRadioButton,
                             BOOL* pfVerificationFlagChecked)
{
    ASSERT(pszName && std::strncmp(pszName, "WLTDI_", 6) == 0);
    bool bSuppressible = pConfig && IsSuppressible(pConfig);
    if (bSuppressible) {
        int stored = (int)ProfileGetInt(kSection, pszName, kNoAnswer);
        if (stored != kNoAnswer) {
            if (pnButton)
                *pnButton = stored;
            if (pnRadioButton)
                *pnRadioButton = 0;
            if (pfVerificationFlagChecked)
                *pfVerificationFlagChecked = TRUE;
            return S_OK;
        }
    }
    int nButton = 0;
    BOOL fVerify = FALSE;
    HRESULT hr = AutoTaskDialog(pConfig, &nButton, pnRadioButton, &fVerify);
    if (SUCCEEDED(hr) && bSuppressible && fVerify && nButton != IDCANCEL)
        ProfileWriteInt(kSection, pszName, nButton);
    if (pnButton)
        *pnButton = nButton;
    if (pfVerificationFlagChecked)
        *pfVerificationFlagChecked = fVerify;
    return hr;
}

BOOL WLTaskDialogForget(LPCSTR pszName)
{
    return ProfileWriteString(kSection, pszName, nullptr);
}
