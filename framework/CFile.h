// CFile: a binary file on a Windows handle. Open reports failure by its result (and the optional
// CFileException record); the opening constructor, Read, Write, Seek and the other operations on an
// open file throw CFileException* on failure.
#pragma once
#include "CObject.h"
#include "CFileException.h"
#include "CString.h"

class MARLOW17_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x00000,
        modeWrite = 0x00001,
        modeReadWrite = 0x00002,
        shareCompat = 0x00000,
        shareExclusive = 0x00010,
        shareDenyWrite = 0x00020,
        shareDenyRead = 0x00030,
        shareDenyNone = 0x00040,
        modeNoInherit = 0x00080,
        modeCreate = 0x01000,
        modeNoTruncate = 0x02000,
        typeText = 0x04000,     // text and binary matter to derived classes only
        typeBinary = 0x08000,
        osNoBuffer = 0x10000,
        osWriteThrough = 0x20000,
        osRandomAccess = 0x40000,
        osSequentialScan = 0x80000,
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    CFile();
    // Wraps a handle that stays the caller's: the destructor does not close it.
    CFile(HANDLE hFile);
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    // Closes a file this object opened, without throwing.
    virtual ~CFile();

    operator HANDLE() const { return m_hFile; }

    // An open file is closed first. FALSE on failure, with the cause in *pError when given.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    virtual void Flush();

    // Returns the number of bytes read: less than nCount at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Throws CFileException (diskFull) when not every byte was written.
    virtual void Write(const void* lpBuf, UINT nCount);
    // nFrom is begin, current or end; returns the new position.
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;

    // The full path the file was opened with, and its last part.
    virtual CString GetFilePath() const { return m_strFileName; }
    virtual CString GetFileName() const;

    HANDLE m_hFile;

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
