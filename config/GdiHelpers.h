// GdiHelpers.h: bitmap and font helpers shared by the control bars and the
// preference pages: copying a bitmap, recolouring a copy (the control
// panel's images are drawn on the key colour RGB(0, 0, 128), which becomes
// the chosen background), the five-font sets of the bars, and the
// fixed-pitch font of the read-only rich edits.
#pragma once

#include <windows.h>
#include <richedit.h>

#include "platform/CGdiObject.h"

// The key colour of the control panel's images: RGB(0, 0, 128).
const COLORREF kBitmapKeyColor = RGB(0, 0, 128);

// Replaces the destination's bitmap by a copy of the source's bits. False
// when the source cannot be read, the destination's old bitmap cannot be
// deleted (the destination is then left as it was) or the copy cannot be
// made (the destination is then empty).
bool CopyBitmap(CBitmap* pDest, const CBitmap* pSrc);

// Loads the named bitmap resources of hInst into ppOut[0..nCount) as
// LoadBitmap loads each (images in the screen's format), in one conversion:
// the images are stacked in one device-independent image, which becomes one
// screen bitmap, and each is cut from it. Each resource must be an
// uncompressed 24-bit image. False, with every ppOut empty, when one is
// missing or of another kind.
bool LoadBitmapResources(HINSTANCE hInst, const char* const* ppszNames, CBitmap* const* ppOut, size_t nCount);

// Copies the source into the destination, then each source pixel of the
// key colour becomes clrBack in the destination and, with bReplaceSecond,
// each source pixel of clrFrom becomes clrTo. True when the copy was made and
// every pixel written reads back as the colour asked for.
bool ReplaceBitmapColor(CBitmap* pDest, const CBitmap* pSrc, COLORREF clrBack, BOOL bReplaceSecond, COLORREF clrFrom,
                        COLORREF clrTo);

// A bar's appearance made again: a new heap font from the description (the
// old one deleted; a failure is traced) and a solid brush of the background.
void RemakeFontAndBrush(CFont*& pFont, const LOGFONTA& lf, CBrush& brush, COLORREF clrBack);

// Deletes each existing font of the set and clears its pointer.
void DeleteFonts(CFont*& pFont1, CFont*& pFont2, CFont*& pFont3, CFont*& pFont4, CFont*& pFont5);
// DeleteFonts, then a new font for each from the source's description, in
// order. A source without a font leaves its pointer null; false then.
bool CloneFonts(CFont*& pFont1, CFont*& pFont2, CFont*& pFont3, CFont*& pFont4, CFont*& pFont5, const CFont& src1,
                const CFont& src2, const CFont& src3, const CFont& src4, const CFont& src5);

class CWnd;

// A 10-point "Courier New" made into font (owned by the caller) and the
// rich-edit character format of it (face, character set, pitch and family,
// height in twips as the window's device shows it). The font asks for a
// fixed pitch, so that a system without Courier New gets another fixed-pitch
// face, whose name the format then carries. False when no font was made.
bool MakeFixedPitchCharFormat(CWnd* pWnd, CFont& font, CHARFORMATA& cf);
