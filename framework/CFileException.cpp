#include "CFileException.h"

IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {

// What each cause says; %s is the file name.
const char* const s_causeMessages[] = {
    "No error occurred while accessing %s.",                           // none
    "An unexpected error occurred while accessing %s.",                // genericException
    "%s was not found.",                                               // fileNotFound
    "%s contains an invalid path.",                                    // badPath
    "%s could not be opened because there are too many open files.",   // tooManyOpenFiles
    "Access to %s was denied.",                                        // accessDenied
    "An invalid file handle was associated with %s.",                  // invalidFile
    "%s could not be removed because it is the current directory.",    // removeCurrentDir
    "%s could not be created because the directory is full.",          // directoryFull
    "Seek failed on %s.",                                              // badSeek
    "A hardware I/O error was reported while accessing %s.",           // hardIO
    "A sharing violation occurred while accessing %s.",                // sharingViolation
    "A locking violation occurred while accessing %s.",                // lockViolation
    "Disk full while accessing %s.",                                   // diskFull
    "An attempt was made to access %s past its end.",                  // endOfFile
};

// Windows error codes and the causes they stand for.
const struct { LONG lOsError; int cause; } s_osErrors[] = {
    { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
    { ERROR_PATH_NOT_FOUND, CFileException::badPath },
    { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
    { ERROR_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_INVALID_HANDLE, CFileException::invalidFile },
    { ERROR_BAD_FORMAT, CFileException::invalidFile },
    { ERROR_INVALID_ACCESS, CFileException::accessDenied },
    { ERROR_INVALID_DRIVE, CFileException::badPath },
    { ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir },
    { ERROR_NOT_SAME_DEVICE, CFileException::badPath },
    { ERROR_NO_MORE_FILES, CFileException::fileNotFound },
    { ERROR_WRITE_PROTECT, CFileException::accessDenied },
    { ERROR_BAD_UNIT, CFileException::hardIO },
    { ERROR_NOT_READY, CFileException::hardIO },
    { ERROR_BAD_COMMAND, CFileException::hardIO },
    { ERROR_CRC, CFileException::hardIO },
    { ERROR_BAD_LENGTH, CFileException::badSeek },
    { ERROR_SEEK, CFileException::badSeek },
    { ERROR_NOT_DOS_DISK, CFileException::invalidFile },
    { ERROR_SECTOR_NOT_FOUND, CFileException::badSeek },
    { ERROR_WRITE_FAULT, CFileException::accessDenied },
    { ERROR_READ_FAULT, CFileException::badSeek },
    { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
    { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
    { ERROR_WRONG_DISK, CFileException::badPath },
    { ERROR_SHARING_BUFFER_EXCEEDED, CFileException::tooManyOpenFiles },
    { ERROR_HANDLE_EOF, CFileException::endOfFile },
    { ERROR_HANDLE_DISK_FULL, CFileException::diskFull },
    { ERROR_BAD_NETPATH, CFileException::badPath },
    { ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_BAD_NET_NAME, CFileException::badPath },
    { ERROR_FILE_EXISTS, CFileException::accessDenied },
    { ERROR_CANNOT_MAKE, CFileException::accessDenied },
    { ERROR_DRIVE_LOCKED, CFileException::lockViolation },
    { ERROR_BUFFER_OVERFLOW, CFileException::badPath },
    { ERROR_DISK_FULL, CFileException::diskFull },
    { ERROR_INVALID_NAME, CFileException::badPath },
    { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
    { ERROR_SEEK_ON_DEVICE, CFileException::badSeek },
    { ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir },
    { ERROR_BAD_PATHNAME, CFileException::badPath },
    { ERROR_LOCK_FAILED, CFileException::lockViolation },
    { ERROR_BUSY, CFileException::accessDenied },
    { ERROR_ALREADY_EXISTS, CFileException::accessDenied },
    { ERROR_FILENAME_EXCED_RANGE, CFileException::badPath },
    { ERROR_DIRECTORY, CFileException::badPath },
};

}  // namespace

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

CFileException::~CFileException() {}

int CFileException::OsErrorToException(LONG lOsError)
{
    for (const auto& entry : s_osErrors)
        if (entry.lOsError == lOsError)
            return entry.cause;
    return genericException;
}

void CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    const int nCauses = (int)(sizeof(s_causeMessages) / sizeof(s_causeMessages[0]));
    const char* pszFormat = s_causeMessages[m_cause >= 0 && m_cause < nCauses ? m_cause : genericException];
    CString strMessage;
    strMessage.Format(pszFormat, m_strFileName.IsEmpty() ? "an unnamed file" : m_strFileName.GetString());
    return CopyMessage(strMessage, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
