// Uses the installed library: its umbrella header, its version header, strings from the DLL and an
// exception thrown inside the DLL and caught here.
#include "Marlow17.h"
#include "Marlow17Version.h"

#include <stdio.h>
#include <string.h>

int main()
{
    if (strcmp(PACKAGE_VERSION, MARLOW17_VERSION_STRING) != 0) {
        printf("host: package version %s, header version %s\n", PACKAGE_VERSION, MARLOW17_VERSION_STRING);
        return 1;
    }
    CString name("Marlow");
    name += "17";
    CString upper(name);
    upper.MakeUpper();
    CString line;
    line.Format("%s %s %s", static_cast<LPCSTR>(name), MARLOW17_VERSION_STRING, static_cast<LPCSTR>(upper));
    if (name != MARLOW17_NAME || line.Find(MARLOW17_VERSION_STRING) != name.GetLength() + 1) {
        printf("host: unexpected string results\n");
        return 1;
    }
    int cause = -1;
    try {
        CFile missing("no such folder\\no such file.txt", CFile::modeRead);
    } catch (CFileException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    if (cause != CFileException::fileNotFound && cause != CFileException::badPath) {
        printf("host: opening a missing file gave cause %d\n", cause);
        return 1;
    }
    printf("host: %s\n", static_cast<LPCSTR>(line));
    return 0;
}
