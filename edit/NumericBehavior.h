// NumericBehavior: keeps an edit's text a well-formed number: an optional prefix (a currency
// symbol, say), an optional negative sign, at most a given number of whole digits grouped by a
// separator, and at most a given number of decimal places after a decimal point. It regroups the
// digits as the user types while the caret stays with its digit, checks a range, pads or trims
// zeros when the edit loses the focus, and reports a value out of range in a message box.
// The negative sign, decimal point and group separator come from the user's locale.
#pragma once
#include "Behavior.h"

class MARLOW17_API NumericBehavior : public Behavior
{
public:
    // Options above the kill-focus bits of Behavior.
    enum NumericFlag
    {
        PadWholeDigits = 0x0100,        // on kill focus: leading zeros up to the maximum whole digits
        PadDecimalPlaces = 0x0200,      // on kill focus: a decimal point and zeros up to the maximum places
        KeepEmpty = 0x0400,             // on kill focus: an empty text is left alone
        TrimLeadingZeros = 0x0800,      // on kill focus: no leading zeros, a 0 before a bare decimal point
        NoNegative = 0x1000,            // the negative sign is refused
        AutoDecimalPoint = 0x2000,      // a digit typed after a full whole part brings the decimal point
        AlwaysPadDecimals = 0x4000,     // the text always carries every decimal place
        PadDecimalsOnSet = 0x8000,      // as AlwaysPadDecimals, but not while the user types
        NumericKillFocusFlags = 0x0FFF, // every option that acts when the edit loses the focus
    };

    // A negative nMaxWholeDigits allows |nMaxWholeDigits| digits and sets NoNegative.
    NumericBehavior(CVetEdit* pEdit, int nMaxWholeDigits, int nMaxDecimalPlaces);

    void SetDouble(double dText, bool bTrimTrailingZeros = true);
    double GetDouble() const;
    void SetInt(int nText);
    int GetInt() const;

    // A negative count also refuses negative numbers, as in the constructor.
    void SetMaxWholeDigits(int nMaxWholeDigits);
    int GetMaxWholeDigits() const;
    void SetMaxDecimalPlaces(int nMaxDecimalPlaces);
    int GetMaxDecimalPlaces() const;
    void AllowNegative(bool bAllowNegative = true);
    bool IsNegativeAllowed() const;
    void SetDigitsInGroup(int nDigitsInGroup);      // 0 or less: no grouping
    int GetDigitsInGroup() const;
    // The two never stay equal: a group separator equal to the decimal point becomes '.' (for a
    // decimal ',') or ','.
    void SetSeparators(char cDecimal, char cGroup);
    void GetSeparators(char* pcDecimal, char* pcGroup) const;
    void SetPrefix(const CString& strPrefix);
    const CString& GetPrefix() const;

    // A picture such as "$ ###,###.##": '#' stands for a digit, the last '.' (or decimal point) for
    // the decimal point, the ',' (or group separator) nearest to it for the grouping; what stands
    // before the leftmost of these is the prefix.
    void SetMask(const CString& strMask);
    CString GetMask() const;

    void SetRange(double dMin, double dMax);
    void GetRange(double* pdMin, double* pdMax) const;
    virtual bool IsValid() const;       // the value lies in the range
    // True when the value is in range or the edit is disabled. Otherwise, when bShowErrorIfNotValid
    // is true, shows the range message and gives the edit the focus.
    bool CheckIfValid(bool bShowErrorIfNotValid = true);

protected:
    int GetGroupSeparatorCount(const CString& strText) const;
    // The number in strText without prefix and group separators: digits, a leading negative sign
    // if any stands in it, and the first decimal point. Plain: '-' and '.' whatever the locale.
    CString GetNumericText(const CString& strText, bool bUseMathSymbols = false) const;
    CString GetDoubleText(double dText, bool bTrimTrailingZeros = true) const;
    // The display form of a number: prefix, negative sign, grouped whole part, decimal part.
    CString GetSeparatedText(const CString& strText) const;
    // Stores the valid text while the caret keeps its place among the digits; nPrevSeparatorCount
    // is the number of group separators the text had before the change.
    void AdjustSeparators(int nPrevSeparatorCount);
    void AdjustWithinRange();
    static void InsertZeros(CString* pStr, int nPos, int nCount);

    virtual void ShowErrorMessage() const;

    virtual CString _GetValidText() const;
    virtual void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags);
    virtual void _OnKillFocus(CWnd* pNewWnd);

    int m_nMaxWholeDigits;
    int m_nMaxDecimalPlaces;
    char m_cNegativeSign;
    char m_cDecimalPoint;
    char m_cGroupSeparator;
    int m_nDigitsInGroup;
    CString m_strPrefix;
    double m_dMin;
    double m_dMax;
    bool m_bAdjustingSeparators;

private:
    // Where the number begins in strText: after the prefix when the text starts with it, so that a
    // prefix holding a point, a separator or a sign is never read as part of the number.
    int GetNumberStart(const CString& strText) const;
    CString ScanNumber(const CString& strText, int nFrom, bool bUseMathSymbols) const;
    void SeparateGroupFromDecimal();
    // Selects [nStart, nEnd) when the selection reaches the end of the text, else the one
    // character at nStart, and replaces it with strText.
    void ReplaceAt(int nStart, int nEnd, int nLength, const CString& strText);
};
