// FloatText.h: the texts of the floating-point edit: the one parser that
// decides whether a text is a number, its validation against a range, the
// display format derived from a value, and the arithmetic that maps a range
// and a step onto whole spin positions. Window-free.
#pragma once

#include "platform/CString.h"

// Validation status of a floating-point text.
enum FloatTextStatus : int {
    kFloatValid = 0,        // a number within the range
    kFloatOutOfRange = 1,   // a number outside the range
    kFloatNotNumber = 2,    // no number, an empty text, or more after it
    kFloatSignOnly = 3,     // "+" or "-": a number still being typed
};

// True when the whole text (after leading blanks) is one finite decimal
// number: an optional sign, digits with an optional '.' (at least one digit),
// an optional exponent. "inf", "nan", hexadecimal forms and values that
// overflow a double are not numbers. value is set only on success.
bool ParseFloatText(const char* psz, double& value);

// The status of the text against the range lower ... upper.
FloatTextStatus ValidateFloatText(const char* psz, double lower, double upper);

// The printf format for showing value. nPrecision > 0 asks for that many
// decimals; otherwise the decimals are derived from the value's shortest
// exact form ("%.16G" without trailing zeros) and stored into nPrecision so
// that later values show as many; a value without a '.' in that form gives
// "%G" and leaves nPrecision alone.
CString FloatDisplayFormat(double value, int& nPrecision);

// The largest spin position: the up-down control's 32-bit range.
constexpr int kFPSpinMaxSteps = 0x7FFFFFFF;

// Maps lower ... upper in steps of step onto spin positions 0 ... nSteps and
// value onto nPos, each rounded and saturated to 0 ... kFPSpinMaxSteps.
// False (and nothing set) for a step that is not a positive finite number or
// bounds that are not finite or not in order.
bool FPSpinPositions(double lower, double upper, double step, double value, int& nSteps, int& nPos);

// nDelta limited so that nPos + nDelta stays within 0 ... nSteps.
int FPSpinLimitDelta(int nPos, int nDelta, int nSteps);
