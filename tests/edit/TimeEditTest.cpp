// The time edit driven through a real edit window: the locale's separator, 12/24-hour form and
// designators, typing digit by digit in both forms and with seconds, designator letters, Up and
// Down, text set whole, the range with CheckIfValid and the kill-focus options, and the CTime
// forms.
#include "DateTimeEditTestSupport.h"
#include "NumericTestSupport.h"

#include <CVetTimeEdit.h>

namespace {

using datetest::FormatTime;
using datetest::TimeLocale;
using test::Selection;

const TimeLocale s_form24 = {':', true, "AM", "PM"};
const TimeLocale s_form12 = {':', false, "AM", "PM"};

class TimeEditTest : public test::EditFixture<CVetTimeEdit>
{
protected:
    void Form(bool hour24, bool seconds = false)
    {
        edit.Show24HourFormat(hour24);
        edit.ShowSeconds(seconds);
        edit.SetSeparator(':');
        edit.SetAMPMSymbols("AM", "PM");
    }
    // Typed into an empty edit: text that is set whole is always validated.
    void Enter(const char* keys)
    {
        SetWindowTextA(Hwnd(), "");
        Type(keys);
    }
    void Run(const char* start, int caret, const char* keys, const char* expected)
    {
        SetWindowTextA(Hwnd(), start);
        Select(caret, caret);
        Type(keys);
        EXPECT_EQ(expected, Text()) << start << " + " << keys;
    }
    static COleDateTime Time(int hour, int minute, int second)
    {
        COleDateTime time;
        time.SetTime(hour, minute, second);
        return time;
    }
};

TEST_F(TimeEditTest, TakesSeparatorFormAndDesignatorsFromTheUserLocale)
{
    const TimeLocale locale = datetest::UserTimeLocale();
    EXPECT_EQ(locale.separator, edit.GetSeparator());
    EXPECT_EQ(locale.hour24, edit.IsShowing24HourFormat());
    EXPECT_FALSE(edit.IsShowingSeconds());
    CString am, pm;
    edit.GetAMPMSymbols(&am, &pm);
    EXPECT_EQ(locale.am, am.GetString());
    EXPECT_EQ(locale.pm, pm.GetString());

    for (int hour : {0, 9, 12, 23}) {
        edit.SetTime(hour, 5, 0);
        EXPECT_EQ(FormatTime(locale, false, hour, 5), Text());
    }

    // Typed: the separator comes with the first minute digit, the designator after the minutes.
    SetWindowTextA(Hwnd(), "");
    Type("1105");
    EXPECT_EQ(FormatTime(locale, false, 11, 5), Text());
    if (!locale.hour24) {
        Select(0, 0);
        Press(VK_UP);
        EXPECT_EQ(FormatTime(locale, false, 12, 5), Text());
    }
}

TEST_F(TimeEditTest, TypingIn24HourForm)
{
    Form(true);
    Run("", 0, "2359", "23:59");
    Run("", 0, "24", "2");          // no hour 24
    Run("", 0, "9", "09");          // only a second digit: the leading zero comes
    Run("", 0, "7:", "07:");
    Run("", 0, "23:59", "23:59");
    Run("", 0, "236", "23");        // no minute 60
    Run("", 0, "23595", "23:59");   // nothing after the minutes
    Run("", 0, "1a2b", "12");
    Run("19:45", 0, "2", "20:45");  // 29 is no hour: the lowest second digit comes
    EXPECT_EQ((Selection{1, 2}), Sel());
    Run("12:34", 3, "6", "12:34");
    Run("12:34", 2, "5", "12:54");  // a separator position passes to the minutes

    Form(true, true);
    Run("", 0, "235959", "23:59:59");
    Run("", 0, "23596", "23:59");
    Run("", 0, "23:59:07", "23:59:07");
}

TEST_F(TimeEditTest, TypingIn12HourForm)
{
    Form(false);
    Run("", 0, "9", "09");
    Run("", 0, "13", "1");
    Run("", 0, "00", "0");
    Run("", 0, "1130", "11:30 AM");     // the designator comes after the minutes
    EXPECT_EQ((Selection{5, 5}), Sel());
    Type("P");
    EXPECT_EQ("11:30 PM", Text());
    EXPECT_EQ((Selection{7, 7}), Sel());    // as if typed over the designator's letter
    Run("", 0, "1130p", "11:30 PM");
    Run("", 0, "0130a", "01:30 AM");
    Run("11:30 PM", 7, "a", "11:30 AM");
    Run("11:30 AM", 2, "p", "11:30 PM");    // anywhere in the time
    Run("11:30 AM", 5, "x", "11:30 AM");
    Run("12:30 AM", 5, " ", "12:30 AM");
    SetWindowTextA(Hwnd(), "11:30 AM");
    Select(7, 8);
    Type("m");      // a letter of the designator typed over it
    EXPECT_EQ("11:30 AM", Text());
    EXPECT_EQ((Selection{8, 8}), Sel());

    Form(false, true);
    Run("", 0, "113045", "11:30:45 AM");
    Run("", 0, "11:30:45p", "11:30:45 PM");
    Run("", 0, "1130", "11:30");        // no designator before the seconds
}

struct KeyCase
{
    const char* start;
    int caret;
    UINT key;
    const char* expected;
};

TEST_F(TimeEditTest, UpAndDownStepTheFieldUnderTheCaret)
{
    Form(false);
    const KeyCase cases12[] = {
        {"11:30 AM", 0, VK_UP, "12:30 PM"},
        {"12:30 PM", 1, VK_DOWN, "11:30 AM"},
        {"11:30 PM", 0, VK_UP, "11:30 PM"},     // the last hour of the day
        {"12:30 PM", 0, VK_UP, "01:30 PM"},
        {"12:30 AM", 2, VK_UP, "01:30 AM"},
        {"01:30 PM", 0, VK_DOWN, "12:30 PM"},
        {"12:30 AM", 0, VK_DOWN, "12:30 AM"},   // the first hour of the day
        {"11:58 AM", 3, VK_UP, "11:59 AM"},
        {"11:59 AM", 4, VK_UP, "11:59 AM"},
        {"11:00 AM", 5, VK_DOWN, "11:00 AM"},
        {"11:30 AM", 6, VK_UP, "11:30 PM"},     // the designator toggles
        {"11:30 PM", 8, VK_DOWN, "11:30 AM"},
    };
    for (const KeyCase& c : cases12) {
        SetWindowTextA(Hwnd(), c.start);
        Select(c.caret, c.caret);
        Press(c.key);
        EXPECT_EQ(c.expected, Text()) << c.start << " at " << c.caret;
        EXPECT_EQ((Selection{c.caret, c.caret}), Sel()) << c.start << " at " << c.caret;
    }

    // The host's 0-23 hours in 12-hour form.
    edit.SetText("11:30 AM");
    edit.SetHour(15);
    EXPECT_EQ("03:30 PM", Text());
    edit.SetHour(0);
    EXPECT_EQ("12:30 AM", Text());
    edit.SetMinute(5);
    EXPECT_EQ("12:05 AM", Text());

    Form(true, true);
    const KeyCase cases24[] = {
        {"23:30:00", 0, VK_UP, "23:30:00"},
        {"22:30:00", 2, VK_UP, "23:30:00"},
        {"00:30:00", 1, VK_DOWN, "00:30:00"},
        {"10:20:30", 7, VK_UP, "10:20:31"},
        {"10:20:59", 8, VK_UP, "10:20:59"},
        {"10:20:00", 6, VK_DOWN, "10:20:00"},
    };
    for (const KeyCase& c : cases24) {
        SetWindowTextA(Hwnd(), c.start);
        Select(c.caret, c.caret);
        Press(c.key);
        EXPECT_EQ(c.expected, Text()) << c.start << " at " << c.caret;
    }

    // Delete and Backspace take only the end.
    SetWindowTextA(Hwnd(), "10:20:30");
    Select(1, 1);
    Press(VK_DELETE);
    Type("\b");
    EXPECT_EQ("10:20:30", Text());
    EXPECT_EQ((Selection{0, 0}), Sel());
    Select(7, 7);
    Press(VK_DELETE);
    EXPECT_EQ("10:20:3", Text());
}

TEST_F(TimeEditTest, SetTextBecomesAWellFormedTime)
{
    const struct
    {
        bool hour24;
        bool seconds;
        const char* text;
        const char* expected;
    } cases[] = {
        {true, false, "25:99", "23:59"},
        {true, false, "11:30 PM", "23:30"},
        {true, false, "12:30:45", "12:30"},
        {true, false, "07:05 and more", "07:05"},
        {true, true, "07:05", "07:05:00"},
        {false, false, "23:30", "11:30 PM"},
        {false, false, "00:15", "12:15 AM"},
        {false, false, "13:30 PM", "01:30 PM"},     // no 12-hour time has hour 13
        {false, false, "00:15 AM", "12:15 AM"},
        {false, true, "09:10 PM", "09:10:00 PM"},
        {true, false, "", ""},
    };
    for (const auto& c : cases) {
        Form(c.hour24, c.seconds);
        edit.SetText(c.text);
        EXPECT_EQ(c.expected, Text()) << c.text;
        EXPECT_TRUE(c.text[0] == 0 || edit.IsValid(false)) << c.text;
    }

    // No time at all: the current one.
    for (bool hour24 : {true, false}) {
        Form(hour24, true);
        const auto now = datetest::AroundNow([&] { edit.SetText("x"); }, [&](const COleDateTime& time) {
            return FormatTime(hour24 ? s_form24 : s_form12, true, time.GetHour(), time.GetMinute(), time.GetSecond());
        });
        EXPECT_TRUE(datetest::IsOneOf(Text(), now)) << Text();
    }

    // Changing the form keeps the time.
    Form(false);
    edit.SetText("11:30 PM");
    edit.Show24HourFormat(true);
    EXPECT_EQ("23:30", Text());
    edit.ShowSeconds(true);
    EXPECT_EQ("23:30:00", Text());
    edit.SetSeparator('.');
    EXPECT_EQ("23.30.00", Text());
    edit.Show24HourFormat(false);
    EXPECT_EQ("11.30.00 PM", Text());
}

TEST_F(TimeEditTest, DesignatorsCanBeChanged)
{
    Form(false);
    edit.SetText("11:30 PM");
    edit.SetAMPMSymbols("vm", "nm");
    EXPECT_EQ("11:30 nm", Text());      // still the afternoon
    Select(0, 0);
    Type("v");
    EXPECT_EQ("11:30 nm", Text());      // letters switch only inside the designator
    edit.SetAMPMSymbols("", "");
    CString am, pm;
    edit.GetAMPMSymbols(&am, &pm);
    EXPECT_EQ(CString("AM"), am);
    EXPECT_EQ(CString("PM"), pm);
    EXPECT_EQ("11:30 PM", Text());

    // Designators of different lengths replace each other whole.
    edit.SetAMPMSymbols("AM", "P.M.");
    EXPECT_EQ("11:30 P.M.", Text());
    Select(7, 7);
    Press(VK_UP);
    EXPECT_EQ("11:30 AM", Text());
    Press(VK_UP);
    EXPECT_EQ("11:30 P.M.", Text());
}

TEST_F(TimeEditTest, TheRangeIsCheckedButNotForced)
{
    Form(false);
    edit.SetRange(Time(8, 0, 0), Time(17, 0, 0));
    edit.SetText("12:30 PM");
    EXPECT_TRUE(edit.IsValid());
    edit.SetText("12:30 AM");
    EXPECT_EQ("12:30 AM", Text());
    EXPECT_FALSE(edit.IsValid());
    EXPECT_TRUE(edit.IsValid(false));
    {
        test::ModalBoxWatcher watcher(IDOK);
        EXPECT_FALSE(edit.CheckIfValid(true));
        EXPECT_EQ("Please specify a time between 08:00 AM and 05:00 PM", watcher.Text());
    }

    // Each bound keeps the date its pointer held.
    COleDateTime low(2024, 5, 6, 0, 0, 0), high;
    edit.GetRange(&low, &high);
    EXPECT_EQ(COleDateTime(2024, 5, 6, 8, 0, 0), low);
    EXPECT_EQ(Time(17, 0, 0), high);
    CTime lowTime(2024, 5, 6, 0, 0, 0);
    edit.GetRange(&lowTime, nullptr);
    EXPECT_EQ(CTime(2024, 5, 6, 8, 0, 0), lowTime);
}

TEST_F(TimeEditTest, CheckIfValidShowsTheDefaultRange)
{
    Form(true);
    Enter("123");
    ASSERT_EQ("12:3", Text());
    test::ModalBoxWatcher watcher(IDOK);
    EXPECT_FALSE(edit.CheckIfValid(true));
    EXPECT_EQ("Please specify a time between 00:00 and 23:59", watcher.Text());
    Form(false, true);
    Enter("123");
    EXPECT_FALSE(edit.CheckIfValid(true));
    EXPECT_EQ("Please specify a time between 12:00:00 AM and 11:59:59 PM", watcher.Text());
    EXPECT_EQ(2, watcher.Count());
}

TEST_F(TimeEditTest, CTimeFormsWithMissingFields)
{
    Form(false);
    edit.SetText("02:25 PM");
    EXPECT_EQ(CTime(1970, 1, 1, 14, 25, 0), edit.GetTime());
    EXPECT_EQ(Time(14, 25, 0), edit.GetOleTime());
    Enter("02:");
    ASSERT_EQ("02:", Text());
    EXPECT_EQ(-1, edit.GetTime().GetTime());
    EXPECT_NE(COleDateTime::valid, edit.GetOleTime().GetStatus());

    edit.SetTime(CTime(2024, 1, 1, 9, 5, 7));
    EXPECT_EQ("09:05 AM", Text());
    edit.SetTime(CTime(-1));
    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    edit.SetTime(invalid);
    edit.SetRange(invalid, Time(10, 0, 0));
    EXPECT_EQ("09:05 AM", Text());
    COleDateTime high;
    edit.GetRange(nullptr, &high);
    EXPECT_EQ(Time(23, 59, 59), high);
}

// The user's regional settings changed as the control panel does: a new edit follows them, and
// designators that are longer than two characters, missing or of different lengths fall back.
TEST(TimeLocaleTest, DesignatorsAndFormFollowTheUsersSettings)
{
    const struct
    {
        const char* am;
        const char* pm;
        const char* separator;
        const char* am_expected;
        const char* pm_expected;
    } cases[] = {
        {"vm", "nm", ".", "vm", "nm"},
        {"a", "p", ":", "a", "p"},
        {"a.m.", "p.m.", ":", "AM", "PM"},
        {"A", "PM", ":", "AM", "PM"},
    };
    for (const auto& c : cases) {
        test::UserLocaleOverride locale({{LOCALE_S1159, c.am}, {LOCALE_S2359, c.pm}, {LOCALE_STIME, c.separator}});
        ASSERT_TRUE(locale.Applied()) << c.am;
        CVetTimeEdit edit;
        CString am, pm;
        edit.GetAMPMSymbols(&am, &pm);
        EXPECT_EQ(CString(c.am_expected), am) << c.am;
        EXPECT_EQ(CString(c.pm_expected), pm) << c.am;
        EXPECT_EQ(c.separator[0], edit.GetSeparator()) << c.am;
        EXPECT_EQ(datetest::UserTimeLocale().hour24, edit.IsShowing24HourFormat());
    }
}

class TimeFocusTest : public TimeEditTest
{
protected:
    void SetUp() override
    {
        TimeEditTest::SetUp();
        other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 60, 100, 24, host, nullptr,
                                nullptr, nullptr);
        ASSERT_TRUE(other);
        SetForegroundWindow(host);    // the frame holds the X focus, as a user's active window would
        Form(true);
    }
    HWND other = nullptr;
};

TEST_F(TimeFocusTest, KillFocusBringsTheTimeIntoRange)
{
    edit.SetRange(Time(8, 0, 0), Time(17, 0, 0));
    edit.SetText("07:00");
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ("07:00", Text());     // no options: left alone

    edit.ModifyFlags(Behavior::AdjustIfInvalid | Behavior::AdjustIfEmpty, 0);
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ("08:00", Text());
    edit.SetText("18:30");
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ("17:00", Text());
    Enter("12:");
    datetest::FocusAway(Hwnd(), other);
    EXPECT_EQ("12:00", Text());

    // Empty: the current time, brought into the range.
    edit.SetRange(Time(0, 0, 0), Time(23, 59, 59));
    SetWindowTextA(Hwnd(), "");
    const auto now = datetest::AroundNow([&] { datetest::FocusAway(Hwnd(), other); }, [](const COleDateTime& time) {
        return FormatTime(s_form24, false, time.GetHour(), time.GetMinute());
    });
    EXPECT_TRUE(datetest::IsOneOf(Text(), now)) << Text();

    // Beeps, for the empty and the invalid text each by its own option.
    {
        test::BeepRecorder beeps;
        ASSERT_TRUE(beeps.Installed());
        edit.ModifyFlags(Behavior::BeepIfEmpty, Behavior::KillFocusFlags);
        Enter("12:");
        datetest::FocusAway(Hwnd(), other);
        EXPECT_EQ(0, beeps.Count());
        SetWindowTextA(Hwnd(), "");
        datetest::FocusAway(Hwnd(), other);
        EXPECT_EQ(1, beeps.Count());
        edit.ModifyFlags(Behavior::BeepIfInvalid, Behavior::BeepIfEmpty);
        Enter("12:");
        datetest::FocusAway(Hwnd(), other);
        EXPECT_EQ(2, beeps.Count());
        edit.SetText("12:00");
        datetest::FocusAway(Hwnd(), other);
        EXPECT_EQ(2, beeps.Count());
    }

    // Reported and refocused.
    edit.ModifyFlags(Behavior::ReportIfInvalid | Behavior::RefocusIfInvalid, Behavior::KillFocusFlags);
    Enter("12:");
    {
        test::ModalBoxWatcher watcher(IDOK);
        datetest::FocusAway(Hwnd(), other);
        EXPECT_TRUE(test::WaitUntil([&] { return watcher.Count() == 1; })) << watcher.Count();
        EXPECT_EQ("Please specify a time between 00:00 and 23:59", watcher.Text());
    }
    EXPECT_TRUE(test::WaitUntil([&] { return GetFocus() == Hwnd(); }));
    EXPECT_EQ("12:", Text());

    // Hidden or destroyed with the focus (a dialog closing): adjusted, but no box and no refocus.
    edit.ModifyFlags(Behavior::AdjustIfInvalid, 0);
    test::ModalBoxWatcher watcher(IDOK);
    ShowWindow(Hwnd(), SW_HIDE);
    test::PumpMessages();
    EXPECT_NE(Hwnd(), GetFocus());
    EXPECT_EQ("12:00", Text());
    ShowWindow(Hwnd(), SW_SHOW);
    Enter("12:");
    SetFocus(Hwnd());
    edit.DestroyWindow();
    test::PumpMessages();
    EXPECT_EQ(0, watcher.Count());
}

}  // namespace
