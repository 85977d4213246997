// SPDX-License-Identifier: MIT
// What Explorer and the installed-programs list read from poniruka.exe, read
// the way they read it: the version record through GetFileVersionInfoW and
// VerQueryValueW, the icon through the resource functions on the file loaded
// as data. Built with mingw-w64 and run under Wine by tools/windows-walk.sh:
//
//   resources.exe PATH\poniruka.exe
//
// Prints one line per check that fails, then "N passed, M failed"; exits 1
// when a check fails.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char *what)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("resources: FAIL %s\n", what);
    }
}

std::wstring text(std::vector<unsigned char> &record, const wchar_t *path)
{
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), path, &value, &length) || !value || length == 0)
        return L"(none)";
    return std::wstring(static_cast<const wchar_t *>(value));
}

void versionRecord(const wchar_t *file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    check(size > 0, "the file has a version record");
    if (size == 0)
        return;
    std::vector<unsigned char> record(size);
    if (!GetFileVersionInfoW(file, 0, size, record.data())) {
        check(false, "GetFileVersionInfoW reads the version record");
        return;
    }

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    const bool hasFixed = VerQueryValueW(record.data(), L"\\", reinterpret_cast<void **>(&fixed), &length) && fixed
        && length >= sizeof(VS_FIXEDFILEINFO);
    check(hasFixed, "the record has its fixed part");
    if (hasFixed) {
        check(fixed->dwFileVersionMS == MAKELONG(0, 1) && fixed->dwFileVersionLS == 0, "file version 1.0.0.0");
        check(fixed->dwProductVersionMS == MAKELONG(0, 1) && fixed->dwProductVersionLS == 0, "product version 1.0.0.0");
        check(fixed->dwFileType == VFT_APP, "the file is an application");
    }

    struct Translation
    {
        WORD language;
        WORD codePage;
    } *translation = nullptr;
    const bool hasTranslation
        = VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation), &length)
        && translation && length >= sizeof(Translation);
    check(hasTranslation && translation->language == 0x0411 && translation->codePage == 1200,
        "the only language is Japanese (0411), in Unicode (1200)");

    const struct
    {
        const wchar_t *name;
        const wchar_t *expected;
        const char *what;
    } texts[] = {
        {L"FileVersion", L"1.00", "FileVersion is \"1.00\""},
        {L"ProductVersion", L"1.00", "ProductVersion is \"1.00\""},
        {L"ProductName", L"ぽにるか", "ProductName is \"ぽにるか\""},
        {L"FileDescription", L"ぽにるか", "FileDescription is \"ぽにるか\""},
        {L"OriginalFilename", L"poniruka.exe", "OriginalFilename is \"poniruka.exe\""},
    };
    for (const auto &t : texts) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + t.name;
        const std::wstring value = text(record, path.c_str());
        check(value == t.expected, t.what);
        if (value != t.expected)
            std::printf("resources:   %ls is \"%ls\"\n", t.name, value.c_str());
    }
}

#pragma pack(push, 2)
struct GroupEntry
{
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct Group
{
    WORD reserved;
    WORD type;
    WORD count;
    GroupEntry entries[1];
};
#pragma pack(pop)

const void *resource(HMODULE module, LPCWSTR name, LPCWSTR type, DWORD *size)
{
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return nullptr;
    HGLOBAL loaded = LoadResource(module, found);
    *size = SizeofResource(module, found);
    return loaded ? LockResource(loaded) : nullptr;
}

BOOL CALLBACK firstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPWSTR *>(found) = name;
    return FALSE;
}

void icon(const wchar_t *file)
{
    HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    check(module != nullptr, "the file loads as resources");
    if (!module)
        return;

    // Explorer shows the first icon group, whatever its name.
    LPWSTR name = nullptr;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14), firstName, reinterpret_cast<LONG_PTR>(&name));
    DWORD size = 0;
    const auto *group
        = name ? static_cast<const Group *>(resource(module, name, MAKEINTRESOURCEW(14), &size)) : nullptr;
    check(group && group->type == 1, "the file has an icon group");
    if (!group) {
        FreeLibrary(module);
        return;
    }

    bool has32 = false;
    bool has16 = false;
    for (WORD i = 0; i < group->count; ++i) {
        const GroupEntry &entry = group->entries[i];
        DWORD imageSize = 0;
        const auto *header = static_cast<const BITMAPINFOHEADER *>(
            resource(module, MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3), &imageSize));
        // An icon image is a bitmap twice its height: the colours, then the mask.
        const bool sixteenColours = entry.colours == 16 && entry.bitCount == 4 && header
            && imageSize >= sizeof(BITMAPINFOHEADER) && header->biBitCount == 4 && header->biWidth == entry.width
            && header->biHeight == 2 * entry.height;
        if (entry.width == 32 && entry.height == 32)
            has32 = has32 || sixteenColours;
        if (entry.width == 16 && entry.height == 16)
            has16 = has16 || sixteenColours;
        if (!sixteenColours)
            std::printf("resources:   icon image %u: %u x %u, %u colours, %u bits\n", unsigned(entry.id),
                unsigned(entry.width), unsigned(entry.height), unsigned(entry.colours), unsigned(entry.bitCount));
    }
    check(has32, "the icon has a 32 x 32 image of 16 colours");
    check(has16, "the icon has a 16 x 16 image of 16 colours");
    check(group->count == 2, "the icon has those two images and no other");

    // And the shell can make icons of it at both sizes.
    HICON large = nullptr;
    HICON small = nullptr;
    check(ExtractIconExW(file, 0, &large, &small, 1) == 2 && large && small,
        "the shell extracts a large and a small icon");
    if (large)
        DestroyIcon(large);
    if (small)
        DestroyIcon(small);
    FreeLibrary(module);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2) {
        std::printf("usage: resources PATH\\poniruka.exe\n");
        return 2;
    }
    versionRecord(argv[1]);
    icon(argv[1]);
    std::printf("resources: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
