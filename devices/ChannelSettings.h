// ChannelSettings.h: a line printer's channel settings, window-free: the
// forms-control-buffer texts ("fcb=", every printer but the 1403) and the
// carriage-control tape texts ("cctape=", the 1403), their check, their
// predefined names, and the values the two editors show.
//
// A forms control buffer is 26 digits (lines per page, then the line of
// channels 1 to 12, two digits each), a list "CC:LL,..." or a name. A tape
// is "(line=channel,...)" or a name. Both text forms hold two-digit lines,
// so the editors keep every line below 100.
#pragma once

#include "platform/CString.h"

// The legacy defaults an empty field stands for.
extern const char kLegacyFCB[];     // "01:01,02:07,...,12:61"
extern const char kLegacyCCTape[];  // "(1=1,7=2,...,61=12)"

// "legacy", "fcb2std2" and "fcb2id1" in both forms (any case); "hardware"
// in the forms-control-buffer form only.
bool IsChannelStyleName(const CString& strName, bool bCCTape);

// 0 when the text is acceptable; else 26 (old form not 26 digits), 27 (page
// length 0), 28 (unknown name), 29 (syntax) or the channel (1 to 12) whose
// line exceeds the page length. An empty text first becomes the legacy
// default of its form.
int CheckChannelSettings(CString& strSettings, bool bCCTape);
// The balloon text of a code of CheckChannelSettings for that text.
CString ChannelSettingsMessage(int nCode, const CString& strSettings);

const int kChannels = 12;
const unsigned kMaxFCBLine = 99;    // two digits in both text forms
const unsigned kMaxTapeLine = 255;

struct SFCBValues {
    unsigned nLinesPerPage = 66;
    unsigned nChannelLine[kChannels] = {};  // 0: no stop
};
// The text into the values: the old form sets the page length too; a name
// becomes its list; a list sets the channels it names (the others 0) and
// raises the page length to its highest line, so that a list opened and
// taken unchanged passes the editor's range checks. Empty: legacy, 66.
void ParseFCB(const CString& strFCB, SFCBValues& values);
// The values as text: 26 digits when strOriginal is all digits, else the
// list of the channels that stop; a list equal to a name's becomes the name.
CString FormatFCB(const SFCBValues& values, const CString& strOriginal);

struct SCCTapeValues {
    unsigned nLine[kChannels] = {};
    unsigned nChannel[kChannels] = {};
    int nPunches = 0;  // the items of the text (may exceed twelve)
};
// "(line=channel,...)" or a name into the twelve rows (lines 0 to 255,
// channels 1 to 12); rows without an item get line 0 and the last item's
// channel (1 without any). nPunches counts every item.
void ParseCCTape(const CString& strTape, SCCTapeValues& values);
// The rows whose line is not 0 as "(line=channel,...)"; a tape equal to a
// name's becomes the name.
CString FormatCCTape(const SCCTapeValues& values);
