// CmdEdit.h: CCmdEdit, the command line's edit. A paste at the end of the
// text (or into an empty edit) leaves out the white space that ends the
// clipboard's text, so that a line copied with its line end does not send
// the command at once; the clipboard itself is never changed.
#pragma once

#include "platform/CSaveSelEdit.h"

class CCmdEdit : public CSaveSelEdit {
    DECLARE_MESSAGE_MAP()
protected:
    LRESULT OnPasteMsg(WPARAM wp, LPARAM lp);
};
