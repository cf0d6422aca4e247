// ScrollBarPart.h: which part of a scroll bar a point is over, from the
// bar's length, its arrow buttons' size and its thumb's extent (as
// SCROLLBARINFO gives them, measured along the bar from its start).
#pragma once

enum EScrollBarPart {
    kScrollBarOutside = -1,
    kScrollBarArrowBack = 0,    // the up or left arrow
    kScrollBarTrackBack,        // the track before the thumb
    kScrollBarThumb,
    kScrollBarTrackForward,     // the track after the thumb
    kScrollBarArrowForward,     // the down or right arrow
};

// nOffset: the point's distance from the bar's start; nLength: the bar's
// length; nArrow: each arrow button's length; nThumbStart, nThumbEnd: the
// thumb's extent (equal when the bar shows no thumb).
EScrollBarPart ScrollBarPartAt(int nOffset, int nLength, int nArrow, int nThumbStart, int nThumbEnd);
