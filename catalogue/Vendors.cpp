// Where each vendor publishes its drivers. Keys are exactly the texts the lists show;
// rows are added in this order, and the order of the lists follows from the keys' slots.
#include "catalogue/Catalogue.h"

Catalogue MainboardCatalogue;
Catalogue GraphicsCatalogue;

struct VendorPage {
    const wchar_t* key;
    const wchar_t* url;
};

static const VendorPage MainboardPages[] = {
    { L"ASUS", L"https://www.asus.com/kr/support/download-center/" },
    { L"MSI", L"https://kr.msi.com/support/download/" },
    { L"GIGABYTE", L"https://www.gigabyte.com/kr/Support/Consumer/Download" },
    { L"ASRock", L"https://www.asrock.com/support/index.kr.asp" },
    { L"BIOSTAR", L"https://www.biostar.com.tw/app/kr/support/download.php" },
    { L"ECS", L"https://www.ecs.com.tw/kr/support/download-center" },
    { L"COLORFUL", L"https://en.colorful.cn/en/home/download" },
    { L"NZXT", L"https://support.nzxt.com/hc/ko/articles/41497983048091-N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C" },
    { L"SUPERMICRO", L"https://www.supermicro.com/support/resources/downloadcenter" },
    { L"FOXCONN", L"http://www.foxconnchannel.com/Product/Motherboards/" },
    { L"JETWAY", L"https://www.jetwaycomputer.com/download.html" },
    { L"SHUTTLE", L"https://global.shuttle.com/support/download" },
    { L"DFI", L"https://www.dfi.com/Product/support" },
    { L"TUL", L"https://www.powercolor.com/download" },
    { L"SAMSUNG", L"https://www.samsung.com/sec/support/" },
    { L"LG", L"https://www.lge.co.kr/support/software" },
    { L"INTEL", L"https://www.intel.com/content/www/kr/ko/support.html" },
    { L"EVGA", L"https://www.evga.com/support/download/" },
    { L"ACER", L"https://www.acer.com/kr-ko/support" },
    { L"HP", L"https://support.hp.com/kr-ko/drivers" },
    { L"DELL", L"https://www.dell.com/support/home/ko-kr" },
    { L"LENOVO", L"https://pcsupport.lenovo.com/kr/ko" },
    { L"IBM", L"https://www.ibm.com/support/home/" },
    { L"TOSHIBA", L"https://support.dynabook.com/" },
    { L"PANASONIC", L"https://pc-dl.panasonic.co.jp/dl/" },
    { L"FUJITSU", L"https://support.ts.fujitsu.com/" },
};

static const VendorPage GraphicsPages[] = {
    { L"NVIDIA", L"https://www.nvidia.com/ko-kr/geforce/drivers/" },
    { L"AMD", L"https://www.amd.com/ko/support" },
    { L"Intel Arc", L"https://www.intel.com/content/www/kr/ko/products/details/discrete-gpus/arc/downloads.html" },
    { L"Intel UHD", L"https://www.intel.com/content/www/kr/ko/support/products/graphics.html" },
};

static void FillCatalogue(Catalogue& catalogue, const VendorPage* pages, size_t count)
{
    ClearCatalogue(catalogue);
    for (size_t i = 0; i < count; ++i)
        SetUrl(catalogue, pages[i].key, pages[i].url);
}

void BuildCatalogues()
{
    FillCatalogue(MainboardCatalogue, MainboardPages, sizeof MainboardPages / sizeof MainboardPages[0]);
    FillCatalogue(GraphicsCatalogue, GraphicsPages, sizeof GraphicsPages / sizeof GraphicsPages[0]);
}
