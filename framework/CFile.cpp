#include "CFile.h"
#include "CInvalidArgException.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

// Access for the low two bits of the open flags (3 is not a mode).
const DWORD s_access[] = { GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE };

// Sharing for the share bits (0x70) shifted down: compatibility and exclusive share nothing.
const DWORD s_share[] = { 0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE };

// System flags and what CreateFile calls them.
const struct { UINT nOpenFlag; DWORD dwFileFlag; } s_osFlags[] = {
    { CFile::osNoBuffer, FILE_FLAG_NO_BUFFERING },
    { CFile::osWriteThrough, FILE_FLAG_WRITE_THROUGH },
    { CFile::osRandomAccess, FILE_FLAG_RANDOM_ACCESS },
    { CFile::osSequentialScan, FILE_FLAG_SEQUENTIAL_SCAN },
};

// Throws the file exception for the thread's last error (generic when there is none).
[[noreturn]] void ThrowLastError(LPCTSTR lpszFileName)
{
    LONG lOsError = (LONG)::GetLastError();
    AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, lpszFileName);
}

void Fail(CFileException* pError, int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    if (pError) {
        pError->m_cause = cause;
        pError->m_lOsError = lOsError;
        pError->m_strFileName = lpszFileName;
    }
}

}  // namespace

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        Abort();
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();

    UINT nAccess = nOpenFlags & 3;
    UINT nShare = (nOpenFlags & 0x70) >> 4;
    if (nAccess >= sizeof(s_access) / sizeof(s_access[0]) || nShare >= sizeof(s_share) / sizeof(s_share[0])) {
        Fail(pError, CFileException::genericException, ERROR_INVALID_PARAMETER, lpszFileName);
        return FALSE;
    }
    char szPath[MAX_PATH];
    DWORD nPath = lpszFileName && *lpszFileName ? ::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, NULL) : 0;
    if (nPath == 0 || nPath >= MAX_PATH) {
        LONG lOsError = nPath ? ERROR_FILENAME_EXCED_RANGE : lpszFileName && *lpszFileName ? (LONG)::GetLastError() : 0;
        Fail(pError, CFileException::badPath, lOsError ? lOsError : ERROR_INVALID_NAME, lpszFileName);
        return FALSE;
    }

    SECURITY_ATTRIBUTES sa = { sizeof(sa), NULL, (nOpenFlags & modeNoInherit) == 0 };
    DWORD dwCreate = !(nOpenFlags & modeCreate) ? OPEN_EXISTING
                     : (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    DWORD dwFlags = FILE_ATTRIBUTE_NORMAL;
    for (const auto& os : s_osFlags)
        if (nOpenFlags & os.nOpenFlag)
            dwFlags |= os.dwFileFlag;

    HANDLE hFile = ::CreateFileA(szPath, s_access[nAccess], s_share[nShare], &sa, dwCreate, dwFlags, NULL);
    if (hFile == INVALID_HANDLE_VALUE) {
        LONG lOsError = (LONG)::GetLastError();
        Fail(pError, CFileException::OsErrorToException(lOsError), lOsError, lpszFileName);
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = szPath;
    return TRUE;
}

void CFile::Close()
{
    CString strFileName = m_strFileName;
    bool bError = m_hFile != INVALID_HANDLE_VALUE && !::CloseHandle(m_hFile);
    LONG lOsError = bError ? (LONG)::GetLastError() : 0;
    m_hFile = INVALID_HANDLE_VALUE;
    Abort();
    if (bError)
        AfxThrowFileException(CFileException::OsErrorToException(lOsError), lOsError, strFileName);
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

void CFile::Flush()
{
    if (m_hFile != INVALID_HANDLE_VALUE && !::FlushFileBuffers(m_hFile))
        ThrowLastError(m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
        ThrowLastError(m_strFileName);
    return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (!lpBuf)
        AfxThrowInvalidArgException();
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        ThrowLastError(m_strFileName);
    if (dwWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER liOff, liPos;
    liOff.QuadPart = lOff;
    if (nFrom > end)
        AfxThrowFileException(CFileException::badSeek, ERROR_INVALID_PARAMETER, m_strFileName);
    if (!::SetFilePointerEx(m_hFile, liOff, &liPos, nFrom))
        ThrowLastError(m_strFileName);
    return liPos.QuadPart;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER liZero = {}, liPos;
    if (!::SetFilePointerEx(m_hFile, liZero, &liPos, FILE_CURRENT))
        ThrowLastError(m_strFileName);
    return liPos.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER liSize;
    if (!::GetFileSizeEx(m_hFile, &liSize))
        ThrowLastError(m_strFileName);
    return liSize.QuadPart;
}

CString CFile::GetFileName() const
{
    int nLast = std::max({ m_strFileName.ReverseFind('\\'), m_strFileName.ReverseFind('/'),
                           m_strFileName.ReverseFind(':') });
    return m_strFileName.Mid(nLast + 1);
}
