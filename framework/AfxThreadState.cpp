#include "AfxThreadState.h"

namespace {

void WINAPI FreeThreadState(void* pState)
{
    delete static_cast<AFX_THREAD_STATE*>(pState);
}

// The fiber-local slot calls FreeThreadState when a thread ends; it is released with the library.
class ThreadStateSlot
{
public:
    ThreadStateSlot() : m_slot(FlsAlloc(FreeThreadState)) {}
    ~ThreadStateSlot() { FlsFree(m_slot); }
    ThreadStateSlot(const ThreadStateSlot&) = delete;
    ThreadStateSlot& operator=(const ThreadStateSlot&) = delete;
    DWORD Get() const { return m_slot; }

private:
    DWORD m_slot;
};

DWORD Slot()
{
    static ThreadStateSlot s_slot;
    return s_slot.Get();
}

}  // namespace

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    if (hHookCbt)
        ::UnhookWindowsHookEx(hHookCbt);
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    auto* pState = static_cast<AFX_THREAD_STATE*>(FlsGetValue(Slot()));
    if (!pState) {
        pState = new AFX_THREAD_STATE;
        FlsSetValue(Slot(), pState);
    }
    return pState;
}
