// CPropTreeInfo: the description pane under the property tree's rows; it shows the focused item's
// label in bold and its info text below it.
#pragma once
#include "afxwin.h"

class CPropTree;

class MARLOW17_API CPropTreeInfo : public CStatic
{
    DECLARE_DYNAMIC(CPropTreeInfo)
public:
    CPropTreeInfo();
    virtual ~CPropTreeInfo();

    void SetPropOwner(CPropTree* pProp) { m_pProp = pProp; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CPropTree* m_pProp;
};
