#include "CString.h"
#include <mbstring.h>
#include <stdio.h>
#include <string.h>

// Shared character block: a reference count, the length and the room, then the characters.
// An empty string holds no block at all.
struct CString::Data
{
    LONG nRefs;
    int nLength;
    int nAlloc;
    char* Chars() { return reinterpret_cast<char*>(this + 1); }
};

CString::Data* CString::Allocate(int nLength)
{
    Data* p = static_cast<Data*>(::operator new(sizeof(Data) + nLength + 1));
    p->nRefs = 1;
    p->nLength = 0;
    p->nAlloc = nLength;
    p->Chars()[0] = '\0';
    return p;
}

void CString::Release(Data* pData)
{
    if (pData && InterlockedDecrement(&pData->nRefs) == 0)
        ::operator delete(pData);
}

int CString::ClampIndex(int nIndex, int nLength)
{
    return nIndex < 0 ? 0 : (nIndex > nLength ? nLength : nIndex);
}

// Makes the block this string's own with room for nLength characters, keeping its text.
void CString::PrepareWrite(int nLength)
{
    int nOld = GetLength();
    if (m_pData && m_pData->nRefs == 1 && m_pData->nAlloc >= nLength)
        return;
    int nRoom = nLength;
    if (m_pData && nLength > m_pData->nAlloc)
        nRoom = nLength + nLength / 2;     // grow geometrically so that appends stay linear
    Data* p = Allocate(nRoom);
    int nKeep = nOld < nLength ? nOld : nLength;
    memcpy(p->Chars(), GetString(), nKeep);
    p->Chars()[nKeep] = '\0';
    p->nLength = nKeep;
    Release(m_pData);
    m_pData = p;
}

void CString::SetLength(int nLength)
{
    if (nLength == 0 && (!m_pData || m_pData->nRefs != 1)) {
        Empty();
        return;
    }
    PrepareWrite(nLength);
    if (m_pData) {
        m_pData->nLength = nLength;
        m_pData->Chars()[nLength] = '\0';
    }
}

void CString::Assign(LPCSTR pch, int nLength)
{
    if (!pch || nLength <= 0) {
        Empty();
        return;
    }
    // The source may lie inside this string's own block: copy it out first.
    if (m_pData && pch >= m_pData->Chars() && pch <= m_pData->Chars() + m_pData->nAlloc) {
        CString copy(pch, nLength);
        *this = copy;
        return;
    }
    if (!m_pData || m_pData->nRefs != 1 || m_pData->nAlloc < nLength) {
        Release(m_pData);
        m_pData = Allocate(nLength);
    }
    memcpy(m_pData->Chars(), pch, nLength);
    m_pData->Chars()[nLength] = '\0';
    m_pData->nLength = nLength;
}

CString::CString() : m_pData(nullptr) {}

CString::CString(const CString& src) : m_pData(src.m_pData)
{
    if (m_pData)
        InterlockedIncrement(&m_pData->nRefs);
}

CString::CString(LPCSTR psz) : m_pData(nullptr)
{
    if (psz && IS_INTRESOURCE(psz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(psz)));
    else if (psz)
        Assign(psz, (int)strlen(psz));
}

CString::CString(LPCWSTR psz) : m_pData(nullptr)
{
    *this = psz;
}

CString::CString(LPCSTR pch, int nLength) : m_pData(nullptr)
{
    Assign(pch, nLength);
}

CString::CString(char ch, int nRepeat) : m_pData(nullptr)
{
    if (nRepeat > 0) {
        m_pData = Allocate(nRepeat);
        memset(m_pData->Chars(), ch, nRepeat);
        m_pData->Chars()[nRepeat] = '\0';
        m_pData->nLength = nRepeat;
    }
}

CString::~CString()
{
    Release(m_pData);
}

CString& CString::operator=(const CString& src)
{
    if (src.m_pData != m_pData) {
        if (src.m_pData)
            InterlockedIncrement(&src.m_pData->nRefs);
        Release(m_pData);
        m_pData = src.m_pData;
    }
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    Assign(psz, psz ? (int)strlen(psz) : 0);
    return *this;
}

CString& CString::operator=(LPCWSTR psz)
{
    Empty();
    if (!psz)
        return *this;
    int nBytes = WideCharToMultiByte(CP_ACP, 0, psz, -1, nullptr, 0, nullptr, nullptr);
    if (nBytes > 1) {
        WideCharToMultiByte(CP_ACP, 0, psz, -1, GetBuffer(nBytes), nBytes, nullptr, nullptr);
        ReleaseBuffer();
    }
    return *this;
}

CString& CString::operator=(char ch)
{
    Assign(&ch, 1);
    return *this;
}

void CString::Append(LPCSTR psz, int nLength)
{
    if (!psz || nLength <= 0)
        return;
    if (m_pData && psz >= m_pData->Chars() && psz <= m_pData->Chars() + m_pData->nAlloc) {
        CString copy(psz, nLength);
        Append(copy.GetString(), nLength);
        return;
    }
    int nOld = GetLength();
    PrepareWrite(nOld + nLength);
    memcpy(m_pData->Chars() + nOld, psz, nLength);
    m_pData->nLength = nOld + nLength;
    m_pData->Chars()[nOld + nLength] = '\0';
}

CString& CString::operator+=(const CString& src)
{
    Append(src.GetString(), src.GetLength());
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        Append(psz, (int)strlen(psz));
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

int CString::GetLength() const { return m_pData ? m_pData->nLength : 0; }
BOOL CString::IsEmpty() const { return GetLength() == 0; }

void CString::Empty()
{
    Release(m_pData);
    m_pData = nullptr;
}

LPCSTR CString::GetString() const { return m_pData ? m_pData->Chars() : ""; }

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_pData->Chars()[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    PrepareWrite(GetLength());
    m_pData->Chars()[nIndex] = ch;
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = ClampIndex(nFirst, nLength);
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(GetString() + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    nCount = ClampIndex(nCount, nLength);
    return Mid(nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return pszCharSet ? Left((int)strspn(GetString(), pszCharSet)) : CString();
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return pszCharSet ? Left((int)strcspn(GetString(), pszCharSet)) : *this;
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    int nLength = GetLength();
    if (iStart < 0 || iStart >= nLength || !pszTokens) {
        iStart = -1;
        return CString();
    }
    LPCSTR psz = GetString() + iStart;
    psz += strspn(psz, pszTokens);
    if (*psz == '\0') {
        iStart = -1;
        return CString();
    }
    int nTokenLength = (int)strcspn(psz, pszTokens);
    int nFirst = (int)(psz - GetString());
    iStart = nFirst + nTokenLength + (nFirst + nTokenLength < nLength ? 1 : 0);
    return Mid(nFirst, nTokenLength);
}

int CString::Find(char ch, int iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
        return -1;
    const unsigned char* p = _mbschr(reinterpret_cast<const unsigned char*>(GetString() + iStart),
                                     (unsigned char)ch);
    return p ? (int)(reinterpret_cast<LPCSTR>(p) - GetString()) : -1;
}

int CString::Find(LPCSTR pszSub, int iStart) const
{
    if (!pszSub || iStart < 0 || iStart > GetLength())
        return -1;
    const unsigned char* p = _mbsstr(reinterpret_cast<const unsigned char*>(GetString() + iStart),
                                     reinterpret_cast<const unsigned char*>(pszSub));
    return p ? (int)(reinterpret_cast<LPCSTR>(p) - GetString()) : -1;
}

int CString::ReverseFind(char ch) const
{
    const unsigned char* p = _mbsrchr(reinterpret_cast<const unsigned char*>(GetString()), (unsigned char)ch);
    return (p && ch != '\0') ? (int)(reinterpret_cast<LPCSTR>(p) - GetString()) : -1;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    if (!pszCharSet)
        return -1;
    const unsigned char* p = _mbspbrk(reinterpret_cast<const unsigned char*>(GetString()),
                                      reinterpret_cast<const unsigned char*>(pszCharSet));
    return p ? (int)(reinterpret_cast<LPCSTR>(p) - GetString()) : -1;
}

int CString::Insert(int iIndex, char ch)
{
    return Insert(iIndex, CString(ch, 1));
}

int CString::Insert(int iIndex, LPCSTR psz)
{
    int nLength = GetLength();
    int nInsert = psz ? (int)strlen(psz) : 0;
    if (nInsert == 0)
        return nLength;
    iIndex = ClampIndex(iIndex, nLength);
    CString tail = Mid(iIndex);
    CString insert(psz, nInsert);       // psz may point into this string
    SetLength(iIndex);
    Append(insert.GetString(), nInsert);
    Append(tail.GetString(), tail.GetLength());
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    int nLength = GetLength();
    iIndex = ClampIndex(iIndex, nLength);
    if (nCount > nLength - iIndex)
        nCount = nLength - iIndex;
    if (nCount <= 0)
        return nLength;
    PrepareWrite(nLength);
    char* p = m_pData->Chars();
    memmove(p + iIndex, p + iIndex + nCount, nLength - iIndex - nCount + 1);
    m_pData->nLength = nLength - nCount;
    return m_pData->nLength;
}

int CString::Remove(char chRemove)
{
    int nLength = GetLength();
    if (Find(chRemove) < 0)
        return 0;
    PrepareWrite(nLength);
    char* p = m_pData->Chars();
    int nKept = 0;
    for (int i = 0; i < nLength; ++i)
        if (p[i] != chRemove)
            p[nKept++] = p[i];
    SetLength(nKept);
    return nLength - nKept;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew || Find(chOld) < 0)
        return 0;
    int nCount = 0;
    PrepareWrite(GetLength());
    for (char* p = m_pData->Chars(); *p; ++p)
        if (*p == chOld) {
            *p = chNew;
            ++nCount;
        }
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOld = pszOld ? (int)strlen(pszOld) : 0;
    if (nOld == 0)
        return 0;
    if (!pszNew)
        pszNew = "";
    int nCount = 0;
    CString result;
    int iFrom = 0;
    for (int i = Find(pszOld); i >= 0; i = Find(pszOld, i + nOld)) {
        result.Append(GetString() + iFrom, i - iFrom);
        result += pszNew;
        iFrom = i + nOld;
        ++nCount;
    }
    if (nCount) {
        result.Append(GetString() + iFrom, GetLength() - iFrom);
        *this = result;
    }
    return nCount;
}

static bool IsSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

CString& CString::TrimLeft()
{
    int i = 0;
    while (i < GetLength() && IsSpace(GetAt(i)))
        ++i;
    Delete(0, i);
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    int i = 0;
    while (i < GetLength() && GetAt(i) == chTarget)
        ++i;
    Delete(0, i);
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    if (pszTargets && *pszTargets)
        Delete(0, (int)strspn(GetString(), pszTargets));
    return *this;
}

CString& CString::TrimRight()
{
    int n = GetLength();
    while (n > 0 && IsSpace(GetAt(n - 1)))
        --n;
    SetLength(n);
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    int n = GetLength();
    while (n > 0 && GetAt(n - 1) == chTarget)
        --n;
    SetLength(n);
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    if (!pszTargets || !*pszTargets)
        return *this;
    int n = GetLength();
    while (n > 0 && strchr(pszTargets, GetAt(n - 1)))
        --n;
    SetLength(n);
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::MakeUpper()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        CharUpperBuffA(m_pData->Chars(), GetLength());
    }
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        CharLowerBuffA(m_pData->Chars(), GetLength());
    }
    return *this;
}

CString& CString::MakeReverse()
{
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        _mbsrev(reinterpret_cast<unsigned char*>(m_pData->Chars()));
    }
    return *this;
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    if (!pszFormat) {
        Empty();
        return;
    }
    va_list copy;
    va_copy(copy, args);
    int nLength = _vscprintf(pszFormat, copy);
    va_end(copy);
    if (nLength <= 0) {
        Empty();
        return;
    }
    CString result;
    vsprintf(result.GetBuffer(nLength), pszFormat, args);
    result.ReleaseBuffer(nLength);
    *this = result;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR pszFormat, ...)
{
    CString more;
    va_list args;
    va_start(args, pszFormat);
    more.FormatV(pszFormat, args);
    va_end(args);
    *this += more;
}

BOOL CString::LoadString(UINT nID)
{
    // Strings come from the host's resources: the process's main module.
    char buffer[1024];
    int n = ::LoadStringA(GetModuleHandleA(nullptr), nID, buffer, sizeof(buffer));
    Assign(buffer, n);
    return n > 0;
}

int CString::Compare(LPCSTR psz) const
{
    return _mbscmp(reinterpret_cast<const unsigned char*>(GetString()),
                   reinterpret_cast<const unsigned char*>(psz ? psz : ""));
}

int CString::CompareNoCase(LPCSTR psz) const
{
    return _mbsicmp(reinterpret_cast<const unsigned char*>(GetString()),
                    reinterpret_cast<const unsigned char*>(psz ? psz : ""));
}

int CString::Collate(LPCSTR psz) const
{
    return _mbscoll(reinterpret_cast<const unsigned char*>(GetString()),
                    reinterpret_cast<const unsigned char*>(psz ? psz : ""));
}

int CString::CollateNoCase(LPCSTR psz) const
{
    return _mbsicoll(reinterpret_cast<const unsigned char*>(GetString()),
                     reinterpret_cast<const unsigned char*>(psz ? psz : ""));
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    int nLength = GetLength();
    int nRoom = nMinBufLength > nLength ? nMinBufLength : nLength;
    if (!m_pData || m_pData->nRefs != 1 || m_pData->nAlloc < nRoom) {
        Data* p = Allocate(nRoom);
        memcpy(p->Chars(), GetString(), nLength + 1);
        p->nLength = nLength;
        Release(m_pData);
        m_pData = p;
    }
    return m_pData->Chars();
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    m_pData->nLength = nNewLength;
    m_pData->Chars()[nNewLength] = '\0';
    return m_pData->Chars();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (!m_pData)
        return;
    // Without GetBuffer first the block may still be shared: cutting it would cut the copies too.
    if (m_pData->nRefs != 1)
        PrepareWrite(GetLength());
    if (nNewLength < 0 || nNewLength > m_pData->nAlloc)
        nNewLength = (int)strnlen(m_pData->Chars(), m_pData->nAlloc);
    m_pData->nLength = nNewLength;
    m_pData->Chars()[nNewLength] = '\0';
}

void CString::Preallocate(int nLength)
{
    GetBuffer(nLength);
}

CString operator+(const CString& a, const CString& b) { CString s(a); s += b; return s; }
CString operator+(const CString& a, LPCSTR b) { CString s(a); s += b; return s; }
CString operator+(LPCSTR a, const CString& b) { CString s(a); s += b; return s; }
CString operator+(const CString& a, char b) { CString s(a); s += b; return s; }
CString operator+(char a, const CString& b) { CString s(a, 1); s += b; return s; }
