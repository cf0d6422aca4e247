// HexSimpleEdit.h: the filtered edit controls CHexSimpleEdit (hexadecimal
// digits), CDevNumEdit (device numbers: hexadecimal digits and the ':' after
// a channel-subsystem id), CAlNumEdit (letters and digits) and
// CSignedNumEdit (whole numbers with a sign).
//
// They filter typed characters only: pasted text and text the program sets
// pass unchecked, so owners still validate the value. Backspace always
// passes, and so does any character typed while Ctrl or Alt is down, so that
// the shortcuts (Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z, Ctrl+A) keep working. A
// refused character sounds the warning beep. All keep their selection
// across focus changes (CSaveSelEdit).
#pragma once

#include "platform/CSaveSelEdit.h"
#include "platform/MessageMap.h"

// Accepts 0-9, a-f and A-F.
class CHexSimpleEdit : public CSaveSelEdit {
protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// Accepts 0-9, a-f, A-F and ':'.
class CDevNumEdit : public CSaveSelEdit {
protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// Accepts the letters and digits of the current multibyte code page.
class CAlNumEdit : public CSaveSelEdit {
protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

// Accepts 0-9 and a minus sign in front of them: a whole number that the
// owner checks against its range, so that a minus typed where no negative
// value is allowed is refused with the range rather than dropped unseen.
class CSignedNumEdit : public CSaveSelEdit {
protected:
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
