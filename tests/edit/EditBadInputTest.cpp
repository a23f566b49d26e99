// Bad input from a host to the validating edits: members called before the window exists and after
// it is gone, empty and odd masks and symbol arrays, negative counts, out-of-range fields, ranges
// given upside down, separators that cannot stand in a text, and texts with high-bit and
// double-byte bytes. None may crash or lose the text; each gives a clear result.
#include "EditTestSupport.h"

#include <CVetAlphanumericEdit.h>
#include <CVetCurrencyEdit.h>
#include <CVetDateEdit.h>
#include <CVetDateTimeEdit.h>
#include <CVetIntegerEdit.h>
#include <CVetMaskedEdit.h>
#include <CVetNumericEdit.h>
#include <CVetTimeEdit.h>
#include <functional>
#include <mbctype.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// One edit class exercised without a window: makes the object, calls every setter and getter a
// host might call too early (or too late), and reports what the text reads afterwards.
struct WindowlessCase
{
    const char* name;
    std::function<std::unique_ptr<CVetEdit>()> make;
    std::function<void(CVetEdit&)> calls;
};

const std::vector<WindowlessCase>& WindowlessCases()
{
    static const std::vector<WindowlessCase> cases = {
        {"alphanumeric", [] { return std::unique_ptr<CVetEdit>(new CVetAlphanumericEdit(-3, "")); },
         [](CVetEdit& e) {
             auto& a = dynamic_cast<CVetAlphanumericEdit&>(e);
             a.SetMaxCharacters(-1);
             a.SetInvalidCharacters("\xE9");
             a.ModifyFlags(0xFFFFFFFF, 0);
             EXPECT_EQ(-1, a.GetMaxCharacters());
         }},
        {"masked", [] { return std::unique_ptr<CVetEdit>(new CVetMaskedEdit("##/##")); },
         [](CVetEdit& e) {
             auto& m = dynamic_cast<CVetMaskedEdit&>(e);
             m.SetMask("");
             m.SetMask("(###)");
             m.GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
             EXPECT_EQ(CString(""), m.GetNumericText());
         }},
        {"numeric", [] { return std::unique_ptr<CVetEdit>(new CVetNumericEdit(-5, -2)); },
         [](CVetEdit& e) {
             auto& n = dynamic_cast<CVetNumericEdit&>(e);
             n.SetDouble(-12345.678);
             n.SetInt(42);
             n.SetRange(10, -10);
             n.SetDigitsInGroup(-4);
             n.SetMask("");
             n.SetPrefix("");
             n.SetSeparators('\0', '\0');
             EXPECT_EQ(0.0, n.GetDouble());
             EXPECT_EQ(0, n.GetInt());
             EXPECT_TRUE(n.CheckIfValid(false));     // nothing to judge yet
         }},
        {"currency", [] { return std::unique_ptr<CVetEdit>(new CVetCurrencyEdit); },
         [](CVetEdit& e) {
             auto& c = dynamic_cast<CVetCurrencyEdit&>(e);
             c.SetDouble(1e300);
             c.GetMask();
         }},
        {"integer", [] { return std::unique_ptr<CVetEdit>(new CVetIntegerEdit(-40)); },
         [](CVetEdit& e) { dynamic_cast<CVetIntegerEdit&>(e).SetInt(-2147483647 - 1); }},
        {"date", [] { return std::unique_ptr<CVetEdit>(new CVetDateEdit); },
         [](CVetEdit& e) {
             auto& d = dynamic_cast<CVetDateEdit&>(e);
             d.SetDate(2020, 13, 40);
             d.SetYear(-1);
             d.SetMonth(99);
             d.SetDay(-7);
             d.SetDateToToday();
             d.SetRange(COleDateTime(2030, 1, 1, 0, 0, 0), COleDateTime(2000, 1, 1, 0, 0, 0));
             d.SetSeparator('-');
             EXPECT_EQ(0, d.GetYear());
             EXPECT_EQ(0, d.GetMonth());
             EXPECT_EQ(0, d.GetDay());
             EXPECT_EQ(-1, d.GetDate().GetTime());
         }},
        {"time", [] { return std::unique_ptr<CVetEdit>(new CVetTimeEdit); },
         [](CVetEdit& e) {
             auto& t = dynamic_cast<CVetTimeEdit&>(e);
             t.SetTime(25, 61, 61);
             t.SetHour(-1);
             t.SetMinute(99);
             t.SetSecond(-1);
             t.SetAMPM(true);
             t.SetTimeToNow();
             t.SetAMPMSymbols("", "");
             t.Show24HourFormat(false);
             t.ShowSeconds(true);
             EXPECT_EQ(-1, t.GetHour());
             EXPECT_EQ(-1, t.GetMinute());
             EXPECT_EQ(CString(""), t.GetAMPM());
         }},
        {"date-time", [] { return std::unique_ptr<CVetEdit>(new CVetDateTimeEdit); },
         [](CVetEdit& e) {
             auto& dt = dynamic_cast<CVetDateTimeEdit&>(e);
             dt.SetDateTime(2020, 0, 0, 99, 99, 99);
             dt.SetToNow();
             dt.SetSeparator('.', true);
             dt.SetSeparator(':', false);
             dt.ModifyFlags(DateTimeBehavior::TimeOnly, 0);
             EXPECT_EQ(-1, dt.GetDateTime().GetTime());
         }},
    };
    return cases;
}

// The frame's own members on an edit without a window: clear answers, nothing stored.
void CallFrameMembers(CVetEdit& edit)
{
    edit.SetText("text");
    edit.SetText("");
    EXPECT_EQ(CString(""), edit.GetText());
    EXPECT_EQ(CString(""), edit.GetTrimmedText());
    EXPECT_FALSE(edit.IsReadOnly());
    edit.SetTextColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), edit.GetTextColor());
    edit.SetBackgroundColor(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), edit.GetBackgroundColor());
}

TEST(EditBadInputTest, MembersBeforeCreationAnswerClearlyAndTheEditStillWorks)
{
    test::HostWindow host;
    for (const WindowlessCase& c : WindowlessCases()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CVetEdit> edit = c.make();
        CallFrameMembers(*edit);
        c.calls(*edit);
        // Created afterwards, the edit takes text as usual.
        ASSERT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 250, 34),
                                 CWnd::FromHandle(host), 1001));
        test::TypeText(edit->GetSafeHwnd(), "1");
        EXPECT_TRUE(::IsWindow(edit->GetSafeHwnd()));
        edit->DestroyWindow();
    }
}

TEST(EditBadInputTest, MembersAfterDestructionOfTheWindowAnswerClearly)
{
    test::HostWindow host;
    for (const WindowlessCase& c : WindowlessCases()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CVetEdit> edit = c.make();
        ASSERT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 250, 34),
                                 CWnd::FromHandle(host), 1001));
        ASSERT_TRUE(edit->DestroyWindow());
        EXPECT_EQ(nullptr, edit->GetSafeHwnd());
        CallFrameMembers(*edit);
        c.calls(*edit);
    }
}

// Bad input on a live edit: the action, then the text the edit must hold.
template <class TEdit>
struct LiveCase
{
    const char* name;
    std::function<void(TEdit&)> action;
    std::string expected;
};

// setup runs before the window is created, start after.
template <class TEdit>
void RunLiveCases(const std::vector<LiveCase<TEdit>>& cases, std::function<void(TEdit&)> setup = nullptr,
                  std::function<void(TEdit&)> start = nullptr)
{
    test::HostWindow host;
    for (const LiveCase<TEdit>& c : cases) {
        SCOPED_TRACE(c.name);
        TEdit edit;
        if (setup)
            setup(edit);
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(10, 10, 250, 34),
                                CWnd::FromHandle(host), 1001));
        if (start)
            start(edit);
        c.action(edit);
        EXPECT_EQ(c.expected, test::EditText(edit.GetSafeHwnd()));
        edit.DestroyWindow();
    }
}

TEST(EditBadInputTest, AlphanumericTakesOddLimitsAndHighBitTexts)
{
    RunLiveCases<CVetAlphanumericEdit>({
        {"negative maximum is no limit",
         [](CVetAlphanumericEdit& e) {
             e.SetMaxCharacters(-5);
             e.SetText("a long text beyond five");
         },
         "a long text beyond five"},
        {"high-bit invalid character",
         [](CVetAlphanumericEdit& e) {
             e.SetInvalidCharacters("\xE9");
             e.SetText("caf\xE9 ok");
         },
         "caf ok"},
        {"null text through WM_SETTEXT",
         [](CVetAlphanumericEdit& e) {
             e.SetText("x");
             e.SendMessage(WM_SETTEXT, 0, 0);
         },
         ""},
        {"typing past a full text with the caret beyond it",
         [](CVetAlphanumericEdit& e) {
             e.SetMaxCharacters(2);
             e.SetText("ab");
             e.SetSel(5, 9);
             test::TypeText(e.GetSafeHwnd(), "c");
         },
         "ab"},
    });
}

TEST(EditBadInputTest, MaskedTakesEmptyAndOddSymbolArrays)
{
    RunLiveCases<CVetMaskedEdit>({
        {"no symbols: the mask is all literals",
         [](CVetMaskedEdit& e) {
             e.SetMask("##/##");
             e.SetText("##/#9");
         },
         "##/#"},
        {"no symbols: typing fills only literals",
         [](CVetMaskedEdit& e) {
             e.SetMask("(##)");
             test::TypeText(e.GetSafeHwnd(), "(12");
         },
         "("},
        {"symbol without a test takes anything, high-bit bytes too",
         [](CVetMaskedEdit& e) {
             e.GetSymbolArray().Add(MaskedBehavior::Symbol('?', nullptr));
             e.SetMask("??" "-??");
             e.SetText("\x82\x4f-\xE9z");
         },
         "\x82\x4f-\xE9z"},
        {"symbol borne by NUL matches no mask position",
         [](CVetMaskedEdit& e) {
             e.GetSymbolArray().Add(MaskedBehavior::Symbol('\0', nullptr));
             e.SetMask("ab");
             e.SetText("abc");
         },
         "ab"},
        {"caret beyond the mask",
         [](CVetMaskedEdit& e) {
             e.GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
             e.SetMask("##");
             e.SetText("12");
             e.SetSel(7, 7);
             test::TypeText(e.GetSafeHwnd(), "3\b");
         },
         "1"},
        {"mask emptied keeps the text",
         [](CVetMaskedEdit& e) {
             e.GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
             e.SetMask("###");
             e.SetText("123");
             e.SetMask("");
         },
         "123"},
    });
}

TEST(EditBadInputTest, NumericTakesNegativeCountsUpsideDownRangesAndForeignBytes)
{
    RunLiveCases<CVetNumericEdit>({
        {"negative decimal places are none",
         [](CVetNumericEdit& e) {
             e.SetMaxDecimalPlaces(-3);
             e.SetText("12.5");
         },
         "12"},
        {"negative group size is no grouping",
         [](CVetNumericEdit& e) {
             e.SetDigitsInGroup(-3);
             e.SetText("1234567");
         },
         "1234567"},
        {"empty mask",
         [](CVetNumericEdit& e) {
             e.SetText("12");
             e.SetMask("");
         },
         ""},
        {"double-byte text holds no number",
         [](CVetNumericEdit& e) { e.SetText("\x82\x4f\x82\x50"); },
         ""},
        {"high-bit prefix",
         [](CVetNumericEdit& e) {
             e.SetPrefix("\xA3");
             e.SetText("\xA3" "12");
         },
         "\xA3" "12"},
        {"range given upside down: the text stays and is not valid",
         [](CVetNumericEdit& e) {
             e.SetRange(10, -10);
             e.SetText("5");
             EXPECT_FALSE(e.IsValid());
             EXPECT_FALSE(e.CheckIfValid(false));
         },
         "5"},
        {"NUL separators keep the number",
         [](CVetNumericEdit& e) {
             e.SetText("1234.5");
             e.SetSeparators('\0', '\0');
         },
         "1234.5"},
    });
}

// A field setter given a value its field cannot hold, or a separator that cannot stand in the text,
// leaves the text as it was; whole values set at once are brought into range.
TEST(EditBadInputTest, DateRefusesFieldsAndSeparatorsThatCannotStand)
{
    RunLiveCases<CVetDateEdit>(
        {
            {"month 13, day 40 set whole", [](CVetDateEdit& e) { e.SetDate(2020, 13, 40); }, "12/31/2020"},
            {"negative year", [](CVetDateEdit& e) { e.SetYear(-1); }, "02/03/2020"},
            {"five-digit year", [](CVetDateEdit& e) { e.SetYear(12345); }, "02/03/2020"},
            {"month 0", [](CVetDateEdit& e) { e.SetMonth(0); }, "02/03/2020"},
            {"month 123", [](CVetDateEdit& e) { e.SetMonth(123); }, "02/03/2020"},
            {"day 99", [](CVetDateEdit& e) { e.SetDay(99); }, "02/03/2020"},
            {"negative day", [](CVetDateEdit& e) { e.SetDay(-1); }, "02/03/2020"},
            {"invalid COleDateTime",
             [](CVetDateEdit& e) {
                 COleDateTime bad;
                 bad.SetStatus(COleDateTime::invalid);
                 e.SetDate(bad);
             },
             "02/03/2020"},
            {"NUL separator", [](CVetDateEdit& e) { e.SetSeparator('\0'); }, "02/03/2020"},
            {"digit separator", [](CVetDateEdit& e) { e.SetSeparator('2'); }, "02/03/2020"},
            {"valid field still set", [](CVetDateEdit& e) { e.SetMonth(11); }, "11/03/2020"},
            {"range upside down is refused",
             [](CVetDateEdit& e) {
                 COleDateTime before[2], after[2];
                 e.GetRange(&before[0], &before[1]);
                 e.SetRange(COleDateTime(2030, 1, 1, 0, 0, 0), COleDateTime(2000, 1, 1, 0, 0, 0));
                 e.GetRange(&after[0], &after[1]);
                 EXPECT_EQ(DATE(before[0]), DATE(after[0]));
                 EXPECT_EQ(DATE(before[1]), DATE(after[1]));
                 EXPECT_TRUE(e.CheckIfValid(false));
             },
             "02/03/2020"},
        },
        [](CVetDateEdit& e) { e.SetSeparator('/'); },
        [](CVetDateEdit& e) { e.SetDate(2020, 2, 3); });
}

TEST(EditBadInputTest, TimeRefusesFieldsAndSeparatorsThatCannotStand)
{
    RunLiveCases<CVetTimeEdit>(
        {
            {"hour 25 set whole", [](CVetTimeEdit& e) { e.SetTime(25, 61, 61); }, "23:59:59"},
            {"negative hour", [](CVetTimeEdit& e) { e.SetHour(-1); }, "10:20:30"},
            {"hour 100", [](CVetTimeEdit& e) { e.SetHour(100); }, "10:20:30"},
            {"minute 99", [](CVetTimeEdit& e) { e.SetMinute(99); }, "10:20:30"},
            {"negative second", [](CVetTimeEdit& e) { e.SetSecond(-5); }, "10:20:30"},
            {"NUL separator", [](CVetTimeEdit& e) { e.SetSeparator('\0'); }, "10:20:30"},
            {"digit separator", [](CVetTimeEdit& e) { e.SetSeparator('0'); }, "10:20:30"},
            {"valid field still set", [](CVetTimeEdit& e) { e.SetMinute(45); }, "10:45:30"},
            {"double-byte text becomes a time",
             [](CVetTimeEdit& e) {
                 e.SetText("\x82\x4f\x82\x50");
                 EXPECT_TRUE(e.IsValid());
                 e.SetTime(10, 20, 30);
             },
             "10:20:30"},
        },
        [](CVetTimeEdit& e) {
            e.SetSeparator(':');
            e.Show24HourFormat(true);
            e.ShowSeconds(true);
        },
        [](CVetTimeEdit& e) { e.SetTime(10, 20, 30); });
}

}  // namespace
