// MaskedBehavior: text that fits a mask, one mask character per text position. A mask character
// borne by a symbol (MaskedBehavior::Symbol) is a placeholder for a typed character that passes the
// symbol's test; any other mask character is a literal that the text holds unchanged. The client
// defines the symbols through GetSymbolArray(). Characters can be deleted only at the end of the
// text, so the mask positions never shift.
#pragma once
#include "Behavior.h"
#include "afxtempl.h"

class MARLOW17_API MaskedBehavior : public Behavior
{
public:
    // A placeholder of the mask: the mask character, a test that a typed character must pass and
    // an optional conversion of the accepted character (only its low byte is used). The functions
    // receive the character as an unsigned byte value, as the C runtime's classification and
    // conversion functions expect (_ismbcdigit, _mbctoupper, ...).
    class MARLOW17_API Symbol
    {
    public:
        typedef int (*ValidationFunction)(UINT);
        typedef UINT (*ConversionFunction)(UINT);

        Symbol();
        Symbol(char cSymbol, ValidationFunction fnValidation, ConversionFunction fnConversion = NULL);
        virtual ~Symbol();

        // True when c passes the test (always, without a test).
        virtual bool Validate(char c) const;
        // The character to store for c (c itself, without a conversion).
        virtual char Convert(char c) const;

        void Set(char cSymbol);
        char Get() const;
        operator char() const;

    protected:
        char m_cSymbol;
        ValidationFunction m_fnValidation;
        ConversionFunction m_fnConversion;
    };

    typedef CArray<Symbol, const Symbol&> SymbolArray;

    // An empty mask takes any text.
    void SetMask(const CString& strMask);
    const CString& GetMask() const;
    // The symbols, searched in array order. Changing them does not re-validate the text.
    SymbolArray& GetSymbolArray();
    // The decimal digits of the text, in order.
    CString GetNumericText() const;

protected:
    MaskedBehavior(CVetEdit* pEdit, const CString& strMask);

    // The longest start of the text that fits the mask, with the symbols' conversions applied.
    CString _GetValidText() const override;

public:
    void _OnChar(UINT uChar, UINT nRepCnt, UINT nFlags) override;
    void _OnKeyDown(UINT uChar, UINT nRepCnt, UINT nFlags) override;

protected:
    CString m_strMask;
    SymbolArray m_arraySymbols;

private:
    const Symbol* FindSymbol(char cMask) const;                       // the first bearing cMask
    const Symbol* FindValidSymbol(char cMask, char c) const;          // ... whose test c passes
    // Selects [nStart, nEnd), scrolls the caret into view and replaces the range (undoably).
    void ReplaceRange(int nStart, int nEnd, const CString& strText);
};
