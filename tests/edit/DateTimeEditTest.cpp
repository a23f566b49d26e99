// The date-time edit driven through a real edit window: typing across the date, the blank and the
// time, text set whole, the DateOnly and TimeOnly forms, the range as one continuous interval,
// designator letters typed in the date, Up and Down routed to the half under the caret, and the
// kill-focus options.
#include "DateTimeEditTestSupport.h"

#include <CVetDateTimeEdit.h>

namespace {

using datetest::FormatDate;
using datetest::FormatTime;
using test::Selection;

const datetest::DateLocale s_monthFirst = {'/', false};
const datetest::TimeLocale s_form24 = {':', true, "AM", "PM"};

class DateTimeEditTest : public test::EditFixture<CVetDateTimeEdit>
{
protected:
    // Month first, 24-hour form, whatever the locale.
    void Form(bool hour24 = true)
    {
        edit.ShowDayBeforeMonth(false);
        edit.SetSeparator('/', true);
        edit.SetSeparator(':', false);
        edit.Show24HourFormat(hour24);
        edit.SetAMPMSymbols("AM", "PM");
    }
    void Enter(const char* keys)
    {
        SetWindowTextA(Hwnd(), "");
        Type(keys);
    }
};

TEST_F(DateTimeEditTest, TypingRunsFromTheDateIntoTheTime)
{
    Form();
    Enter("123120240930");
    EXPECT_EQ("12/31/2024 09:30", Text());
    Enter("12/31/2024 09:30");
    EXPECT_EQ("12/31/2024 09:30", Text());
    Enter("123120249");
    EXPECT_EQ("12/31/2024 09", Text());     // 9 can only be the hour's second digit
    Enter("1231202425");
    EXPECT_EQ("12/31/2024 2", Text());      // no hour 25
    EXPECT_EQ(2024, edit.GetYear());
    EXPECT_EQ(-1, edit.GetMinute());

    // Typed over: the blank passes a digit on to the hour.
    edit.SetText("12/31/2024 09:30");
    Select(10, 10);
    Type("1");
    EXPECT_EQ("12/31/2024 19:30", Text());
    EXPECT_EQ((Selection{12, 12}), Sel());

    Form(false);
    Enter("0704202411");
    EXPECT_EQ("07/04/2024 11", Text());
    Type("3");
    Type("0");
    EXPECT_EQ("07/04/2024 11:30 AM", Text());
    Select(3, 3);
    Type("P");      // a designator letter typed in the date
    EXPECT_EQ("07/04/2024 11:30 PM", Text());
    EXPECT_EQ((Selection{3, 3}), Sel());
}

TEST_F(DateTimeEditTest, TakesBothHalvesFromTheUserLocale)
{
    edit.SetDateTime(2024, 12, 31, 21, 5, 0);
    EXPECT_EQ(FormatDate(datetest::UserDateLocale(), 2024, 12, 31) + " " +
                  FormatTime(datetest::UserTimeLocale(), false, 21, 5),
              Text());
    EXPECT_EQ(COleDateTime(2024, 12, 31, 21, 5, 0), edit.GetOleDateTime());
    EXPECT_EQ(CTime(2024, 12, 31, 21, 5, 0), edit.GetDateTime());
}

TEST_F(DateTimeEditTest, SetTextFillsTheMissingHalf)
{
    Form();
    const auto now = datetest::AroundNow([&] { edit.SetText("12/31/2024"); }, [](const COleDateTime& time) {
        return "12/31/2024 " + FormatTime(s_form24, false, time.GetHour(), time.GetMinute());
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), now)) << Text();

    const auto nothing = datetest::AroundNow([&] { edit.SetText("nothing"); }, [](const COleDateTime& time) {
        return FormatDate(s_monthFirst, time.GetYear(), time.GetMonth(), time.GetDay()) + " " +
               FormatTime(s_form24, false, time.GetHour(), time.GetMinute());
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), nothing)) << Text();

    edit.SetText("02/30/2023 25:99");
    EXPECT_EQ("02/28/2023 23:59", Text());
    edit.SetText("");
    EXPECT_EQ("", Text());
}

TEST_F(DateTimeEditTest, DateOnlyAndTimeOnlyKeepTheValue)
{
    Form();
    edit.SetText("12/31/2024 09:30");
    EXPECT_TRUE(edit.ModifyFlags(DateTimeBehavior::TimeOnly, 0));
    EXPECT_EQ("09:30", Text());
    Enter("2315");
    EXPECT_EQ("23:15", Text());
    Select(0, 0);
    Press(VK_DOWN);
    EXPECT_EQ("22:15", Text());
    EXPECT_EQ(CTime(1970, 1, 1, 22, 15, 0), edit.GetDateTime());

    const auto today = datetest::AroundNow([&] { edit.ModifyFlags(0, DateTimeBehavior::TimeOnly); },
                                           [](const COleDateTime& time) {
                                               return FormatDate(s_monthFirst, time.GetYear(), time.GetMonth(),
                                                                 time.GetDay()) + " 22:15";
                                           });
    EXPECT_TRUE(datetest::IsOneOf(Text(), today)) << Text();

    edit.SetText("12/31/2024 09:30");
    EXPECT_TRUE(edit.ModifyFlags(DateTimeBehavior::DateOnly, 0));
    EXPECT_EQ("12/31/2024", Text());
    EXPECT_EQ(CTime(2024, 12, 31, 0, 0, 0), edit.GetDateTime());
    Enter("0704202409");
    EXPECT_EQ("07/04/2024", Text());
    EXPECT_FALSE(edit.ModifyFlags(DateTimeBehavior::DateOnly, 0));
    EXPECT_TRUE(edit.ModifyFlags(0, DateTimeBehavior::DateOnly));
    EXPECT_EQ(0u, Text().find("07/04/2024 "));
    EXPECT_EQ(16u, Text().size());

    // The separators change in place, both halves keeping their values.
    edit.SetText("12/31/2024 09:30");
    edit.SetSeparator('.', true);
    edit.SetSeparator('-', false);
    EXPECT_EQ("12.31.2024 09-30", Text());
    EXPECT_EQ('.', edit.GetSeparator(true));
    EXPECT_EQ('-', edit.GetSeparator(false));
    edit.ShowDayBeforeMonth(true);
    EXPECT_EQ("31.12.2024 09-30", Text());
}

TEST_F(DateTimeEditTest, TheRangeIsOneContinuousInterval)
{
    Form();
    const COleDateTime low(2024, 1, 1, 8, 0, 0), high(2024, 12, 31, 17, 0, 0);
    edit.SetRange(low, high);
    COleDateTime gotLow, gotHigh;
    edit.GetRange(&gotLow, &gotHigh);
    EXPECT_EQ(low, gotLow);
    EXPECT_EQ(high, gotHigh);
    CTime lowTime, highTime;
    edit.GetRange(&lowTime, &highTime);
    EXPECT_EQ(CTime(2024, 1, 1, 8, 0, 0), lowTime);
    EXPECT_EQ(CTime(2024, 12, 31, 17, 0, 0), highTime);

    const struct
    {
        const char* text;
        bool valid;
    } cases[] = {
        {"01/01/2024 07:00", false},
        {"01/01/2024 08:00", true},
        {"01/01/2024 08:30", true},
        {"06/15/2024 07:00", true},     // not a daily window
        {"06/15/2024 23:30", true},
        {"12/31/2024 17:00", true},
        {"12/31/2024 17:01", false},
    };
    for (const auto& c : cases) {
        edit.SetText(c.text);
        EXPECT_EQ(c.text, Text());
        EXPECT_EQ(c.valid, edit.IsValid()) << c.text;
    }
    test::ModalBoxWatcher watcher(IDOK);
    EXPECT_FALSE(edit.CheckIfValid(true));
    EXPECT_EQ("Please specify a date and time between 01/01/2024 08:00 and 12/31/2024 17:00.", watcher.Text());

    // Alone, the time is judged against the bounds' times of day.
    edit.ModifyFlags(DateTimeBehavior::TimeOnly, 0);
    edit.SetText("12:00");
    EXPECT_TRUE(edit.IsValid());
    edit.SetText("07:00");
    EXPECT_FALSE(edit.IsValid());
    EXPECT_FALSE(edit.CheckIfValid(true));
    EXPECT_EQ("Please specify a time between 08:00 and 17:00", watcher.Text());
    edit.ModifyFlags(DateTimeBehavior::DateOnly, DateTimeBehavior::TimeOnly);
    edit.SetText("03/15/2025");
    EXPECT_EQ("03/15/2024", Text());     // the year brought into the range
    EXPECT_TRUE(edit.IsValid());
}

TEST_F(DateTimeEditTest, UpAndDownGoToTheHalfUnderTheCaret)
{
    Form();
    const struct
    {
        int caret;
        UINT key;
        const char* expected;
    } cases[] = {
        {4, VK_DOWN, "12/30/2024 09:30"},
        {10, VK_UP, "12/31/2025 09:30"},
        {11, VK_UP, "12/31/2024 10:30"},
        {15, VK_DOWN, "12/31/2024 09:29"},
    };
    for (const auto& c : cases) {
        edit.SetText("12/31/2024 09:30");
        Select(c.caret, c.caret);
        Press(c.key);
        EXPECT_EQ(c.expected, Text()) << c.caret;
    }
    Select(12, 12);
    Press(VK_DELETE);
    Select(15, 15);
    Press(VK_DELETE);
    EXPECT_EQ("12/31/2024 09:2", Text());
}

TEST_F(DateTimeEditTest, KillFocusFillsAnEmptyTextWithNow)
{
    Form();
    HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 60, 100, 24, host, nullptr,
                                 nullptr, nullptr);
    ASSERT_TRUE(other);
    SetForegroundWindow(host);
    edit.ModifyFlags(Behavior::AdjustIfEmpty | Behavior::AdjustIfInvalid, 0);
    SetWindowTextA(Hwnd(), "");
    const auto now = datetest::AroundNow([&] { datetest::FocusAway(Hwnd(), other); }, [](const COleDateTime& time) {
        return FormatDate(s_monthFirst, time.GetYear(), time.GetMonth(), time.GetDay()) + " " +
               FormatTime(s_form24, false, time.GetHour(), time.GetMinute());
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), now)) << Text();

    Enter("1231202410");
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ("12/31/2024 10:00", Text());
    EXPECT_TRUE(edit.IsValid());
}

}  // namespace
