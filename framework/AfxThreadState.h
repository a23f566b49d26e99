// Per-thread state of the window layer: the handle maps, the window-creation hook and the message
// being handled. Internal to the library.
#pragma once
#include <windows.h>
#include <algorithm>
#include <unordered_map>

class CWnd;
class CDC;
class CGdiObject;

// Maps handles to their C++ wrappers. A permanent wrapper belongs to whoever made it; a temporary
// wrapper (FromHandle of a handle nobody wrapped) belongs to the map, which deletes it at idle
// time, when the thread ends, or when the map has grown and the handle no longer exists.
// Traits: static Object* Create(Handle), static void Destroy(Object*), static bool IsLive(Handle).
template <class Handle, class Object, class Traits>
class CHandleMap
{
public:
    CHandleMap() = default;
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;
    ~CHandleMap() { DeleteTemp(); }

    Object* LookupPermanent(Handle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    void SetPermanent(Handle h, Object* pObject) { m_permanent[h] = pObject; }
    void RemovePermanent(Handle h, Object* pObject)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    // The permanent wrapper, else a temporary one (made on first request).
    Object* FromHandle(Handle h)
    {
        if (!h)
            return nullptr;
        if (Object* pObject = LookupPermanent(h))
            return pObject;
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            return Traits::Rebind(it->second, h);
        if (m_temporary.size() >= m_nSweepAt)
            SweepDead();
        Object* pObject = Traits::Create(h);
        m_temporary[h] = pObject;
        return pObject;
    }

    void DeleteTemp()
    {
        for (auto& entry : m_temporary)
            Traits::Destroy(entry.second);
        m_temporary.clear();
    }

    size_t PermanentCount() const { return m_permanent.size(); }
    size_t TemporaryCount() const { return m_temporary.size(); }

private:
    void SweepDead()
    {
        for (auto it = m_temporary.begin(); it != m_temporary.end();) {
            if (Traits::IsLive(it->first)) {
                ++it;
            } else {
                Traits::Destroy(it->second);
                it = m_temporary.erase(it);
            }
        }
        m_nSweepAt = std::max<size_t>(kFirstSweep, 2 * m_temporary.size());
    }

    static const size_t kFirstSweep = 64;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, Object*> m_temporary;
    size_t m_nSweepAt = kFirstSweep;
};

struct AfxWndTraits
{
    static CWnd* Create(HWND h);
    static CWnd* Rebind(CWnd* pWnd, HWND h);
    static void Destroy(CWnd* pWnd);
    static bool IsLive(HWND h) { return ::IsWindow(h) != FALSE; }
};

struct AfxDCTraits
{
    static CDC* Create(HDC h);
    static CDC* Rebind(CDC* pDC, HDC h);
    static void Destroy(CDC* pDC);
    static bool IsLive(HDC h) { return ::GetObjectType(h) != 0; }
};

struct AfxGdiTraits
{
    static CGdiObject* Create(HGDIOBJ h);
    static CGdiObject* Rebind(CGdiObject* pObject, HGDIOBJ h);
    static void Destroy(CGdiObject* pObject);
    static bool IsLive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }
};

struct AFX_THREAD_STATE
{
    AFX_THREAD_STATE() = default;
    AFX_THREAD_STATE(const AFX_THREAD_STATE&) = delete;
    AFX_THREAD_STATE& operator=(const AFX_THREAD_STATE&) = delete;
    ~AFX_THREAD_STATE();

    CHandleMap<HWND, CWnd, AfxWndTraits> windows;
    CHandleMap<HDC, CDC, AfxDCTraits> dcs;
    CHandleMap<HGDIOBJ, CGdiObject, AfxGdiTraits> gdiObjects;

    CWnd* pWndInit = nullptr;       // the object whose window CreateEx is creating
    HHOOK hHookCbt = nullptr;       // creation hook, installed while CreateEx runs
    int nHookUsers = 0;
    MSG lastSentMsg = {};           // the message being handled, for Default()
};

// This thread's state, made on first use and freed when the thread ends.
AFX_THREAD_STATE* AfxGetThreadState();
