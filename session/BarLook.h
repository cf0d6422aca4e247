// BarLook.h: SBarLook and IBarLook, the font and two colours of a bar that
// the preferences set (the device-list bar and the storage display/alter
// bar). The view reaches those bars only through IBarLook: their libraries
// depend on the session library, not the other way.
#pragma once

#include <windows.h>

struct SBarLook {
    LOGFONTA lf = {};         // the font description
    int nPointSize = 0;       // its size in points, as the font dialog reported it
    COLORREF crText = 0;
    COLORREF crBack = 0;
};

class IBarLook {
public:
    virtual SBarLook GetLook() const = 0;
    // Takes the font and colours into effect, stores them and redraws.
    virtual void SetLook(const SBarLook& look) = 0;

protected:
    ~IBarLook() = default;
};

// The two bars keep their look in the same members (m_lf, m_nFontSize,
// m_strFontName, m_clrText, m_clrBack) and put it into effect with
// ApplyAppearance: their IBarLook is written once, here.
template <class TBar>
SBarLook GetBarLook(const TBar& bar)
{
    SBarLook look;
    look.lf = bar.m_lf;
    look.nPointSize = bar.m_nFontSize;
    look.crText = bar.m_clrText;
    look.crBack = bar.m_clrBack;
    return look;
}

template <class TBar>
void SetBarLook(TBar& bar, const SBarLook& look)
{
    bar.m_lf = look.lf;
    bar.m_strFontName = look.lf.lfFaceName;
    if (look.nPointSize > 0)
        bar.m_nFontSize = look.nPointSize;
    bar.m_clrText = look.crText;
    bar.m_clrBack = look.crBack;
    bar.ApplyAppearance();
}
