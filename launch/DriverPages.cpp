#include "launch/DriverPages.h"

#include "app/Notice.h"
#include "app/UserInterface.h"
#include "catalogue/Catalogue.h"
#include "launch/LaunchProgram.h"

// The list's text is the vendor's key; its page opens in the default browser through the
// shell program. A text that is no key (no item selected) gets a notice instead.
static void OpenDriverPage(int listId, const Catalogue& catalogue)
{
    const std::wstring* url = FindUrl(catalogue, GetControlText(listId));
    if (url)
        LaunchProgram(L"explorer.exe", *url, L""); // a failed start shows nothing
    else
        ShowNotice(L"알림", L"해당 제조사의 드라이버 페이지를 찾을 수 없습니다.");
}

void OpenMainboardPage()
{
    OpenDriverPage(MainboardList, MainboardCatalogue);
}

void OpenGraphicsPage()
{
    OpenDriverPage(GraphicsList, GraphicsCatalogue);
}
