// LogNumberingTexts.cpp: the log numbering questions' texts.
#include "session/LogNumberingTexts.h"

#include "session/LogFileNumbering.h"

LogNumberingQuestion MaxLogfilesExceededQuestion(int nMaxFileNum, int nHighest)
{
    LogNumberingQuestion q;
    q.pszName = "WLTDI_MaxLogfilesExceeded";
    q.strTitle = " Maximum logfiles exceeded";
    q.strInstruction = "Maximum logfiles value too small.";
    q.strContent = "There exists more logfiles in the chosen directory than the currently specified desired "
                   "maximum.\n\nShould the maximum value be increased?";
    q.strDetails.Format("Your maximum number of logfiles value is currently set to %d, but the actual number of "
                        "logfiles that already exist in your chosen logfiles directory is %d.\n\nTo correct the "
                        "problem you can either increase the maximum number of logfiles setting so that it matches "
                        "the number of logfiles that already exist in the chosen directory (recommended) or else "
                        "manually remove the excess logfiles from the directory if they are no longer needed.",
                        nMaxFileNum + 1, nHighest + 1);
    q.strLink6 = "Increase the maximum value.\nAdjust your setting to match reality.\n(recommended)";
    q.strLink5 = "Do nothing\nKeep your current setting. (Note: may cause confusion)";
    return q;
}

LogNumberingQuestion ResyncLogfileNumbersQuestion(bool bOpen, const CString& strBase, int nCur, int nExpected,
                                                  const CString& strFolder)
{
    LogNumberingQuestion q;
    q.pszName = "WLTDI_ResyncLogfileNums";
    q.strTitle = " Logfile Numbering";
    q.strInstruction = "Inconsistent or unsynchronized logfile numbering";
    q.strLink5 = "Keep the current numbering\nLogfile numbering will remain unsynchronized.";
    // With a file open the question is about the next run's file: one more.
    int nShown = bOpen ? 1 : 0;
    CString strCur = NumberedLogName("", strBase, nCur + nShown);
    CString strExp = NumberedLogName("", strBase, nExpected + nShown);
    if (!bOpen) {
        q.strContent.Format("Would you like me to automatically change the current logfile number to %03d so that "
                            "the logfile that is created is \"%s\" instead?",
                            nExpected, strExp.GetString());
        q.strDetails.Format("Automatic logging is currently enabled and the logfile about to be created is \"%s\"."
                            "\n\nHowever, looking at the other log files that already exist in directory \"%s\", "
                            "it looks like the logfile that should be created should probably be \"%s\" instead.",
                            strCur.GetString(), strFolder.GetString(), strExp.GetString());
        q.strLink6.Format("Resynchronize logfile numbering\nCorrect the error by creating logfile number %03d "
                          "instead.\n(recommended)",
                          nExpected);
    } else {
        q.strContent.Format("Would you like me to change the current logfile number to %03d so that the NEXT time "
                            "VornGUI runs, logfile \"%s\" is used instead?",
                            nExpected, strExp.GetString());
        q.strDetails.Format("Automatic logfile numbering is currently enabled, and the last-used logfile number is "
                            "currently set to %d. This value will be automatically incremented whenever VornGUI "
                            "exits so that, currently, the logfile that will be automatically created the NEXT time "
                            "VornGUI is run will be \"%s\".\n\nHowever, looking at the other log files that already "
                            "exist in directory \"%s\", it looks like the logfile that should be used next should "
                            "probably be \"%s\" instead.",
                            nCur, strCur.GetString(), strFolder.GetString(), strExp.GetString());
        q.strLink6.Format("Resynchronize logfile numbering\nCorrect the error by setting the current logfile number "
                          "to %03d for next time.\n(recommended)",
                          nExpected);
    }
    return q;
}
