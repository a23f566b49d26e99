// CVetEdit: the frame of the validating edits. A single-line edit window that owns its colours, its
// clipboard handling and the routing of window messages; a behaviour (derived from Behavior)
// decides what each keystroke does and what valid text is. Every whole-text change passes
// OnSetText, which stores the valid form of the text, so the window never holds invalid text.
#pragma once
#include "afxwin.h"

class MARLOW17_API CVetEdit : public CEdit
{
    DECLARE_DYNAMIC(CVetEdit)
public:
    CVetEdit();
    virtual ~CVetEdit();

    CString GetText() const;
    CString GetTrimmedText() const;          // without leading and trailing white space
    void SetText(const CString& strText);    // stored in its valid form

    // Colours take effect through the reflected WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC. Until one is
    // set, the edit paints as the platform's edit does.
    void SetBackgroundColor(COLORREF rgb);
    COLORREF GetBackgroundColor() const;
    void SetTextColor(COLORREF rgb);
    COLORREF GetTextColor() const;

    bool IsReadOnly() const;

protected:
    // Stores the valid form of the current text when it differs from it.
    virtual void Redraw();
    // The text as it ought to be; a concrete edit returns its behaviour's _GetValidText().
    virtual CString GetValidText() const;
    // The host's veto, asked before any behaviour enters a character.
    virtual bool ShouldEnter(char c) const;

    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    enum InternalFlag
    {
        TextColorKnown = 0x1,   // m_rgbText holds the text colour
    };

    mutable CBrush m_brushBackground;    // no handle until a background colour is set or read
    mutable COLORREF m_rgbText;
    mutable UINT m_uInternalFlags;

private:
    friend class Behavior;
};

// Message-map entries of the concrete edits that hand a message to the behaviour's virtual
// (_OnChar, _OnKeyDown, _OnKillFocus, _OnPaste) instead of the window's own handler.
#define ON_WM_CHAR_BEHAVIOR() \
    AFX_WM_ENTRY(WM_CHAR, pThis->_OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_KEYDOWN_BEHAVIOR() \
    AFX_WM_ENTRY(WM_KEYDOWN, pThis->_OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return TRUE;)
#define ON_WM_KILLFOCUS_BEHAVIOR() \
    AFX_WM_ENTRY(WM_KILLFOCUS, pThis->_OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return TRUE;)
#define ON_WM_PASTE_BEHAVIOR() ON_MESSAGE(WM_PASTE, _OnPaste)
