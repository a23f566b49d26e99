#include <gtest/gtest.h>
#include "afx.h"

#include <functional>
#include <string>

namespace {

// A fresh folder under the system's temporary folder, removed with what it holds.
class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(MAX_PATH, temp));
        char name[64];
        sprintf(name, "Marlow17FileTest%lu_%lu", GetCurrentProcessId(), GetTickCount());
        m_folder = std::string(temp) + name;
        ASSERT_TRUE(CreateDirectoryA(m_folder.c_str(), NULL));
    }
    void TearDown() override
    {
        WIN32_FIND_DATAA data;
        HANDLE find = FindFirstFileA((m_folder + "\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA(Path(data.cFileName).c_str());
            while (FindNextFileA(find, &data));
            FindClose(find);
        }
        EXPECT_TRUE(RemoveDirectoryA(m_folder.c_str())) << "a file was left open";
    }
    std::string Path(const char* name) const { return m_folder + "\\" + name; }

    std::string ReadAll(const std::string& path)
    {
        CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
        std::string text((size_t)file.GetLength(), '\0');
        EXPECT_EQ(text.size(), file.Read(&text[0], (UINT)text.size()));
        return text;
    }

    std::string m_folder;
};

// Runs op and returns the CFileException it throws (its cause, error and name), or cause -1.
struct Caught
{
    int cause = -1;
    LONG osError = 0;
    std::string fileName;
};
Caught CatchFileException(const std::function<void()>& op)
{
    Caught caught;
    try {
        op();
    } catch (CFileException* e) {
        caught = { e->m_cause, e->m_lOsError, std::string(e->m_strFileName) };
        e->Delete();
    }
    return caught;
}

}  // namespace

TEST_F(FileTest, WriteSeekAndReadRoundTrip)
{
    const std::string path = Path("data.bin");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
        EXPECT_STRCASEEQ(path.c_str(), file.GetFilePath());
        EXPECT_STREQ("data.bin", file.GetFileName());
        EXPECT_TRUE(file.IsKindOf(RUNTIME_CLASS(CFile)));
        file.Write("hello world", 11);
        file.Write("", 0);
        EXPECT_EQ(11u, file.GetLength());
        EXPECT_EQ(11u, file.GetPosition());

        char buffer[32] = {};
        file.SeekToBegin();
        EXPECT_EQ(5u, file.Read(buffer, 5));
        EXPECT_STREQ("hello", buffer);
        EXPECT_EQ(7u, file.Seek(2, CFile::current));
        EXPECT_EQ(3u, file.Read(buffer, 3));
        EXPECT_EQ("orl", std::string(buffer, 3));
        EXPECT_EQ(6u, file.Seek(-5, CFile::end));
        EXPECT_EQ(5u, file.Read(buffer, sizeof(buffer)));
        EXPECT_EQ("world", std::string(buffer, 5));
        EXPECT_EQ(0u, file.Read(buffer, sizeof(buffer)));
        EXPECT_EQ(0u, file.Read(NULL, 0));

        // Writing past the end extends the file with zeros.
        EXPECT_EQ(20u, file.Seek(20, CFile::begin));
        file.Write("!", 1);
        EXPECT_EQ(21u, file.GetLength());
        EXPECT_EQ(21u, file.SeekToEnd());
        file.Close();
        EXPECT_EQ(CFile::hFileNull, file.m_hFile);
        EXPECT_STREQ("", file.GetFilePath());
    }
    EXPECT_EQ(std::string("hello world\0\0\0\0\0\0\0\0\0!", 21), ReadAll(path));

    // Create without truncation keeps the text; plain create empties the file.
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
        EXPECT_EQ(21u, file.SeekToEnd());
        file.Write("?", 1);
    }
    EXPECT_EQ(22u, ReadAll(path).size());
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(0u, file.GetLength());
    }
    EXPECT_EQ("", ReadAll(path));
}

TEST_F(FileTest, OpenReportsWhyItFailed)
{
    {
        CFile existing(Path("exists.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    CFile locked(Path("locked.txt").c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);

    const struct { std::string path; UINT flags; int cause; LONG osError; } cases[] = {
        { Path("missing.txt"), CFile::modeRead, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND },
        { Path("nofolder\\x.txt"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath, ERROR_PATH_NOT_FOUND },
        { Path("locked.txt"), CFile::modeRead | CFile::shareDenyNone, CFileException::sharingViolation, ERROR_SHARING_VIOLATION },
        { m_folder, CFile::modeRead, CFileException::accessDenied, ERROR_ACCESS_DENIED },
        { Path(std::string(300, 'x').c_str()), CFile::modeRead, CFileException::badPath, ERROR_FILENAME_EXCED_RANGE },
        { "", CFile::modeRead, CFileException::badPath, ERROR_INVALID_NAME },
        { Path("exists.txt"), CFile::modeReadWrite | CFile::modeWrite, CFileException::genericException, ERROR_INVALID_PARAMETER },
        { Path("exists.txt"), CFile::modeRead | 0x50, CFileException::genericException, ERROR_INVALID_PARAMETER },
    };
    for (const auto& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &error)) << c.path;
        EXPECT_EQ(c.cause, error.m_cause) << c.path;
        EXPECT_EQ(c.osError, error.m_lOsError) << c.path;
        EXPECT_EQ(c.path, std::string(error.m_strFileName));
        EXPECT_EQ(CFile::hFileNull, file.m_hFile);
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags)) << "without a record";

        // The opening constructor throws the same.
        Caught caught = CatchFileException([&] { CFile thrown(c.path.c_str(), c.flags); });
        EXPECT_EQ(c.cause, caught.cause) << c.path;
        EXPECT_EQ(c.osError, caught.osError) << c.path;
        EXPECT_EQ(c.path, caught.fileName);
    }
    CFileException error;
    EXPECT_FALSE(CFile().Open(NULL, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);

    char message[512];
    CFileException(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, Path("missing.txt").c_str())
        .GetErrorMessage(message, sizeof(message));
    EXPECT_EQ(Path("missing.txt") + " was not found.", message);
}

TEST_F(FileTest, OperationsThatFailThrow)
{
    const std::string path = Path("read-only.txt");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("abc", 3);
    }
    CFile reader(path.c_str(), CFile::modeRead);
    CFile closed;
    char buffer[8];
    const struct { const char* what; std::function<void()> op; int cause; } cases[] = {
        { "write to a file opened for reading", [&] { reader.Write("x", 1); }, CFileException::accessDenied },
        { "seek before the start", [&] { reader.Seek(-1, CFile::begin); }, CFileException::badSeek },
        { "seek from nowhere", [&] { reader.Seek(0, 7); }, CFileException::badSeek },
        { "read a closed file", [&] { closed.Read(buffer, 1); }, CFileException::invalidFile },
        { "write a closed file", [&] { closed.Write("x", 1); }, CFileException::invalidFile },
        { "length of a closed file", [&] { closed.GetLength(); }, CFileException::invalidFile },
        { "position of a closed file", [&] { closed.GetPosition(); }, CFileException::invalidFile },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cause, CatchFileException(c.op).cause) << c.what;

    // Nothing is lost: the reader still reads from where it was.
    EXPECT_EQ(3u, reader.Read(buffer, sizeof(buffer)));
    EXPECT_EQ("abc", std::string(buffer, 3));
    EXPECT_NO_THROW(closed.Close());
    EXPECT_NO_THROW(closed.Abort());
}

TEST_F(FileTest, HandlesAreClosedByCloseReopenAndTheDestructor)
{
    const std::string first = Path("first.txt"), second = Path("second.txt");
    CFile file(first.c_str(), CFile::modeCreate | CFile::modeWrite);
    ASSERT_TRUE(file.Open(second.c_str(), CFile::modeCreate | CFile::modeWrite));
    EXPECT_TRUE(DeleteFileA(first.c_str())) << "the first file is closed by the second Open";
    {
        CFile other(file.m_hFile);   // borrows the handle: its destructor leaves it open
    }
    file.Write("x", 1);
    file.Close();
    EXPECT_TRUE(DeleteFileA(second.c_str()));
    {
        CFile scoped(first.c_str(), CFile::modeCreate | CFile::modeWrite);
    }
    EXPECT_TRUE(DeleteFileA(first.c_str())) << "the destructor closes the file";
}
