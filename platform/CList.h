// CList.h: the framework's doubly linked list with POSITION iteration, and
// the named lists built on it (CStringList, CPtrList). A POSITION stays valid
// until its element is removed, which is why the list keeps its own nodes
// (std::list offers no way back from an element to its iterator). Lists copy
// deeply. GetHead/GetTail/RemoveHead/RemoveTail on an empty list are
// programming errors and stop the program.
#pragma once

#include <cstdlib>
#include <utility>

#include "platform/CString.h"
#include "platform/Position.h"
#include "platform/Types.h"

template <class T, class ARG = const T&>
class CList {
    struct Node {
        T data;
        Node* pPrev;
        Node* pNext;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) {}
    CList(const CList& src) { AddTail(&src); }
    CList& operator=(const CList& src);
    ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    T& GetHead() { return Checked(m_pHead)->data; }
    const T& GetHead() const { return Checked(m_pHead)->data; }
    T& GetTail() { return Checked(m_pTail)->data; }
    const T& GetTail() const { return Checked(m_pTail)->data; }
    T RemoveHead();
    T RemoveTail();

    POSITION AddHead(ARG e) { return InsertBefore(GetHeadPosition(), e); }
    POSITION AddTail(ARG e) { return InsertAfter(GetTailPosition(), e); }
    void AddHead(const CList* pOther);
    void AddTail(const CList* pOther);
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPos(m_pHead); }
    POSITION GetTailPosition() const { return ToPos(m_pTail); }
    // Returns the element at pos and moves pos to the next (previous) one.
    T& GetNext(POSITION& pos) { Node* p = Checked(ToNode(pos)); pos = ToPos(p->pNext); return p->data; }
    const T& GetNext(POSITION& pos) const { Node* p = Checked(ToNode(pos)); pos = ToPos(p->pNext); return p->data; }
    T& GetPrev(POSITION& pos) { Node* p = Checked(ToNode(pos)); pos = ToPos(p->pPrev); return p->data; }
    const T& GetPrev(POSITION& pos) const { Node* p = Checked(ToNode(pos)); pos = ToPos(p->pPrev); return p->data; }
    T& GetAt(POSITION pos) { return Checked(ToNode(pos))->data; }
    const T& GetAt(POSITION pos) const { return Checked(ToNode(pos))->data; }
    void SetAt(POSITION pos, ARG e) { Checked(ToNode(pos))->data = e; }
    void RemoveAt(POSITION pos);
    // A null pos inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION pos, ARG e);
    POSITION InsertAfter(POSITION pos, ARG e);

    // The first element equal to e after startAfter (from the head when null).
    POSITION Find(ARG e, POSITION startAfter = nullptr) const;
    // The element at zero-based index, or null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

private:
    static POSITION ToPos(Node* p) { return reinterpret_cast<POSITION>(p); }
    static Node* ToNode(POSITION pos) { return reinterpret_cast<Node*>(pos); }
    static Node* Checked(Node* p) { if (!p) std::abort(); return p; }
    POSITION Link(Node* pPrev, Node* pNext, ARG e);
    void Unlink(Node* p);

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};

template <class T, class ARG>
CList<T, ARG>& CList<T, ARG>::operator=(const CList& src)
{
    if (this != &src) {
        CList copy(src);
        std::swap(m_pHead, copy.m_pHead);
        std::swap(m_pTail, copy.m_pTail);
        std::swap(m_nCount, copy.m_nCount);
    }
    return *this;
}

template <class T, class ARG>
T CList<T, ARG>::RemoveHead()
{
    Node* p = Checked(m_pHead);
    T e(std::move(p->data));
    Unlink(p);
    return e;
}

template <class T, class ARG>
T CList<T, ARG>::RemoveTail()
{
    Node* p = Checked(m_pTail);
    T e(std::move(p->data));
    Unlink(p);
    return e;
}

template <class T, class ARG>
void CList<T, ARG>::AddHead(const CList* pOther)
{
    if (!pOther)
        return;
    CList copy(*pOther);  // pOther may be this list
    for (Node* p = copy.m_pTail; p; p = p->pPrev)
        AddHead(p->data);
}

template <class T, class ARG>
void CList<T, ARG>::AddTail(const CList* pOther)
{
    if (!pOther)
        return;
    if (pOther == this) {
        CList copy(*pOther);
        AddTail(&copy);
        return;
    }
    for (Node* p = pOther->m_pHead; p; p = p->pNext)
        AddTail(p->data);
}

template <class T, class ARG>
void CList<T, ARG>::RemoveAll()
{
    while (m_pHead)
        Unlink(m_pHead);
}

template <class T, class ARG>
void CList<T, ARG>::RemoveAt(POSITION pos)
{
    Unlink(Checked(ToNode(pos)));
}

template <class T, class ARG>
POSITION CList<T, ARG>::InsertBefore(POSITION pos, ARG e)
{
    Node* pNext = pos ? ToNode(pos) : m_pHead;
    return Link(pNext ? pNext->pPrev : nullptr, pNext, e);
}

template <class T, class ARG>
POSITION CList<T, ARG>::InsertAfter(POSITION pos, ARG e)
{
    Node* pPrev = pos ? ToNode(pos) : m_pTail;
    return Link(pPrev, pPrev ? pPrev->pNext : nullptr, e);
}

template <class T, class ARG>
POSITION CList<T, ARG>::Link(Node* pPrev, Node* pNext, ARG e)
{
    Node* p = new Node{T(e), pPrev, pNext};
    (pPrev ? pPrev->pNext : m_pHead) = p;
    (pNext ? pNext->pPrev : m_pTail) = p;
    ++m_nCount;
    return ToPos(p);
}

template <class T, class ARG>
POSITION CList<T, ARG>::Find(ARG e, POSITION startAfter) const
{
    Node* p = startAfter ? ToNode(startAfter)->pNext : m_pHead;
    for (; p; p = p->pNext)
        if (p->data == e)
            return ToPos(p);
    return nullptr;
}

template <class T, class ARG>
POSITION CList<T, ARG>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    Node* p = m_pHead;
    while (nIndex-- > 0)
        p = p->pNext;
    return ToPos(p);
}

template <class T, class ARG>
void CList<T, ARG>::Unlink(Node* p)
{
    (p->pPrev ? p->pPrev->pNext : m_pHead) = p->pNext;
    (p->pNext ? p->pNext->pPrev : m_pTail) = p->pPrev;
    --m_nCount;
    delete p;
}

class CStringList : public CList<CString, const CString&> {
public:
    using CList::CList;
};
class CPtrList : public CList<void*, void*> {
public:
    using CList::CList;
};
