// LogFileNumbering.h: names and numbers of the numbered console log files
// ("<folder><name>.<nnn><ext>") and the choice of the number that the files
// present in the log folder suggest.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Types.h"

// "%s%s.%03d%s": the folder, the base name without its extension, a dot, the
// three-digit number and the base name's extension ("console.log", 7 ->
// "console.007.log").
CString NumberedLogName(const CString& strFolder, const CString& strBaseName, int nNumber);

// The wildcard "%s%s.*%s" that matches every numbered file of a base name.
CString NumberedLogPattern(const CString& strFolder, const CString& strBaseName);

// The number of a numbered log file's name (without folder): the part
// between "<name>." and the extension when it is made of digits only
// (names compared without regard to case); -1 for any other name.
int NumberOfLogName(const CString& strFileName, const CString& strBaseName);

// The number after nCurrent: one more, 0 past nMax.
int NextLogNumber(int nCurrent, int nMax);

// One numbered log file found on disk.
struct CLogFileFound {
    int nNumber;
    LONGLONG nWriteTime;   // last-write time, any monotonic unit
};

// What the files found tell: the highest number, and the number expected
// for the current file.
struct CLogNumbering {
    int nHighest = -1;  // -1 when no file was found
    int nExpected = -1; // -1 when nothing can be told
    int nReference = -1; // the file the expectation rests on, -1 for none
};

// The numbering has wrapped when a file numbered exactly nMax exists; the
// reference file is then the one written last (on equal times the higher
// number), else the highest number below nMax. With no log file open the
// expected number is the reference plus one (0 past nMax); with one open, the
// reference itself.
CLogNumbering ExamineLogNumbers(const std::vector<CLogFileFound>& files, int nMax, bool bLogOpen);

// The numbered files of strBaseName in strFolder (plain files only).
std::vector<CLogFileFound> FindNumberedLogFiles(const CString& strFolder, const CString& strBaseName);
