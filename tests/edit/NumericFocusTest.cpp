// Numeric edits losing the focus to another window (padding, trimming, beeps, range adjustment,
// messages, taking the focus back) and CheckIfValid with its range messages in real message boxes.
#include "NumericTestSupport.h"

#include <CVetNumericEdit.h>

#include <algorithm>
#include <cfloat>

namespace {

using NB = NumericBehavior;

const char kBetween[] = "Please specify a numeric value between 0 and 100.";
const char kAtMost[] = "Please specify a numeric value less than or equal to 100.";
const char kAtLeast[] = "Please specify a numeric value greater than or equal to 0.";
const char kAnyValue[] = "Please specify a valid numeric value.";

const UINT kAllInvalid = NB::BeepIfInvalid | NB::AdjustIfInvalid | NB::ReportIfInvalid | NB::RefocusIfInvalid;
const UINT kAllEmpty = NB::BeepIfEmpty | NB::AdjustIfEmpty | NB::ReportIfEmpty | NB::RefocusIfEmpty;

struct FocusCase
{
    const char* name;
    int whole, decimals, group;
    UINT flags;
    double minimum, maximum;
    const char* before;     // number pattern ('.', ',', '-' in the edit's symbols)
    const char* after;
    int beeps;
    const char* message;    // null: no message box
    bool refocused;
};

const double kNone = DBL_MAX;

const FocusCase kFocusCases[] = {
    {"without kill-focus options nothing happens", 9, 2, 0, 0, -kNone, kNone, "007.5", "007.5", 0, nullptr, false},
    {"PadDecimalPlaces fills the places", 9, 2, 3, NB::PadDecimalPlaces, -kNone, kNone, "1,234.5", "1,234.50", 0,
     nullptr, false},
    {"PadDecimalPlaces gives an empty text a zero", 9, 2, 0, NB::PadDecimalPlaces, -kNone, kNone, "", "0.00", 0,
     nullptr, false},
    {"PadDecimalPlaces makes a bare sign zero", 9, 2, 0, NB::PadDecimalPlaces, -kNone, kNone, "-", "0.00", 0, nullptr,
     false},
    {"KeepEmpty leaves an empty text alone", 9, 2, 0, NB::PadDecimalPlaces | NB::KeepEmpty | kAllEmpty, 10, 100, "",
     "", 0, nullptr, false},
    {"TrimLeadingZeros", 9, 2, 0, NB::TrimLeadingZeros, -kNone, kNone, "007.5", "7.5", 0, nullptr, false},
    {"TrimLeadingZeros keeps one zero", 9, 2, 0, NB::TrimLeadingZeros, -kNone, kNone, "-00", "-0", 0, nullptr, false},
    {"TrimLeadingZeros puts a zero before a bare point", 9, 2, 0, NB::TrimLeadingZeros, -kNone, kNone, "-.5", "-0.5",
     0, nullptr, false},
    {"PadWholeDigits", 4, 2, 0, NB::PadWholeDigits, -kNone, kNone, "12.5", "0012.5", 0, nullptr, false},
    {"PadWholeDigits after the sign", 4, 2, 0, NB::PadWholeDigits, -kNone, kNone, "-12", "-0012", 0, nullptr, false},
    {"trimmed, then padded and regrouped", 9, 2, 3, NB::TrimLeadingZeros | NB::PadDecimalPlaces, -kNone, kNone,
     "0,012", "12.00", 0, nullptr, false},
    {"BeepIfInvalid", 9, 2, 0, NB::BeepIfInvalid, 0, 100, "150", "150", 1, nullptr, false},
    {"AdjustIfInvalid above the range", 9, 2, 0, NB::AdjustIfInvalid, 0, 100, "150", "100", 0, nullptr, false},
    {"AdjustIfInvalid below the range", 9, 2, 0, NB::AdjustIfInvalid, 0, 100, "-5", "0", 0, nullptr, false},
    {"ReportIfInvalid with RefocusIfInvalid", 9, 2, 0, NB::ReportIfInvalid | NB::RefocusIfInvalid, 0, 100, "150",
     "150", 0, kBetween, true},
    {"ReportIfInvalid alone shows nothing", 9, 2, 0, NB::ReportIfInvalid, 0, 100, "150", "150", 0, nullptr, false},
    {"RefocusIfInvalid alone", 9, 2, 0, NB::RefocusIfInvalid, 0, 100, "150", "150", 0, nullptr, true},
    {"every invalid option", 9, 2, 0, kAllInvalid, 0, 100, "150", "100", 1, kBetween, true},
    {"only a maximum", 9, 2, 0, kAllInvalid, -kNone, 100, "150", "100", 1, kAtMost, true},
    {"only a minimum", 9, 2, 0, kAllInvalid, 0, kNone, "-5", "0", 1, kAtLeast, true},
    {"a valid value with every option", 9, 2, 0, kAllInvalid | kAllEmpty, 0, 100, "50", "50", 0, nullptr, false},
    {"the invalid options leave an empty text alone", 9, 2, 0, kAllInvalid, 10, 100, "", "", 0, nullptr, false},
    {"BeepIfEmpty", 9, 2, 0, NB::BeepIfEmpty, -kNone, kNone, "", "", 1, nullptr, false},
    {"AdjustIfEmpty brings an empty text into the range", 9, 2, 0, NB::AdjustIfEmpty, 10, 100, "", "10", 0, nullptr,
     false},
    {"AdjustIfEmpty leaves it when 0 is in range", 9, 2, 0, NB::AdjustIfEmpty, -5, 5, "", "", 0, nullptr, false},
    {"every empty option", 9, 2, 0, kAllEmpty, 10, 100, "", "10", 1,
     "Please specify a numeric value between 10 and 100.", true},
    {"an empty text without a range", 9, 2, 0, NB::ReportIfEmpty | NB::RefocusIfEmpty, -kNone, kNone, "", "", 0,
     kAnyValue, true},
};

// A numeric edit with another window beside it to take the focus.
class NumericFocusFixture : public test::EditFixture<CVetNumericEdit>
{
protected:
    void SetUp() override
    {
        test::EditFixture<CVetNumericEdit>::SetUp();
        other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 40, 100, 24, host, nullptr,
                                nullptr, nullptr);
        ASSERT_TRUE(other);
        SetForegroundWindow(host);
    }
    // Gives the edit the focus, then gives it to the other window, as a click or Tab would.
    void LoseFocus()
    {
        ::SetFocus(Hwnd());
        ASSERT_EQ(Hwnd(), ::GetFocus());
        ::SetFocus(other);
    }
    std::string Local(const char* pattern) const { return test::Localize(pattern, test::SymbolsOf(edit)); }

    HWND other = nullptr;
};

class NumericFocus : public NumericFocusFixture, public ::testing::WithParamInterface<FocusCase>
{
};

TEST_P(NumericFocus, LosingTheFocus)
{
    const FocusCase& c = GetParam();
    edit.SetMaxWholeDigits(c.whole);
    edit.SetMaxDecimalPlaces(c.decimals);
    edit.SetDigitsInGroup(c.group);
    edit.SetRange(c.minimum, c.maximum);
    edit.ModifyFlags(c.flags, 0);
    SetWindowTextA(Hwnd(), Local(c.before).c_str());
    ASSERT_EQ(Local(c.before), Text());

    test::BeepRecorder beeps;
    ASSERT_TRUE(beeps.Installed());
    test::ModalBoxWatcher boxes(IDOK);
    LoseFocus();
    // Read at once: under Xvfb without a window manager, the X focus events that follow a closed
    // message box may deactivate the whole program a moment later.
    HWND focus = ::GetFocus();
    test::PumpMessages();

    EXPECT_EQ(Local(c.after), Text()) << c.name;
    EXPECT_EQ(c.beeps, beeps.Count()) << c.name;
    EXPECT_EQ(c.message ? 1 : 0, boxes.Count()) << c.name;
    if (c.message) {
        EXPECT_EQ(c.message, boxes.Text()) << c.name;
    }
    EXPECT_EQ(c.refocused ? Hwnd() : other, focus) << c.name;
}

INSTANTIATE_TEST_SUITE_P(NumericTable, NumericFocus, ::testing::ValuesIn(kFocusCases));

// An edit that writes down when its message shows and when it gets the focus, with its text then.
class RecordingEdit : public CVetNumericEdit
{
public:
    std::vector<std::string>* log = nullptr;

protected:
    void ShowErrorMessage() const override
    {
        if (log)
            log->push_back("message " + test::EditText(GetSafeHwnd()));
        CVetNumericEdit::ShowErrorMessage();
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd)
    {
        if (log)
            log->push_back("focus " + test::EditText(GetSafeHwnd()));
        CVetNumericEdit::OnSetFocus(pOldWnd);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingEdit, CVetNumericEdit)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

class NumericFocusOrder : public test::EditFixture<RecordingEdit>
{
};

// Beep (the text still out of range), adjust, message (the text already adjusted), focus back.
TEST_F(NumericFocusOrder, BeepAdjustMessageFocus)
{
    HWND other = CreateWindowExA(0, "BUTTON", "Other", WS_CHILD | WS_VISIBLE, 10, 40, 100, 24, host, nullptr, nullptr,
                                 nullptr);
    SetForegroundWindow(host);
    edit.SetRange(0, 100);
    edit.ModifyFlags(kAllInvalid, 0);
    edit.SetText("150");
    ::SetFocus(Hwnd());

    std::vector<std::string> log;
    test::BeepRecorder beeps;
    ASSERT_TRUE(beeps.Installed());
    struct Context
    {
        std::vector<std::string>* log;
        HWND edit;
    } context = {&log, Hwnd()};
    beeps.context = &context;
    beeps.OnBeep = [](void* p) {
        auto* ctx = static_cast<Context*>(p);
        ctx->log->push_back("beep " + test::EditText(ctx->edit));
    };
    edit.log = &log;
    test::ModalBoxWatcher boxes(IDOK);
    ::SetFocus(other);
    HWND focus = ::GetFocus();      // read at once, as in LosingTheFocus
    test::PumpMessages();
    edit.log = nullptr;

    const std::vector<std::string> expected = {"beep 150", "message 100", "focus 100"};
    EXPECT_EQ(expected, log);
    EXPECT_EQ(kBetween, boxes.Text());
    EXPECT_EQ(Hwnd(), focus);
}

// Hiding or destroying an invalid edit that has the focus (its dialog closing) moves the focus
// away too: the beep and the adjustment apply, but no message box opens over a window that is going
// away, and the focus is not taken back.
TEST_F(NumericFocusOrder, HiddenOrDestroyedEditsNeitherReportNorRefocus)
{
    SetForegroundWindow(host);
    edit.SetRange(0, 100);
    edit.ModifyFlags(kAllInvalid, 0);
    test::BeepRecorder beeps;
    ASSERT_TRUE(beeps.Installed());
    test::ModalBoxWatcher boxes(IDOK);

    edit.SetText("150");
    ::SetFocus(Hwnd());
    ShowWindow(Hwnd(), SW_HIDE);
    test::PumpMessages();
    EXPECT_NE(Hwnd(), ::GetFocus());
    EXPECT_EQ("100", Text());
    EXPECT_EQ(1, beeps.Count());

    ShowWindow(Hwnd(), SW_SHOW);
    edit.SetText("150");
    ::SetFocus(Hwnd());
    ASSERT_EQ(Hwnd(), ::GetFocus());
    edit.DestroyWindow();
    test::PumpMessages();
    EXPECT_EQ(2, beeps.Count());
    EXPECT_EQ(0, boxes.Count());
}

struct RangeMessage
{
    double minimum, maximum;
    const char* text;
    const char* message;    // '.' between digits stands for the decimal point
};

const RangeMessage kRangeMessages[] = {
    {0, 100, "150", kBetween},
    {-DBL_MAX, 100, "150", kAtMost},
    {0, DBL_MAX, "-5", kAtLeast},
    {0.5, 99.25, "100", "Please specify a numeric value between 0#5 and 99#25."},
    {-1e6, -0.125, "0", "Please specify a numeric value between -1000000 and -0#125."},
};

using NumericCheck = NumericFocusFixture;

TEST_F(NumericCheck, CheckIfValidShowsTheRangeAndTakesTheFocus)
{
    const test::NumberSymbols symbols = test::SymbolsOf(edit);
    for (const RangeMessage& r : kRangeMessages) {
        edit.SetRange(r.minimum, r.maximum);
        edit.SetText(Local(r.text).c_str());
        std::string message = r.message;
        std::replace(message.begin(), message.end(), '#', symbols.decimal);
        std::replace(message.begin(), message.end(), '-', symbols.negative);
        ::SetFocus(other);

        test::ModalBoxWatcher boxes(IDOK);
        EXPECT_FALSE(edit.CheckIfValid(false)) << message;
        EXPECT_EQ(0, boxes.Count()) << "no message when not asked";
        EXPECT_FALSE(edit.CheckIfValid(true)) << message;
        HWND focus = ::GetFocus();      // read at once, as in LosingTheFocus
        test::PumpMessages();
        EXPECT_EQ(1, boxes.Count());
        EXPECT_EQ(message, boxes.Text());
        EXPECT_EQ(Hwnd(), focus) << message;
    }
}

TEST_F(NumericCheck, ValidOrDisabledEditsPass)
{
    edit.SetRange(0, 100);
    test::ModalBoxWatcher boxes(IDOK);
    edit.SetText("100");
    EXPECT_TRUE(edit.CheckIfValid(true));
    edit.SetText("150");
    edit.EnableWindow(FALSE);
    EXPECT_TRUE(edit.CheckIfValid(true)) << "a disabled edit is not checked";
    test::PumpMessages();
    EXPECT_EQ(0, boxes.Count());
}

}  // namespace
