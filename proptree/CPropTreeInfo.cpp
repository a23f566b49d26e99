#include "CPropTreeInfo.h"
#include "CPropTree.h"

IMPLEMENT_DYNAMIC(CPropTreeInfo, CStatic)

BEGIN_MESSAGE_MAP(CPropTreeInfo, CStatic)
END_MESSAGE_MAP()

CPropTreeInfo::CPropTreeInfo() : m_pProp(NULL)
{
}

CPropTreeInfo::~CPropTreeInfo()
{
}
