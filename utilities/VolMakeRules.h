// VolMakeRules.h: what the VolMake dialog computes from its fields, window-
// free: the size limits of a model, the alternate cylinders and the total,
// whether a total is the model's standard one, the default output name, the
// option words, the size tail of the command line, and the large-file test
// of the output folder's volume.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The largest size of a device type without a fixed size: the total is a
// signed 32-bit number.
const int kVolMakeUnlimitedSize = 2147483647;
const int kVolMakeMinSize = 2;
// The largest fixed size in the model table (9336-20 and 9336-25): the
// upper bound of the size's own exchange for a model with a fixed size.
const int kVolMakeLargestFixedSize = 1672881;

// The model's fixed size (cylinders, blocks for FBA): 0 for a device type
// without a fixed size and for a model the table does not know.
int VolMakeModelMaximum(const CString& strModel);
// The largest size the model takes: its fixed size, else kVolMakeUnlimitedSize.
int VolMakeSizeLimit(const CString& strModel);
// The size check on OK: from 2 to VolMakeSizeLimit.
bool IsVolMakeSizeInRange(const CString& strModel, INT64 nSize);
// The check while the size is typed or left: a model without a fixed size
// takes any size up to the limit, a fixed one only 2 to its size.
bool IsVolMakeSizeAccepted(const CString& strModel, INT64 nSize);
// The alternate cylinders the total adds: those of a model with a fixed
// size while the alternate box is on, else 0.
int VolMakeAlternates(const CString& strModel, bool bAltCyls);
// True when the total is the model's own (with or without its alternates);
// a device type without a fixed size never has a standard total.
bool IsStandardVolMakeTotal(const CString& strModel, bool bAltCyls, INT64 nTotal);

// The fields the words of a run depend on.
struct SVolMakeChoice {
    CString strModel;
    int nTotal = 0;           // size plus alternates
    bool bAltCyls = false;
    bool bVol1Label = false;
    CString strVolser;        // as typed
    bool bLinux = false;
    bool bCompress = false;
    int nMethod = 0;          // 0 zlib, 1 bzip2, 2 none
    bool bLargeFile = false;
};

// The volume serial without any blank.
CString VolserWithoutBlanks(const CString& strVolser);
// "WORK01.3390-3.comp-z", "DASD.3390.cyls-5000", "DASD.3370.blks-9000".
CString VolMakeDefaultName(const SVolMakeChoice& c);
// "-linux -z -a -lfs", "-r" ...
CString VolMakeOptionWords(const SVolMakeChoice& c);
// "3390-3 WORK01", "3390 5000", "0671 WORK01 9000".
CString VolMakeSizeTail(const SVolMakeChoice& c);

// The root ("C:\") whose file system the large-file check asks for a
// folder; empty when the folder names no drive (a UNC path), so there is
// nothing to ask.
CString LargeFileCheckRoot(const char* pszDir);
// True for a file system without files beyond 2 GB ("FAT", "FAT32", any
// case).
bool IsFileSystemWithoutLargeFiles(const char* pszFileSystem);
