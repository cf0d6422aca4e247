// DialogTemplateExTest.cpp: reading an extended dialog template byte by
// byte, copies that leave controls out, and templates that are not ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DialogTemplateEx.h"

namespace {

// Writes a template as the resource compiler lays it out.
struct Writer {
    std::vector<BYTE> bytes;
    void Word(WORD w)
    {
        bytes.push_back((BYTE)(w & 0xFF));
        bytes.push_back((BYTE)(w >> 8));
    }
    void Dword(DWORD d)
    {
        Word((WORD)(d & 0xFFFF));
        Word((WORD)(d >> 16));
    }
    void String(const std::u16string& s)
    {
        for (char16_t c : s)
            Word((WORD)c);
        Word(0);
    }
    void Ordinal(WORD w)
    {
        Word(0xFFFF);
        Word(w);
    }
    void Align()
    {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }
};

struct ItemSpec {
    DWORD nId;
    DWORD dwStyle;
    WORD wClassOrdinal;       // 0: named
    std::u16string strClass;
    WORD wTitleOrdinal;       // 0: text (empty: none)
    std::u16string strTitle;
    std::vector<BYTE> data;
};

const DWORD kWsChild = 0x40000000, kDsSetFont = 0x40;

std::vector<BYTE> MakeTemplate(DWORD dwDialogStyle, const std::vector<ItemSpec>& items)
{
    Writer w;
    w.Word(1);
    w.Word(0xFFFF);
    w.Dword(0);  // help id
    w.Dword(0);  // extended style
    w.Dword(dwDialogStyle);
    w.Word((WORD)items.size());
    for (short v : {0, 0, 112, 120})
        w.Word((WORD)v);
    w.Word(0);           // no menu
    w.Word(0);           // the default class
    w.String(u"Bar");    // title
    if (dwDialogStyle & kDsSetFont) {
        w.Word(8);
        w.Word(400);
        w.bytes.push_back(0);
        w.bytes.push_back(1);
        w.String(u"MS Shell Dlg");
    }
    short y = 8;
    for (const ItemSpec& item : items) {
        w.Align();
        w.Dword(item.nId + 1000);  // help id
        w.Dword(0x200);            // extended style
        w.Dword(item.dwStyle);
        for (short v : {(short)7, y, (short)16, (short)8})
            w.Word((WORD)v);
        w.Dword(item.nId);
        if (item.wClassOrdinal)
            w.Ordinal(item.wClassOrdinal);
        else
            w.String(item.strClass);
        if (item.wTitleOrdinal)
            w.Ordinal(item.wTitleOrdinal);
        else if (item.strTitle.empty())
            w.Word(0);
        else
            w.String(item.strTitle);
        w.Word((WORD)item.data.size());
        w.bytes.insert(w.bytes.end(), item.data.begin(), item.data.end());
        y = (short)(y + 12);
    }
    return w.bytes;
}

const std::vector<ItemSpec> kItems = {
    {2400, kWsChild, 0x82, u"", 0, u"00:", {}},
    {2500, kWsChild | 1, 0, u"msctls_progress32", 0, u"", {0xAB, 0xCD, 0xEF}},
    {2600, kWsChild | 2, 0x82, u"", 0, u"0%", {}},
    {7, kWsChild, 0x82, u"", 42, u"", {}},
};

void ExpectItemsMatch(const std::vector<ItemSpec>& specs, const std::vector<SDialogTemplateItem>& items,
                      const std::vector<short>& ys)
{
    ASSERT_EQ(specs.size(), items.size());
    for (size_t i = 0; i < specs.size(); ++i) {
        const ItemSpec& s = specs[i];
        const SDialogTemplateItem& it = items[i];
        EXPECT_EQ(s.nId, it.nId) << i;
        EXPECT_EQ(s.nId + 1000, it.dwHelpId) << i;
        EXPECT_EQ(0x200u, it.dwExStyle) << i;
        EXPECT_EQ(s.dwStyle, it.dwStyle) << i;
        EXPECT_EQ(7, it.x) << i;
        EXPECT_EQ(ys[i], it.y) << i;
        EXPECT_EQ(16, it.cx) << i;
        EXPECT_EQ(8, it.cy) << i;
        EXPECT_EQ(s.wClassOrdinal, it.wClassOrdinal) << i;
        EXPECT_TRUE(s.strClass == it.strClass) << i;
        EXPECT_EQ(s.wTitleOrdinal, it.wTitleOrdinal) << i;
        EXPECT_TRUE(s.strTitle == it.strTitle) << i;
        EXPECT_EQ(s.data, it.creationData) << i;
    }
}

}  // namespace

TEST(DialogTemplateEx, ReadsEachItemWithAndWithoutTheFont)
{
    for (DWORD dwStyle : {kWsChild | kDsSetFont, kWsChild}) {
        std::vector<BYTE> bytes = MakeTemplate(dwStyle, kItems);
        CDialogTemplateEx tmpl;
        ASSERT_TRUE(tmpl.Parse(bytes.data(), bytes.size())) << dwStyle;
        ExpectItemsMatch(kItems, tmpl.Items(), {8, 20, 32, 44});
        EXPECT_EQ(112, tmpl.Width());
        EXPECT_EQ(120, tmpl.Height());
        ASSERT_NE(nullptr, tmpl.Find(2600));
        EXPECT_TRUE(tmpl.Find(2600)->strTitle == u"0%");
        EXPECT_EQ(nullptr, tmpl.Find(2401));
        // Items start on double words; the last ends the template.
        for (const SDialogTemplateItem& item : tmpl.Items())
            EXPECT_EQ(0u, item.nOffset % 4) << item.nId;
        EXPECT_EQ(bytes.size(), tmpl.Items().back().nOffset + tmpl.Items().back().nSize);
    }
}

// A copy keeps the header and the chosen items in their order, and is a
// template of its own: read again, it has exactly those items.
TEST(DialogTemplateEx, CopiesLeaveOutTheItemsNotKept)
{
    std::vector<BYTE> bytes = MakeTemplate(kWsChild | kDsSetFont, kItems);
    CDialogTemplateEx tmpl;
    ASSERT_TRUE(tmpl.Parse(bytes.data(), bytes.size()));
    struct Case {
        const char* pszName;
        std::vector<size_t> kept;  // indexes into kItems
    };
    const Case cases[] = {
        {"all", {0, 1, 2, 3}},
        {"none", {}},
        {"without the progress bar", {0, 2, 3}},  // the item after creation data moves up
        {"only the last", {3}},
    };
    for (const Case& c : cases) {
        std::vector<ItemSpec> specs;
        std::vector<short> ys;
        for (size_t i : c.kept) {
            specs.push_back(kItems[i]);
            ys.push_back((short)(8 + 12 * i));
        }
        std::vector<BYTE> copy = tmpl.Filtered([&](const SDialogTemplateItem& item) {
            for (const ItemSpec& s : specs)
                if (s.nId == item.nId)
                    return true;
            return false;
        });
        CDialogTemplateEx again;
        ASSERT_TRUE(again.Parse(copy.data(), copy.size())) << c.pszName;
        ExpectItemsMatch(specs, again.Items(), ys);
        if (c.kept.size() == kItems.size()) {
            EXPECT_EQ(bytes, copy) << c.pszName;
        }
    }
}

TEST(DialogTemplateEx, RefusesWhatIsNotAWholeExtendedTemplate)
{
    std::vector<BYTE> bytes = MakeTemplate(kWsChild | kDsSetFont, kItems);
    CDialogTemplateEx tmpl;
    // Every shorter length cuts the header or an item.
    for (size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_FALSE(tmpl.Parse(bytes.data(), n)) << n;
        EXPECT_TRUE(tmpl.Items().empty()) << n;
        EXPECT_EQ(0, tmpl.Width() + tmpl.Height()) << n;
        EXPECT_TRUE(tmpl.Filtered([](const SDialogTemplateItem&) { return true; }).empty()) << n;
    }
    // A plain template (DLGTEMPLATE) or another signature.
    for (WORD wSecond : {(WORD)0x0000, (WORD)0xFFFE}) {
        std::vector<BYTE> other = bytes;
        other[2] = (BYTE)(wSecond & 0xFF);
        other[3] = (BYTE)(wSecond >> 8);
        EXPECT_FALSE(tmpl.Parse(other.data(), other.size())) << wSecond;
    }
    // More items announced than there are.
    std::vector<BYTE> more = bytes;
    more[16] = 5;
    EXPECT_FALSE(tmpl.Parse(more.data(), more.size()));
}
