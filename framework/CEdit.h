// CEdit: the platform edit control.
#pragma once
#include "CWnd.h"

class MARLOW17_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    virtual ~CEdit();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified); }
    void GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }
    void GetSel(int& nStartChar, int& nEndChar) const { SendMessage(EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar); }
    // Copies line nIndex into lpszBuffer (nMaxLength characters at most, no terminator added).
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    TCHAR GetPasswordChar() const { return (TCHAR)SendMessage(EM_GETPASSWORDCHAR); }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (BYTE)ch); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
    BOOL FmtLines(BOOL bAddEOL) { return (BOOL)SendMessage(EM_FMTLINES, bAddEOL); }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, nChars); }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int LineFromChar(int nIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, nIndex); }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, nLine); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, nLine); }
    void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, nChars, nLines); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE) { SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText); }
    void SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
    void SetRectNP(LPCRECT lpRect) { SendMessage(EM_SETRECTNP, 0, (LPARAM)lpRect); }
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE) { SetSel((int)LOWORD(dwSelection), (int)HIWORD(dwSelection), bNoScroll); }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE) { SendMessage(EM_SETSEL, nStartChar, nEndChar); if (!bNoScroll) SendMessage(EM_SCROLLCARET); }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops) { return (BOOL)SendMessage(EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly); }
    void SetMargins(UINT nLeft, UINT nRight) { SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight)); }
    DWORD GetMargins() const { return (DWORD)SendMessage(EM_GETMARGINS); }
    CPoint PosFromChar(UINT nChar) const { return CPoint((LPARAM)SendMessage(EM_POSFROMCHAR, nChar)); }
    int CharFromPos(CPoint pt) const { return (int)SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }

    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
};
