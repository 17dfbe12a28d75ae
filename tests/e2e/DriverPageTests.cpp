// The two open-page buttons on the real Quorvel.exe, with a stand-in explorer.exe beside it
// that records each start.
#include "EndToEnd.h"

struct VendorPage {
    int list;
    int button;
    const wchar_t* key;
    const wchar_t* url;
};

// Every key in the order of its list, with the page its button opens.
static const VendorPage Pages[] = {
    { 0, 10, L"HP", L"https://support.hp.com/kr-ko/drivers" },
    { 0, 10, L"TOSHIBA", L"https://support.dynabook.com/" },
    { 0, 10, L"BIOSTAR", L"https://www.biostar.com.tw/app/kr/support/download.php" },
    { 0, 10, L"IBM", L"https://www.ibm.com/support/home/" },
    { 0, 10, L"FOXCONN", L"http://www.foxconnchannel.com/Product/Motherboards/" },
    { 0, 10, L"SUPERMICRO", L"https://www.supermicro.com/support/resources/downloadcenter" },
    { 0, 10, L"LENOVO", L"https://pcsupport.lenovo.com/kr/ko" },
    { 0, 10, L"COLORFUL", L"https://en.colorful.cn/en/home/download" },
    { 0, 10, L"MSI", L"https://kr.msi.com/support/download/" },
    { 0, 10, L"GIGABYTE", L"https://www.gigabyte.com/kr/Support/Consumer/Download" },
    { 0, 10, L"EVGA", L"https://www.evga.com/support/download/" },
    { 0, 10, L"ACER", L"https://www.acer.com/kr-ko/support" },
    { 0, 10, L"ASUS", L"https://www.asus.com/kr/support/download-center/" },
    { 0, 10, L"ECS", L"https://www.ecs.com.tw/kr/support/download-center" },
    { 0, 10, L"SHUTTLE", L"https://global.shuttle.com/support/download" },
    { 0, 10, L"LG", L"https://www.lge.co.kr/support/software" },
    { 0, 10, L"FUJITSU", L"https://support.ts.fujitsu.com/" },
    { 0, 10, L"INTEL", L"https://www.intel.com/content/www/kr/ko/support.html" },
    { 0, 10, L"ASRock", L"https://www.asrock.com/support/index.kr.asp" },
    { 0, 10, L"JETWAY", L"https://www.jetwaycomputer.com/download.html" },
    { 0, 10, L"SAMSUNG", L"https://www.samsung.com/sec/support/" },
    { 0, 10, L"DELL", L"https://www.dell.com/support/home/ko-kr" },
    { 0, 10, L"NZXT", L"https://support.nzxt.com/hc/ko/articles/41497983048091-N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C" },
    { 0, 10, L"TUL", L"https://www.powercolor.com/download" },
    { 0, 10, L"DFI", L"https://www.dfi.com/Product/support" },
    { 0, 10, L"PANASONIC", L"https://pc-dl.panasonic.co.jp/dl/" },
    { 2, 11, L"NVIDIA", L"https://www.nvidia.com/ko-kr/geforce/drivers/" },
    { 2, 11, L"Intel UHD", L"https://www.intel.com/content/www/kr/ko/support/products/graphics.html" },
    { 2, 11, L"AMD", L"https://www.amd.com/ko/support" },
    { 2, 11, L"Intel Arc", L"https://www.intel.com/content/www/kr/ko/products/details/discrete-gpus/arc/downloads.html" },
};

static const wchar_t NoticeTitle[] = L"알림";
static const wchar_t NoticeText[] = L"해당 제조사의 드라이버 페이지를 찾을 수 없습니다.";

// The command line that opens the key's page.
static std::wstring ExplorerCall(const wchar_t* key)
{
    for (const VendorPage& page : Pages) {
        if (std::wstring(page.key) == key)
            return std::wstring(L"\"explorer.exe\" ") + page.url;
    }
    return std::wstring();
}

class DriverPageTest : public RunningQuorvelTest {
protected:
    // Presses the button and waits until its start is recorded; all starts recorded so far.
    std::vector<std::wstring> PressAndWait(int button, size_t callsBefore)
    {
        PressButton(quorvel.window, button);
        return WaitForCalls(quorvel.folder, L"explorer.exe", callsBefore + 1, 10000);
    }
};

TEST_F(DriverPageTest, ButtonsRightAfterStartUpOpenTheFirstKeysPages)
{
    Start({ L"explorer.exe" });
    PressAndWait(10, 0);
    std::vector<std::wstring> calls = PressAndWait(11, 1);
    const std::vector<std::wstring> expected = { ExplorerCall(L"HP"), ExplorerCall(L"NVIDIA") };
    EXPECT_EQ(expected, calls);
}

TEST_F(DriverPageTest, EveryKeyOpensItsOwnPageOnce)
{
    Start({ L"explorer.exe" });
    std::vector<ControlInfo> controls = ListControls(quorvel.window);
    ASSERT_EQ(7u, controls.size());
    int nextIndex[3] = {};
    size_t count = 0;
    for (const VendorPage& page : Pages) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(page.key)));
        int index = nextIndex[page.list]++;
        const std::vector<std::wstring>& items = controls[page.list == 0 ? 1 : 4].items;
        ASSERT_LT(static_cast<size_t>(index), items.size());
        EXPECT_EQ(std::wstring(page.key), items[static_cast<size_t>(index)]);
        ChooseListItem(quorvel.window, page.list, index);
        std::vector<std::wstring> calls = PressAndWait(page.button, count++);
        ASSERT_EQ(count, calls.size());
        EXPECT_EQ(std::wstring(L"\"explorer.exe\" ") + page.url, calls.back());
    }
    // One start for each press, and nothing else.
    EXPECT_TRUE(NoMessageBoxWithin(quorvel.process.dwProcessId, 500));
    EXPECT_EQ(count, RecordedCalls(quorvel.folder, L"explorer.exe").size());
}

TEST_F(DriverPageTest, ListWithoutSelectionGetsTheNoticeAndNothingOpens)
{
    Start({ L"explorer.exe" });
    // The list, its place among the controls, and its button.
    const int lists[][3] = { { 0, 1, 10 }, { 2, 4, 11 } };
    for (const auto& row : lists) {
        SCOPED_TRACE(row[0]);
        ChooseListItem(quorvel.window, row[0], -1);
        EXPECT_EQ(L"", ListControls(quorvel.window)[static_cast<size_t>(row[1])].text);
        PressButton(quorvel.window, row[2]);
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(quorvel.process.dwProcessId, 10000, box));
        EXPECT_EQ(NoticeTitle, box.title);
        EXPECT_EQ(NoticeText, box.text);
        EXPECT_EQ(quorvel.window, box.owner);
        EXPECT_FALSE(IsWindowEnabled(quorvel.window)) << "the window is out of reach while the box is open";
        DismissMessageBox(box);
        ASSERT_TRUE(WaitUntilGone(box.handle, 10000));
        EXPECT_TRUE(RecordedCalls(quorvel.folder, L"explorer.exe").empty());
    }
    // After OK the program goes on as before: the window takes input and opens pages.
    EXPECT_TRUE(IsWindowEnabled(quorvel.window));
    ChooseListItem(quorvel.window, 2, 2);
    std::vector<std::wstring> calls = PressAndWait(11, 0);
    EXPECT_EQ(std::vector<std::wstring>{ ExplorerCall(L"AMD") }, calls);
    EXPECT_TRUE(NoMessageBoxWithin(quorvel.process.dwProcessId, 300));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), WaitForExit(quorvel, 0));
}

static std::ostream& operator<<(std::ostream& out, const ResourceCounts& counts)
{
    return out << counts.handles << " handles, " << counts.userObjects << " USER, " << counts.gdiObjects << " GDI";
}

// Counted once every press so far has been handled: a stand-in may record its start before
// Quorvel has closed the handles of its process.
static ResourceCounts CountsWhenHandled(const RunningQuorvel& quorvel)
{
    EXPECT_TRUE(WaitUntilHandled(quorvel.window, 10000));
    return CountResources(quorvel.process);
}

TEST_F(DriverPageTest, TwoHundredPressesOfEachButtonLeaveNothingBehind)
{
    Start({ L"explorer.exe" });
    PressAndWait(10, 0);
    PressAndWait(11, 1);
    ResourceCounts first = CountsWhenHandled(quorvel);
    DWORD started = GetTickCount();
    // Five presses of each button at a time, then a wait until their starts are recorded.
    size_t count = 2;
    for (int press = 1; press < 200; press += 5) {
        for (int i = press; i < press + 5 && i < 200; ++i) {
            PressButton(quorvel.window, 10);
            PressButton(quorvel.window, 11);
            count += 2;
        }
        ASSERT_EQ(count, WaitForCalls(quorvel.folder, L"explorer.exe", count, 10000).size());
    }
    DWORD elapsed = GetTickCount() - started;
    ResourceCounts last = CountsWhenHandled(quorvel);
    std::cout << "after the first press of each button: " << first << "\nafter 200 presses of each: " << last
              << "\n398 presses took " << elapsed << " ms\n";
    EXPECT_EQ(first.handles, last.handles);
    EXPECT_EQ(first.userObjects, last.userObjects);
    EXPECT_EQ(first.gdiObjects, last.gdiObjects);

    std::vector<std::wstring> calls = RecordedCalls(quorvel.folder, L"explorer.exe");
    size_t hp = 0, nvidia = 0;
    for (const std::wstring& call : calls) {
        hp += call == ExplorerCall(L"HP");
        nvidia += call == ExplorerCall(L"NVIDIA");
    }
    EXPECT_EQ(200u, hp);
    EXPECT_EQ(200u, nvidia);
    EXPECT_TRUE(NoMessageBoxWithin(quorvel.process.dwProcessId, 0));
}
