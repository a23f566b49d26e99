// CString: the framework's narrow, reference-counted string (copy on write), with MFC's members.
#pragma once
#include "afxver_.h"
#include <stdarg.h>

class MARLOW17_API CString
{
public:
    CString();
    CString(const CString& src);
    CString(LPCSTR psz);
    CString(LPCWSTR psz);
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(LPCSTR psz);
    CString& operator=(LPCWSTR psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& src);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return GetString(); }
    LPCSTR GetString() const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    int Find(char ch, int iStart = 0) const;
    int Find(LPCSTR pszSub, int iStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    int Insert(int iIndex, char ch);
    int Insert(int iIndex, LPCSTR psz);
    int Delete(int iIndex, int nCount = 1);
    int Remove(char chRemove);
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);

    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    void __cdecl Format(LPCSTR pszFormat, ...);
    void __cdecl AppendFormat(LPCSTR pszFormat, ...);
    void FormatV(LPCSTR pszFormat, va_list args);
    void Append(LPCSTR psz, int nLength);
    BOOL LoadString(UINT nID);

    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;
    int Collate(LPCSTR psz) const;
    int CollateNoCase(LPCSTR psz) const;

    // Direct access to the characters: GetBuffer(n) gives room for n characters plus the
    // terminator; ReleaseBuffer(-1) takes the length up to the first terminator.
    LPSTR GetBuffer(int nMinBufLength = 0);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void Preallocate(int nLength);

private:
    struct Data;
    Data* m_pData;

    static Data* Allocate(int nLength);
    static void Release(Data* pData);
    void Assign(LPCSTR pch, int nLength);
    void PrepareWrite(int nLength);
    void SetLength(int nLength);
    static int ClampIndex(int nIndex, int nLength);
};

MARLOW17_API CString operator+(const CString& a, const CString& b);
MARLOW17_API CString operator+(const CString& a, LPCSTR b);
MARLOW17_API CString operator+(LPCSTR a, const CString& b);
MARLOW17_API CString operator+(const CString& a, char b);
MARLOW17_API CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
