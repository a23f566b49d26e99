// SelectionSaver: holds a selection of an edit (character positions, end exclusive, as EM_GETSEL
// reports them) and puts it back when it goes out of scope, so a behaviour that rewrites the whole
// text keeps the caret where it belongs. A disabled saver (no edit) restores nothing.
#pragma once
#include "afxwin.h"

class MARLOW17_API SelectionSaver
{
public:
    explicit SelectionSaver(CEdit* pEdit);              // reads the edit's current selection
    SelectionSaver(CEdit* pEdit, int nStart, int nEnd);
    ~SelectionSaver();

    void MoveTo(int nStart, int nEnd);
    void MoveBy(int nStart, int nEnd);                  // adds to each end
    void MoveBy(int nPos);                              // adds to both ends
    SelectionSaver& operator+=(int nPos);

    int GetStart() const;
    int GetEnd() const;

    void Update();      // re-reads the edit's selection
    void Disable();     // nothing is restored at destruction

protected:
    CEdit* m_pEdit;
    int m_nStart;
    int m_nEnd;
};
