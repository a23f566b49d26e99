// CFileException: a file operation failed; m_cause says how, m_lOsError holds the system's error
// code (-1 when there is none) and m_strFileName the file concerned.
#pragma once
#include "CException.h"
#include "CString.h"

class MARLOW17_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    CFileException(int cause = CFileException::none, LONG lOsError = -1, LPCTSTR lpszArchiveName = NULL);
    ~CFileException() override;

    // The cause that a Windows error code stands for (genericException for codes it does not know).
    static int PASCAL OsErrorToException(LONG lOsError);
    // Throws a CFileException for a non-zero Windows error code; returns for 0.
    static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);

    // The cause's message with the file name in it.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] MARLOW17_API void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);
