// Behavior: the base of the validating edits' behaviours. A behaviour serves one CVetEdit (in every
// concrete edit, the object itself): the edit hands it the keystrokes and asks it what valid text
// is. The base stores option flags and passes everything to the edit's default processing.
#pragma once
#include "CVetEdit.h"
#include "CTime.h"
#include <functional>

class MARLOW17_API Behavior
{
public:
    // Kill-focus options of the validating behaviours (numeric, date, time, date-time). When the
    // edit loses the focus they apply in this order: beep, adjust, message, focus. "Empty" is an
    // empty text; "invalid" a text that is not empty and not valid.
    enum KillFocusFlag
    {
        BeepIfInvalid = 0x01,
        BeepIfEmpty = 0x02,
        AdjustIfInvalid = 0x04,       // bring the value into range
        AdjustIfEmpty = 0x08,         // fill in a value
        RefocusIfInvalid = 0x10,      // give the focus back to the edit
        RefocusIfEmpty = 0x20,
        ReportIfInvalid = 0x40,       // with RefocusIfInvalid: show the error message
        ReportIfEmpty = 0x80,         // with RefocusIfEmpty: show the error message
        KillFocusFlags = 0xFF,
    };

    Behavior(const Behavior& other) = default;
    Behavior& operator=(const Behavior& other) = default;

    // Sets the bits of nAdd and clears those of nRemove; true (and the text re-validated) when the
    // flags changed.
    bool ModifyFlags(UINT nAdd, UINT nRemove);
    UINT GetFlags() const;

protected:
    explicit Behavior(CVetEdit* pEdit);
    virtual ~Behavior();

    // The edit's current text as it ought to be.
    virtual CString _GetValidText() const = 0;

public:
    // The message handlers of the behaviour. The body of _OnChar lets the native edit insert the
    // character; behaviours call it for the characters they accept as typed.
    virtual void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags) = 0;
    virtual void _OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKillFocus(CWnd* pNewWnd);
    virtual LRESULT _OnPaste(WPARAM wParam, LPARAM lParam);

protected:
    // The edit's default processing of the message being handled.
    virtual LRESULT _Default();
    // Stores the valid form of the edit's text; called after a setting changes what is valid.
    virtual void _Redraw();
    // The edit's veto on entering c.
    virtual bool _ShouldEnter(char c) const;

    // True for a character that the native edit would enter as text rather than take as a command:
    // everything but the control characters, so no character reaches the text unchecked.
    static bool IsPrintableChar(UINT uChar);
    // A setting of the user's locale; empty when it is missing.
    static CString ReadLocaleInfo(LCTYPE type);
    // A CTime that stands for a moment (not the framework's invalid CTime or one out of its span).
    static bool IsValidCTime(const CTime& time);

    // True when the edit is disabled or bValid. Otherwise, when bShowErrorIfNotValid, calls report
    // (the range message) and gives the focus back to the edit.
    bool CheckValidity(bool bValid, bool bShowErrorIfNotValid, const std::function<void()>& report);

    // The keys of a text of fixed fields (date, time), where every character keeps its place.
    // Up and Down: true when a field at nValue may take one step of nStep (+1 or -1) and stay
    // within [nMin, nMax]. A value already outside the range only steps back towards it.
    static bool CanStep(int nValue, int nStep, int nMin, int nMax);
    // A control character: Backspace removes only the last character and elsewhere moves the
    // caret left; the others take the default processing.
    void OnFieldControlChar(UINT uChar, UINT nRepCnt, UINT nFlags);
    // Delete: only the end of the text may go.
    void OnFieldDelete(UINT uChar, UINT nRepCnt, UINT nFlags);

    CVetEdit* m_pEdit;
    UINT m_uFlags;
};
