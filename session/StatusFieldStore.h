// StatusFieldStore.h: CStatusFieldStore, the newest text of every register
// field and status part, with at most one message pending per field.
// Window-free; the view guards it with its status lock and posts the
// messages the store asks for.
#pragma once

#include <string>

#include "session/RegisterFields.h"
#include "session/StatusLineParser.h"

class CStatusFieldStore {
public:
    // Stores a register field's text (cut at its buffer size less one).
    // True when the caller should post the field's message: it was not
    // pending, and now is.
    bool SetRegister(int nField, const std::string& strText);

    // Stores a status part's text (cut at its buffer size less one). While a
    // message is pending only the text changes; otherwise true (post, now
    // pending) when the text differs from the stored one.
    bool SetPart(int nPart, const std::string& strText);

    // The message's handler: the newest text, the field no longer pending.
    std::string TakeRegister(int nField);
    std::string TakePart(int nPart);

    // A failed post: the field is not pending, the next report posts again.
    void PostFailedRegister(int nField) { m_register[nField].bPending = false; }
    void PostFailedPart(int nPart) { m_part[nPart].bPending = false; }

    // The newest text without touching the pending flag.
    const std::string& PeekPart(int nPart) const { return m_part[nPart].strText; }
    // Nothing pending (start-up and power-on); the texts stay.
    void ClearPending();
    // The part's field shows this text now (a placeholder): it is stored and
    // the part is no longer pending, so that the next report of any other
    // text is posted.
    void ResetPart(int nPart, const std::string& strText);

    bool RegisterPending(int nField) const { return m_register[nField].bPending; }
    bool PartPending(int nPart) const { return m_part[nPart].bPending; }

private:
    struct SField {
        std::string strText;
        bool bPending = false;
    };

    SField m_register[kRegisterFieldCount];
    SField m_part[kStatusPartCount];
};
