// Numeric edits with text that arrives whole (set, pasted, set as a value), their settings and
// pictures, and the locale symbols they start with.
#include "NumericTestSupport.h"

#include <CVetIntegerEdit.h>
#include <CVetNumericEdit.h>

#include <cfloat>
#include <climits>
#include <iostream>

namespace {

using NB = NumericBehavior;
using NumericValue = test::EditFixture<CVetNumericEdit>;

// A number pattern in the edit's symbols; '$' stays itself.
std::string Local(const char* pattern, const NumericBehavior& behavior)
{
    test::NumberSymbols symbols = test::SymbolsOf(behavior);
    symbols.prefix = "$";
    return test::Localize(pattern, symbols);
}

struct Arrival
{
    const char* name;
    int whole, decimals, group;
    const char* prefix;
    UINT flags;
    const char* text;       // as it arrives (localized)
    const char* valid;      // as the edit keeps it (localized)
};

const Arrival kArrivals[] = {
    {"letters and blanks go", 9, 4, 0, "", 0, "1a2 b3", "123"},
    {"signs anywhere make one negative number", 9, 4, 0, "", 0, "--1-2-", "-12"},
    {"only the first decimal point counts", 9, 4, 0, "", 0, "1.2.3", "1.23"},
    {"excess decimal places are cut, not rounded", 9, 2, 0, "", 0, "1.23999", "1.23"},
    {"excess whole digits are dropped, the decimals kept", 3, 4, 0, "", 0, "12345.6", "123.6"},
    {"an integer edit cuts at the point", 9, 0, 0, "", 0, "12.34", "12"},
    {"grouping and prefix are put in", 9, 2, 3, "$", 0, "-1234567.5", "$-1,234,567.5"},
    {"separators out of place are regrouped", 9, 2, 3, "", 0, "1,2,3,4", "1,234"},
    {"a prefix already there is not read as part of the number", 9, 2, 3, "$", 0, "$12", "$12"},
    {"a bare sign stays", 9, 2, 3, "$", 0, "-", "$-"},
    {"nothing numeric leaves the edit empty", 9, 2, 3, "$", 0, "abc", ""},
    {"NoNegative drops the sign", 9, 2, 0, "", NB::NoNegative, "-5", "5"},
    {"PadDecimalsOnSet pads text that is set", 9, 2, 0, "", NB::PadDecimalsOnSet, "1.5", "1.50"},
    {"PadDecimalsOnSet adds the point", 9, 2, 0, "", NB::PadDecimalsOnSet, "7", "7.00"},
    {"AlwaysPadDecimals pads too", 9, 3, 0, "", NB::AlwaysPadDecimals, "-2", "-2.000"},
};

class NumericArrival : public NumericValue, public ::testing::WithParamInterface<Arrival>
{
protected:
    void Apply(const Arrival& a)
    {
        edit.SetMaxWholeDigits(a.whole);
        edit.SetMaxDecimalPlaces(a.decimals);
        edit.SetDigitsInGroup(a.group);
        edit.SetPrefix(a.prefix);
        edit.ModifyFlags(a.flags, 0);
    }
};

TEST_P(NumericArrival, SetText)
{
    const Arrival& a = GetParam();
    Apply(a);
    edit.SetText(Local(a.text, edit).c_str());
    EXPECT_EQ(Local(a.valid, edit), Text()) << a.name;
    EXPECT_EQ(Local(a.valid, edit), std::string(edit.GetText())) << a.name;
}

TEST_P(NumericArrival, Paste)
{
    const Arrival& a = GetParam();
    Apply(a);
    ASSERT_TRUE(test::SetClipboardText(Local(a.text, edit)));
    SendMessageA(Hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(Local(a.valid, edit), Text()) << a.name;
}

INSTANTIATE_TEST_SUITE_P(NumericTable, NumericArrival, ::testing::ValuesIn(kArrivals));

TEST_F(NumericValue, PasteIntoTheMiddleKeepsTheRest)
{
    edit.SetDigitsInGroup(3);
    SetWindowTextA(Hwnd(), "1234");
    Select(3, 3);
    ASSERT_TRUE(test::SetClipboardText("99"));
    SendMessageA(Hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ(Local("129,934", edit), Text());
    EXPECT_EQ((test::Selection{3, 3}), Sel()) << "regrouped text gets the selection from before the paste";
}

// Text that no user would type: every byte value, a flood of digits, of signs, of points.
TEST_F(NumericValue, AnyTextArrivingWholeEndsWellFormed)
{
    std::string everyByte;
    for (int i = 0; i < 10000; ++i)
        everyByte += static_cast<char>(1 + (i * 7919) % 255);
    const test::NumberSymbols symbols = test::SymbolsOf(edit);
    const std::string floods[] = {
        everyByte,
        std::string(10000, '9'),
        std::string(10000, symbols.negative),
        std::string(10000, symbols.decimal),
        std::string(10000, symbols.group),
        std::string(5000, '1') + symbols.decimal + std::string(4999, '2'),
    };
    struct Shape
    {
        int whole, decimals, group;
        const char* prefix;
    };
    const Shape shapes[] = {{9, 4, 0, ""}, {9, 2, 3, "$"}, {3, 0, 2, "EUR "}, {0, 3, 0, ""}};
    for (const Shape& shape : shapes) {
        edit.SetMaxWholeDigits(shape.whole);
        edit.SetMaxDecimalPlaces(shape.decimals);
        edit.SetDigitsInGroup(shape.group);
        edit.SetPrefix(shape.prefix);
        test::NumberSymbols shapeSymbols = symbols;
        shapeSymbols.prefix = shape.prefix;
        for (const std::string& flood : floods) {
            edit.SetText(flood.c_str());
            EXPECT_TRUE(test::IsWellFormedNumber(Text(), shapeSymbols, shape.whole, shape.decimals, shape.group));
            ASSERT_TRUE(test::SetClipboardText(flood));
            Select(0, -1);
            SendMessageA(Hwnd(), WM_PASTE, 0, 0);
            EXPECT_TRUE(test::IsWellFormedNumber(Text(), shapeSymbols, shape.whole, shape.decimals, shape.group));
            const std::string kept = Text();
            edit.SetText(kept.c_str());
            EXPECT_EQ(kept, Text()) << "a valid text is its own valid form";
        }
    }
    edit.SetMaxWholeDigits(9);
    edit.SetMaxDecimalPlaces(2);
    edit.SetDigitsInGroup(3);
    edit.SetPrefix("");
    edit.SetText(std::string(10000, '9').c_str());
    EXPECT_EQ(Local("999,999,999", edit), Text());
}

TEST_F(NumericValue, DoubleAndIntValues)
{
    edit.SetMaxDecimalPlaces(2);
    edit.SetDouble(1.23456789, false);
    EXPECT_EQ(Local("1.23", edit), Text()) << "cut, not rounded";
    edit.SetDouble(100, true);
    EXPECT_EQ("100", Text());
    edit.SetDouble(0, true);
    EXPECT_EQ("0", Text());
    edit.SetDouble(2.5, false);
    EXPECT_EQ(Local("2.50", edit), Text()) << "untrimmed: the zeros the edit allows";

    edit.SetDigitsInGroup(3);
    edit.SetPrefix("$");
    edit.SetDouble(-1234.5);
    EXPECT_EQ(Local("$-1,234.5", edit), Text()) << "the prefix stands before the sign";
    EXPECT_DOUBLE_EQ(-1234.5, edit.GetDouble());
    EXPECT_EQ(-1234, edit.GetInt());

    edit.SetInt(-42);
    EXPECT_EQ(Local("$-42", edit), Text());
    EXPECT_EQ(-42, edit.GetInt());

    edit.SetText("");
    EXPECT_EQ(0.0, edit.GetDouble());
    EXPECT_EQ(0, edit.GetInt());
    edit.SetText(Local("-", edit).c_str());
    EXPECT_EQ(0.0, edit.GetDouble());
}

// More whole digits than an int holds: GetInt gives the nearest int, not a wrapped value.
TEST_F(NumericValue, GetIntSaturates)
{
    edit.SetMaxWholeDigits(12);
    edit.SetText("123456789012");
    EXPECT_EQ(INT_MAX, edit.GetInt());
    EXPECT_DOUBLE_EQ(123456789012.0, edit.GetDouble());
    edit.SetText(Local("-123456789012", edit).c_str());
    EXPECT_EQ(INT_MIN, edit.GetInt());
}

// Each setting that changes what is valid re-validates the text at once.
TEST_F(NumericValue, SettingsRevalidateTheText)
{
    SetWindowTextA(Hwnd(), Local("-12345.678", edit).c_str());
    edit.SetMaxDecimalPlaces(2);
    EXPECT_EQ(Local("-12345.67", edit), Text());
    edit.SetDigitsInGroup(3);
    EXPECT_EQ(Local("-12,345.67", edit), Text());
    EXPECT_EQ(3, edit.GetDigitsInGroup());
    edit.SetPrefix("EUR ");
    EXPECT_EQ(Local("EUR -12,345.67", edit), Text());
    EXPECT_EQ(CString("EUR "), edit.GetPrefix());
    edit.AllowNegative(false);
    EXPECT_FALSE(edit.IsNegativeAllowed());
    EXPECT_EQ(Local("EUR 12,345.67", edit), Text());
    edit.SetMaxWholeDigits(3);
    EXPECT_EQ(Local("EUR 123.67", edit), Text());
    edit.SetMaxDecimalPlaces(-1);
    EXPECT_EQ(0, edit.GetMaxDecimalPlaces()) << "a negative count of places means none";
    EXPECT_EQ("EUR 123", Text());
}

TEST_F(NumericValue, NegativeWholeDigitCountsRefuseNegatives)
{
    SetWindowTextA(Hwnd(), Local("-12", edit).c_str());
    edit.SetMaxWholeDigits(-5);
    EXPECT_EQ(5, edit.GetMaxWholeDigits());
    EXPECT_FALSE(edit.IsNegativeAllowed());
    EXPECT_EQ("12", Text());
    edit.SetMaxWholeDigits(5);
    EXPECT_TRUE(edit.IsNegativeAllowed());
    EXPECT_EQ(static_cast<UINT>(0), edit.GetFlags() & NB::NoNegative);

    CVetNumericEdit refusing(-4, 2);
    EXPECT_EQ(4, refusing.GetMaxWholeDigits());
    EXPECT_FALSE(refusing.IsNegativeAllowed());
    EXPECT_EQ(2, refusing.GetMaxDecimalPlaces());

    CVetNumericEdit extreme(INT_MIN, -3);
    EXPECT_EQ(INT_MAX, extreme.GetMaxWholeDigits()) << "the most negative int has no absolute value";
    EXPECT_FALSE(extreme.IsNegativeAllowed());
    EXPECT_EQ(0, extreme.GetMaxDecimalPlaces());
}

// A host's text limit shorter than the prefix: the prefix cannot be completed, and the character
// typed is dropped instead of being tried again and again.
TEST_F(NumericValue, TextLimitShorterThanThePrefix)
{
    edit.SetPrefix("USD ");
    edit.SetLimitText(2);
    Type("5");
    EXPECT_EQ("US", Text());
    Type("7");
    EXPECT_EQ("US", Text());
}

TEST_F(NumericValue, ModifyFlagsReportsChanges)
{
    EXPECT_EQ(0u, edit.GetFlags());
    EXPECT_TRUE(edit.ModifyFlags(NB::PadDecimalsOnSet, 0));
    EXPECT_FALSE(edit.ModifyFlags(NB::PadDecimalsOnSet, 0));
    EXPECT_FALSE(edit.ModifyFlags(0, NB::TrimLeadingZeros));
    EXPECT_EQ(static_cast<UINT>(NB::PadDecimalsOnSet), edit.GetFlags());
}

TEST_F(NumericValue, SeparatorsNeverCoincide)
{
    char decimal = 0, group = 0;
    edit.SetSeparators(',', ',');
    edit.GetSeparators(&decimal, &group);
    EXPECT_EQ(',', decimal);
    EXPECT_EQ('.', group);
    edit.SetSeparators('.', '.');
    edit.GetSeparators(&decimal, nullptr);
    edit.GetSeparators(nullptr, &group);
    EXPECT_EQ('.', decimal);
    EXPECT_EQ(',', group);
}

struct Picture
{
    const char* mask;       // written in the edit's symbols ('.' decimal point, ',' group separator)
    int whole, decimals, group;
    const char* prefix;
    const char* mask_back;  // what GetMask gives back
};

const Picture kPictures[] = {
    {"###,###.##", 6, 2, 3, "", "###,###.##"},
    {"$ #,###.##", 4, 2, 3, "$ ", "$ #,###.##"},
    {"####", 4, 0, 0, "", "####"},
    {"##,##,###.#", 7, 1, 3, "", "#,###,###.#"},
    {".###", 0, 3, 0, "", ".###"},
    {"No. ###", 3, 0, 0, "No. ", "No. ###"},
    {"", 0, 0, 0, "", ""},
};

TEST_F(NumericValue, MaskPictures)
{
    for (const Picture& p : kPictures) {
        edit.AllowNegative(false);
        edit.SetMask(Local(p.mask, edit).c_str());
        EXPECT_EQ(p.whole, edit.GetMaxWholeDigits()) << p.mask;
        EXPECT_EQ(p.decimals, edit.GetMaxDecimalPlaces()) << p.mask;
        EXPECT_EQ(p.group, edit.GetDigitsInGroup()) << p.mask;
        EXPECT_EQ(CString(Local(p.prefix, edit).c_str()), edit.GetPrefix()) << p.mask;
        EXPECT_TRUE(edit.IsNegativeAllowed()) << p.mask;
        EXPECT_EQ(Local(p.mask_back, edit), std::string(edit.GetMask())) << p.mask;
    }
}

TEST_F(NumericValue, MaskRevalidatesAndNamesTheSeparators)
{
    edit.SetSeparators('.', ',');
    SetWindowTextA(Hwnd(), "1234567.891");
    edit.SetMask("$ ###,###.##");
    EXPECT_EQ("$ 123,456.89", Text());

    // The picture's point and comma become the decimal point and the group separator.
    char decimal = 0, group = 0;
    edit.SetSeparators(',', '.');
    edit.SetMask("###,###.##");
    edit.GetSeparators(&decimal, &group);
    EXPECT_EQ('.', decimal);
    EXPECT_EQ(',', group);
}

// With a decimal comma, the picture "#,###,##" names the comma both decimal point and group
// separator; the separator gives way, so grouped numbers keep their value.
TEST_F(NumericValue, MaskNamingOneSeparatorForBoth)
{
    edit.SetSeparators(',', '.');
    edit.SetMask("#,###,##");
    char decimal = 0, group = 0;
    edit.GetSeparators(&decimal, &group);
    EXPECT_EQ(',', decimal);
    EXPECT_EQ('.', group);
    EXPECT_EQ(4, edit.GetMaxWholeDigits());
    EXPECT_EQ(2, edit.GetMaxDecimalPlaces());
    edit.SetText("1234,56");
    EXPECT_EQ("1.234,56", Text());
    EXPECT_DOUBLE_EQ(1234.56, edit.GetDouble());
    edit.SetText(Text().c_str());
    EXPECT_EQ("1.234,56", Text());
}

// A prefix may hold characters of numbers (the Danish currency prefix "kr. " holds the group
// separator '.'): they are never read as part of the number, whether typed or set.
TEST_F(NumericValue, PrefixHoldingNumberSymbols)
{
    const test::NumberSymbols symbols = test::SymbolsOf(edit);
    const std::string prefix = std::string("No") + symbols.decimal + symbols.group + symbols.negative + " ";
    edit.SetPrefix(prefix.c_str());
    edit.SetDigitsInGroup(3);
    edit.SetMaxWholeDigits(4);
    edit.ModifyFlags(NB::AutoDecimalPoint, 0);
    Type("1234");
    EXPECT_EQ(prefix + Local("1,234", edit), Text());
    EXPECT_EQ((test::Selection{static_cast<int>(prefix.size()) + 5, static_cast<int>(prefix.size()) + 5}), Sel());
    Type("5");
    EXPECT_EQ(prefix + Local("1,234.5", edit), Text()) << "the full whole part brings the point";
    EXPECT_DOUBLE_EQ(1234.5, edit.GetDouble());
    Select(static_cast<int>(prefix.size()), static_cast<int>(prefix.size()));
    Type(std::string(1, symbols.negative).c_str());
    EXPECT_EQ(prefix + Local("-1,234.5", edit), Text());
    EXPECT_DOUBLE_EQ(-1234.5, edit.GetDouble());
    test::CaretToEnd(Hwnd());
    Type(std::string(1, symbols.negative).c_str());
    EXPECT_EQ(prefix + Local("1,234.5", edit), Text()) << "the sign toggles off";
    edit.SetText(Text().c_str());
    EXPECT_EQ(prefix + Local("1,234.5", edit), Text()) << "set again, the text keeps its value";
    EXPECT_EQ(1234, edit.GetInt());
}

TEST_F(NumericValue, RangeIsStoredAndChecked)
{
    double minimum = 0, maximum = 0;
    edit.GetRange(&minimum, &maximum);
    EXPECT_EQ(-DBL_MAX, minimum);
    EXPECT_EQ(DBL_MAX, maximum);
    edit.SetRange(0, 100);
    edit.GetRange(&minimum, nullptr);
    edit.GetRange(nullptr, &maximum);
    EXPECT_EQ(0, minimum);
    EXPECT_EQ(100, maximum);
    edit.SetText("100");
    EXPECT_TRUE(edit.IsValid());
    edit.SetText("101");
    EXPECT_FALSE(edit.IsValid());
    edit.SetText(Local("-0.5", edit).c_str());
    EXPECT_FALSE(edit.IsValid());
    edit.SetText("");
    EXPECT_TRUE(edit.IsValid()) << "an empty text counts as 0";
}

// The symbols come from the user's locale: whatever locale the tests run under, the edit uses
// the first character of its negative sign, decimal point and thousands separator.
TEST_F(NumericValue, SymbolsComeFromTheUserLocale)
{
    const char negative = test::UserLocaleChar(LOCALE_SNEGATIVESIGN, '-');
    const char decimal = test::UserLocaleChar(LOCALE_SDECIMAL, '.');
    const char group = test::UserLocaleChar(LOCALE_STHOUSAND, ',');
    ASSERT_NE(decimal, group) << "a locale whose separators coincide needs its own expectations";

    CVetNumericEdit fresh;
    char editDecimal = 0, editGroup = 0;
    fresh.GetSeparators(&editDecimal, &editGroup);
    EXPECT_EQ(decimal, editDecimal);
    EXPECT_EQ(group, editGroup);

    edit.SetDigitsInGroup(3);
    const std::string typed = std::string(1, negative) + "1234" + decimal + "5";
    Type(typed.c_str());
    EXPECT_EQ(std::string(1, negative) + "1" + group + "234" + decimal + "5", Text());
    EXPECT_DOUBLE_EQ(-1234.5, edit.GetDouble());
    std::cout << "[ locale   ] user locale " << std::hex << GetUserDefaultLCID() << std::dec << ": negative '"
              << negative << "', decimal '" << decimal << "', group '" << group << "'\n";
}

// Without a value in the user's settings, each symbol falls back to '-', '.' and ','.
TEST_F(NumericValue, SymbolsFallBackWhenTheLocaleHasNone)
{
    const test::UserLocaleOverride empty({{LOCALE_SNEGATIVESIGN, ""}, {LOCALE_SDECIMAL, ""}, {LOCALE_STHOUSAND, ""}});
    ASSERT_TRUE(empty.Applied());
    ASSERT_EQ("", test::UserLocaleInfo(LOCALE_SDECIMAL));
    CVetNumericEdit fallback;
    char decimal = 0, group = 0;
    fallback.GetSeparators(&decimal, &group);
    EXPECT_EQ('.', decimal);
    EXPECT_EQ(',', group);
    ASSERT_TRUE(fallback.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 200, 64), CWnd::FromHandle(host), 2));
    fallback.SetText("--1.5");
    EXPECT_EQ("-1.5", test::EditText(fallback.GetSafeHwnd()));
}

// A user whose decimal point and thousands separator are the same character: the separator gives
// way, so a grouped number still reads back as the same number.
TEST_F(NumericValue, ALocaleWithOneSeparatorForBoth)
{
    const test::UserLocaleOverride same({{LOCALE_SDECIMAL, ","}, {LOCALE_STHOUSAND, ","}});
    ASSERT_TRUE(same.Applied());
    CVetNumericEdit numeric;
    char decimal = 0, group = 0;
    numeric.GetSeparators(&decimal, &group);
    EXPECT_EQ(',', decimal);
    EXPECT_EQ('.', group);
}

}  // namespace
