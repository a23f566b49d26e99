// Helpers of the numeric edit tests: numbers written once and read in the symbols of whatever
// locale the tests run under, edit states written as text with caret marks, a recorder of the
// library's beeps, temporary regional settings of the user, and an independent check that a text
// is a well-formed number.
#pragma once
#include "EditTestSupport.h"

#include <NumericBehavior.h>
#include <string>
#include <utility>
#include <vector>

namespace test {

// One of the user's locale settings as GetLocaleInfoA reports it ("" when it has none).
std::string UserLocaleInfo(LCTYPE type);
// Its first character, or fallback when the setting is empty.
char UserLocaleChar(LCTYPE type, char fallback);

// The symbols a number is written with.
struct NumberSymbols
{
    char decimal = '.';
    char group = ',';
    char negative = '-';
    std::string prefix;         // stands for '$' in a pattern
};

// The symbols of an edit: its separators and prefix, and the user's negative sign.
NumberSymbols SymbolsOf(const NumericBehavior& behavior);

// A pattern written with '.', ',', '-' and '$' rewritten with symbols' decimal point, group
// separator, negative sign and prefix; every other character stays.
std::string Localize(const std::string& pattern, const NumberSymbols& symbols);

// An edit's text and selection written as one string: '|' is the caret, "[...]" a selection.
// "$1,2|34" is "$1,234" with the caret after the 2.
struct EditState
{
    std::string text;
    Selection selection;
};
EditState ParseEditState(const std::string& marked);
std::string FormatEditState(const std::string& text, const Selection& selection);

// Counts the library's ::MessageBeep calls while it lives, by pointing Marlow17.dll's import of
// MessageBeep at a recorder. OnBeep, when set, runs at each beep (before the count rises).
class BeepRecorder
{
public:
    BeepRecorder();
    ~BeepRecorder();
    BeepRecorder(const BeepRecorder&) = delete;
    BeepRecorder& operator=(const BeepRecorder&) = delete;

    bool Installed() const { return m_installed; }
    int Count() const { return m_count; }
    void (*OnBeep)(void* context) = nullptr;
    void* context = nullptr;

private:
    static BOOL WINAPI Beep(UINT type);
    bool Patch(void* from, void* to);

    bool m_installed = false;
    int m_count = 0;
};

// Changes some of the user's regional settings (SetLocaleInfoA, as the control panel does) and
// puts the old values back when it goes out of scope.
class UserLocaleOverride
{
public:
    explicit UserLocaleOverride(const std::vector<std::pair<LCTYPE, std::string>>& values);
    ~UserLocaleOverride();
    UserLocaleOverride(const UserLocaleOverride&) = delete;
    UserLocaleOverride& operator=(const UserLocaleOverride&) = delete;

    bool Applied() const { return m_applied; }

private:
    std::vector<std::pair<LCTYPE, std::string>> m_saved;
    bool m_applied = true;
};

// The shape a numeric edit's text must have, checked without the library: empty, or the prefix,
// an optional negative sign, at most `whole` digits grouped from the right by `group` (none for
// 0), and, when `decimals` > 0, an optional decimal point with at most `decimals` digits.
::testing::AssertionResult IsWellFormedNumber(const std::string& text, const NumberSymbols& symbols, int whole,
                                              int decimals, int group);

}  // namespace test
