// MyBitmapButton.h: CMyBitmapButton, the bitmap button of the control panel
// and the About box: a CBitmapButton that loads its images by caption.
#pragma once

#include "platform/CBitmapButton.h"

class CMyBitmapButton : public CBitmapButton {
public:
    ~CMyBitmapButton() override = default;
};
