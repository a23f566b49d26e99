// AlphanumericBehavior: free text without the characters of an invalid set, up to an optional
// maximum length. Once the text is full, a typed character overwrites the one after the caret.
#pragma once
#include "Behavior.h"

class MARLOW17_API AlphanumericBehavior : public Behavior
{
public:
    // Characters that may never appear in the text; empty = none.
    void SetInvalidCharacters(const CString& strInvalidChars);
    const CString& GetInvalidCharacters() const;
    // The longest text allowed; 0 (or less) = no limit.
    void SetMaxCharacters(int nMaxChars);
    int GetMaxCharacters() const;

protected:
    AlphanumericBehavior(CVetEdit* pEdit, int nMaxChars, const CString& strInvalidChars);

    // The text cut to the maximum, then rid of the invalid characters (so removed characters do not
    // make room for later ones).
    CString _GetValidText() const override;

public:
    void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags) override;

protected:
    int m_nMaxChars;
    CString m_strInvalidChars;

private:
    bool IsInvalidChar(UINT uChar) const;
};
