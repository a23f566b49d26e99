#include "Behavior.h"

Behavior::Behavior(CVetEdit* pEdit) : m_pEdit(pEdit), m_uFlags(0)
{
}

Behavior::~Behavior()
{
}

bool Behavior::ModifyFlags(UINT nAdd, UINT nRemove)
{
    const UINT uFlags = (m_uFlags & ~nRemove) | nAdd;
    if (uFlags == m_uFlags)
        return false;
    m_uFlags = uFlags;
    _Redraw();
    return true;
}

UINT Behavior::GetFlags() const
{
    return m_uFlags;
}

void Behavior::_OnChar(UINT, UINT, UINT)
{
    _Default();
}

void Behavior::_OnKeyDown(UINT, UINT, UINT)
{
    _Default();
}

void Behavior::_OnKillFocus(CWnd*)
{
    _Default();
}

LRESULT Behavior::_OnPaste(WPARAM wParam, LPARAM lParam)
{
    return m_pEdit->OnPaste(wParam, lParam);
}

LRESULT Behavior::_Default()
{
    return m_pEdit->Default();
}

void Behavior::_Redraw()
{
    m_pEdit->Redraw();
}

bool Behavior::_ShouldEnter(char c) const
{
    return m_pEdit->ShouldEnter(c);
}

bool Behavior::IsPrintableChar(UINT uChar)
{
    return uChar >= 0x20 && uChar != 0x7F;
}
