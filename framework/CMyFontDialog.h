// CMyFontDialog.h: the font dialog of the preference pages and the bars: the
// system's font dialog with a title of the caller's choosing, placed on the
// desktop like every other dialog.
#pragma once

#include "platform/CFontDialog.h"
#include "platform/CString.h"

class CMyFontDialog : public CFontDialog {
public:
    // Screen fonts with the effects section (underline, strike-out, colour);
    // an empty or missing title becomes "Choose Font".
    explicit CMyFontDialog(LPCSTR pszTitle = nullptr, const LOGFONTA* plfInitial = nullptr);

    // Opens on the face the system draws the initial font in: a face it
    // lacks ("Courier New" under Wine) is not in the dialog's list, which
    // then opened on its first face at its smallest size.
    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    // The font selected now (after OK: the one chosen). Unless bKeepDetails,
    // the character set becomes DEFAULT_CHARSET and the output precision,
    // clipping precision, quality and pitch-and-family 0: a description that
    // the caller can store and use on any system.
    virtual void GetSelectedFont(LOGFONTA& lf, bool bKeepDetails = false);

    const CString& GetTitle() const { return m_strTitle; }

private:
    CString m_strTitle;
};

// The portable part of a font description: what GetSelectedFont leaves
// when it does not keep the details.
void MakeFontPortable(LOGFONTA& lf);
// lf with the face the system draws it in (the same face when it has it).
void TakeDrawnFace(LOGFONTA& lf);
