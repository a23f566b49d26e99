// Currency edits: settings read from the user's locale (as it is, and as the user may change it in
// the regional settings), typing and leaving the field in that currency.
#include "NumericTestSupport.h"

#include <CVetCurrencyEdit.h>

#include <cstdlib>
#include <iostream>

namespace {

using NB = NumericBehavior;
using NumericCurrency = test::EditFixture<CVetCurrencyEdit>;

// What the currency edit should make of the user's settings, worked out here on its own.
struct CurrencyExpectation
{
    std::string prefix = "$";
    int group = 3;
    int decimals = 2;
    char decimal;
    char separator;
};

CurrencyExpectation ExpectedFromLocale()
{
    CurrencyExpectation e;
    const std::string symbol = test::UserLocaleInfo(LOCALE_SCURRENCY);
    if (!symbol.empty() && symbol.size() < 10)
        e.prefix = symbol;
    const std::string grouping = test::UserLocaleInfo(LOCALE_SMONGROUPING);
    if (!grouping.empty())
        e.group = atoi(grouping.c_str());
    const std::string digits = test::UserLocaleInfo(LOCALE_ICURRDIGITS);
    if (!digits.empty())
        e.decimals = atoi(digits.c_str());
    const std::string position = test::UserLocaleInfo(LOCALE_ICURRENCY);
    if (position == "2")
        e.prefix += ' ';
    else if (!position.empty() && position != "0")
        e.prefix.clear();
    e.decimal = test::UserLocaleChar(LOCALE_SMONDECIMALSEP, test::UserLocaleChar(LOCALE_SDECIMAL, '.'));
    e.separator = test::UserLocaleChar(LOCALE_SMONTHOUSANDSEP, test::UserLocaleChar(LOCALE_STHOUSAND, ','));
    if (e.separator == e.decimal)
        e.separator = e.decimal == ',' ? '.' : ',';
    return e;
}

void ExpectSettings(const CVetCurrencyEdit& edit, const CurrencyExpectation& e, const char* label)
{
    char decimal = 0, separator = 0;
    edit.GetSeparators(&decimal, &separator);
    EXPECT_EQ(CString(e.prefix.c_str()), edit.GetPrefix()) << label;
    EXPECT_EQ(e.group, edit.GetDigitsInGroup()) << label;
    EXPECT_EQ(e.decimals, edit.GetMaxDecimalPlaces()) << label;
    EXPECT_EQ(9, edit.GetMaxWholeDigits()) << label;
    EXPECT_EQ(e.decimal, decimal) << label;
    EXPECT_EQ(e.separator, separator) << label;
    EXPECT_EQ(static_cast<UINT>(NB::PadDecimalsOnSet | NB::TrimLeadingZeros | NB::KeepEmpty | NB::PadDecimalPlaces),
              edit.GetFlags())
        << label;
}

TEST_F(NumericCurrency, SettingsComeFromTheUserLocale)
{
    const CurrencyExpectation e = ExpectedFromLocale();
    ExpectSettings(edit, e, "the user's locale");
    std::cout << "[ locale   ] currency prefix '" << e.prefix << "', groups of " << e.group << ", " << e.decimals
              << " places, decimal '" << e.decimal << "', group '" << e.separator << "'\n";
}

struct RegionalCase
{
    const char* label;
    std::vector<std::pair<LCTYPE, std::string>> settings;
};

// The user changes the currency in the regional settings; every new currency edit follows, and
// where a setting is empty the edit keeps its own default.
const RegionalCase kRegionalCases[] = {
    {"euro before the number with a blank",
     {{LOCALE_SCURRENCY, "\x80"}, {LOCALE_ICURRENCY, "2"}, {LOCALE_SMONGROUPING, "3;0"}, {LOCALE_ICURRDIGITS, "2"},
      {LOCALE_SMONDECIMALSEP, ","}, {LOCALE_SMONTHOUSANDSEP, "."}}},
    {"pound before the number, no places, Indian grouping",
     {{LOCALE_SCURRENCY, "\xA3"}, {LOCALE_ICURRENCY, "0"}, {LOCALE_SMONGROUPING, "3;2;0"}, {LOCALE_ICURRDIGITS, "0"},
      {LOCALE_SMONDECIMALSEP, "."}, {LOCALE_SMONTHOUSANDSEP, ","}}},
    {"symbol after the number: no prefix",
     {{LOCALE_SCURRENCY, "kr."}, {LOCALE_ICURRENCY, "3"}, {LOCALE_SMONDECIMALSEP, ","},
      {LOCALE_SMONTHOUSANDSEP, "."}}},
    {"symbol right after the number: no prefix", {{LOCALE_SCURRENCY, "CHF"}, {LOCALE_ICURRENCY, "1"}}},
    {"a Swiss group separator", {{LOCALE_SMONDECIMALSEP, "."}, {LOCALE_SMONTHOUSANDSEP, "'"}}},
    {"empty settings keep the defaults",
     {{LOCALE_SCURRENCY, ""}, {LOCALE_ICURRENCY, ""}, {LOCALE_SMONGROUPING, ""}, {LOCALE_ICURRDIGITS, ""},
      {LOCALE_SMONDECIMALSEP, ""}, {LOCALE_SMONTHOUSANDSEP, ""}}},
    {"a symbol longer than nine characters is not read", {{LOCALE_SCURRENCY, "CHF1234567"}, {LOCALE_ICURRENCY, "0"}}},
    {"one character for both separators", {{LOCALE_SMONDECIMALSEP, ","}, {LOCALE_SMONTHOUSANDSEP, ","}}},
};

TEST_F(NumericCurrency, SettingsFollowTheUsersRegionalSettings)
{
    for (const RegionalCase& c : kRegionalCases) {
        const test::UserLocaleOverride regional(c.settings);
        ASSERT_TRUE(regional.Applied()) << c.label;
        CVetCurrencyEdit currency;
        ExpectSettings(currency, ExpectedFromLocale(), c.label);
    }
}

// A currency edit made while the user's currency is the euro, written before the number.
TEST_F(NumericCurrency, TheSymbolFromTheLocaleLeadsTheNumber)
{
    const test::UserLocaleOverride euro(kRegionalCases[0].settings);
    ASSERT_TRUE(euro.Applied());
    CVetCurrencyEdit currency;
    ASSERT_TRUE(currency.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 250, 64), CWnd::FromHandle(host), 2));
    HWND hwnd = currency.GetSafeHwnd();
    test::TypeText(hwnd, "1234,5");
    EXPECT_EQ("\x80 1.234,5", test::EditText(hwnd));
    EXPECT_DOUBLE_EQ(1234.5, currency.GetDouble());
    currency.SetDouble(-9876543.219, false);
    EXPECT_EQ("\x80 -9.876.543,21", test::EditText(hwnd));
}

class NumericCurrencyFocus : public NumericCurrency
{
protected:
    void SetUp() override
    {
        NumericCurrency::SetUp();
        other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 40, 100, 24, host, nullptr,
                                nullptr, nullptr);
        ASSERT_TRUE(other);
        SetForegroundWindow(host);
        // The shape these tests write their numbers in; prefix and separators stay the locale's.
        edit.SetDigitsInGroup(3);
        edit.SetMaxDecimalPlaces(2);
    }
    std::string Local(const char* pattern) const { return test::Localize(pattern, test::SymbolsOf(edit)); }
    void LoseFocus()
    {
        ::SetFocus(Hwnd());
        ::SetFocus(other);
        test::PumpMessages();
    }

    HWND other = nullptr;
};

TEST_F(NumericCurrencyFocus, TypingThenLeaving)
{
    const char* steps[][2] = {{"1", "$1|"}, {"2", "$12|"}, {"3", "$123|"}, {"4", "$1,234|"}, {".", "$1,234.|"},
                              {"5", "$1,234.5|"}};
    for (const auto& step : steps) {
        Type(Local(step[0]).c_str());
        EXPECT_EQ(Local(step[1]), test::FormatEditState(Text(), Sel())) << "after " << step[0];
    }
    LoseFocus();
    EXPECT_EQ(Local("$1,234.50"), Text());
}

TEST_F(NumericCurrencyFocus, LeavingPadsAndTrims)
{
    const char* cases[][2] = {
        {"$1,234.5", "$1,234.50"}, {"", ""}, {"$.5", "$0.50"}, {"$007.5", "$7.50"}, {"$-.5", "$-0.50"}, {"$12", "$12.00"},
    };
    for (const auto& c : cases) {
        // Typed, not set: text that is set gets its places at once.
        SetWindowTextA(Hwnd(), "");
        Type(Local(c[0]).c_str());
        ASSERT_EQ(Local(c[0]), Text());
        LoseFocus();
        EXPECT_EQ(Local(c[1]), Text()) << c[0];
    }
}

TEST_F(NumericCurrencyFocus, SetTextGetsItsPlacesAtOnce)
{
    edit.SetText(Local("1234").c_str());
    EXPECT_EQ(Local("$1,234.00"), Text());
    edit.SetDouble(0.5);
    EXPECT_EQ(Local("$0.50"), Text());
}

}  // namespace
