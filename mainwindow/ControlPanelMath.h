// ControlPanelMath.h: the operator control panel's arithmetic that needs no
// window: the four Load Unit dials and their text, one turn of a dial by
// where it was clicked, the meter needle's smoothing and geometry, and the
// About box's support mail links. Window-free.
#pragma once

#include <string>

#include "platform/Types.h"

// The load unit shown by the four dials, most significant digit first.
struct SLoadUnitDials {
    int nDigit[4] = {0, 0, 0, 0};
};

// The dials of a load-unit text: four hexadecimal digits (either case) give
// their values; any other text (empty, another length, a character that is
// not a hexadecimal digit) gives 0000. False when the text was replaced.
bool DialsFromLoadUnit(const char* pszText, SLoadUnitDials& dials);
// The load-unit text of the dials: "%X%X%X%X".
std::string LoadUnitText(const SLoadUnitDials& dials);

// One step of a dial clicked at x, the dial spanning nLeft..nRight: right of
// the middle (left + (right - left) / 2) turns it up, F+1 giving 0; at or
// left of the middle down, 0-1 giving F.
int TurnDialDigit(int nDigit, int x, int nLeft, int nRight);

// The meter needle: each drawing moves it a third of the way from where it
// was towards the meter value, except that 0.0 returns it to rest at once.
class CMeterNeedle {
public:
    // The smoothed value for this drawing (remembered for the next one).
    double Next(double dValue);
    double Previous() const { return m_dPrev; }

private:
    double m_dPrev = 0.0;
};
// The needle's angle in degrees counter-clockwise from the x axis: 124 at
// rest, 59 fully busy.
double NeedleAngle(double dSmoothed);
// The needle's centre below the meter control's rectangle.
void NeedleCentre(int nLeft, int nTop, int nRight, int nBottom, int& x, int& y);
const int kNeedleRadius = 120;

// "mailto:" + address + "?subject=" + the product name, " -- Version " and
// the version: the program support link of the About box.
std::string BuildSupportMailLink(const std::string& strAddress, const char* pszProduct, const char* pszVersion);
// "mailto:" + address + "?subject=BUG REPORT: " + the product name,
// " -- Version " and the version: the Help menu's bug report.
std::string BuildBugReportMailLink(const std::string& strAddress, const char* pszProduct, const char* pszVersion);
// "mailto:" + address + "?subject=Vornamic support question".
std::string BuildEmulatorMailLink(const std::string& strAddress);
