#include "CEdit.h"
#include <algorithm>
#include <string.h>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() = default;
CEdit::~CEdit() = default;

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (!lpszBuffer || nMaxLength <= 0)
        return 0;
    // EM_GETLINE reads the buffer size from the buffer's first word.
    if (nMaxLength < (int)sizeof(WORD)) {
        char szLine[sizeof(WORD)];
        *reinterpret_cast<WORD*>(szLine) = sizeof(szLine);
        const int nCopied = (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)szLine);
        const int nLength = std::min(nCopied, nMaxLength);
        memcpy(lpszBuffer, szLine, nLength);
        return nLength;
    }
    *reinterpret_cast<WORD*>(lpszBuffer) = (WORD)std::min(nMaxLength, 0xFFFF);
    return (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}
