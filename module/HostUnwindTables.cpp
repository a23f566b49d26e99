// Lets exceptions thrown by the library reach the host's catch handlers.
//
// Every module of a MinGW program links its own copy of the DWARF unwinder, and each copy only
// knows the unwind tables registered with it. An exception thrown here is unwound by this DLL's
// copy, which must therefore also know the frames of the host program that will catch it. While
// the library is loaded, the host executable's .eh_frame section is registered with our copy.
#include <windows.h>

#if defined(__GNUC__) && !defined(__SEH__) && !defined(__USING_SJLJ_EXCEPTIONS__)
extern "C" void __register_frame_info(const void* begin, void* object);
extern "C" void* __deregister_frame_info(const void* begin);

namespace {

// The unwinder's bookkeeping record for one registered table; larger than libgcc's own.
struct FrameObject { void* fields[16]; };

// Finds the .eh_frame section of a loaded image. Its name is longer than eight characters, so the
// section header only holds a string-table reference ("/4"); the section is the first such loaded,
// non-discardable one that begins with a common information entry (non-zero length, id 0, version 1).
const void* FindEhFrame(HMODULE hModule)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(hModule);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (!base || dos->e_magic != IMAGE_DOS_SIGNATURE)
        return nullptr;
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (section->Name[0] != '/' || (section->Characteristics & IMAGE_SCN_MEM_DISCARDABLE)
            || section->Misc.VirtualSize < 12)
            continue;
        const DWORD* entry = reinterpret_cast<const DWORD*>(base + section->VirtualAddress);
        if (entry[0] != 0 && entry[1] == 0 && reinterpret_cast<const BYTE*>(entry)[8] == 1)
            return entry;
    }
    return nullptr;
}

class HostUnwindTables
{
public:
    HostUnwindTables() : m_begin(FindEhFrame(GetModuleHandleA(nullptr)))
    {
        if (m_begin)
            __register_frame_info(m_begin, &m_object);
    }
    ~HostUnwindTables()
    {
        if (m_begin)
            __deregister_frame_info(m_begin);
    }

private:
    const void* m_begin;
    FrameObject m_object = {};
};

HostUnwindTables s_hostUnwindTables;

}  // namespace
#endif
