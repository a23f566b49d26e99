#include "SelectionSaver.h"

SelectionSaver::SelectionSaver(CEdit* pEdit) : m_pEdit(pEdit), m_nStart(0), m_nEnd(0)
{
    Update();
}

SelectionSaver::SelectionSaver(CEdit* pEdit, int nStart, int nEnd) : m_pEdit(pEdit), m_nStart(nStart), m_nEnd(nEnd)
{
}

SelectionSaver::~SelectionSaver()
{
    if (m_pEdit)
        m_pEdit->SendMessage(EM_SETSEL, m_nStart, m_nEnd);
}

void SelectionSaver::MoveTo(int nStart, int nEnd)
{
    m_nStart = nStart;
    m_nEnd = nEnd;
}

void SelectionSaver::MoveBy(int nStart, int nEnd)
{
    m_nStart += nStart;
    m_nEnd += nEnd;
}

void SelectionSaver::MoveBy(int nPos)
{
    MoveBy(nPos, nPos);
}

SelectionSaver& SelectionSaver::operator+=(int nPos)
{
    MoveBy(nPos);
    return *this;
}

int SelectionSaver::GetStart() const
{
    return m_nStart;
}

int SelectionSaver::GetEnd() const
{
    return m_nEnd;
}

void SelectionSaver::Update()
{
    if (m_pEdit)
        m_pEdit->GetSel(m_nStart, m_nEnd);
}

void SelectionSaver::Disable()
{
    m_pEdit = nullptr;
}
