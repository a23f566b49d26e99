// The validating edit frame, driven through real edit windows: every way text arrives (typing,
// WM_SETTEXT from SetWindowText and SetText, paste through the clipboard), cut, clear, read-only
// edits, colours as painted, subclassing on a dialog, and the behaviour base's flags.
#include "EditTestSupport.h"

#include <CVetAlphanumericEdit.h>
#include <CVetMaskedEdit.h>
#include <SelectionSaver.h>
#include <algorithm>
#include <iterator>
#include <mbctype.h>
#include <mbstring.h>

namespace {

using test::Selection;

// Digits for '#'.
void AddDigitSymbol(CVetMaskedEdit& edit)
{
    edit.GetSymbolArray().Add(MaskedBehavior::Symbol('#', _ismbcdigit));
}

// Counts re-validations and vetoes the characters of a set, as a client class would.
class ClientEdit : public CVetAlphanumericEdit
{
public:
    int redraws = 0;
    CString vetoed;

protected:
    void Redraw() override
    {
        ++redraws;
        CVetAlphanumericEdit::Redraw();
    }
    bool ShouldEnter(char c) const override { return vetoed.Find(c) < 0; }
};

class AlphanumericFrameTest : public test::EditFixture<CVetAlphanumericEdit>
{
};
class MaskedFrameTest : public test::EditFixture<CVetMaskedEdit>
{
protected:
    void SetUp() override
    {
        EditFixture::SetUp();
        AddDigitSymbol(edit);
        edit.SetMask("##/##");
    }
};

// ---- Text set whole ----

enum class SetPath { SetWindowText, SetText, Message };
const SetPath s_setPaths[] = {SetPath::SetWindowText, SetPath::SetText, SetPath::Message};

void SetTextBy(SetPath path, CVetEdit& edit, const char* text)
{
    switch (path) {
    case SetPath::SetWindowText: edit.SetWindowText(text); break;
    case SetPath::SetText: edit.SetText(text); break;
    case SetPath::Message: EXPECT_TRUE(SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text))); break;
    }
}

TEST_F(AlphanumericFrameTest, TextSetByAnyPathIsStoredInItsValidForm)
{
    edit.SetMaxCharacters(4);
    for (SetPath path : s_setPaths) {
        SetTextBy(path, edit, "ab%cd");
        EXPECT_EQ("abc", Text()) << static_cast<int>(path);
        EXPECT_EQ(CString("abc"), edit.GetText());
        SetTextBy(path, edit, "xy");
        EXPECT_EQ("xy", Text());
    }
}

TEST_F(MaskedFrameTest, TextSetByAnyPathIsCutAtTheFirstMismatch)
{
    for (SetPath path : s_setPaths) {
        SetTextBy(path, edit, "12-34");
        EXPECT_EQ("12", Text()) << static_cast<int>(path);
        SetTextBy(path, edit, "12/34");
        EXPECT_EQ("12/34", Text());
    }
}

TEST_F(AlphanumericFrameTest, NullTextMessageEmptiesTheEdit)
{
    Start("abc");
    EXPECT_TRUE(SendMessageA(Hwnd(), WM_SETTEXT, 0, 0));
    EXPECT_EQ("", Text());
}

TEST_F(AlphanumericFrameTest, HostHearsChangesOfAcceptedCharactersOnly)
{
    host.ClearRecords();
    Type("%");
    EXPECT_TRUE(test::CommandCodes(host).empty());
    Type("a");
    const std::vector<int> codes = test::CommandCodes(host);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(EN_CHANGE, codes.back());
    EXPECT_EQ(kEditId, host.Records().back().id);
}

TEST_F(AlphanumericFrameTest, TrimmedTextAndReadOnlyState)
{
    Start("  a b \t");
    EXPECT_EQ(CString("a b"), edit.GetTrimmedText());
    EXPECT_FALSE(edit.IsReadOnly());
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.IsReadOnly());
}

// ---- Paste through the clipboard ----

struct PasteCase
{
    const char* text;
    Selection before;
    const char* clipboard;
    const char* result;
    Selection after;
};

// Valid results stay as pasted with the caret after the paste; invalid ones are cut to their
// valid form and the selection from before the paste comes back, clamped to the new length.
const PasteCase s_alphanumericPastes[] = {
    {"abc", {1, 1}, "XY", "aXYbc", {3, 3}},
    {"abc", {1, 2}, "X%Y", "aXYc", {1, 2}},
    {"abc", {3, 3}, "defgh", "abcde", {3, 3}},        // maximum 5
    {"abcd", {2, 4}, "%%", "ab", {2, 2}},
};
const PasteCase s_maskedPastes[] = {
    {"12/", {3, 3}, "45", "12/45", {5, 5}},
    {"12/34", {0, 5}, "9x", "9", {0, 1}},
    {"", {0, 0}, "12/3456", "12/34", {0, 0}},
    {"12/34", {3, 5}, "8a", "12/8", {3, 4}},
};

template <class Fixture>
void CheckPastes(Fixture& fixture, const PasteCase* cases, size_t count, bool byKeyboard)
{
    for (size_t i = 0; i < count; ++i) {
        const PasteCase& c = cases[i];
        fixture.Start(c.text);
        fixture.Select(c.before.start, c.before.end);
        ASSERT_TRUE(test::SetClipboardText(c.clipboard));
        if (byKeyboard)
            fixture.Type("\x16");       // Ctrl+V
        else
            SendMessageA(fixture.Hwnd(), WM_PASTE, 0, 0);
        EXPECT_EQ(c.result, fixture.Text()) << "case " << i;
        EXPECT_EQ(c.after, fixture.Sel()) << "case " << i;
    }
}

TEST_F(AlphanumericFrameTest, PasteKeepsValidTextAndCutsInvalidText)
{
    edit.SetMaxCharacters(5);
    CheckPastes(*this, s_alphanumericPastes, std::size(s_alphanumericPastes), false);
    CheckPastes(*this, s_alphanumericPastes, std::size(s_alphanumericPastes), true);
}

TEST_F(MaskedFrameTest, PasteKeepsValidTextAndCutsInvalidText)
{
    CheckPastes(*this, s_maskedPastes, std::size(s_maskedPastes), false);
    CheckPastes(*this, s_maskedPastes, std::size(s_maskedPastes), true);
}

// ---- Cut and clear ----

struct RemoveCase
{
    const char* text;
    Selection sel;
    const char* result;     // after cut, clear or Delete alike
    const char* copied;     // clipboard after a cut; null = left as it was
};

const RemoveCase s_alphanumericRemovals[] = {
    {"abcdef", {1, 3}, "adef", "bc"},
    {"abcdef", {0, 6}, "", "abcdef"},
    {"abcdef", {2, 2}, "abcdef", nullptr},        // no selection: nothing happens
};
// A mask keeps its positions: only a selection that reaches the end goes.
const RemoveCase s_maskedRemovals[] = {
    {"12/34", {3, 5}, "12/", "34"},
    {"12/34", {0, 2}, "12/34", "12"},
    {"12/34", {1, 1}, "12/34", nullptr},
};

template <class Fixture>
void CheckRemovals(Fixture& fixture, const RemoveCase* cases, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const RemoveCase& c = cases[i];
        // Cut, by message and by Ctrl+X.
        for (bool byKeyboard : {false, true}) {
            fixture.Start(c.text);
            fixture.Select(c.sel.start, c.sel.end);
            ASSERT_TRUE(test::SetClipboardText("untouched"));
            if (byKeyboard)
                fixture.Type("\x18");
            else
                SendMessageA(fixture.Hwnd(), WM_CUT, 0, 0);
            EXPECT_EQ(c.result, fixture.Text()) << "cut, case " << i;
            EXPECT_EQ(c.copied ? c.copied : "untouched", test::GetClipboardText()) << "cut, case " << i;
        }
        // Clear behaves as Delete does, except that without a selection it does nothing.
        fixture.Start(c.text);
        fixture.Select(c.sel.start, c.sel.end);
        SendMessageA(fixture.Hwnd(), WM_CLEAR, 0, 0);
        EXPECT_EQ(c.result, fixture.Text()) << "clear, case " << i;
        if (c.sel.start != c.sel.end) {
            fixture.Start(c.text);
            fixture.Select(c.sel.start, c.sel.end);
            fixture.Press(VK_DELETE);
            EXPECT_EQ(c.result, fixture.Text()) << "delete, case " << i;
        }
    }
}

TEST_F(AlphanumericFrameTest, CutCopiesAndRemovesTheSelectionClearRemovesIt)
{
    CheckRemovals(*this, s_alphanumericRemovals, std::size(s_alphanumericRemovals));
}

TEST_F(MaskedFrameTest, CutAndClearRemoveOnlyWhatEndsTheText)
{
    CheckRemovals(*this, s_maskedRemovals, std::size(s_maskedRemovals));
}

TEST_F(AlphanumericFrameTest, ClearWithoutSelectionDiffersFromDelete)
{
    Start("abc");
    Select(1, 1);
    SendMessageA(Hwnd(), WM_CLEAR, 0, 0);
    EXPECT_EQ("abc", Text());
    Press(VK_DELETE);
    EXPECT_EQ("ac", Text());
}

// ---- Read-only edits ----

TEST_F(AlphanumericFrameTest, ReadOnlyEditIgnoresCharactersAndKeepsItsTextOnCut)
{
    ASSERT_TRUE(CreateEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY));
    Start("abc");
    Type("xyz\b");
    EXPECT_EQ("abc", Text());
    Select(0, 2);
    ASSERT_TRUE(test::SetClipboardText("untouched"));
    SendMessageA(Hwnd(), WM_CUT, 0, 0);
    EXPECT_EQ("ab", test::GetClipboardText());     // a read-only edit still copies
    EXPECT_EQ("abc", Text());
    SendMessageA(Hwnd(), WM_CLEAR, 0, 0);
    SendMessageA(Hwnd(), WM_PASTE, 0, 0);
    EXPECT_EQ("abc", Text());
}

TEST_F(MaskedFrameTest, ReadOnlyEditIgnoresCharacters)
{
    Start("12/3");
    edit.SetReadOnly(TRUE);
    Type("4\b");
    EXPECT_EQ("12/3", Text());
    Select(3, 4);
    SendMessageA(Hwnd(), WM_CUT, 0, 0);
    EXPECT_EQ("12/3", Text());
    // Set text is never refused, read-only or not.
    edit.SetText("99/99");
    EXPECT_EQ("99/99", Text());
}

// ---- The host's veto and re-validation ----

class ClientEditTest : public test::EditFixture<ClientEdit>
{
};

TEST_F(ClientEditTest, ShouldEnterVetoesTypedCharacters)
{
    edit.vetoed = "x";
    Type("axbx");
    EXPECT_EQ("ab", Text());
    edit.SetMaxCharacters(2);
    Select(0, 0);
    Type("x");      // the overwrite of a full text asks too
    EXPECT_EQ("ab", Text());
    Type("c");
    EXPECT_EQ("cb", Text());
}

TEST_F(ClientEditTest, SettingsRevalidateOnlyWhenTheyChange)
{
    Start("abcdef");
    edit.redraws = 0;
    edit.SetMaxCharacters(4);
    EXPECT_EQ("abcd", Text());
    edit.SetMaxCharacters(4);
    edit.SetInvalidCharacters("b");
    EXPECT_EQ("acd", Text());
    edit.SetInvalidCharacters("b");
    EXPECT_EQ(2, edit.redraws);

    EXPECT_TRUE(edit.ModifyFlags(0x05, 0));
    EXPECT_EQ(0x05u, edit.GetFlags());
    EXPECT_FALSE(edit.ModifyFlags(0x01, 0x02));     // already so: no change, no redraw
    EXPECT_TRUE(edit.ModifyFlags(0x02, 0x04));
    EXPECT_EQ(0x03u, edit.GetFlags());
    EXPECT_EQ(4, edit.redraws);
}

TEST(VetEditLifecycle, SettingsBeforeTheWindowExistAreStoredAndApplied)
{
    test::HostWindow host;
    CVetAlphanumericEdit edit(0, "");
    edit.SetMaxCharacters(3);
    edit.SetInvalidCharacters("#");
    edit.SetBackgroundColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), edit.GetBackgroundColor());
    EXPECT_EQ(CString(""), edit.GetText());
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), CWnd::FromHandle(host), 7));
    edit.SetText("a#bcd");
    EXPECT_EQ(CString("ab"), edit.GetText());       // cut to 3, then rid of '#'
}

// ---- Colours, as painted through the reflected colour messages ----

class ColorTest : public test::EditFixture<CVetAlphanumericEdit>
{
protected:
    // The client area inside the border that the edit draws there.
    CRect Inside() const
    {
        CRect rect;
        edit.GetClientRect(&rect);
        rect.DeflateRect(2, 2);
        return rect;
    }
    // The right half of it, where short texts leave background only.
    CRect Half() const
    {
        CRect rect = Inside();
        rect.left += rect.Width() / 2;
        return rect;
    }
    int Background(COLORREF color) const { return test::CountScreenPixels(Hwnd(), Half(), color); }
    int Total() const { return Half().Width() * Half().Height(); }
};

TEST_F(ColorTest, BackgroundAndTextColoursArePainted)
{
    Start("MMMM");
    const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
    EXPECT_EQ(0, Background(red));
    EXPECT_EQ(0, test::CountScreenPixels(Hwnd(), Inside(), blue));

    edit.SetBackgroundColor(red);
    EXPECT_EQ(red, edit.GetBackgroundColor());
    EXPECT_EQ(Total(), Background(red));
    edit.SetTextColor(blue);
    EXPECT_EQ(blue, edit.GetTextColor());
    EXPECT_GT(test::CountScreenPixels(Hwnd(), Inside(), blue), 20);
}

TEST_F(ColorTest, ReadOnlyAndDisabledEditsAreColouredToo)
{
    const std::pair<DWORD, COLORREF> cases[] = {{ES_READONLY, RGB(0, 160, 0)}, {WS_DISABLED, RGB(0, 120, 120)}};
    for (const auto& c : cases) {
        ASSERT_TRUE(CreateEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | c.first));
        Start("M");
        EXPECT_EQ(0, Background(c.second));
        edit.SetBackgroundColor(c.second);
        EXPECT_EQ(Total(), Background(c.second)) << std::hex << c.first;
    }
}

TEST_F(ColorTest, BlackTextKeepsThePlatformColourButTakesTheBackgroundBrush)
{
    ASSERT_TRUE(CreateEdit(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY));
    Start("M");
    // A read-only edit normally paints in the dialog face colour.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_EQ(Total(), Background(face));
    edit.SetTextColor(RGB(0, 0, 0));
    // Now the colour request is answered: with the device context's own background colour.
    const COLORREF background = edit.GetBackgroundColor();
    EXPECT_NE(face, background);
    EXPECT_EQ(Total(), Background(background));
}

// ---- Subclassing edits placed on a dialog ----

TEST(VetEditSubclass, EditsOnADialogTemplateWorkOnceSubclassed)
{
    test::TemplateDialog dialog({{101, 0, L"start"}, {102, 0, L""}});
    ASSERT_TRUE(dialog.hwnd());
    CVetAlphanumericEdit alpha;
    CVetMaskedEdit masked;
    ASSERT_TRUE(alpha.SubclassDlgItem(101, dialog.Wnd()));
    ASSERT_TRUE(masked.SubclassDlgItem(102, dialog.Wnd()));
    EXPECT_EQ(CString("start"), alpha.GetText());

    test::CaretToEnd(alpha);
    test::TypeText(alpha, "?!");
    EXPECT_EQ("start!", test::EditText(alpha));
    alpha.SetMaxCharacters(3);                    // a setting changed after subclassing
    EXPECT_EQ("sta", test::EditText(alpha));
    SetDlgItemTextA(dialog.hwnd(), 101, "a:b");
    EXPECT_EQ("ab", test::EditText(alpha));

    AddDigitSymbol(masked);
    masked.SetMask("##/##");
    dialog.ClearRecords();
    test::TypeText(masked, "123");
    EXPECT_EQ("12/3", test::EditText(masked));
    std::vector<int> codes = dialog.Codes(102);
    EXPECT_NE(codes.end(), std::find(codes.begin(), codes.end(), EN_CHANGE));

    // Colours reach a dialog's edits through the same reflection.
    masked.SetBackgroundColor(RGB(0, 0, 200));
    CRect rect;
    masked.GetClientRect(&rect);
    rect.DeflateRect(2, 2);
    rect.left += rect.Width() / 2;
    EXPECT_EQ(rect.Width() * rect.Height(), test::CountScreenPixels(masked, rect, RGB(0, 0, 200)));
}

// ---- SelectionSaver ----

TEST_F(AlphanumericFrameTest, SelectionSaverRestoresWhatItHolds)
{
    Start("abcdefgh");
    Select(2, 4);
    {
        SelectionSaver saver(&edit);
        EXPECT_EQ(2, saver.GetStart());
        EXPECT_EQ(4, saver.GetEnd());
        saver += 1;
        saver.MoveBy(1, 2);
        EXPECT_EQ(4, saver.GetStart());
        EXPECT_EQ(7, saver.GetEnd());
        SetWindowTextA(Hwnd(), "ABCDEFGH");     // the caret goes elsewhere meanwhile
    }
    EXPECT_EQ((Selection{4, 7}), Sel());
    {
        SelectionSaver saver(&edit, 0, 0);
        saver.MoveTo(1, 3);
        saver.MoveBy(1);
        Select(5, 5);
        saver.Update();                         // re-reads the edit's selection
        EXPECT_EQ(5, saver.GetStart());
        saver.Disable();
        Select(6, 6);
    }
    EXPECT_EQ((Selection{6, 6}), Sel());
    {
        SelectionSaver saver(nullptr);          // a saver without an edit does nothing
        saver.Update();
        EXPECT_EQ(0, saver.GetStart());
    }
    EXPECT_EQ((Selection{6, 6}), Sel());
}

}  // namespace
