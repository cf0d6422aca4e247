// ListBoxRows.h: a list box's rows as the tests compare them, whatever
// their length (asked for as the program asks, ListRowText.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ListRowText.h"

namespace vorntest {

inline std::vector<std::string> ListBoxRows(HWND hList)
{
    std::vector<std::string> rows;
    int nCount = (int)::SendMessageA(hList, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < nCount; ++i)
        rows.push_back(ListBoxGetText(hList, i).GetString());
    return rows;
}

}  // namespace vorntest
