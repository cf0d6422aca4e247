// DialogTemplateEx.cpp: reading and filtering an extended dialog template.
#include "framework/DialogTemplateEx.h"

#include <cstring>

namespace {

const WORD kDsSetFont = 0x40;     // DS_SETFONT
const WORD kDsShellFont = 0x48;   // DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// Reads little-endian words and double words from a bounded buffer; any read
// past the end marks the reader bad and yields zero.
class CReader {
public:
    CReader(const std::vector<BYTE>& data, size_t nPos) : m_data(data), m_nPos(nPos) {}

    WORD Word()
    {
        if (m_nPos + 2 > m_data.size()) {
            m_bBad = true;
            m_nPos = m_data.size();
            return 0;
        }
        WORD w = (WORD)(m_data[m_nPos] | (m_data[m_nPos + 1] << 8));
        m_nPos += 2;
        return w;
    }
    DWORD Dword()
    {
        DWORD lo = Word();
        return lo | ((DWORD)Word() << 16);
    }
    // A zero-terminated UTF-16 string.
    std::u16string String()
    {
        std::u16string s;
        for (WORD w = Word(); w && !m_bBad; w = Word())
            s.push_back((char16_t)w);
        return s;
    }
    // A string or, after 0xFFFF, an ordinal; 0x0000 alone is neither.
    void StringOrOrdinal(WORD& wOrdinal, std::u16string& s)
    {
        wOrdinal = 0;
        s.clear();
        WORD w = Word();
        if (w == 0xFFFF) {
            wOrdinal = Word();
        } else if (w != 0) {
            s.push_back((char16_t)w);
            s += String();
        }
    }
    void Skip(size_t n)
    {
        if (m_nPos + n > m_data.size()) {
            m_bBad = true;
            m_nPos = m_data.size();
            return;
        }
        m_nPos += n;
    }
    void AlignDword() { Skip((4 - m_nPos % 4) % 4); }

    size_t Pos() const { return m_nPos; }
    bool Bad() const { return m_bBad; }

private:
    const std::vector<BYTE>& m_data;
    size_t m_nPos;
    bool m_bBad = false;
};

const size_t kStyleOffset = 12;  // style, after version, signature, help id and ex style
const size_t kCountOffset = 16;  // cDlgItems, after the style
const DWORD kWsVisible = 0x10000000;

}  // namespace

bool CDialogTemplateEx::Parse(const void* pData, size_t nSize)
{
    m_items.clear();
    m_nHeaderSize = 0;
    m_cx = m_cy = 0;
    m_data.assign((const BYTE*)pData, (const BYTE*)pData + nSize);
    CReader r(m_data, 0);
    if (r.Word() != 1 || r.Word() != 0xFFFF) {
        m_data.clear();
        return false;
    }
    r.Dword();                  // help id
    r.Dword();                  // extended style
    DWORD dwStyle = r.Dword();
    WORD nItems = r.Word();
    r.Skip(4);                  // x, y
    short cx = (short)r.Word();
    short cy = (short)r.Word();
    WORD wOrdinal;
    std::u16string s;
    r.StringOrOrdinal(wOrdinal, s);  // menu
    r.StringOrOrdinal(wOrdinal, s);  // window class
    r.String();                      // title
    if ((dwStyle & kDsSetFont) || (dwStyle & kDsShellFont) == kDsShellFont) {
        r.Skip(6);   // point size, weight, italic, character set
        r.String();  // typeface
    }
    m_nHeaderSize = r.Pos();
    m_cx = cx;
    m_cy = cy;
    for (WORD i = 0; i < nItems && !r.Bad(); ++i) {
        r.AlignDword();
        SDialogTemplateItem item;
        item.nOffset = r.Pos();
        item.dwHelpId = r.Dword();
        item.dwExStyle = r.Dword();
        item.dwStyle = r.Dword();
        item.x = (short)r.Word();
        item.y = (short)r.Word();
        item.cx = (short)r.Word();
        item.cy = (short)r.Word();
        item.nId = r.Dword();
        r.StringOrOrdinal(item.wClassOrdinal, item.strClass);
        r.StringOrOrdinal(item.wTitleOrdinal, item.strTitle);
        WORD nExtra = r.Word();
        size_t nExtraAt = r.Pos();
        r.Skip(nExtra);
        if (r.Bad())
            break;
        item.creationData.assign(m_data.begin() + (std::ptrdiff_t)nExtraAt,
                                 m_data.begin() + (std::ptrdiff_t)(nExtraAt + nExtra));
        item.nSize = r.Pos() - item.nOffset;
        m_items.push_back(std::move(item));
    }
    if (r.Bad() || m_items.size() != nItems) {
        m_items.clear();
        m_data.clear();
        m_nHeaderSize = 0;
        m_cx = m_cy = 0;
        return false;
    }
    return true;
}

const SDialogTemplateItem* CDialogTemplateEx::Find(DWORD nId) const
{
    for (const SDialogTemplateItem& item : m_items)
        if (item.nId == nId)
            return &item;
    return nullptr;
}

std::vector<BYTE> CDialogTemplateEx::Filtered(const std::function<bool(const SDialogTemplateItem&)>& bKeep) const
{
    if (m_data.empty())
        return {};
    std::vector<BYTE> out(m_data.begin(), m_data.begin() + (std::ptrdiff_t)m_nHeaderSize);
    WORD nKept = 0;
    for (const SDialogTemplateItem& item : m_items) {
        if (!bKeep(item))
            continue;
        out.resize((out.size() + 3) / 4 * 4, 0);  // each item starts on a double word
        out.insert(out.end(), m_data.begin() + (std::ptrdiff_t)item.nOffset,
                   m_data.begin() + (std::ptrdiff_t)(item.nOffset + item.nSize));
        ++nKept;
    }
    out[kCountOffset] = (BYTE)(nKept & 0xFF);
    out[kCountOffset + 1] = (BYTE)(nKept >> 8);
    return out;
}

std::vector<BYTE> CDialogTemplateEx::HiddenEmptyCopy() const
{
    std::vector<BYTE> out = Filtered([](const SDialogTemplateItem&) { return false; });
    if (!out.empty())
        out[kStyleOffset + 3] &= (BYTE)~(kWsVisible >> 24);
    return out;
}
