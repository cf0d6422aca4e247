// LogNumberingTexts.h: the texts of the two questions that keep the numbered
// log files in step with the files on disk: "Maximum logfiles exceeded" and
// "Logfile Numbering". Window-free; LogNumberingQuestions shows them.
#pragma once

#include "platform/CString.h"

// One question: a warning with two command links, 6 (recommended, the
// default) and 5, and details behind "More Information".
struct LogNumberingQuestion {
    const char* pszName;  // the task dialog's name ("WLTDI_...")
    CString strTitle, strInstruction, strContent, strDetails, strLink6, strLink5;
};

// More numbered log files exist than the maximum allows: nMaxFileNum is the
// stored maximum, nHighest the highest number found.
LogNumberingQuestion MaxLogfilesExceededQuestion(int nMaxFileNum, int nHighest);

// The next (bOpen false) or current (bOpen true) number differs from the one
// the files on disk suggest. strBase is the base name, nCur the stored
// number, nExpected the suggested one, strFolder the log folder.
LogNumberingQuestion ResyncLogfileNumbersQuestion(bool bOpen, const CString& strBase, int nCur, int nExpected,
                                                  const CString& strFolder);
