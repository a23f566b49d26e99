// The date edit driven through a real edit window: the locale's separator and field order, typing
// digit by digit against the digit limits and the range, automatic separators and leading zeros,
// day correction, Up and Down, Delete and Backspace, text set or pasted whole, the kill-focus
// options on a real focus change, CheckIfValid with its message box, and the CTime forms.
#include "DateTimeEditTestSupport.h"
#include "NumericTestSupport.h"

#include <CVetDateEdit.h>

namespace {

using datetest::DateLocale;
using datetest::FormatDate;
using test::Selection;

class DateEditTest : public test::EditFixture<CVetDateEdit>
{
protected:
    // The form the cases below are written in, whatever the locale.
    void MonthFirst()
    {
        edit.ShowDayBeforeMonth(false);
        edit.SetSeparator('/');
    }
    // Typed into an empty edit: text that is set whole is always validated.
    void Enter(const char* keys)
    {
        SetWindowTextA(Hwnd(), "");
        Type(keys);
    }
    bool TypeChanges(const char* start, int caret, char c)
    {
        Enter(start);
        EXPECT_EQ(start, Text());
        Select(caret, caret);
        const char keys[2] = {c, 0};
        Type(keys);
        return Text() != start || Sel() != Selection{caret, caret};
    }
};

// The prefix of a formatted text that holds its first `digits` digits.
std::string DigitPrefix(const std::string& text, int digits)
{
    size_t end = 0;
    for (int seen = 0; end < text.size() && seen < digits; ++end)
        if (isdigit(static_cast<unsigned char>(text[end])))
            ++seen;
    return text.substr(0, end);
}

TEST_F(DateEditTest, TakesSeparatorAndFieldOrderFromTheUserLocale)
{
    const DateLocale locale = datetest::UserDateLocale();
    EXPECT_EQ(locale.separator, edit.GetSeparator());
    EXPECT_EQ(locale.dayFirst, edit.IsDayShownBeforeMonth());

    edit.SetDate(2024, 12, 31);
    EXPECT_EQ(FormatDate(locale, 2024, 12, 31), Text());

    // Typed digit by digit in the locale's order, each separator coming with the next digit.
    const std::string expected = FormatDate(locale, 2024, 12, 31);
    const std::string keys = datetest::DateKeys(locale, "12", "31", "2024");
    SetWindowTextA(Hwnd(), "");
    for (size_t i = 0; i < keys.size(); ++i) {
        Type(std::string(1, keys[i]).c_str());
        EXPECT_EQ(DigitPrefix(expected, static_cast<int>(i) + 1), Text()) << "after key " << i;
    }
    EXPECT_EQ(2024, edit.GetYear());
    EXPECT_EQ(12, edit.GetMonth());
    EXPECT_EQ(31, edit.GetDay());
    EXPECT_TRUE(edit.IsValid());
}

struct TypingCase
{
    const char* start;
    int caret;
    const char* keys;
    const char* expected;
};

TEST_F(DateEditTest, TypingFollowsTheDigitLimits)
{
    MonthFirst();
    const TypingCase cases[] = {
        {"", 0, "12312024", "12/31/2024"},
        {"", 0, "12/31/2024", "12/31/2024"},
        {"", 0, "5", "05"},                     // only a second digit: the leading zero comes
        {"", 0, "1/", "01/"},
        {"", 0, "13", "1"},                     // no month 13
        {"", 0, "00", "0"},                     // no month 00
        {"", 0, "1232", "12/3"},                // no 32 December
        {"", 0, "023", "02/03"},                // 3 can only be the day's second digit in February
        {"", 0, "0229", "02/29"},               // the year is still open: 29 February may come
        {"", 0, "02292023", "02/28/2023"},      // 2023 is no leap year: the day follows
        {"", 0, "02292024", "02/29/2024"},
        {"", 0, "0101x", "01/01"},              // letters are refused
        {"", 0, "01011899", "01/01/199"},        // the year may not fall below 1900
        {"01/31/2024", 0, "02", "02/29/2024"},  // a month typed over corrects the day at once
        {"01/31/2023", 0, "02", "02/28/2023"},
        {"10/15/2024", 0, "0", "01/15/2024"},   // 00 is no month: the lowest second digit comes
        {"12/31/2024", 6, "1", "12/31/1900"},   // the year digits after the caret start 1900
        {"12/31/2024", 9, "5", "12/31/2025"},
        {"12/31/2024", 2, "3", "12/31/2024"},   // a separator position passes to the next field
        {"12/31/2024", 10, "1", "12/31/2024"},
    };
    for (const TypingCase& c : cases) {
        SetWindowTextA(Hwnd(), c.start);
        Select(c.caret, c.caret);
        Type(c.keys);
        EXPECT_EQ(c.expected, Text()) << c.start << " + " << c.keys;
    }
}

TEST_F(DateEditTest, DigitsAreJudgedByWhatTheFieldCanStillBecome)
{
    MonthFirst();
    std::string accepted;
    for (char d = '0'; d <= '9'; ++d)
        if (TypeChanges("1", 1, d))
            accepted += d;
    EXPECT_EQ("012", accepted);     // October to December

    accepted.clear();
    for (char d = '0'; d <= '9'; ++d)
        if (TypeChanges("02/", 3, d))
            accepted += d;
    EXPECT_EQ("0123456789", accepted);  // 4 to 9 bring the leading zero

    accepted.clear();
    for (char d = '0'; d <= '9'; ++d)
        if (TypeChanges("02/2", 4, d))
            accepted += d;
    EXPECT_EQ("0123456789", accepted);  // the year is still open: 29 February may come

    accepted.clear();
    for (char d = '0'; d <= '9'; ++d)
        if (TypeChanges("04/3", 4, d))
            accepted += d;
    EXPECT_EQ("0", accepted);       // April has 30 days
}

TEST_F(DateEditTest, TheRangeLimitsTheDigitsOnceTheYearIsKnown)
{
    MonthFirst();
    edit.SetRange(COleDateTime(2000, 1, 1, 0, 0, 0), COleDateTime(2010, 6, 30, 0, 0, 0));

    // Year 2010 typed: the month's first digit takes only 0, the second only 1 to 6.
    std::string first, second;
    for (char d = '0'; d <= '9'; ++d) {
        if (TypeChanges("01/15/2010", 0, d))
            first += d;
        if (TypeChanges("01/15/2010", 1, d))
            second += d;
    }
    EXPECT_EQ("0", first);
    EXPECT_EQ("123456", second);

    // With the year still to come, the months of the years before 2010 stay open, whatever
    // year it is today; the year typed last brings the date into the range.
    SetWindowTextA(Hwnd(), "");
    Type("11152005");
    EXPECT_EQ("11/15/2005", Text());
    SetWindowTextA(Hwnd(), "");
    Type("06202010");
    EXPECT_EQ("06/20/2010", Text());
    SetWindowTextA(Hwnd(), "");
    Type("0620201");
    Type("1");      // 2011 is past the range
    EXPECT_EQ("06/20/201", Text());
    Type("0");
    EXPECT_TRUE(edit.IsValid());

    // Years below the minimum are refused digit by digit.
    Enter("0101");
    Type("1999");
    EXPECT_EQ("01/01", Text());
}

TEST_F(DateEditTest, DayBeforeMonthSwapsTheFields)
{
    edit.ShowDayBeforeMonth(true);
    edit.SetSeparator('.');
    SetWindowTextA(Hwnd(), "");
    Type("31122024");
    EXPECT_EQ("31.12.2024", Text());
    EXPECT_EQ(12, edit.GetMonth());
    EXPECT_EQ(31, edit.GetDay());

    SetWindowTextA(Hwnd(), "31.01.2024");
    Select(3, 3);
    Type("02");     // February: the day comes down to 29
    EXPECT_EQ("29.02.2024", Text());

    edit.ShowDayBeforeMonth(false);     // the date keeps its value in the new order
    EXPECT_EQ("02.29.2024", Text());
    edit.SetSeparator('-');             // and with a new separator
    EXPECT_EQ("02-29-2024", Text());
    EXPECT_EQ(2024, edit.GetYear());
}

struct KeyCase
{
    const char* start;
    int caret;
    UINT key;
    const char* expected;
};

TEST_F(DateEditTest, UpAndDownStepTheFieldUnderTheCaret)
{
    MonthFirst();
    const KeyCase cases[] = {
        {"12/31/2024", 3, VK_UP, "12/31/2024"},     // 31 is December's last day
        {"12/31/2024", 4, VK_DOWN, "12/30/2024"},
        {"12/15/2024", 1, VK_UP, "12/15/2024"},
        {"01/31/2024", 0, VK_UP, "02/29/2024"},     // the day follows the month
        {"01/15/2024", 2, VK_DOWN, "01/15/2024"},
        {"02/29/2024", 7, VK_DOWN, "02/28/2023"},   // and the year
        {"02/29/2024", 10, VK_UP, "02/28/2025"},
        {"12/31/9998", 6, VK_UP, "12/31/9998"},
        {"01/01/1900", 8, VK_DOWN, "01/01/1900"},
        {"01/01/1900", 3, VK_DOWN, "01/01/1900"},
    };
    for (const KeyCase& c : cases) {
        SetWindowTextA(Hwnd(), c.start);
        Select(c.caret, c.caret);
        Press(c.key);
        EXPECT_EQ(c.expected, Text()) << c.start << " at " << c.caret;
        EXPECT_EQ((Selection{c.caret, c.caret}), Sel()) << c.start << " at " << c.caret;
    }
}

TEST_F(DateEditTest, DeleteAndBackspaceOnlyTakeTheEnd)
{
    MonthFirst();
    SetWindowTextA(Hwnd(), "12/31/2024");
    Select(3, 3);
    Press(VK_DELETE);
    EXPECT_EQ("12/31/2024", Text());
    Select(0, 2);
    Press(VK_DELETE);
    EXPECT_EQ("12/31/2024", Text());
    Select(9, 9);
    Press(VK_DELETE);
    EXPECT_EQ("12/31/202", Text());
    Select(5, 9);
    Press(VK_DELETE);
    EXPECT_EQ("12/31", Text());

    // Backspace in the middle moves the caret; at the end it deletes.
    SetWindowTextA(Hwnd(), "12/31/2024");
    Select(4, 4);
    Type("\b");
    EXPECT_EQ("12/31/2024", Text());
    EXPECT_EQ((Selection{3, 3}), Sel());
    test::CaretToEnd(Hwnd());
    Type("\b\b");
    EXPECT_EQ("12/31/20", Text());

    // Clear takes the Delete road.
    Select(0, 3);
    SendMessageA(Hwnd(), WM_CLEAR, 0, 0);
    EXPECT_EQ("12/31/20", Text());
}

TEST_F(DateEditTest, SetOrPastedTextBecomesADateInRange)
{
    MonthFirst();
    const struct
    {
        const char* text;
        const char* expected;
    } cases[] = {
        {"02/30/2023", "02/28/2023"},
        {"13/45/2024", "12/31/2024"},
        {"12/31/2024 and more", "12/31/2024"},
        {"", ""},
    };
    for (const auto& c : cases) {
        edit.SetText(c.text);
        EXPECT_EQ(c.expected, Text()) << c.text;
    }

    // A year below the range: this year.
    const auto thisYear = datetest::AroundNow([&] { edit.SetText("01/01/0050"); }, [](const COleDateTime& now) {
        return FormatDate({'/', false}, now.GetYear(), 1, 1);
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), thisYear)) << Text();

    // No date at all: today's.
    for (const char* text : {"abc", " ", "//"}) {
        const auto today = datetest::AroundNow([&] { edit.SetText(text); }, [](const COleDateTime& now) {
            return FormatDate({'/', false}, now.GetYear(), now.GetMonth(), now.GetDay());
        });
        EXPECT_TRUE(datetest::IsOneOf(Text(), today)) << text << " gave " << Text();
    }

    // Pasted: valid text stays as pasted, the rest becomes its valid form.
    SetWindowTextA(Hwnd(), "");
    ASSERT_TRUE(test::SetClipboardText("07/04/2024"));
    SendMessageA(Hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ("07/04/2024", Text());
    SetWindowTextA(Hwnd(), "");
    ASSERT_TRUE(test::SetClipboardText("02/31/2024"));
    SendMessageA(Hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ("02/29/2024", Text());
    ASSERT_TRUE(test::SetClipboardText(std::string(10000, '9')));
    SendMessageA(Hwnd(), WM_PASTE, 0, 0);
    EXPECT_TRUE(edit.IsValid()) << Text();
}

TEST_F(DateEditTest, TheRangeClampsSetTextAndRedrawsWhenItChanges)
{
    MonthFirst();
    edit.SetText("12/31/2024");
    edit.SetRange(COleDateTime(2000, 1, 1, 0, 0, 0), COleDateTime(2010, 6, 30, 0, 0, 0));
    EXPECT_EQ("06/30/2010", Text());
    // A year below the range becomes this year, brought into the range.
    const auto raised = datetest::AroundNow([&] { edit.SetText("02/15/1990"); }, [](const COleDateTime& now) {
        return FormatDate({'/', false}, std::min(std::max(now.GetYear(), 2000), 2010), 2, 15);
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), raised)) << Text();

    // Today, brought into the range field by field: year, then month, then day.
    const auto clamped = datetest::AroundNow([&] { edit.SetText("none"); }, [](const COleDateTime& now) {
        const int year = std::min(std::max(now.GetYear(), 2000), 2010);
        const int month = year == 2010 ? std::min(now.GetMonth(), 6) : now.GetMonth();
        const int days = CVetDateEdit::GetMaxDayOfMonth(month, year);
        return FormatDate({'/', false}, year, month, std::min(now.GetDay(), year == 2010 && month == 6 ? 30 : days));
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), clamped)) << Text();

    // A bound's time of day does not shut out its own date.
    edit.SetRange(COleDateTime(2024, 1, 1, 8, 0, 0), COleDateTime(2024, 12, 31, 0, 0, 0));
    edit.SetText("01/01/2024");
    EXPECT_EQ("01/01/2024", Text());
    EXPECT_TRUE(edit.IsValid());
    edit.SetText("12/31/2024");
    EXPECT_EQ("12/31/2024", Text());

    // Bounds that are no dates are refused; the range stays.
    edit.SetRange(COleDateTime(2030, 2, 30, 0, 0, 0), COleDateTime(2031, 1, 1, 0, 0, 0));
    COleDateTime low, high;
    edit.GetRange(&low, &high);
    EXPECT_EQ(COleDateTime(2024, 1, 1, 8, 0, 0), low);
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0), high);
    edit.SetRange(CTime(-1), CTime(2031, 1, 1, 0, 0, 0));
    edit.GetRange(&low, nullptr);
    EXPECT_EQ(COleDateTime(2024, 1, 1, 8, 0, 0), low);
}

TEST_F(DateEditTest, CTimeFormsGiveTheInvalidTimeOutsideTheirSpan)
{
    MonthFirst();
    edit.SetDate(CTime(2024, 7, 4, 15, 30, 0));
    EXPECT_EQ("07/04/2024", Text());
    const CTime date = edit.GetDate();
    EXPECT_EQ(CTime(2024, 7, 4, 0, 0, 0), date);
    EXPECT_EQ(COleDateTime(2024, 7, 4, 0, 0, 0), edit.GetOleDate());

    // Incomplete text: no CTime and an invalid COleDateTime, without raising.
    Enter("0704");
    EXPECT_EQ(-1, edit.GetDate().GetTime());
    EXPECT_NE(COleDateTime::valid, edit.GetOleDate().GetStatus());

    // The default range runs from 1900 to 9998, beyond CTime's span.
    CTime low, high;
    edit.GetRange(&low, &high);
    EXPECT_EQ(-1, low.GetTime());
    EXPECT_EQ(-1, high.GetTime());
    edit.SetRange(CTime(2020, 3, 1, 12, 0, 0), CTime(2030, 3, 1, 23, 0, 0));
    edit.GetRange(&low, &high);
    EXPECT_EQ(CTime(2020, 3, 1, 0, 0, 0), low);
    EXPECT_EQ(CTime(2030, 3, 1, 0, 0, 0), high);
    edit.GetRange(static_cast<CTime*>(nullptr), nullptr);

    // Values that are no dates leave the text alone.
    edit.SetText("05/05/2025");
    edit.SetDate(CTime(-1));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    edit.SetDate(invalid);
    EXPECT_EQ("05/05/2025", Text());
}

TEST_F(DateEditTest, CheckIfValidShowsTheRangeMessage)
{
    MonthFirst();
    Enter("123");
    ASSERT_EQ("12/3", Text());
    {
        test::ModalBoxWatcher watcher(IDOK);
        EXPECT_FALSE(edit.CheckIfValid(true));
        EXPECT_EQ(1, watcher.Count());
        EXPECT_EQ("Please specify a date between 01/01/1900 and 12/31/9998.", watcher.Text());
    }
    EXPECT_EQ(Hwnd(), GetFocus());
    {
        test::ModalBoxWatcher watcher(IDOK);
        EXPECT_FALSE(edit.CheckIfValid(false));
        edit.EnableWindow(FALSE);
        EXPECT_TRUE(edit.CheckIfValid(true));
        EXPECT_EQ(0, watcher.Count());
        edit.EnableWindow(TRUE);
    }
    SetWindowTextA(Hwnd(), "12/31/2024");
    EXPECT_TRUE(edit.CheckIfValid(true));
}

class DateFocusTest : public DateEditTest
{
protected:
    void SetUp() override
    {
        DateEditTest::SetUp();
        other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 60, 100, 24, host, nullptr,
                                nullptr, nullptr);
        ASSERT_TRUE(other);
        SetForegroundWindow(host);    // the frame holds the X focus, as a user's active window would
        MonthFirst();
    }
    HWND other = nullptr;
};

TEST_F(DateFocusTest, KillFocusOptionsApplyOnARealFocusChange)
{
    // Without options an incomplete date stays as typed.
    Enter("123");
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ("12/3", Text());
    EXPECT_EQ(other, GetFocus());

    // An empty text is filled with today's date.
    edit.ModifyFlags(Behavior::AdjustIfEmpty, 0);
    SetWindowTextA(Hwnd(), "");
    const auto today = datetest::AroundNow([&] { datetest::FocusAway(Hwnd(), other); }, [](const COleDateTime& now) {
        return FormatDate({'/', false}, now.GetYear(), now.GetMonth(), now.GetDay());
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), today)) << Text();

    // An invalid one is reported and the focus comes back; adjusted, it becomes valid.
    edit.ModifyFlags(Behavior::ReportIfInvalid | Behavior::RefocusIfInvalid, Behavior::AdjustIfEmpty);
    Enter("123119");
    ASSERT_EQ("12/31/19", Text());
    {
        test::ModalBoxWatcher watcher(IDOK);
        datetest::FocusAway(Hwnd(), other);
        EXPECT_TRUE(test::WaitUntil([&] { return watcher.Count() == 1; }));
        EXPECT_EQ("Please specify a date between 01/01/1900 and 12/31/9998.", watcher.Text());
    }
    EXPECT_TRUE(test::WaitUntil([&] { return GetFocus() == Hwnd(); }));
    EXPECT_EQ("12/31/19", Text());

    edit.ModifyFlags(Behavior::AdjustIfInvalid, Behavior::ReportIfInvalid | Behavior::RefocusIfInvalid);
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ(other, GetFocus());
    EXPECT_TRUE(edit.IsValid()) << Text();
    EXPECT_EQ(12, edit.GetMonth());
    EXPECT_EQ(31, edit.GetDay());

    // Empty with RefocusIfEmpty and ReportIfEmpty: the message, then the focus back.
    edit.ModifyFlags(Behavior::RefocusIfEmpty | Behavior::ReportIfEmpty, Behavior::AdjustIfInvalid);
    SetWindowTextA(Hwnd(), "");
    {
        test::ModalBoxWatcher watcher(IDOK);
        datetest::FocusAway(Hwnd(), other);
        EXPECT_TRUE(test::WaitUntil([&] { return watcher.Count() == 1; }));
    }
    EXPECT_TRUE(test::WaitUntil([&] { return GetFocus() == Hwnd(); }));
    EXPECT_EQ("", Text());
}

// A client class derived from the edit initializes the shared virtual base too.
class VetoingDateEdit : public CVetDateEdit
{
public:
    VetoingDateEdit() : Behavior(this) {}

protected:
    bool ShouldEnter(char c) const override { return c != '5'; }
};

class DateVetoTest : public test::EditFixture<VetoingDateEdit>
{
};

TEST_F(DateVetoTest, TheHostsVetoRefusesCharacters)
{
    edit.ShowDayBeforeMonth(false);
    edit.SetSeparator('/');
    Type("12152024");
    EXPECT_EQ("12/12/24", Text());      // the 5 refused, then the 0 that cannot start a year
    edit.SetText("12/15/2025");          // set text is never refused
    EXPECT_EQ("12/15/2025", Text());
}

TEST_F(DateEditTest, ReadOnlyEditsIgnoreKeys)
{
    ASSERT_TRUE(CreateEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY));
    MonthFirst();
    edit.SetText("12/15/2024");
    Select(0, 0);
    Type("0");
    Press(VK_UP);
    Select(9, 9);
    Press(VK_DELETE);
    EXPECT_EQ("12/15/2024", Text());
}

// The user's regional settings changed as the control panel does: a new edit follows them.
TEST(DateLocaleTest, OrderAndSeparatorFollowTheUsersShortDateFormat)
{
    const struct
    {
        const char* format;
        const char* separator;
        bool dayFirst;
    } cases[] = {
        {"yyyy-MM-dd", "-", false},     // the year's place does not matter
        {"dd.MM.yyyy", ".", true},
        {"d/M/yy", "/", true},
        {"MMM d, yyyy", " ", false},
    };
    for (const auto& c : cases) {
        test::UserLocaleOverride locale({{LOCALE_SSHORTDATE, c.format}, {LOCALE_SDATE, c.separator}});
        ASSERT_TRUE(locale.Applied()) << c.format;
        const datetest::DateLocale expected = datetest::UserDateLocale();
        ASSERT_EQ(c.dayFirst, expected.dayFirst) << c.format;
        CVetDateEdit edit;
        EXPECT_EQ(expected.separator, edit.GetSeparator()) << c.format;
        EXPECT_EQ(c.dayFirst, edit.IsDayShownBeforeMonth()) << c.format;
    }
}

TEST(DateHelpersTest, CalendarHelpers)
{
    const struct
    {
        int month, year, days;
    } months[] = {{1, 2023, 31}, {2, 2023, 28}, {2, 2024, 29}, {2, 1900, 28}, {2, 2000, 29},
                  {4, 2024, 30}, {6, 2024, 30}, {9, 2024, 30}, {11, 2024, 30}, {12, 2024, 31}};
    for (const auto& m : months)
        EXPECT_EQ(m.days, CVetDateEdit::GetMaxDayOfMonth(m.month, m.year)) << m.month << "/" << m.year;
    EXPECT_EQ(CString("07"), CVetDateEdit::GetString(7, true));
    EXPECT_EQ(CString("7"), CVetDateEdit::GetString(7, false));
    EXPECT_EQ(CString("2024"), CVetDateEdit::GetString(2024, true));
}

}  // namespace
