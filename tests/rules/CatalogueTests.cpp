#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>

#include <vector>

static std::vector<std::wstring> KeysInOrder(Catalogue& catalogue)
{
    std::vector<std::wstring> keys;
    ResetIteration(catalogue);
    while (const CatalogueEntry* entry = NextEntry(catalogue))
        keys.push_back(entry->key);
    return keys;
}

struct KeySlot {
    const wchar_t* key;
    int slot;
};

TEST(CatalogueHash, WorkedValues)
{
    EXPECT_EQ(0x00481208u, CatalogueHash(L"HP"));
    EXPECT_EQ(0xF924427Bu, CatalogueHash(L"NVIDIA"));
    EXPECT_EQ(0u, CatalogueHash(L""));
    EXPECT_EQ(65u, CatalogueHash(L"A"));
    EXPECT_EQ(4264001u, CatalogueHash(L"AB"));
}

TEST(CatalogueHash, EveryVendorKeyLandsInItsSlot)
{
    const KeySlot table[] = {
        { L"ASUS", 144 }, { L"MSI", 131 }, { L"GIGABYTE", 132 }, { L"ASRock", 311 }, { L"BIOSTAR", 26 },
        { L"ECS", 149 }, { L"COLORFUL", 122 }, { L"NZXT", 392 }, { L"SUPERMICRO", 105 }, { L"FOXCONN", 91 },
        { L"JETWAY", 342 }, { L"SHUTTLE", 217 }, { L"DFI", 455 }, { L"TUL", 395 }, { L"SAMSUNG", 346 },
        { L"LG", 251 }, { L"INTEL", 278 }, { L"EVGA", 139 }, { L"ACER", 143 }, { L"HP", 8 },
        { L"DELL", 385 }, { L"LENOVO", 115 }, { L"IBM", 84 }, { L"TOSHIBA", 24 }, { L"PANASONIC", 488 },
        { L"FUJITSU", 264 }, { L"NVIDIA", 123 }, { L"AMD", 248 }, { L"Intel Arc", 296 }, { L"Intel UHD", 199 },
    };
    for (const KeySlot& row : table)
        EXPECT_EQ(row.slot, CatalogueSlot(row.key)) << "key " << testing::PrintToString(std::wstring(row.key));
}

TEST(VendorCatalogues, MainboardOrderFollowsTheSlots)
{
    BuildCatalogues();
    const std::vector<std::wstring> expected = {
        L"HP", L"TOSHIBA", L"BIOSTAR", L"IBM", L"FOXCONN", L"SUPERMICRO", L"LENOVO", L"COLORFUL", L"MSI",
        L"GIGABYTE", L"EVGA", L"ACER", L"ASUS", L"ECS", L"SHUTTLE", L"LG", L"FUJITSU", L"INTEL", L"ASRock",
        L"JETWAY", L"SAMSUNG", L"DELL", L"NZXT", L"TUL", L"DFI", L"PANASONIC",
    };
    EXPECT_EQ(expected, KeysInOrder(MainboardCatalogue));
}

TEST(VendorCatalogues, GraphicsOrderFollowsTheSlots)
{
    BuildCatalogues();
    const std::vector<std::wstring> expected = { L"NVIDIA", L"Intel UHD", L"AMD", L"Intel Arc" };
    EXPECT_EQ(expected, KeysInOrder(GraphicsCatalogue));
}

TEST(VendorCatalogues, SchemesAndPathsAreExact)
{
    BuildCatalogues();
    struct Row {
        Catalogue* catalogue;
        const wchar_t* key;
        const wchar_t* scheme;
        const wchar_t* path;
    };
    const Row table[] = {
        { &MainboardCatalogue, L"ASUS", L"https", L"/kr/support/download-center/" },
        { &MainboardCatalogue, L"MSI", L"https", L"/support/download/" },
        { &MainboardCatalogue, L"GIGABYTE", L"https", L"/kr/Support/Consumer/Download" },
        { &MainboardCatalogue, L"ASRock", L"https", L"/support/index.kr.asp" },
        { &MainboardCatalogue, L"BIOSTAR", L"https", L"/app/kr/support/download.php" },
        { &MainboardCatalogue, L"ECS", L"https", L"/kr/support/download-center" },
        { &MainboardCatalogue, L"COLORFUL", L"https", L"/en/home/download" },
        { &MainboardCatalogue, L"NZXT", L"https",
          L"/hc/ko/articles/41497983048091-N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C" },
        { &MainboardCatalogue, L"SUPERMICRO", L"https", L"/support/resources/downloadcenter" },
        { &MainboardCatalogue, L"FOXCONN", L"http", L"/Product/Motherboards/" },
        { &MainboardCatalogue, L"JETWAY", L"https", L"/download.html" },
        { &MainboardCatalogue, L"SHUTTLE", L"https", L"/support/download" },
        { &MainboardCatalogue, L"DFI", L"https", L"/Product/support" },
        { &MainboardCatalogue, L"TUL", L"https", L"/download" },
        { &MainboardCatalogue, L"SAMSUNG", L"https", L"/sec/support/" },
        { &MainboardCatalogue, L"LG", L"https", L"/support/software" },
        { &MainboardCatalogue, L"INTEL", L"https", L"/content/www/kr/ko/support.html" },
        { &MainboardCatalogue, L"EVGA", L"https", L"/support/download/" },
        { &MainboardCatalogue, L"ACER", L"https", L"/kr-ko/support" },
        { &MainboardCatalogue, L"HP", L"https", L"/kr-ko/drivers" },
        { &MainboardCatalogue, L"DELL", L"https", L"/support/home/ko-kr" },
        { &MainboardCatalogue, L"LENOVO", L"https", L"/kr/ko" },
        { &MainboardCatalogue, L"IBM", L"https", L"/support/home/" },
        { &MainboardCatalogue, L"TOSHIBA", L"https", L"/" },
        { &MainboardCatalogue, L"PANASONIC", L"https", L"/dl/" },
        { &MainboardCatalogue, L"FUJITSU", L"https", L"/" },
        { &GraphicsCatalogue, L"NVIDIA", L"https", L"/ko-kr/geforce/drivers/" },
        { &GraphicsCatalogue, L"AMD", L"https", L"/ko/support" },
        { &GraphicsCatalogue, L"Intel Arc", L"https",
          L"/content/www/kr/ko/products/details/discrete-gpus/arc/downloads.html" },
        { &GraphicsCatalogue, L"Intel UHD", L"https", L"/content/www/kr/ko/support/products/graphics.html" },
    };
    for (const Row& row : table) {
        const std::wstring* url = FindUrl(*row.catalogue, row.key);
        ASSERT_NE(nullptr, url) << testing::PrintToString(std::wstring(row.key));
        // scheme://host/path, with a host of letters, digits, dots and hyphens only.
        std::wstring prefix = std::wstring(row.scheme) + L"://";
        ASSERT_EQ(prefix, url->substr(0, prefix.size())) << testing::PrintToString(*url);
        size_t pathStart = url->find(L'/', prefix.size());
        ASSERT_NE(std::wstring::npos, pathStart);
        std::wstring host = url->substr(prefix.size(), pathStart - prefix.size());
        EXPECT_FALSE(host.empty());
        EXPECT_EQ(std::wstring::npos, host.find_first_not_of(L"abcdefghijklmnopqrstuvwxyz0123456789.-"))
            << testing::PrintToString(host);
        EXPECT_EQ(std::wstring(row.path), url->substr(pathStart)) << testing::PrintToString(*url);
    }
}

TEST(FindUrl, MatchesKeysExactly)
{
    BuildCatalogues();
    EXPECT_NE(nullptr, FindUrl(GraphicsCatalogue, L"Intel Arc"));
    const struct {
        Catalogue* catalogue;
        const wchar_t* text;
    } misses[] = {
        { &GraphicsCatalogue, L"INTEL ARC" },
        { &GraphicsCatalogue, L"intel arc" },
        { &GraphicsCatalogue, L"INTEL" },
        { &GraphicsCatalogue, L"Intel Arc " },
        { &GraphicsCatalogue, L"" },
        { &MainboardCatalogue, L"Intel Arc" },
        { &MainboardCatalogue, L"NVIDIA" },
        { &MainboardCatalogue, L"hp" },
        { &MainboardCatalogue, L"" },
    };
    for (const auto& miss : misses)
        EXPECT_EQ(nullptr, FindUrl(*miss.catalogue, miss.text)) << testing::PrintToString(std::wstring(miss.text));
}

TEST(FindUrl, NeverAddsAnEntry)
{
    BuildCatalogues();
    FindUrl(MainboardCatalogue, L"NOT A VENDOR");
    FindUrl(MainboardCatalogue, L"");
    EXPECT_EQ(26u, KeysInOrder(MainboardCatalogue).size());
}

TEST(FindUrl, PercentEncodingReachesTheCallerUnchanged)
{
    BuildCatalogues();
    const std::wstring* url = FindUrl(MainboardCatalogue, L"NZXT");
    ASSERT_NE(nullptr, url);
    EXPECT_NE(std::wstring::npos, url->find(L"N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C"));
    EXPECT_EQ(std::wstring::npos, url->find(L' '));
}

TEST(Catalogue, LaterKeyOfASlotComesFirst)
{
    Catalogue catalogue;
    ASSERT_EQ(CatalogueSlot(L"A"), CatalogueSlot(L"AB"));
    SetUrl(catalogue, L"A", L"first");
    SetUrl(catalogue, L"AB", L"second");
    SetUrl(catalogue, L"B", L"other slot");
    const std::vector<std::wstring> expected = { L"AB", L"A", L"B" };
    EXPECT_EQ(expected, KeysInOrder(catalogue));
    EXPECT_EQ(L"first", *FindUrl(catalogue, L"A"));
    EXPECT_EQ(L"second", *FindUrl(catalogue, L"AB"));
}

TEST(Catalogue, SettingAKeyTwiceKeepsOneEntryInItsPlace)
{
    Catalogue catalogue;
    SetUrl(catalogue, L"A", L"one");
    SetUrl(catalogue, L"AB", L"two");
    SetUrl(catalogue, L"A", L"three");
    const std::vector<std::wstring> expected = { L"AB", L"A" };
    EXPECT_EQ(expected, KeysInOrder(catalogue));
    EXPECT_EQ(L"three", *FindUrl(catalogue, L"A"));
}

TEST(Catalogue, EmptyCatalogueEndsAtOnceAndStaysEnded)
{
    Catalogue catalogue;
    ResetIteration(catalogue);
    EXPECT_EQ(nullptr, NextEntry(catalogue));
    EXPECT_EQ(nullptr, NextEntry(catalogue));
    EXPECT_EQ(nullptr, FindUrl(catalogue, L""));
}

TEST(Catalogue, EndedTraversalStaysEndedUntilReset)
{
    Catalogue catalogue;
    SetUrl(catalogue, L"HP", L"x");
    ResetIteration(catalogue);
    EXPECT_NE(nullptr, NextEntry(catalogue));
    EXPECT_EQ(nullptr, NextEntry(catalogue));
    EXPECT_EQ(nullptr, NextEntry(catalogue));
    ResetIteration(catalogue);
    EXPECT_NE(nullptr, NextEntry(catalogue));
}

TEST(Catalogue, KeyAndUrlAreCopies)
{
    Catalogue catalogue;
    std::wstring key = L"ACER";
    std::wstring url = L"https://example.invalid/";
    SetUrl(catalogue, key, url);
    key[0] = L'X';
    url[0] = L'X';
    ASSERT_NE(nullptr, FindUrl(catalogue, L"ACER"));
    EXPECT_EQ(L"https://example.invalid/", *FindUrl(catalogue, L"ACER"));
}
