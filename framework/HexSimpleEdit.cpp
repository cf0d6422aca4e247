// HexSimpleEdit.cpp: the typed-character filters of CHexSimpleEdit,
// CDevNumEdit, CAlNumEdit and CSignedNumEdit.
#include "framework/HexSimpleEdit.h"

#include <cctype>
#include <mbctype.h>
#include <mbstring.h>

#include "platform/MessageBoxes.h"

namespace {

// True while either Ctrl or either Alt key is down: the character is then
// part of a shortcut, not text.
bool ShortcutKeyDown()
{
    const int keys[] = {VK_LMENU, VK_RMENU, VK_LCONTROL, VK_RCONTROL};
    for (int vk : keys)
        if (::GetAsyncKeyState(vk) & 0x8000)
            return true;
    return false;
}

// Lets the edit take the character when bAccepted, backspace or a shortcut;
// otherwise drops it with a beep.
void FilterChar(CEdit& edit, bool bAccepted, UINT nChar)
{
    if (bAccepted || nChar == VK_BACK || ShortcutKeyDown())
        edit.Default();
    else
        MyMessageBeep();
}

bool IsHexChar(UINT nChar)
{
    return nChar < 0x80 && std::isxdigit((int)nChar);
}

}  // namespace

BEGIN_MESSAGE_MAP(CHexSimpleEdit, CSaveSelEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CHexSimpleEdit::OnChar(UINT nChar, UINT, UINT)
{
    FilterChar(*this, IsHexChar(nChar), nChar);
}

BEGIN_MESSAGE_MAP(CDevNumEdit, CSaveSelEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CDevNumEdit::OnChar(UINT nChar, UINT, UINT)
{
    FilterChar(*this, IsHexChar(nChar) || nChar == ':', nChar);
}

BEGIN_MESSAGE_MAP(CAlNumEdit, CSaveSelEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CAlNumEdit::OnChar(UINT nChar, UINT, UINT)
{
    FilterChar(*this, nChar <= 0xFF && _ismbcalnum(nChar) != 0, nChar);
}

BEGIN_MESSAGE_MAP(CSignedNumEdit, CSaveSelEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// What the typed character replaces is the selection (or nothing at the
// caret); a digit or a minus may not land in front of a minus, and the minus
// only goes at the very start.
void CSignedNumEdit::OnChar(UINT nChar, UINT, UINT)
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    CString strText;
    GetWindowText(strText);
    bool bBeforeMinus = nEnd < strText.GetLength() && strText[nEnd] == '-';
    bool bAccepted = false;
    if (nChar >= '0' && nChar <= '9')
        bAccepted = !bBeforeMinus;
    else if (nChar == '-')
        bAccepted = nStart == 0 && !bBeforeMinus;
    FilterChar(*this, bAccepted, nChar);
}
