// FloatText.cpp: parsing, validation and formatting of floating-point texts
// and the spin position arithmetic.
#include "framework/FloatText.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips a run of digits; returns how many there were.
int SkipDigits(const char*& p)
{
    int n = 0;
    while (IsDigit(*p)) {
        ++p;
        ++n;
    }
    return n;
}

// True when p starts a complete decimal number that ends the text.
bool IsWholeNumber(const char* p)
{
    if (*p == '+' || *p == '-')
        ++p;
    int nDigits = SkipDigits(p);
    if (*p == '.') {
        ++p;
        nDigits += SkipDigits(p);
    }
    if (nDigits == 0)
        return false;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-')
            ++p;
        if (SkipDigits(p) == 0)
            return false;
    }
    return *p == '\0';
}

// Rounds a non-negative quotient to a position within 0 ... kFPSpinMaxSteps.
int SaturatedSteps(double q)
{
    if (!(q > 0.0))
        return 0;
    double r = std::floor(q + 0.5);
    return r >= (double)kFPSpinMaxSteps ? kFPSpinMaxSteps : (int)r;
}

}  // namespace

bool ParseFloatText(const char* psz, double& value)
{
    if (psz == nullptr)
        return false;
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (!IsWholeNumber(psz))
        return false;
    double d = std::strtod(psz, nullptr);
    if (!std::isfinite(d))
        return false;
    value = d;
    return true;
}

FloatTextStatus ValidateFloatText(const char* psz, double lower, double upper)
{
    if (psz != nullptr && (psz[0] == '+' || psz[0] == '-') && psz[1] == '\0')
        return kFloatSignOnly;
    double d = 0.0;
    if (!ParseFloatText(psz, d))
        return kFloatNotNumber;
    return (d > upper || d < lower) ? kFloatOutOfRange : kFloatValid;
}

CString FloatDisplayFormat(double value, int& nPrecision)
{
    CString strFormat;
    if (nPrecision <= 0) {
        CString strValue;
        strValue.Format("%.16G", value);
        int nDot = strValue.Find('.');
        if (nDot < 0)
            return CString("%G");
        CString strDecimals = strValue.Mid(nDot + 1);
        int n = strDecimals.GetLength();
        while (n > 0 && strDecimals[n - 1] == '0')
            --n;
        nPrecision = n;
    }
    strFormat.Format("%%.%df", nPrecision);
    return strFormat;
}

bool FPSpinPositions(double lower, double upper, double step, double value, int& nSteps, int& nPos)
{
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(lower) || !std::isfinite(upper) || lower > upper)
        return false;
    // The span itself may overflow (DBL_MAX - -DBL_MAX); divided first it does not.
    nSteps = SaturatedSteps(upper / step - lower / step);
    nPos = std::isfinite(value) ? SaturatedSteps(value / step - lower / step) : 0;
    if (nPos > nSteps)
        nPos = nSteps;
    return true;
}

int FPSpinLimitDelta(int nPos, int nDelta, int nSteps)
{
    long long target = (long long)nPos + nDelta;
    if (target < 0)
        target = 0;
    if (target > nSteps)
        target = nSteps;
    return (int)(target - nPos);
}
