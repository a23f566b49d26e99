#include "CGdiObject.h"
#include "AfxThreadState.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

CGdiObject* AfxGdiTraits::Create(HGDIOBJ h)
{
    CGdiObject* pObject = new CGdiObject;
    pObject->m_hObject = h;
    return pObject;
}

CGdiObject* AfxGdiTraits::Rebind(CGdiObject* pObject, HGDIOBJ h)
{
    pObject->m_hObject = h;
    return pObject;
}

void AfxGdiTraits::Destroy(CGdiObject* pObject)
{
    pObject->m_hObject = nullptr;     // the handle is not the wrapper's to delete
    delete pObject;
}

CGdiObject::CGdiObject() : m_hObject(nullptr)
{
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* volatile pThis = this;    // callers use it on null pointers
    return pThis ? pThis->m_hObject : nullptr;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxGetThreadState()->gdiObjects.FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    AfxGetThreadState()->gdiObjects.DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject || m_hObject)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    return m_hObject ? ::DeleteObject(Detach()) : FALSE;
}
