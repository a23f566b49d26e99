// Typing into numeric edits key by key: where each character goes, how the digits are regrouped and
// where the caret stands after every keystroke. Numbers are written with '.', ',' and '-' and read
// in the locale's symbols, so the same table holds under any locale.
#include "NumericTestSupport.h"

#include <CVetIntegerEdit.h>
#include <CVetNumericEdit.h>

namespace {

using NB = NumericBehavior;

struct Settings
{
    int whole;
    int decimals;
    int group;
    const char* prefix;
    UINT flags;
};

// Keys: each character is a WM_CHAR ('\b' is Backspace), except '\x7f', '<' and '>', which are the
// Delete, Left and Right keys.
struct Step
{
    const char* keys;
    const char* after;      // text and caret after the keys (see test::ParseEditState)
};

struct TypingCase
{
    const char* name;
    Settings settings;
    const char* start;
    std::vector<Step> steps;
};

const Settings kGrouped = {9, 2, 3, "", 0};
const Settings kDollars = {9, 2, 3, "$", 0};
const Settings kFourDigits = {4, 2, 3, "", 0};

const TypingCase kTypingCases[] = {
    {"digits are grouped as they come, the caret after the last", kDollars, "|",
     {{"1", "$1|"}, {"2", "$12|"}, {"3", "$123|"}, {"4", "$1,234|"}, {"5", "$12,345|"}, {"6", "$123,456|"},
      {"7", "$1,234,567|"}, {".", "$1,234,567.|"}, {"8", "$1,234,567.8|"}, {"9", "$1,234,567.89|"},
      {"1", "$1,234,567.89|"}}},
    {"a digit typed inside keeps the caret after it", kGrouped, "1|23",
     {{"9", "1,9|23"}, {"9", "19,9|23"}, {"\b", "1,9|23"}, {"\b\b", "|23"}}},
    {"Backspace after a separator takes it, and the grouping puts it back", kGrouped, "1,|234", {{"\b", "1|,234"}}},
    {"Delete before a separator removes the digit after it", kGrouped, "1|,234", {{"\x7f", "1|34"}, {"\x7f", "1|4"}}},
    {"Delete of a selection reaching the end leaves the caret at the end", kGrouped, "1,2[34,567]",
     {{"\x7f", "12|"}, {"\x7f", "12|"}}},
    {"the negative sign toggles wherever the caret is", kGrouped, "1,23|4", {{"-", "-1,23|4"}, {"-", "1,23|4"}}},
    {"the toggled sign carries the selection along", kGrouped, "1,[23]4", {{"-", "-1,[23]4"}, {"-", "1,[23]4"}}},
    {"right after the prefix the sign is typed; behind it, it toggles", kDollars, "$|123",
     {{"-", "$-|123"}, {"-", "$|123"}, {"-", "$-|123"}}},
    {"right after the prefix the sign overwrites the sign there", kDollars, "$|-123", {{"-", "$-|123"}}},
    {"a sign typed first, then digits", kGrouped, "|", {{"-", "-|"}, {"1234", "-1,234|"}}},
    {"NoNegative refuses the sign", {9, 2, 0, "", NB::NoNegative}, "12|", {{"-", "12|"}}},
    {"a second decimal point moves the caret behind the first", kGrouped, "1|2.34", {{".", "12.|34"}, {".", "12.|34"}}},
    {"a point typed over a selection holding the point replaces it", kGrouped, "1[2.3]4", {{".", "1.|4"}}},
    {"a point before grouped digits turns them into decimals", {9, 4, 3, "", 0}, "1|,234", {{".", "1|.234"}}},
    {"letters, blanks and other signs are ignored", kDollars, "$12|", {{"a +x=/", "$12|"}}},
    {"a full whole part: digits overwrite, stepping over separators", kFourDigits, "1|,234",
     {{"9", "1,9|34"}, {"8", "1,98|4"}, {"7", "1,987|"}}},
    {"a full whole part: the digit at its end is ignored", kFourDigits, "1,234|", {{"5", "1,234|"}}},
    {"a full whole part overwritten from its start", kFourDigits, "|1,234", {{"9", "9|,234"}}},
    {"AutoDecimalPoint: a digit after a full whole part brings the point", {4, 2, 3, "", NB::AutoDecimalPoint},
     "1,234|", {{"5", "1,234.5|"}, {"6", "1,234.56|"}}},
    {"AutoDecimalPoint before existing decimals overwrites the first", {4, 2, 3, "", NB::AutoDecimalPoint},
     "1,234|.67", {{"5", "1,234.5|7"}}},
    {"all decimal places taken: digits overwrite up to the last place", {9, 2, 0, "", 0}, "1.|23",
     {{"9", "1.9|3"}, {"9", "1.99|"}, {"9", "1.99|"}}},
    {"a digit inside the prefix completes it and goes after it", kDollars, "|",
     {{"5", "$5|"}}},
    {"the prefix can be typed out, then the number", {9, 2, 3, "USD ", 0}, "|",
     {{"U", "U|"}, {"SD ", "$|"}, {"1234", "$1,234|"}}},
    {"other keys move the caret as in any edit", kDollars, "$1,234|", {{"<<", "$1,2|34"}, {">", "$1,23|4"}}},
    {"a digit before the prefix is entered after it", kDollars, "|$123", {{"7", "$7,|123"}}},
    {"typing over the whole text starts the number again", kDollars, "[$1,234]", {{"9", "$9|"}}},
    {"the prefix's own character overwrites it; others are ignored there", kDollars, "|$123",
     {{"x", "|$123"}, {"$", "$|123"}}},
    {"Delete inside the prefix is refused unless everything goes", kDollars, "|$123",
     {{"\x7f", "|$123"}}},
    {"Delete of a selection from the prefix but not to the end is refused", kDollars, "[$12]3", {{"\x7f", "[$12]3"}}},
    {"Delete of everything from the prefix on empties the edit", kDollars, "[$123]", {{"\x7f", "|"}}},
    {"Backspace into the prefix leaves the prefix", kDollars, "$|123", {{"\b", "|$123"}}},
    {"PadDecimalsOnSet does not pad while typing", {9, 2, 0, "", NB::PadDecimalsOnSet}, "|",
     {{"1", "1|"}, {".", "1.|"}, {"5", "1.5|"}}},
    {"AlwaysPadDecimals pads while typing, and digits overwrite the zeros", {9, 2, 0, "", NB::AlwaysPadDecimals}, "|",
     {{"1", "1|.00"}, {"2", "12|.00"}, {".", "12.|00"}, {"5", "12.5|0"}}},
};

class NumericTyping : public test::EditFixture<CVetNumericEdit>, public ::testing::WithParamInterface<TypingCase>
{
protected:
    void Apply(const Settings& settings)
    {
        edit.SetMaxWholeDigits(settings.whole);
        edit.SetMaxDecimalPlaces(settings.decimals);
        edit.SetDigitsInGroup(settings.group);
        edit.SetPrefix(settings.prefix);
        edit.ModifyFlags(settings.flags, 0);
    }
    // Puts the edit in a state written with caret marks, in the edit's symbols.
    void Put(const char* marked)
    {
        const test::EditState state = test::ParseEditState(test::Localize(marked, test::SymbolsOf(edit)));
        SetWindowTextA(Hwnd(), state.text.c_str());
        ASSERT_EQ(state.text, Text()) << "the start state is not a valid text";
        Select(state.selection.start, state.selection.end);
    }
    void PressKeys(const std::string& keys)
    {
        for (char key : keys) {
            if (key == '\x7f')
                Press(VK_DELETE);
            else if (key == '<' || key == '>')
                Press(key == '<' ? VK_LEFT : VK_RIGHT);
            else
                Type(std::string(1, key).c_str());
        }
    }
    std::string State() const { return test::FormatEditState(Text(), Sel()); }
};

TEST_P(NumericTyping, EachKeystroke)
{
    const TypingCase& c = GetParam();
    Apply(c.settings);
    Put(c.start);
    const test::NumberSymbols symbols = test::SymbolsOf(edit);
    for (const Step& step : c.steps) {
        PressKeys(test::Localize(step.keys, symbols));
        EXPECT_EQ(test::Localize(step.after, symbols), State()) << c.name << ", after keys '" << step.keys << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(NumericTable, NumericTyping, ::testing::ValuesIn(kTypingCases));

using NumericTypingIntegers = test::EditFixture<CVetIntegerEdit>;

TEST_F(NumericTypingIntegers, TheDecimalPointIsIgnored)
{
    EXPECT_EQ(0, edit.GetMaxDecimalPlaces());
    EXPECT_EQ(9, edit.GetMaxWholeDigits());
    const test::NumberSymbols symbols = test::SymbolsOf(edit);
    Type(test::Localize("12.3", symbols).c_str());
    EXPECT_EQ("123", Text());
    Type("4567890");
    EXPECT_EQ("123456789", Text()) << "nine whole digits, the tenth ignored";
}

// A host's edit that refuses some digits.
class NoFivesEdit : public CVetNumericEdit
{
protected:
    bool ShouldEnter(char c) const override { return c != '5'; }
};

using NumericTypingVeto = test::EditFixture<NoFivesEdit>;

TEST_F(NumericTypingVeto, EveryWayOfEnteringAskesTheHost)
{
    edit.SetDigitsInGroup(3);
    edit.SetPrefix("$");
    Type("15253");
    EXPECT_EQ("$123", Text()) << "typed in the number";
    Select(0, 0);
    Type("5");
    EXPECT_EQ("$123", Text()) << "typed before the prefix";
    EXPECT_EQ((test::Selection{0, 0}), Sel()) << "a refused character leaves the caret";
    edit.SetMaxWholeDigits(3);
    Select(2, 2);
    Type("5");
    EXPECT_EQ("$123", Text()) << "overwriting a full whole part";
    Type("4");
    EXPECT_EQ("$143", Text());
}

TEST_F(NumericTypingVeto, ReadOnlyEditsIgnoreEveryCharacter)
{
    ASSERT_TRUE(CreateEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY));
    SetWindowTextA(Hwnd(), "12");
    test::CaretToEnd(Hwnd());
    Type("3-\b");
    EXPECT_EQ("12", Text());
}

}  // namespace
