// DialogMnemonicsTest.cpp: every dialog template of VornGUI.exe, read from
// the program itself: no two controls of one window share a mnemonic (the
// Alt+letter that moves to a control). A page shares its window with the
// buttons of the dialog or sheet that shows it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "resources/DeviceDialogsRes.h"
#include "resources/SysConfigRes.h"
#include "resources/resource.h"
#include "tests/resources/ProgramResources.h"

namespace {

struct Control {
    std::string strText;
    std::string strClass;  // "button", "static" or another class name
    DWORD dwStyle = 0;
};

struct Template {
    DWORD dwStyle = 0;
    std::vector<Control> controls;
};

// Reads a sz_Or_Ord field (an empty string, 0xFFFF and an ordinal, or a
// zero-ended UTF-16 string) and moves p past it; an ordinal comes back as
// "#<number>".
std::string ReadSzOrOrd(const WORD*& p)
{
    if (*p == 0xFFFF) {
        std::string str = "#" + std::to_string(p[1]);
        p += 2;
        return str;
    }
    std::string str;
    for (; *p; ++p)
        str += *p < 0x80 ? (char)*p : '?';
    ++p;
    return str;
}

const WORD* AlignDword(const WORD* p)
{
    return (const WORD*)(((ULONG_PTR)p + 3) & ~(ULONG_PTR)3);
}

// A DIALOGEX template's style and controls; false for another format.
bool ParseTemplate(const void* pData, Template& out)
{
    const WORD* p = (const WORD*)pData;
    if (p[0] != 1 || p[1] != 0xFFFF)
        return false;
    out.dwStyle = *(const DWORD*)(p + 6);
    WORD nItems = p[8];
    p += 13;  // version, signature, help id, extended style, style, count, rectangle
    ReadSzOrOrd(p);  // menu
    ReadSzOrOrd(p);  // class
    ReadSzOrOrd(p);  // title
    if (out.dwStyle & (DS_SETFONT | DS_SHELLFONT)) {
        p += 3;  // point size, weight, italic and character set
        ReadSzOrOrd(p);
    }
    for (WORD i = 0; i < nItems; ++i) {
        p = AlignDword(p);
        Control c;
        c.dwStyle = *(const DWORD*)(p + 4);
        p += 12;  // help id, extended style, style, rectangle, id
        std::string strClass = ReadSzOrOrd(p);
        if (strClass == "#128")
            strClass = "button";
        else if (strClass == "#130")
            strClass = "static";
        for (char& ch : strClass)
            ch = (char)std::tolower((unsigned char)ch);
        c.strClass = strClass;
        c.strText = ReadSzOrOrd(p);
        WORD nExtra = *p++;
        p = (const WORD*)((const BYTE*)p + nExtra);
        out.controls.push_back(c);
    }
    return true;
}

// The lower-case letter after the first single '&' ("&&" is a plain '&');
// 0 when there is none.
char Mnemonic(const std::string& str)
{
    for (size_t i = 0; i + 1 < str.size(); ++i) {
        if (str[i] != '&')
            continue;
        if (str[i + 1] != '&')
            return (char)std::tolower((unsigned char)str[i + 1]);
        ++i;
    }
    return 0;
}

// The texts of a template's controls that carry a mnemonic: buttons (group
// boxes too) and labels that do not show their '&' as it is.
std::vector<std::string> MnemonicTexts(const Template& t)
{
    std::vector<std::string> texts;
    for (const Control& c : t.controls) {
        if (c.strText.empty() || c.strText[0] == '#')
            continue;
        if (c.strClass == "static" && (c.dwStyle & SS_NOPREFIX))
            continue;
        if ((c.strClass == "button" || c.strClass == "static") && Mnemonic(c.strText))
            texts.push_back(c.strText);
    }
    return texts;
}

// Every DIALOGEX template of the program by id; the ids of any other.
struct ProgramTemplates {
    vorntest::ProgramResources program;
    std::map<UINT, Template> templates;
    std::vector<UINT> unreadable;

    ProgramTemplates()
    {
        if (program.Module())
            ::EnumResourceNamesA(program.Module(), RT_DIALOG, Collect, (LONG_PTR)this);
    }

    static BOOL CALLBACK Collect(HMODULE hModule, LPCSTR, LPSTR pszName, LONG_PTR lParam)
    {
        auto* self = (ProgramTemplates*)lParam;
        UINT nId = IS_INTRESOURCE(pszName) ? (UINT)(ULONG_PTR)pszName : 0;
        HRSRC hRes = ::FindResourceA(hModule, pszName, RT_DIALOG);
        const void* pData = hRes ? ::LockResource(::LoadResource(hModule, hRes)) : nullptr;
        Template t;
        if (!nId || !pData || !ParseTemplate(pData, t))
            self->unreadable.push_back(nId);
        else
            self->templates[nId] = t;
        return TRUE;
    }
};
}  // namespace

TEST(DialogMnemonics, NoTwoControlsOfOneWindowShareOne)
{
    ProgramTemplates program;
    ASSERT_NE(program.program.Module(), nullptr) << "VornGUI.exe beside the test";
    EXPECT_TRUE(program.unreadable.empty()) << program.unreadable.size() << " templates not DIALOGEX";
    ASSERT_GT(program.templates.size(), 80u);

    // The templates read as written: the Identification page's own letters.
    const auto& ident = program.templates.at(IDD_SYSCFG_IDENT);
    std::string strIdent;
    for (const std::string& str : MnemonicTexts(ident))
        strIdent += Mnemonic(str);
    EXPECT_EQ(strIdent, "dnilmpwcetg");

    // Bars stand alone in the main window; the communication adapter pages
    // share a property sheet with its "&Apply"; every other page shares the
    // settings dialog with its buttons.
    const UINT bars[] = {IDD_DEVLIST_BAR, IDD_CMDLINE_BAR, IDD_CONTROLS_BAR, IDD_STATUSLINE_BAR,
                         IDD_FPREGS32_BAR, IDD_REGS32_BAR, IDD_REGS64_BAR, IDD_STORAGE_BAR,
                         IDD_VREGS_BAR, IDD_CPUPCT_BAR};
    const UINT sheetPages[] = {IDD_ADD_QETH, IDD_ADD_LCS, IDD_ADD_CTCI, IDD_ADD_CTCE};
    const std::vector<std::string> settingsButtons = MnemonicTexts(program.templates.at(IDD_SETTINGS));
    const std::vector<std::string> sheetButtons = {"&Apply"};

    int nChecked = 0;
    for (const auto& [nId, t] : program.templates) {
        std::vector<std::string> texts = MnemonicTexts(t);
        if ((t.dwStyle & WS_CHILD) && std::find(std::begin(bars), std::end(bars), nId) == std::end(bars)) {
            bool bSheet = std::find(std::begin(sheetPages), std::end(sheetPages), nId) != std::end(sheetPages);
            const auto& host = bSheet ? sheetButtons : settingsButtons;
            texts.insert(texts.end(), host.begin(), host.end());
        }
        std::map<char, std::string> seen;
        for (const std::string& str : texts) {
            char ch = Mnemonic(str);
            auto it = seen.find(ch);
            if (it != seen.end())
                ADD_FAILURE() << "template " << nId << ": Alt+" << (char)std::toupper(ch) << " in \""
                              << it->second << "\" and \"" << str << "\"";
            else
                seen[ch] = str;
        }
        ++nChecked;
    }
    EXPECT_EQ(nChecked, (int)program.templates.size());
}
