// DasdGeometryChart.cpp: the rows of the geometry chart and its layout.
#include "utilities/DasdGeometryChart.h"

#include "config/DasdModels.h"
#include "config/ValueConversions.h"
#include "platform/Types.h"

namespace {

// A CKD row: the model of the disk model table whose cylinders, alternates
// and tracks per cylinder it shows (null: the row's own counts).
struct SCkdRow {
    const char* pszName;
    const char* pszModel;
    UINT nCyls, nAltCyls, nTracks;  // when there is no model
    UINT nBytesPerTrack;
};

const SCkdRow kCkdRows[] = {
    {"2305-1", "2305-1", 0, 0, 0, 14136},
    {"2305-2", "2305-2", 0, 0, 0, 14660},
    {"2311", "2311-1", 0, 0, 0, 3625},
    {"2314", "2314-1", 0, 0, 0, 7294},
    {"3330-1", "3330-1", 0, 0, 0, 13030},
    {"3330-11", "3330-11", 0, 0, 0, 13030},
    {"3340-35", "3340-35", 0, 0, 0, 8368},
    {"3340-70", "3340-70", 0, 0, 0, 8368},
    {"3344[*]", nullptr, 2784, 8, 12, 8368},
    {"3350", "3350-1", 0, 0, 0, 19069},
    {"3375", "3375-1", 0, 0, 0, 35616},
    {"3380 A/B/D/J", "3380-A", 0, 0, 0, 47476},
    {"3380 E", "3380-E", 0, 0, 0, 47476},
    {"3380 K", "3380-K", 0, 0, 0, 47476},
    {"EMC3380K+", "EMC3380K+", 0, 0, 0, 47476},
    {"EMC3380K++", "EMC3380K++", 0, 0, 0, 47476},
    {"3390-1", "3390-1", 0, 0, 0, 56664},
    {"3390-2", "3390-2", 0, 0, 0, 56664},
    {"3390-3", "3390-3", 0, 0, 0, 56664},
    {"3390-9", "3390-9", 0, 0, 0, 56664},
    {"3390-27[**]", "3390-27", 0, 0, 0, 56664},
    {"3390-54[**]", "3390-54", 0, 0, 0, 56664},
    {"9345-1", "9345-1", 0, 0, 0, 46456},
    {"9345-2", "9345-2", 0, 0, 0, 46456},
};

// An FBA row: the model whose block count it shows.
struct SFbaRow {
    const char* pszName;
    const char* pszModel;
    UINT nBlocksPerTrack, nBlocksPerCyl;
};

const SFbaRow kFbaRows[] = {
    {"3310", "3310-1", 32, 352},
    {"3370-A1/B1", "3370-A1", 62, 744},
    {"3370-A2/B2", "3370-A2", 62, 744},
    {"9313-1/14", "9313-1", 96, 480},
    {"9332-200", "9332-200", 73, 292},
    {"9332-400", "9332-400", 73, 292},
    {"9332-600", "9332-600", 73, 292},
    {"9335", "9335-1", 71, 426},
    {"9336-10", "9336-10", 63, 315},
    {"9336-20/25", "9336-20", 111, 777},
    {"0671", "0671-1", 63, 504},
    {"0671-04", "0671-04", 63, 504},
    {"0671-08", "0671-08", 63, 504},
};

const UINT kFbaBlockSize = 512;
const char kEol[] = "\r\n";

// The column widths: the name, then each number right-aligned.
const int kNameWidth = 12;
const int kCkdWidths[] = {7, 6, 8, 9, 11, 16};
const int kFbaWidths[] = {9, 9, 10, 12, 17};

const char* const kFootnotes[] = {
    "[*]   The 3344 always operates in 3340 compatibility mode,",
    "      emulating four 3340's per drive. Capacity is therefore",
    "      equal to that of four 3348 Model 70s.",
    "",
    "[**]  The name 3390-nn is a descriptive term that indicates",
    "      the relative size of a volume (e.g. 27 GB) rather than",
    "      being an actual device type. From the perspective of the",
    "      operating system any volume larger than 3339 cylinders",
    "      is reported as a model 3390-9 device type.",
};

CString Plain(UINT64 n)
{
    CString str;
    str.Format("%llu", (unsigned long long)n);
    return str;
}

CString Grouped(UINT64 n)
{
    return FormatThousands(n, ',');
}

// The name left-aligned in its column, then the cells right-aligned.
CString Row(const char* pszName, const CString* pCells, const int* pWidths, int nCells)
{
    CString strLine;
    strLine.Format("%-*s", kNameWidth, pszName);
    for (int i = 0; i < nCells; ++i) {
        CString strCell;
        strCell.Format("%*s", pWidths[i], (const char*)pCells[i]);
        strLine += strCell;
    }
    return strLine + kEol;
}

CString Centred(const char* pszText)
{
    CString strText = pszText;
    CString strLine;
    strLine.Format("%*s", (kDasdChartWidth - strText.GetLength()) / 2 + strText.GetLength(), pszText);
    return strLine + kEol;
}

CString Separator()
{
    return CString('-', kDasdChartWidth) + kEol;
}

CString CkdRows()
{
    CString strText;
    for (const SCkdRow& row : kCkdRows) {
        UINT64 nCyls = row.nCyls, nAlt = row.nAltCyls, nTracks = row.nTracks;
        if (row.pszModel) {
            nCyls = GetModelCylinders(row.pszModel, false);
            nAlt = GetModelCylinders(row.pszModel, true) - nCyls;
            nTracks = (UINT64)GetModelLastValue(row.pszModel);
        }
        UINT64 nBytesPerCyl = nTracks * row.nBytesPerTrack;
        const CString cells[] = {Plain(nCyls),   Plain(nAlt),           Plain(nTracks),
                                 Grouped(row.nBytesPerTrack), Grouped(nBytesPerCyl), Grouped(nCyls * nBytesPerCyl)};
        strText += Row(row.pszName, cells, kCkdWidths, 6);
    }
    return strText;
}

CString FbaRows()
{
    CString strText;
    for (const SFbaRow& row : kFbaRows) {
        UINT64 nBlocks = GetModelCylinders(row.pszModel, false);
        const CString cells[] = {Plain(kFbaBlockSize), Plain(row.nBlocksPerTrack), Plain(row.nBlocksPerCyl),
                                 Grouped(nBlocks), Grouped(nBlocks * kFbaBlockSize)};
        strText += Row(row.pszName, cells, kFbaWidths, 5);
    }
    return strText;
}

}  // namespace

CString BuildDasdGeometryChart()
{
    CString strChart = Separator() + kEol + Centred("CKD DEVICES") + kEol;
    const CString ckdTop[] = {"DATA", "ALT", "TRACKS/", "BYTES/", "BYTES/", "BYTES/"};
    const CString ckdBottom[] = {"CYLS", "CYLS", "CYL", "TRACK", "CYL", "MODULE"};
    strChart += Row("", ckdTop, kCkdWidths, 6) + Row("DISK TYPE", ckdBottom, kCkdWidths, 6) + kEol;
    strChart += CkdRows() + kEol;
    for (const char* pszLine : kFootnotes)
        strChart += CString(pszLine) + kEol;
    strChart += kEol + Separator() + kEol + Centred("FBA DEVICES") + kEol;
    const CString fbaTop[] = {"BYTES/", "BLOCKS/", "BLOCKS/", "BLOCKS/", "BYTES/"};
    const CString fbaBottom[] = {"BLOCK", "TRACK", "CYLINDER", "ACTUATOR", "ACTUATOR"};
    strChart += Row("", fbaTop, kFbaWidths, 5) + Row("DISK TYPE", fbaBottom, kFbaWidths, 5) + kEol;
    strChart += FbaRows() + kEol + Separator();
    return strChart;
}
