// The Edits page: the validating edits, one row each (a label, the edit with realistic data and a
// hint at its rules), and a log line for each notification the page hears from them.
#include "GalleryPage.h"

#include <Marlow17.h>
#include <mbctype.h>
#include <mbstring.h>
#include <iterator>
#include <vector>

namespace {

// ---- The edits, one creation function per row ----

// Creates edit on parent with its text set; null when the window cannot be made.
std::unique_ptr<CVetEdit> Finish(std::unique_ptr<CVetEdit> edit, CWnd* parent, const CRect& rect, UINT id,
                                 const char* text)
{
    if (!edit->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, rect, parent, id))
        return nullptr;
    edit->SetFont(CFont::FromHandle(GalleryPage::DialogFont()), FALSE);
    edit->SetText(text);
    return edit;
}

std::unique_ptr<CVetEdit> CreateFileNameEdit(CWnd* parent, const CRect& rect, UINT id)
{
    return Finish(std::make_unique<CVetAlphanumericEdit>(), parent, rect, id, "Quarterly report 2024.txt");
}

std::unique_ptr<CVetEdit> CreatePhoneEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetMaskedEdit>("(###) ###-####");
    edit->GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
    return Finish(std::move(edit), parent, rect, id, "(555) 867-5309");
}

int IsCodeChar(UINT c)
{
    return c < 0x80 && _ismbcalnum(c);
}

std::unique_ptr<CVetEdit> CreateCodeEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetMaskedEdit>(">>>>->>>>");
    edit->GetSymbolArray().Add(MaskedBehavior::Symbol('>', IsCodeChar, _mbctoupper));
    edit->SetBackgroundColor(RGB(255, 250, 220));
    edit->SetTextColor(RGB(0, 70, 140));
    return Finish(std::move(edit), parent, rect, id, "mx7q-04b2");     // stored upper-cased
}

// A numeric edit on parent showing value in the user's symbols.
std::unique_ptr<CVetEdit> FinishNumber(std::unique_ptr<CVetNumericEdit> edit, CWnd* parent, const CRect& rect, UINT id,
                                       double value)
{
    CVetNumericEdit* number = edit.get();
    std::unique_ptr<CVetEdit> created = Finish(std::move(edit), parent, rect, id, "");
    if (created)
        number->SetDouble(value);
    return created;
}

std::unique_ptr<CVetEdit> CreatePercentEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetNumericEdit>(3, 2);
    edit->SetRange(0, 100);
    edit->ModifyFlags(NumericBehavior::TrimLeadingZeros, 0);
    return FinishNumber(std::move(edit), parent, rect, id, 42.5);
}

std::unique_ptr<CVetEdit> CreateCountEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetIntegerEdit>();
    edit->SetDigitsInGroup(3);
    edit->AllowNegative(false);
    return FinishNumber(std::move(edit), parent, rect, id, 1250000);
}

std::unique_ptr<CVetEdit> CreatePriceEdit(CWnd* parent, const CRect& rect, UINT id)
{
    return FinishNumber(std::make_unique<CVetCurrencyEdit>(), parent, rect, id, 1234.5);
}

// Dates of 2024, typed in the user's field order and separator.
std::unique_ptr<CVetEdit> CreateDeliveryDateEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetDateEdit>();
    edit->SetRange(COleDateTime(2024, 1, 1, 0, 0, 0), COleDateTime(2024, 12, 31, 0, 0, 0));
    edit->ModifyFlags(Behavior::AdjustIfInvalid | Behavior::AdjustIfEmpty, 0);
    CVetDateEdit* date = edit.get();
    std::unique_ptr<CVetEdit> created = Finish(std::move(edit), parent, rect, id, "");
    if (created)
        date->SetDate(2024, 7, 4);
    return created;
}

std::unique_ptr<CVetEdit> CreateAlarmTimeEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetTimeEdit>();
    edit->Show24HourFormat(false);
    edit->ShowSeconds(true);
    CVetTimeEdit* time = edit.get();
    std::unique_ptr<CVetEdit> created = Finish(std::move(edit), parent, rect, id, "");
    if (created)
        time->SetTime(18, 45, 30);
    return created;
}

std::unique_ptr<CVetEdit> CreateMeetingEdit(CWnd* parent, const CRect& rect, UINT id)
{
    auto edit = std::make_unique<CVetDateTimeEdit>();
    CVetDateTimeEdit* meeting = edit.get();
    std::unique_ptr<CVetEdit> created = Finish(std::move(edit), parent, rect, id, "");
    if (created)
        meeting->SetDateTime(2024, 12, 31, 9, 30, 0);
    return created;
}

struct EditRow
{
    const char* label;
    const char* hint;
    std::unique_ptr<CVetEdit> (*create)(CWnd* parent, const CRect& rect, UINT id);
};

// New edits go here: one line each.
const EditRow s_rows[] = {
    {"File name (alphanumeric)", "refuses % ' * \" + ? > < : \\ with a beep", &CreateFileNameEdit},
    {"Phone (masked)", "(###) ###-####, # = digit; literals fill in", &CreatePhoneEdit},
    {"Product code (masked)", ">>>>->>>>, > = letter or digit, upper-cased", &CreateCodeEdit},
    {"Percent (numeric)", "0 to 100, 2 places; the button below checks the range", &CreatePercentEdit},
    {"Count (integer)", "whole numbers in groups of 3, no sign", &CreateCountEdit},
    {"Price (currency)", "the user's currency; the cents fill in on leaving", &CreatePriceEdit},
    {"Delivery (date)", "within 2024; Up and Down step the field", &CreateDeliveryDateEdit},
    {"Alarm (time)", "12-hour with seconds; A or P switches", &CreateAlarmTimeEdit},
    {"Meeting (date-time)", "date, blank and time in the user's forms", &CreateMeetingEdit},
};

// ---- Notifications ----

struct CodeName
{
    int code;
    const char* name;
};

// EN_UPDATE is left out: it comes before every EN_CHANGE.
const CodeName s_codeNames[] = {
    {EN_CHANGE, "EN_CHANGE"},
    {EN_SETFOCUS, "EN_SETFOCUS"},
    {EN_KILLFOCUS, "EN_KILLFOCUS"},
    {EN_MAXTEXT, "EN_MAXTEXT"},
};

class EditsPage : public GalleryPage
{
public:
    ~EditsPage() override
    {
        m_edits.clear();
        DestroyWindow(GetHwnd());
    }
    const char* Name() const override { return "Edits"; }

protected:
    static const int kFirstId = 200;
    static const int kRowHeight = 30;
    static const int kRowCount = static_cast<int>(std::size(s_rows));
    static const int kCheckRangeId = 100;

    void OnCreate() override
    {
        AddChild("STATIC", "Validating edits keep their text valid while you type, paste, cut or set it.", SS_LEFT,
                 12, 12, 680, 18);
        CWnd* parent = CWnd::FromHandle(GetHwnd());
        for (size_t i = 0; i < std::size(s_rows); ++i) {
            const int y = 44 + static_cast<int>(i) * kRowHeight;
            AddChild("STATIC", s_rows[i].label, SS_LEFT, 12, y + 3, 160, 18);
            const UINT id = kFirstId + static_cast<UINT>(i);
            if (std::unique_ptr<CVetEdit> edit = s_rows[i].create(parent, CRect(176, y, 396, y + 22), id))
                m_edits.push_back(std::move(edit));
            else
                Log(std::string(s_rows[i].label) + ": the edit could not be created");
            AddChild("STATIC", s_rows[i].hint, SS_LEFT, 408, y + 3, 300, 18);
        }
        AddChild("BUTTON", "Check the percent's range", BS_PUSHBUTTON | WS_TABSTOP, 176, 50 + kRowHeight * kRowCount,
                 220, 24, kCheckRangeId);
    }

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        // The page is a plain window: it hands its children's colour requests and notifications
        // back to them first, as an MFC parent does.
        LRESULT result = 0;
        if (CWnd::ReflectChildMsg(GetHwnd(), message, wParam, lParam, &result))
            return result;
        if (message == WM_COMMAND && LOWORD(wParam) == kCheckRangeId && HIWORD(wParam) == BN_CLICKED)
            CheckPercentRange();
        else if (message == WM_COMMAND && lParam)
            LogCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return GalleryPage::OnMessage(message, wParam, lParam);
    }

private:
    // CheckIfValid on the percent edit: out of range, the user sees the range in a message box.
    void CheckPercentRange() const
    {
        for (size_t i = 0; i < std::size(s_rows); ++i) {
            if (s_rows[i].create != &CreatePercentEdit)
                continue;
            CWnd* wnd = CWnd::FromHandlePermanent(GetDlgItem(GetHwnd(), kFirstId + static_cast<int>(i)));
            if (auto* percent = dynamic_cast<CVetNumericEdit*>(wnd))
                Log(std::string(s_rows[i].label) + (percent->CheckIfValid(true) ? ": in range" : ": out of range"));
        }
    }

    void LogCommand(int id, int code, HWND from) const
    {
        const size_t row = static_cast<size_t>(id - kFirstId);
        if (row >= std::size(s_rows))
            return;
        for (const CodeName& entry : s_codeNames) {
            if (entry.code != code)
                continue;
            char text[256] = "";
            GetWindowTextA(from, text, sizeof(text));
            Log(std::string(s_rows[row].label) + ": " + entry.name + " \"" + text + "\"");
        }
    }

    std::vector<std::unique_ptr<CVetEdit>> m_edits;
};

}  // namespace

std::unique_ptr<GalleryPage> CreateEditsPage()
{
    return std::make_unique<EditsPage>();
}
