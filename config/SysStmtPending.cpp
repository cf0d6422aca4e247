// SysStmtPending.cpp: the handlers listed in SysStmtHandlers.inc. Each keeps
// its statement verbatim for now; the writer puts such lines back as read.
#include "config/CVornConfigFile.h"

#define VORN_SYSSTMT_HANDLER(name)                                                            \
    bool CVornConfigFile::name(CVornConfigFile& cfg, const CString& strLine, CStringList& tokens, \
                               CString& strError)                                             \
    {                                                                                         \
        return KeepStatement(cfg, strLine, tokens, strError);                                 \
    }
#include "config/SysStmtHandlers.inc"
#undef VORN_SYSSTMT_HANDLER
