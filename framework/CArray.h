// CArray: a growable array of TYPE, elements passed in as ARG_TYPE. Elements are constructed when
// the array grows and destroyed when it shrinks; the storage grows by m_nGrowBy elements (or, when
// that is 0, by an eighth of the size, at least 4 and at most 1024). An index outside the array
// given to an accessor, or a negative one given to a growing operation, throws
// CInvalidArgException.
#pragma once
#include "CInvalidArgException.h"
#include "CMemoryException.h"
#include <algorithm>
#include <memory>
#include <new>
#include <stdint.h>
#include <string.h>
#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray
{
public:
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    // Copies are deep, so that records holding an array can be elements of another array.
    CArray(const CArray& src) : CArray() { Copy(src); }
    CArray& operator=(const CArray& src) { Copy(src); return *this; }
    // Moves take the storage, so that such records move cheaply when the outer array grows.
    CArray(CArray&& src) noexcept : CArray() { Swap(src); }
    CArray& operator=(CArray&& src) noexcept { Swap(src); return *this; }
    ~CArray() { RemoveAll(); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy -1 keeps the current growth step.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[CheckIndex(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_pData[CheckIndex(nIndex)]; }
    TYPE& operator[](INT_PTR nIndex) { return m_pData[CheckIndex(nIndex)]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Grows the array when nIndex is past its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);
    // Inserts nCount copies before nIndex; past the end, the array grows to take them at nIndex.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

protected:
    TYPE* m_pData;
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;

private:
    void Swap(CArray& other) noexcept
    {
        std::swap(m_pData, other.m_pData);
        std::swap(m_nSize, other.m_nSize);
        std::swap(m_nMaxSize, other.m_nMaxSize);
        std::swap(m_nGrowBy, other.m_nGrowBy);
    }
    INT_PTR CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
        return nIndex;
    }
    // An argument that refers to one of our own elements must be copied before the storage moves.
    bool IsOwnElement(const void* p) const
    {
        const char* pc = static_cast<const char*>(p);
        return m_pData && pc >= reinterpret_cast<const char*>(m_pData) &&
               pc < reinterpret_cast<const char*>(m_pData + m_nSize);
    }
    static TYPE* Allocate(INT_PTR nCount);
    static void Construct(TYPE* p, INT_PTR nCount);
    static void Destroy(TYPE* p, INT_PTR nCount);
    // Moves m_nSize elements into pNew (room for nNewMax) and frees the old storage.
    void Relocate(TYPE* pNew, INT_PTR nNewMax);
};

template <class TYPE, class ARG_TYPE>
TYPE* CArray<TYPE, ARG_TYPE>::Allocate(INT_PTR nCount)
{
    if (nCount > INT_PTR(INTPTR_MAX / sizeof(TYPE)))
        AfxThrowMemoryException();
    void* p = ::operator new(nCount * sizeof(TYPE), std::nothrow);
    if (!p)
        AfxThrowMemoryException();
    return static_cast<TYPE*>(p);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Construct(TYPE* p, INT_PTR nCount)
{
    memset(static_cast<void*>(p), 0, nCount * sizeof(TYPE));
    for (INT_PTR i = 0; i < nCount; ++i)
        ::new (static_cast<void*>(p + i)) TYPE();
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Destroy(TYPE* p, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i)
        p[i].~TYPE();
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Relocate(TYPE* pNew, INT_PTR nNewMax)
{
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        ::new (static_cast<void*>(pNew + i)) TYPE(std::move(m_pData[i]));
        m_pData[i].~TYPE();
    }
    ::operator delete(m_pData);
    m_pData = pNew;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0 || nGrowBy < -1)
        AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0) {
        Destroy(m_pData, m_nSize);
        ::operator delete(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
    } else if (!m_pData) {
        INT_PTR nAlloc = std::max(nNewSize, m_nGrowBy);
        m_pData = Allocate(nAlloc);
        m_nMaxSize = nAlloc;
        Construct(m_pData, nNewSize);
        m_nSize = nNewSize;
    } else if (nNewSize <= m_nMaxSize) {
        if (nNewSize > m_nSize)
            Construct(m_pData + m_nSize, nNewSize - m_nSize);
        else
            Destroy(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
    } else {
        INT_PTR nStep = m_nGrowBy ? m_nGrowBy : std::min<INT_PTR>(1024, std::max<INT_PTR>(4, m_nSize / 8));
        INT_PTR nNewMax = std::max(nNewSize, m_nMaxSize + nStep);
        Relocate(Allocate(nNewMax), nNewMax);
        Construct(m_pData + m_nSize, nNewSize - m_nSize);
        m_nSize = nNewSize;
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0) {
        RemoveAll();
        return;
    }
    Relocate(Allocate(m_nSize), m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0 || nIndex == INTPTR_MAX)
        AfxThrowInvalidArgException();
    if (nIndex >= m_nSize) {
        if (IsOwnElement(std::addressof(newElement))) {
            TYPE copy(newElement);
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = std::move(copy);
            return;
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    INT_PTR nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    // src may be this array: its elements are read through src.m_pData after the storage moved.
    INT_PTR nOldSize = m_nSize;
    INT_PTR nCount = src.m_nSize;
    SetSize(nOldSize + nCount, -1);
    for (INT_PTR i = 0; i < nCount; ++i)
        m_pData[nOldSize + i] = src.m_pData[i];
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    std::copy(src.m_pData, src.m_pData + src.m_nSize, m_pData);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nCount > INTPTR_MAX - std::max(nIndex, m_nSize))
        AfxThrowInvalidArgException();
    if (IsOwnElement(std::addressof(newElement))) {
        TYPE copy(newElement);
        InsertAt(nIndex, copy, nCount);
        return;
    }
    if (nIndex >= m_nSize) {
        SetSize(nIndex + nCount, -1);
    } else {
        INT_PTR nOldSize = m_nSize;
        SetSize(nOldSize + nCount, -1);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
        m_pData[i] = newElement;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (!pNewArray || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray->IsEmpty())
        return;
    if (pNewArray == this) {
        CArray copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (INT_PTR i = 1; i < pNewArray->GetSize(); ++i)
        m_pData[nStartIndex + i] = pNewArray->m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount < 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
        AfxThrowInvalidArgException();
    INT_PTR nEnd = nIndex + nCount;
    std::move(m_pData + nEnd, m_pData + m_nSize, m_pData + nIndex);
    Destroy(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}
