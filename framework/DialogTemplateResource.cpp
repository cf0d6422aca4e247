// DialogTemplateResource.cpp: reading a dialog template resource and making
// a dialog that only measures.
#include "framework/DialogTemplateResource.h"

#include "platform/AfxResource.h"

namespace {

INT_PTR CALLBACK MeasuringDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

bool LoadDialogTemplate(UINT nIDTemplate, CDialogTemplateEx& tmpl)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDTemplate), (LPCSTR)RT_DIALOG);
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    return pData && tmpl.Parse(pData, ::SizeofResource(hInst, hRes));
}

HWND CreateMeasuringDialog(const std::vector<BYTE>& tmpl, HWND hParent)
{
    if (tmpl.empty())
        return nullptr;
    return ::CreateDialogIndirectParamA(AfxGetResourceHandle(), (LPCDLGTEMPLATEA)tmpl.data(), hParent,
                                        MeasuringDialogProc, 0);
}
