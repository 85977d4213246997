// SPDX-License-Identifier: MIT
// A stand-in for the system information program, for tools/windows-walk.sh.
// Started, it writes started.txt beside itself: how it was asked to show its
// window ("show 1" is a normal window that gets the focus). Then it stays
// until a file named stop appears beside it (at most a minute), so that the
// walk can see that the program which started it did not wait for it.
#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    FILE *marker = _wfopen((folder + L"started.txt").c_str(), L"w");
    if (!marker)
        return 1;
    std::fprintf(marker, "show %d\n", show);
    std::fclose(marker);

    const std::wstring stop = folder + L"stop";
    for (int i = 0; i < 600 && GetFileAttributesW(stop.c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    return 0;
}
