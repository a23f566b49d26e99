// The framework's exceptions are thrown inside the library and caught here, in the host: these
// tests throw through each exported AfxThrow... function.
#include <gtest/gtest.h>
#include "afx.h"
#include "TestSupport.h"

#include <string>

namespace {

// Catches what thrower throws as E*, or returns null when it throws nothing of that type.
template <class E>
CException* CatchAs(void (*thrower)())
{
    try {
        thrower();
    } catch (E* e) {
        return e;
    }
    return nullptr;
}

std::string Message(const CException* e)
{
    char text[256];
    UINT help = 99;
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof(text), &help));
    EXPECT_EQ(0u, help);
    return text;
}

struct ThrowCase
{
    const char* name;
    void (*thrower)();
    CException* (*catchExact)(void (*)());
    const char* className;
    const char* message;
};

const ThrowCase s_throwCases[] = {
    { "memory", [] { AfxThrowMemoryException(); }, CatchAs<CMemoryException>, "CMemoryException", "Out of memory." },
    { "resource", [] { AfxThrowResourceException(); }, CatchAs<CResourceException>, "CResourceException",
      "A required resource was unavailable." },
    { "invalid argument", [] { AfxThrowInvalidArgException(); }, CatchAs<CInvalidArgException>, "CInvalidArgException",
      "Encountered an improper argument." },
    { "file", [] { AfxThrowFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\data\\x.txt"); },
      CatchAs<CFileException>, "CFileException", "C:\\data\\x.txt was not found." },
};

// Counts its destructions, to see the unwinder run the host's cleanups.
struct Sentinel
{
    int* count;
    ~Sentinel() { ++*count; }
};

}  // namespace

TEST(Exception, EachThrowIsCaughtInTheHostByItsTypeAndByTheBase)
{
    for (const auto& c : s_throwCases) {
        CException* exact = c.catchExact(c.thrower);
        ASSERT_NE(nullptr, exact) << c.name;
        EXPECT_EQ(c.message, Message(exact)) << c.name;
        EXPECT_STREQ(c.className, exact->GetRuntimeClass()->m_lpszClassName);
        EXPECT_TRUE(exact->IsKindOf(RUNTIME_CLASS(CException)));
        EXPECT_EQ(c.catchExact == CatchAs<CFileException>, !!exact->IsKindOf(RUNTIME_CLASS(CFileException)));
        EXPECT_EQ(c.catchExact != CatchAs<CFileException>, !!exact->IsKindOf(RUNTIME_CLASS(CSimpleException)));
        exact->Delete();

        CException* base = CatchAs<CException>(c.thrower);
        ASSERT_NE(nullptr, base) << c.name;
        EXPECT_EQ(c.message, Message(base)) << c.name;
        base->Delete();

        // A handler of another type lets it pass to the next one out.
        CException* passed = nullptr;
        try {
            if (c.catchExact == CatchAs<CInvalidArgException>)
                CatchAs<CResourceException>(c.thrower);
            else
                CatchAs<CInvalidArgException>(c.thrower);
        } catch (CException* e) {
            passed = e;
        }
        ASSERT_NE(nullptr, passed) << c.name;
        passed->Delete();
    }
}

TEST(Exception, UnwindingRunsTheHostsDestructors)
{
    int destroyed = 0;
    try {
        Sentinel outer{ &destroyed };
        {
            Sentinel inner{ &destroyed };
            AfxThrowInvalidArgException();
        }
    } catch (CInvalidArgException* e) {
        EXPECT_EQ(2, destroyed);
        e->Delete();
    }
    EXPECT_EQ(2, destroyed);
}

TEST(Exception, FileExceptionCarriesCauseErrorAndName)
{
    try {
        AfxThrowFileException(CFileException::sharingViolation, ERROR_SHARING_VIOLATION, "locked.dat");
        FAIL() << "no throw";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::sharingViolation, e->m_cause);
        EXPECT_EQ(ERROR_SHARING_VIOLATION, e->m_lOsError);
        EXPECT_STREQ("locked.dat", e->m_strFileName);
        e->Delete();
    }

    // Defaults: no system error, no name; a cause outside the list reads as a generic failure.
    CFileException plain(CFileException::diskFull);
    EXPECT_EQ(-1, plain.m_lOsError);
    EXPECT_EQ("Disk full while accessing an unnamed file.", Message(&plain));
    CFileException odd(99, -1, "f.bin");
    EXPECT_EQ("An unexpected error occurred while accessing f.bin.", Message(&odd));
}

TEST(Exception, OsErrorsMapToCauses)
{
    const struct { LONG error; int cause; } cases[] = {
        { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
        { ERROR_PATH_NOT_FOUND, CFileException::badPath },
        { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
        { ERROR_ACCESS_DENIED, CFileException::accessDenied },
        { ERROR_INVALID_HANDLE, CFileException::invalidFile },
        { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
        { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
        { ERROR_HANDLE_EOF, CFileException::endOfFile },
        { ERROR_DISK_FULL, CFileException::diskFull },
        { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
        { ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir },
        { 0, CFileException::genericException },
        { 123456, CFileException::genericException },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.error)) << c.error;

    // ThrowOsError throws for a real error only.
    EXPECT_NO_THROW(CFileException::ThrowOsError(0, "x"));
    try {
        CFileException::ThrowOsError(ERROR_ACCESS_DENIED, "x");
        FAIL() << "no throw";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        EXPECT_EQ(ERROR_ACCESS_DENIED, e->m_lOsError);
        e->Delete();
    }
}

TEST(Exception, MessagesAreCutToTheCallersBuffer)
{
    CInvalidArgException e;
    char text[6] = "#####";
    EXPECT_TRUE(e.GetErrorMessage(text, 6));
    EXPECT_STREQ("Encou", text);
    EXPECT_FALSE(e.GetErrorMessage(text, 0));
    EXPECT_FALSE(e.GetErrorMessage(NULL, 10));
}

TEST(Exception, TheMemoryExceptionIsOneStaticObject)
{
    CException* first = CatchAs<CMemoryException>([] { AfxThrowMemoryException(); });
    ASSERT_NE(nullptr, first);
    EXPECT_FALSE(first->m_bAutoDelete);
    first->Delete();   // does nothing: the object lives on for the next shortage
    CException* second = CatchAs<CMemoryException>([] { AfxThrowMemoryException(); });
    EXPECT_EQ(first, second);
    EXPECT_EQ("Out of memory.", Message(second));
}

namespace {
// An exception with no message of its own.
struct SilentException : CException
{
};
}  // namespace

TEST(Exception, ReportErrorShowsTheMessageInABox)
{
    {
        CFileException file(CFileException::accessDenied, ERROR_ACCESS_DENIED, "secret.txt");
        test::ModalBoxWatcher watcher(IDOK);
        EXPECT_EQ(IDOK, file.ReportError());
        EXPECT_EQ(1, watcher.Count());
        EXPECT_EQ("Access to secret.txt was denied.", watcher.Text());
    }
    {
        SilentException silent;
        char text[8] = "x";
        EXPECT_FALSE(silent.GetErrorMessage(text, sizeof(text)));
        EXPECT_STREQ("", text);
        test::ModalBoxWatcher watcher(IDNO);
        EXPECT_EQ(IDNO, silent.ReportError(MB_YESNO));
        EXPECT_EQ("No error message is available.", watcher.Text());
    }
}
