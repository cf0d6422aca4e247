// CMap.h: the framework's associative container, a thin adapter over
// std::map (keys need operator<). POSITION points at the map's node, which
// stays valid until that key is removed; iteration runs in key order.
// The hash-table size and block size of the callers are accepted and ignored.
#pragma once

#include <cstdlib>
#include <iterator>
#include <map>

#include "platform/Position.h"
#include "platform/Types.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
    typedef std::map<KEY, VALUE> Map;
    typedef typename Map::value_type Pair;

public:
    explicit CMap(INT_PTR nBlockSize = 10) {}
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE) {}

    INT_PTR GetCount() const { return (INT_PTR)m_map.size(); }
    INT_PTR GetSize() const { return (INT_PTR)m_map.size(); }
    bool IsEmpty() const { return m_map.empty(); }

    // True and the value when the key is present; rValue is untouched otherwise.
    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // The value of key where the map holds it (no copy), or null.
    const VALUE* LookupPtr(ARG_KEY key) const
    {
        auto it = m_map.find(KEY(key));
        return it == m_map.end() ? nullptr : &it->second;
    }
    // The value of key, inserted default-constructed when absent.
    VALUE& operator[](ARG_KEY key) { return m_map[KEY(key)]; }
    void SetAt(ARG_KEY key, ARG_VALUE value) { m_map[KEY(key)] = value; }
    BOOL RemoveKey(ARG_KEY key) { return m_map.erase(KEY(key)) ? TRUE : FALSE; }
    void RemoveAll() { m_map.clear(); }

    // Each pair in key order, without copies: fn(key, value) until it returns false.
    template <class Fn>
    void ForEachAssoc(Fn fn) const
    {
        for (const Pair& p : m_map)
            if (!fn(p.first, p.second))
                return;
    }

    POSITION GetStartPosition() const { return m_map.empty() ? nullptr : ToPos(&*m_map.begin()); }
    // Returns the pair at pos and moves pos to the next one (null after the last).
    void GetNextAssoc(POSITION& pos, KEY& rKey, VALUE& rValue) const;

private:
    static POSITION ToPos(const Pair* p) { return reinterpret_cast<POSITION>(const_cast<Pair*>(p)); }

    Map m_map;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    auto it = m_map.find(KEY(key));
    if (it == m_map.end())
        return FALSE;
    rValue = it->second;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& pos, KEY& rKey, VALUE& rValue) const
{
    if (!pos)
        std::abort();  // iterating past the end is a programming error
    const Pair* p = reinterpret_cast<const Pair*>(pos);
    rKey = p->first;
    rValue = p->second;
    auto it = std::next(m_map.find(p->first));
    pos = (it == m_map.end()) ? nullptr : ToPos(&*it);
}
