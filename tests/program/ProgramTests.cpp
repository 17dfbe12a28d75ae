// The built Quorvel.exe as a file: what it imports and which resources it carries.
#include "Harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

static std::wstring QuorvelExe;

struct PeImage {
    std::string bytes;
    const IMAGE_NT_HEADERS64* headers = nullptr;

    const char* At(DWORD rva) const
    {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers);
        for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
            DWORD size = std::max(section->Misc.VirtualSize, section->SizeOfRawData);
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + size)
                return bytes.data() + section->PointerToRawData + (rva - section->VirtualAddress);
        }
        return nullptr;
    }
};

static bool LoadImage(PeImage& image)
{
    image.bytes = ReadBytesFile(QuorvelExe);
    if (image.bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return false;
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.bytes.data());
    image.headers = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.bytes.data() + dos->e_lfanew);
    return dos->e_magic == IMAGE_DOS_SIGNATURE && image.headers->Signature == IMAGE_NT_SIGNATURE;
}

static std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(BuiltProgram, IsA64BitWindowsGuiProgram)
{
    PeImage image;
    ASSERT_TRUE(LoadImage(image));
    EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, image.headers->FileHeader.Machine);
    EXPECT_EQ(IMAGE_NT_OPTIONAL_HDR64_MAGIC, image.headers->OptionalHeader.Magic);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, image.headers->OptionalHeader.Subsystem);
}

TEST(BuiltProgram, ImportsOnlyWindowsOwnLibraries)
{
    PeImage image;
    ASSERT_TRUE(LoadImage(image));
    const IMAGE_DATA_DIRECTORY& directory = image.headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const IMAGE_IMPORT_DESCRIPTOR* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.At(directory.VirtualAddress));
    ASSERT_NE(nullptr, import);
    // What every Windows 10 and 11 has in its system folder.
    const std::set<std::string> windowsOwn = { "KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "COMCTL32.DLL",
                                               "OLE32.DLL", "SHELL32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL" };
    std::set<std::string> imported;
    bool wideStartUp = false;
    for (; import->Name; ++import) {
        std::string name = Upper(image.At(import->Name));
        imported.insert(name);
        EXPECT_TRUE(windowsOwn.count(name)) << name;
        // The C runtime hands the program a wide command line.
        for (const ULONGLONG* thunk = reinterpret_cast<const ULONGLONG*>(image.At(import->OriginalFirstThunk));
             thunk && *thunk; ++thunk) {
            if (!(*thunk & IMAGE_ORDINAL_FLAG64)) {
                std::string function = image.At(static_cast<DWORD>(*thunk)) + 2;
                wideStartUp = wideStartUp || function == "__wgetmainargs";
            }
        }
    }
    EXPECT_TRUE(imported.count("USER32.DLL"));
    EXPECT_TRUE(imported.count("COMCTL32.DLL"));
    EXPECT_TRUE(wideStartUp);
}

static std::string Resource(HMODULE module, LPCWSTR type, int id)
{
    HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!found)
        return std::string();
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

static BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR context)
{
    wchar_t entry[64];
    wsprintfW(entry, L"%u/%u/%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(type)),
              static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)), language);
    reinterpret_cast<std::set<std::wstring>*>(context)->insert(entry);
    return TRUE;
}

static BOOL CALLBACK CollectName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context)
{
    EnumResourceLanguagesW(module, type, name, CollectLanguage, context);
    return TRUE;
}

static BOOL CALLBACK CollectType(HMODULE module, LPWSTR type, LONG_PTR context)
{
    EnumResourceNamesW(module, type, CollectName, context);
    return TRUE;
}

class ResourceTest : public testing::Test {
protected:
    HMODULE module = NULL;
    void SetUp() override
    {
        module = LoadLibraryExW(QuorvelExe.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(nullptr, module);
    }
    void TearDown() override { FreeLibrary(module); }
};

TEST_F(ResourceTest, HoldsIconGroupIconAndManifestInUsEnglishOnly)
{
    std::set<std::wstring> resources;
    EnumResourceTypesW(module, CollectType, reinterpret_cast<LONG_PTR>(&resources));
    // type/id/language: RT_ICON 3, RT_GROUP_ICON 14, RT_MANIFEST 24; no version resource (16).
    const std::set<std::wstring> expected = { L"3/1/1033", L"14/1/1033", L"24/1/1033" };
    EXPECT_EQ(expected, resources);
}

TEST_F(ResourceTest, IconIsOne256PixelPngWithAlpha)
{
    std::string group = Resource(module, RT_GROUP_ICON, 1);
    ASSERT_EQ(6u + 14u, group.size());
    const unsigned char* g = reinterpret_cast<const unsigned char*>(group.data());
    EXPECT_EQ(0, g[0] | g[1] << 8);  // reserved
    EXPECT_EQ(1, g[2] | g[3] << 8);  // icon
    EXPECT_EQ(1, g[4] | g[5] << 8);  // one entry
    const unsigned char* entry = g + 6;
    EXPECT_EQ(0, entry[0]);          // width 0: 256
    EXPECT_EQ(0, entry[1]);          // height 0: 256
    EXPECT_EQ(1, entry[4] | entry[5] << 8);   // planes
    EXPECT_EQ(32, entry[6] | entry[7] << 8);  // bits per pixel
    EXPECT_EQ(1, entry[12] | entry[13] << 8); // image id

    std::string png = Resource(module, RT_ICON, 1);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(static_cast<unsigned>(png.size()),
              static_cast<unsigned>(entry[8] | entry[9] << 8 | entry[10] << 16 | entry[11] << 24));
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8));
    EXPECT_EQ("IHDR", png.substr(12, 4));
    const unsigned char* ihdr = reinterpret_cast<const unsigned char*>(png.data()) + 16;
    EXPECT_EQ(256u, static_cast<unsigned>(ihdr[0] << 24 | ihdr[1] << 16 | ihdr[2] << 8 | ihdr[3]));
    EXPECT_EQ(256u, static_cast<unsigned>(ihdr[4] << 24 | ihdr[5] << 16 | ihdr[6] << 8 | ihdr[7]));
    EXPECT_EQ(8, ihdr[8]); // bits per channel
    EXPECT_EQ(6, ihdr[9]); // truecolour with alpha
}

TEST_F(ResourceTest, ManifestDeclaresWhatTheProgramNeeds)
{
    std::string manifest = Resource(module, MAKEINTRESOURCEW(24), 1);
    ASSERT_FALSE(manifest.empty());
    const char* required[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"",
        "manifestVersion=\"1.0\"",
        "<assemblyIdentity type=\"win32\" name=\"Quorvel.DriverHelper\" version=\"1.0.0.0\" processorArchitecture=\"amd64\"/>",
        "<description></description>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"amd64\" "
        "publicKeyToken=\"6595b64144ccf1df\" language=\"*\"",
        "<supportedOS Id=\"{e2011457-1546-43c5-a5fe-008deee3d3f0}\"/>",
        "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",
        "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",
        "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
    };
    for (const char* piece : required)
        EXPECT_NE(std::string::npos, manifest.find(piece)) << piece;
    EXPECT_EQ(std::string::npos, manifest.find("requestedExecutionLevel"));
    EXPECT_EQ(std::string::npos, manifest.find("\xEF\xBB\xBF")); // plain UTF-8, no byte-order mark
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: ProgramTests QUORVEL_EXE\n");
        return 2;
    }
    QuorvelExe = WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
