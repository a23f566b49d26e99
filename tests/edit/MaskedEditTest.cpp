// The masked edit, typed key by key: symbols and literals, the skip over literals, conversions,
// deletion only at the end, and the text cut to the longest start that fits the mask.
#include "EditTestSupport.h"

#include <CVetMaskedEdit.h>
#include <ctype.h>
#include <mbctype.h>
#include <mbstring.h>

namespace {

using test::Selection;

int IsAlnumChar(UINT c)
{
    return c < 0x80 && isalnum(static_cast<int>(c));
}

int IsLetterChar(UINT c)
{
    return c < 0x80 && isalpha(static_cast<int>(c));
}

UINT SwapCase(UINT c)
{
    return isupper(static_cast<int>(c)) ? tolower(static_cast<int>(c)) : toupper(static_cast<int>(c));
}

class MaskedEditTest : public test::EditFixture<CVetMaskedEdit>
{
public:
    void UseMask(const char* mask)
    {
        edit.GetSymbolArray().RemoveAll();
        edit.GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
        edit.GetSymbolArray().Add(MaskedBehavior::Symbol('>', IsAlnumChar, _mbctoupper));
        edit.SetMask(mask);
    }
};

struct TypingCase
{
    const char* mask;
    const char* text;       // the caret at its end unless sel says otherwise
    Selection sel;
    const char* typed;
    const char* result;
    Selection after;
};

const Selection kEnd = {-1, -1};

const TypingCase s_typing[] = {
    // Symbols take what passes their test, converted; the rest is dropped silently.
    {"##/##", "", kEnd, "123", "12/3", {4, 4}},
    {"##/##", "", kEnd, "1a2", "12", {2, 2}},
    {"##/##", "12", kEnd, "/", "12/", {3, 3}},              // the literal itself
    {"##/##", "12/34", kEnd, "5", "12/34", {5, 5}},         // beyond the mask: ignored
    {"##/##", "12/34", {0, 0}, "9", "92/34", {1, 1}},       // overwrites inside the text
    {"##/##", "12/34", {2, 2}, "5", "12/54", {4, 4}},       // skip over the literal, overwrite
    {"##/##", "12/34", {1, 5}, "7", "17", {2, 2}},          // a selection reaching the end goes
    {"##/##", "12/34", {0, 2}, "7", "72/34", {1, 1}},       // ... one that does not, overwritten
    {">>>-###", "", kEnd, "ab1c22", "AB1-22", {6, 6}},
    {"(###) ###-####", "", kEnd, "5551234567", "(555) 123-4567", {14, 14}},
    {"(###) ###-####", "", kEnd, "(555) 123-4567", "(555) 123-4567", {14, 14}},
    {"(###) ###-####", "", kEnd, "x5", "(5", {2, 2}},
    // Backspace deletes only at the end; elsewhere it moves the caret left.
    {"##/##", "12/34", kEnd, "\b\b", "12/", {3, 3}},
    {"##/##", "12/34", {2, 2}, "\b", "12/34", {1, 1}},
    {"##/##", "12/34", {0, 0}, "\b", "12/34", {0, 0}},
    {"##/##", "12/34", {5, 5}, "\b5", "12/35", {5, 5}},
    // With no mask, any text.
    {"", "", kEnd, "a/#%", "a/#%", {4, 4}},
};

TEST_F(MaskedEditTest, TypedCharactersFitTheMask)
{
    for (const TypingCase& c : s_typing) {
        UseMask(c.mask);
        Start(c.text);
        if (c.sel != kEnd)
            Select(c.sel.start, c.sel.end);
        Type(c.typed);
        EXPECT_EQ(c.result, Text()) << c.mask << " '" << c.text << "' " << c.sel << " " << c.typed;
        EXPECT_EQ(c.after, Sel()) << c.mask << " '" << c.text << "' " << c.sel << " " << c.typed;
    }
}

TEST_F(MaskedEditTest, DeleteWorksOnlyAtTheEnd)
{
    UseMask("##/##");
    struct
    {
        Selection sel;
        const char* result;
    } cases[] = {
        {{1, 1}, "12/34"},      // in the middle: nothing
        {{0, 2}, "12/34"},
        {{4, 4}, "12/3"},       // before the last character
        {{5, 5}, "12/34"},
        {{2, 5}, "12"},         // a selection reaching the end
    };
    for (const auto& c : cases) {
        Start("12/34");
        Select(c.sel.start, c.sel.end);
        Press(VK_DELETE);
        EXPECT_EQ(c.result, Text()) << c.sel;
    }
}

TEST_F(MaskedEditTest, OtherKeysMoveTheCaret)
{
    UseMask("##/##");
    Start("12/34");
    Press(VK_HOME);
    EXPECT_EQ((Selection{0, 0}), Sel());
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    EXPECT_EQ((Selection{2, 2}), Sel());
}

struct SetCase
{
    const char* mask;
    const char* set;
    const char* stored;
};

const SetCase s_sets[] = {
    {"##/##", "12-34", "12"},               // cut at the first mismatching literal
    {"##/##", "12/34/56", "12/34"},         // and at the end of the mask
    {"##/##", "1#/34", "1"},                // a symbol position holding its own symbol
    {">>>-###", "ab1-234", "AB1-234"},      // conversions apply to set text too
    {">>>-###", "ab1234", "AB1"},
    {"", "anything at all", "anything at all"},
};

TEST_F(MaskedEditTest, SetTextIsCutToTheLongestStartThatFits)
{
    for (const SetCase& c : s_sets) {
        UseMask(c.mask);
        edit.SetText(c.set);
        EXPECT_EQ(c.stored, Text()) << c.mask << " " << c.set;
    }
}

TEST_F(MaskedEditTest, WithoutSymbolsEveryMaskCharacterIsALiteral)
{
    edit.SetMask("AB-1");
    Type("xB");
    EXPECT_EQ("", Text());
    Type("AB-1");
    EXPECT_EQ("AB-1", Text());
    edit.SetText("AB-2");
    EXPECT_EQ("AB-", Text());
    // '#' is a literal too while no symbol bears it.
    edit.SetMask("##");
    edit.SetText("##");
    EXPECT_EQ("##", Text());
}

TEST_F(MaskedEditTest, MaskChangesRevalidateButSymbolChangesWait)
{
    UseMask("##/##");
    Start("12/34");
    edit.SetMask("##");
    EXPECT_EQ("12", Text());
    EXPECT_EQ(CString("##"), edit.GetMask());
    edit.GetSymbolArray().RemoveAll();
    EXPECT_EQ("12", Text());
    edit.SetText("12");
    EXPECT_EQ("", Text());
}

TEST_F(MaskedEditTest, NumericTextKeepsTheDigits)
{
    UseMask("(###) ###-####");
    Type("5551234");
    EXPECT_EQ(CString("5551234"), edit.GetNumericText());
    edit.SetMask("");
    edit.SetText("a1b2 c3");
    EXPECT_EQ(CString("123"), edit.GetNumericText());
}

TEST_F(MaskedEditTest, SymbolsCompareAndConvert)
{
    MaskedBehavior::Symbol plain;
    EXPECT_EQ(0, plain.Get());
    EXPECT_TRUE(plain.Validate('x'));
    EXPECT_EQ('x', plain.Convert('x'));
    plain.Set('?');
    EXPECT_EQ('?', static_cast<char>(plain));

    const MaskedBehavior::Symbol upper('>', IsAlnumChar, _mbctoupper);
    EXPECT_TRUE(upper.Validate('q'));
    EXPECT_FALSE(upper.Validate('-'));
    EXPECT_EQ('Q', upper.Convert('q'));
}

// A test that records what it was given.
UINT s_lastTested = 0;
int RecordingTest(UINT c)
{
    s_lastTested = c;
    return 1;
}

TEST_F(MaskedEditTest, SymbolFunctionsReceiveUnsignedBytes)
{
    edit.GetSymbolArray().Add(MaskedBehavior::Symbol('?', RecordingTest));
    edit.SetMask("??");
    Type("\xe9");
    EXPECT_EQ(0xE9u, s_lastTested);
    EXPECT_EQ("\xe9", Text());
}

TEST_F(MaskedEditTest, ConversionThatDoesNotValidateItselfIsStoredOnce)
{
    // Swapping case twice gives the text back: re-validating the valid form would never end.
    edit.GetSymbolArray().Add(MaskedBehavior::Symbol('a', IsLetterChar, SwapCase));
    edit.SetMask("aaa");
    edit.SetText("abC");
    EXPECT_EQ("ABc", Text());
    test::CaretToEnd(Hwnd());
    Type("\b\bd");
    EXPECT_EQ("AD", Text());
}

TEST_F(MaskedEditTest, TextLimitStopsTheSkipOverLiterals)
{
    UseMask("##--##");
    edit.SetLimitText(2);
    Type("123");
    EXPECT_EQ("12", Text());
    EXPECT_EQ((Selection{2, 2}), Sel());
}

// A client class refusing the digit 0.
class NoZeroEdit : public CVetMaskedEdit
{
protected:
    bool ShouldEnter(char c) const override { return c != '0'; }
};

class NoZeroTest : public test::EditFixture<NoZeroEdit>
{
};

TEST_F(NoZeroTest, VetoRefusesTypedCharactersNotTheLiteralsOfTheMask)
{
    edit.GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
    edit.SetMask("##0#");
    Type("1020");
    EXPECT_EQ("12", Text());        // '0' refused at a symbol and as the literal
    Type("3");
    EXPECT_EQ("1203", Text());      // the skip enters the literal for the accepted '3'
    edit.SetText("1003");
    EXPECT_EQ("1003", Text());      // set text is not vetoed
}

}  // namespace
