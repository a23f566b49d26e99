#include <gtest/gtest.h>
#include "afx.h"

#include <functional>
#include <string>

TEST(CString, CopiesShareUntilWritten)
{
    CString a("hello");
    CString b(a);
    EXPECT_EQ(a.GetString(), b.GetString());
    b.SetAt(0, 'j');
    EXPECT_STREQ("hello", a);
    EXPECT_STREQ("jello", b);
}

namespace {

// A case reads an expression of s ("hello") and shows its result as text.
struct ReadCase
{
    const char* expr;
    std::function<std::string(const CString&)> eval;
    std::string expected;
};
#define READ(expr, expected) ReadCase{ #expr, [](const CString& s) { return std::string(CString(expr)); }, expected }
#define FIND(expr, expected) ReadCase{ #expr, [](const CString& s) { return std::to_string(expr); }, #expected }

// A case changes a copy of its input and shows the call's result and the text left.
struct WriteCase
{
    const char* input;
    const char* expr;
    std::function<int(CString&)> eval;
    const char* text;
    int result;
};
#define WRITE(input, expr, text, result) WriteCase{ input, #expr, [](CString& s) { return (int)(expr); }, text, result }

}  // namespace

TEST(CString, ExtractsAndFindsWithArgumentsClampedToTheText)
{
    const ReadCase cases[] = {
        READ(s.Mid(2), "llo"),
        READ(s.Mid(-2), "hello"),
        READ(s.Mid(5), ""),
        READ(s.Mid(9), ""),
        READ(s.Mid(1, 2), "el"),
        READ(s.Mid(-1, 3), "hel"),
        READ(s.Mid(1, -1), ""),
        READ(s.Mid(3, 99), "lo"),
        READ(s.Mid(9, 2), ""),
        READ(s.Left(2), "he"),
        READ(s.Left(-1), ""),
        READ(s.Left(99), "hello"),
        READ(s.Right(2), "lo"),
        READ(s.Right(-1), ""),
        READ(s.Right(99), "hello"),
        READ(s.SpanIncluding("leh"), "hell"),
        READ(s.SpanExcluding("lo"), "he"),
        FIND(s.Find('l'), 2),
        FIND(s.Find('l', 3), 3),
        FIND(s.Find('l', 4), -1),
        FIND(s.Find('z'), -1),
        FIND(s.Find('h', 5), -1),
        FIND(s.Find('h', 99), -1),
        FIND(s.Find('h', -1), -1),
        FIND(s.Find("ll"), 2),
        FIND(s.Find("lo", 4), -1),
        FIND(s.Find("lo", 3), 3),
        FIND(s.Find("", 5), 5),
        FIND(s.Find("h", 6), -1),
        FIND(s.Find("hello!"), -1),
        FIND(s.ReverseFind('l'), 3),
        FIND(s.ReverseFind('z'), -1),
        FIND(s.ReverseFind('\0'), -1),
        FIND(s.FindOneOf("ol"), 2),
        FIND(s.FindOneOf("xyz"), -1),
        FIND(s.FindOneOf(""), -1),
        FIND(s.Compare("hello"), 0),
        FIND(s.Compare("hellp") < 0, 1),
        FIND(s.Compare("hell") > 0, 1),
        FIND(s.Compare("Hello") > 0, 1),
        FIND(s.CompareNoCase("HELLO"), 0),
        FIND(s.CompareNoCase("HELLP") < 0, 1),
        FIND(s.Collate("hellp") < 0, 1),
        FIND(s.CollateNoCase("HeLLo"), 0),
        FIND(s == "hello", 1),
        FIND(s != "hello", 0),
        FIND(s < CString("help"), 1),
    };
    const CString s("hello");
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, c.eval(s)) << c.expr;
    EXPECT_STREQ("hello", s);
}

TEST(CString, ChangesTextWithEmptyOutOfRangeAndOverlappingArguments)
{
    const WriteCase cases[] = {
        WRITE("hello", s.Insert(0, 'x'), "xhello", 6),
        WRITE("hello", s.Insert(99, "!!"), "hello!!", 7),
        WRITE("hello", s.Insert(-5, "a"), "ahello", 6),
        WRITE("hello", s.Insert(2, ""), "hello", 5),
        WRITE("", s.Insert(0, "new"), "new", 3),
        WRITE("hello", s.Insert(2, (LPCSTR)s), "hehellollo", 10),
        WRITE("hello", s.Insert(1, (LPCSTR)s + 3), "hloello", 7),
        WRITE("hello", s.Delete(1, 2), "hlo", 3),
        WRITE("hello", s.Delete(3, 99), "hel", 3),
        WRITE("hello", s.Delete(-1, 2), "llo", 3),
        WRITE("hello", s.Delete(9), "hello", 5),
        WRITE("hello", s.Delete(0, -1), "hello", 5),
        WRITE("", s.Delete(0), "", 0),
        WRITE("hello", s.Remove('l'), "heo", 2),
        WRITE("hello", s.Remove('z'), "hello", 0),
        WRITE("llll", s.Remove('l'), "", 4),
        WRITE("hello", s.Replace('l', 'L'), "heLLo", 2),
        WRITE("hello", s.Replace('l', 'l'), "hello", 0),
        WRITE("hello", s.Replace("l", "ll"), "hellllo", 2),
        WRITE("hello", s.Replace("ll", ""), "heo", 1),
        WRITE("hello", s.Replace("ll", NULL), "heo", 1),
        WRITE("hello", s.Replace("", "x"), "hello", 0),
        WRITE("hello", s.Replace("hello", "bye"), "bye", 1),
        WRITE("aaa", s.Replace("aa", "b"), "ba", 1),
        WRITE("hello", s.Replace((LPCSTR)s + 3, "L"), "helL", 1),
        WRITE("hello", s.Replace("l", (LPCSTR)s), "hehellohelloo", 2),
        WRITE("hello", s.Replace((LPCSTR)s, (LPCSTR)s + 4), "o", 1),
        WRITE("hello", (s += (LPCSTR)s).GetLength(), "hellohello", 10),
        WRITE("hello", (s = (LPCSTR)s + 1).GetLength(), "ello", 4),
        WRITE("hello", (s = s.Mid(1, 3)).GetLength(), "ell", 3),
        WRITE("  hi \t\n", s.Trim().GetLength(), "hi", 2),
        WRITE("  hi \t\n", s.TrimLeft().GetLength(), "hi \t\n", 5),
        WRITE("  hi \t\n", s.TrimRight().GetLength(), "  hi", 4),
        WRITE("   ", s.Trim().GetLength(), "", 0),
        WRITE("", s.Trim().GetLength(), "", 0),
        WRITE("xxhixx", s.Trim('x').GetLength(), "hi", 2),
        WRITE("xxhixx", s.TrimLeft('x').GetLength(), "hixx", 4),
        WRITE("xxhixx", s.TrimRight('x').GetLength(), "xxhi", 4),
        WRITE("xxxx", s.Trim('x').GetLength(), "", 0),
        WRITE("abhiba", s.Trim("ab").GetLength(), "hi", 2),
        WRITE("abhiba", s.TrimLeft("ba").GetLength(), "hiba", 4),
        WRITE("abhiba", s.TrimRight("ab").GetLength(), "abhi", 4),
        WRITE("abhiba", s.Trim("").GetLength(), "abhiba", 6),
        WRITE("Hello World 1", s.MakeUpper().GetLength(), "HELLO WORLD 1", 13),
        WRITE("Hello World 1", s.MakeLower().GetLength(), "hello world 1", 13),
        WRITE("abc", s.MakeReverse().GetLength(), "cba", 3),
        WRITE("", s.MakeUpper().GetLength(), "", 0),
        WRITE("hello", (s.SetAt(0, 'j'), 0), "jello", 0),
        WRITE("hello", (s.SetAt(5, 'x'), s.SetAt(-1, 'x'), 0), "hello", 0),
        WRITE("hello", s.GetAt(5) + s.GetAt(-1), "hello", 0),
        WRITE("ab", (s.Format("%d-%s-%5.1f", 42, (LPCSTR)s, 3.14159), s.GetLength()), "42-ab-  3.1", 11),
        WRITE("ab", (s.AppendFormat("[%03d]", 7), s.GetLength()), "ab[007]", 7),
        WRITE("ab", (s.Format(""), s.GetLength()), "", 0),
        WRITE("ab", (s.Empty(), s.IsEmpty()), "", 1),
    };
    for (const auto& c : cases) {
        CString s(c.input);
        CString original(s);
        int result = c.eval(s);
        EXPECT_STREQ(c.text, s) << c.input << ": " << c.expr;
        EXPECT_EQ(c.result, result) << c.input << ": " << c.expr;
        EXPECT_STREQ(c.input, original) << "a copy changed with " << c.expr;
    }
}

TEST(CString, FormatsLongOutput)
{
    std::string longText(5000, 'a');
    CString s;
    s.Format("<%s>%d", longText.c_str(), 12345);
    EXPECT_EQ(5007, s.GetLength());
    EXPECT_EQ("<" + longText + ">12345", std::string(s));
}

TEST(CString, TokenizeWalksTheTokens)
{
    CString s(";;one;two;;three;");
    std::string seen;
    int pos = 0;
    for (CString token = s.Tokenize(";", pos); pos >= 0; token = s.Tokenize(";", pos))
        seen += std::string(token) + "|";
    EXPECT_EQ("one|two|three|", seen);
}

TEST(CString, BufferAccessSetsTheLength)
{
    CString s;
    strcpy(s.GetBuffer(10), "abcdef");
    s.ReleaseBuffer();
    EXPECT_STREQ("abcdef", s);
    EXPECT_EQ(6, s.GetLength());

    strcpy(s.GetBuffer(20), "0123456789xyz");
    s.ReleaseBuffer(4);
    EXPECT_STREQ("0123", s);
    EXPECT_EQ(4, s.GetLength());

    // A length past the room falls back to the terminator.
    s.GetBuffer(0);
    s.ReleaseBuffer(100000);
    EXPECT_STREQ("0123", s);

    // Released without GetBuffer, a shared text is cut alone.
    CString copy(s);
    s.ReleaseBuffer(1);
    EXPECT_STREQ("0", s);
    EXPECT_STREQ("0123", copy);
    s = copy;

    LPSTR p = s.GetBufferSetLength(2);
    EXPECT_EQ('0', p[0]);
    EXPECT_EQ('\0', p[2]);
    s.ReleaseBuffer();
    EXPECT_STREQ("01", s);
}

TEST(CString, WritingThroughABufferLeavesCopiesAlone)
{
    CString a("hello");
    CString b(a);
    ASSERT_EQ(a.GetString(), b.GetString());
    b.GetBuffer(0)[0] = 'j';
    b.ReleaseBuffer();
    EXPECT_STREQ("hello", a);
    EXPECT_STREQ("jello", b);

    // Every kind of change unshares: append, trim, case, replace, delete.
    const std::function<void(CString&)> changes[] = {
        [](CString& s) { s += "!"; },
        [](CString& s) { s.TrimLeft('h'); },
        [](CString& s) { s.MakeUpper(); },
        [](CString& s) { s.Replace('l', 'L'); },
        [](CString& s) { s.Delete(0); },
        [](CString& s) { s.Insert(0, 'x'); },
        [](CString& s) { s.Remove('e'); },
    };
    for (const auto& change : changes) {
        CString original("hello");
        CString copy(original);
        change(copy);
        EXPECT_STREQ("hello", original);
        EXPECT_STRNE("hello", copy);
    }

    CString c(a);
    c = "other";
    EXPECT_STREQ("hello", a);
    CString d;
    d = a;
    EXPECT_EQ(a.GetString(), d.GetString());
}

TEST(CString, ConvertsWideTextAndConcatenates)
{
    CString w(L"wide");
    EXPECT_STREQ("wide", w);
    CString s = CString("a") + "b" + 'c' + CString("d");
    EXPECT_STREQ("abcd", s);
    EXPECT_STREQ("xabcd", 'x' + s);
    EXPECT_STREQ("-abcd", "-" + s);
    EXPECT_STREQ("", CString((LPCSTR)NULL));
    EXPECT_STREQ("zzz", CString('z', 3));
    EXPECT_STREQ("", CString('z', -1));
    EXPECT_STREQ("ab", CString("abc", 2));
}
