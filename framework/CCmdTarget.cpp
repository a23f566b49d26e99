#include "CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr, nullptr } };
    static const AFX_MSGMAP messageMap = { nullptr, &entries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CCmdTarget::DispatchMsgMap(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                                LRESULT* pResult)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn; ++pEntry) {
            // A registered message whose registration failed (0) matches nothing.
            const UINT nEntryMessage = pEntry->pnMessage ? *pEntry->pnMessage : pEntry->nMessage;
            if ((pEntry->pnMessage && nEntryMessage == 0) || nEntryMessage != nMessage || pEntry->nCode != nCode
                || nID < pEntry->nID || nID > pEntry->nLastID)
                continue;
            LRESULT lResult = 0;
            const BOOL bHandled = pEntry->pfn(this, wParam, lParam, &lResult);
            if (bHandled && pResult)
                *pResult = lResult;
            return bHandled;
        }
    }
    return FALSE;
}
