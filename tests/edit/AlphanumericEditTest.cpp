// The alphanumeric edit, typed key by key: the invalid set, the maximum length with its overwrite
// at full length, and the text cut to its valid form.
#include "EditTestSupport.h"

#include <CVetAlphanumericEdit.h>
#include <iterator>

namespace {

using test::Selection;

class AlphanumericEditTest : public test::EditFixture<CVetAlphanumericEdit>
{
};

TEST_F(AlphanumericEditTest, DefaultsRefuseTenCharactersWithoutLimit)
{
    EXPECT_EQ(CString("%'*\"+?><:\\"), edit.GetInvalidCharacters());
    EXPECT_EQ(0, edit.GetMaxCharacters());
    Type("a%b'c*d\"e+f?g>h<i:j\\k 1-2");
    EXPECT_EQ("abcdefghijk 1-2", Text());
    const std::string longText(300, 'x');
    Type(longText.c_str());
    EXPECT_EQ(15u + 300u, Text().size());
}

TEST_F(AlphanumericEditTest, EmptyInvalidSetAcceptsEveryCharacter)
{
    edit.SetInvalidCharacters("");
    const char* all = "%'*\"+?><:\\ \xe9\x80~";
    Type(all);
    EXPECT_EQ(all, Text());
    SetWindowTextA(Hwnd(), "\\\\server\\share?");
    EXPECT_EQ("\\\\server\\share?", Text());
}

struct ValidTextCase
{
    int max;
    const char* invalid;
    const char* set;
    const char* stored;
};

// Cutting comes before removal: removed characters make no room for later ones.
const ValidTextCase s_validTexts[] = {
    {4, "%'*\"+?><:\\", "ab%cd", "abc"},
    {4, "", "abcdef", "abcd"},
    {0, "ab", "abcabc", "cc"},
    {3, "x", "xxxyz", ""},
    {-1, "", "negative means no limit", "negative means no limit"},
};

TEST_F(AlphanumericEditTest, SetTextIsCutThenRidOfInvalidCharacters)
{
    for (const ValidTextCase& c : s_validTexts) {
        edit.SetMaxCharacters(c.max);
        edit.SetInvalidCharacters(c.invalid);
        edit.SetText(c.set);
        EXPECT_EQ(c.stored, Text()) << c.set;
    }
}

struct FullTextCase
{
    const char* text;
    Selection sel;
    const char* typed;
    const char* result;
    Selection after;
};

// Maximum 4.
const FullTextCase s_fullTexts[] = {
    {"abcd", {4, 4}, "x", "abcd", {4, 4}},          // caret at the end: ignored
    {"abcd", {1, 1}, "x", "axcd", {2, 2}},          // inside: overwrites the next character
    {"abcd", {0, 0}, "wxyz", "wxyz", {4, 4}},
    {"abcd", {1, 3}, "x", "axcd", {2, 2}},          // a selection: still one character
    {"abcd", {4, 4}, "\b", "abc", {3, 3}},          // Backspace still deletes
    {"abc", {3, 3}, "de", "abcd", {4, 4}},          // fills up, then overwrites nothing
    {"abcd", {2, 2}, "%", "abcd", {2, 2}},          // an invalid character stays refused
    {"abcd", {4, 4}, "\x80\xe9", "abcd", {4, 4}},   // code-page characters count as printable
};

TEST_F(AlphanumericEditTest, FullTextOverwritesInsteadOfInserting)
{
    edit.SetMaxCharacters(4);
    for (const FullTextCase& c : s_fullTexts) {
        Start(c.text);
        Select(c.sel.start, c.sel.end);
        Type(c.typed);
        EXPECT_EQ(c.result, Text()) << c.text << " " << c.sel << " " << c.typed;
        EXPECT_EQ(c.after, Sel()) << c.text << " " << c.sel << " " << c.typed;
    }
}

TEST_F(AlphanumericEditTest, TextLongerThanTheMaximumDoesNotGrow)
{
    edit.SetMaxCharacters(4);
    Start("");
    // A host that replaces the selection itself bypasses validation.
    SendMessageA(Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abcdef"));
    ASSERT_EQ("abcdef", Text());
    Select(6, 6);
    Type("x");
    EXPECT_EQ("abcdef", Text());
    Select(0, 0);
    Type("x");
    EXPECT_EQ("xbcdef", Text());
}

TEST_F(AlphanumericEditTest, OverwriteCanBeUndone)
{
    edit.SetMaxCharacters(3);
    Start("abc");
    Select(0, 0);
    Type("x");
    ASSERT_EQ("xbc", Text());
    EXPECT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ("abc", Text());
}

}  // namespace
