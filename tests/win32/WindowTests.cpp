// The real main window and its controls, created in this process under Wine at the DPI of
// the bench's prefix (--expect-dpi tells which one the run is meant to see).
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

static int ExpectedDpi = 96;

struct Box {
    int x, y, width, height;
};

static bool operator==(const Box& a, const Box& b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

static std::ostream& operator<<(std::ostream& out, const Box& box)
{
    return out << "(" << box.x << ", " << box.y << ") " << box.width << " x " << box.height;
}

static Box ClientBox(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, MainWindow, reinterpret_cast<POINT*>(&rect), 2);
    Box box = { rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top };
    return box;
}

static std::wstring TextOf(HWND window)
{
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

// What the program asked of CreateWindowExW, seen through a CBT hook on this thread.
struct Creation {
    std::wstring className;
    std::wstring text;
    LONG style;
    DWORD exStyle;
    int x, y, width, height;
};

static std::vector<Creation> Creations;

static LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        HWND window = reinterpret_cast<HWND>(wParam);
        // Only the program's own windows: not the parts a combo box makes inside itself,
        // nor the input-method window that the system adds to a thread's first window.
        wchar_t className[64] = L"";
        GetClassNameW(window, className, 64);
        HWND parent = create->hwndParent;
        if ((!parent || parent == MainWindow) && lstrcmpiW(className, L"IME") != 0) {
            Creation creation = { className, create->lpszName ? create->lpszName : L"", create->style,
                                  create->dwExStyle, create->x, create->y, create->cx, create->cy };
            Creations.push_back(creation);
        }
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

class CreationRecorder {
public:
    CreationRecorder() : hook(SetWindowsHookExW(WH_CBT, RecordCreation, NULL, GetCurrentThreadId()))
    {
        Creations.clear();
    }
    ~CreationRecorder() { UnhookWindowsHookEx(hook); }

private:
    HHOOK hook;
};

static std::vector<HWND> Children()
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(MainWindow, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        StartUserInterface();
        BuildCatalogues();
        ASSERT_TRUE(OpenMainWindow(0, 0, 580, 200, L"Quorvel", true, true));
    }
    void TearDown() override { ShutDownUserInterface(); }

    // Takes events until the close request that the test posted last, and keeps the
    // control events met on the way.
    std::vector<int> ControlEventsUntilClose()
    {
        PostMessageW(MainWindow, WM_CLOSE, 0, 0);
        std::vector<int> controls;
        for (;;) {
            EventKind kind = WaitEvent();
            if (kind == CloseRequest)
                return controls;
            if (kind == ControlEvent)
                controls.push_back(EventControl());
        }
    }
};

TEST(ScreenDpi, IsTheBenchSetting)
{
    StartUserInterface();
    EXPECT_EQ(ExpectedDpi, ScaleX(96));
    EXPECT_EQ(ExpectedDpi, ScaleY(96));
    ShutDownUserInterface();
}

TEST_F(MainWindowTest, ClientAreaAndControlGeometry)
{
    CreateMainControls();
    struct Expected {
        int dpi;
        int clientWidth, clientHeight;
        Box boxes[7];
    };
    const Expected table[] = {
        { 96, 580, 200,
          { { 20, 10, 200, 20 }, { 20, 30, 240, 25 }, { 20, 70, 240, 30 }, { 280, 10, 200, 20 },
            { 280, 30, 260, 25 }, { 280, 70, 260, 30 }, { 20, 120, 520, 30 } } },
        { 120, 725, 250,
          { { 25, 13, 250, 25 }, { 25, 38, 300, 31 }, { 25, 88, 300, 38 }, { 350, 13, 250, 25 },
            { 350, 38, 325, 31 }, { 350, 88, 325, 38 }, { 25, 150, 650, 38 } } },
        { 144, 870, 300,
          { { 30, 15, 300, 30 }, { 30, 45, 360, 38 }, { 30, 105, 360, 45 }, { 420, 15, 300, 30 },
            { 420, 45, 390, 38 }, { 420, 105, 390, 45 }, { 30, 180, 780, 45 } } },
    };
    const Expected* expected = nullptr;
    for (const Expected& row : table) {
        if (row.dpi == ExpectedDpi)
            expected = &row;
    }
    ASSERT_NE(nullptr, expected) << "no table for " << ExpectedDpi << " DPI";

    RECT client;
    GetClientRect(MainWindow, &client);
    EXPECT_EQ(expected->clientWidth, client.right);
    EXPECT_EQ(expected->clientHeight, client.bottom);

    std::vector<HWND> children = Children();
    ASSERT_EQ(7u, children.size());
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(expected->boxes[i], ClientBox(children[i])) << "control " << i + 1;
}

TEST_F(MainWindowTest, ControlsHaveTheirClassesStylesIdsAndTexts)
{
    CreationRecorder recorder;
    CreateMainControls();
    const LONG label = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX;
    const LONG list = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST;
    const LONG button = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON;
    const struct {
        const wchar_t* className;
        LONG style;
        int id; // -1: a label's own identifier, anything but the program's ids
        const wchar_t* text;
    } table[] = {
        { L"Static", label, -1, L"\U0001F5A5\uFE0F \uBA54\uC778\uBCF4\uB4DC \uC81C\uC870\uC0AC" },
        { L"ComboBox", list, 0, L"HP" },
        { L"Button", button, 10, L"\uBA54\uC778\uBCF4\uB4DC \uB4DC\uB77C\uC774\uBC84 \uD398\uC774\uC9C0 \uC5F4\uAE30" },
        { L"Static", label, -1, L"\U0001F3AE \uADF8\uB798\uD53D\uCE74\uB4DC \uC81C\uC870\uC0AC" },
        { L"ComboBox", list, 2, L"NVIDIA" },
        { L"Button", button, 11, L"\uADF8\uB798\uD53D \uB4DC\uB77C\uC774\uBC84 \uD398\uC774\uC9C0 \uC5F4\uAE30" },
        { L"Button", button, 12, L"\U0001F9FE \uC0AC\uC591 \uC790\uB3D9 \uAC10\uC9C0" },
    };
    std::vector<HWND> children = Children();
    ASSERT_EQ(7u, children.size());
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(children[0], WM_GETFONT, 0, 0));
    EXPECT_NE(nullptr, font);
    for (size_t i = 0; i < children.size(); ++i) {
        HWND child = children[i];
        wchar_t className[32] = L"";
        GetClassNameW(child, className, 32);
        EXPECT_STREQ(table[i].className, className) << "control " << i + 1;
        // The styles asked for; a combo box changes its own border afterwards.
        ASSERT_EQ(children.size(), Creations.size());
        EXPECT_EQ(table[i].className, Creations[i].className) << "control " << i + 1;
        EXPECT_EQ(table[i].style, Creations[i].style) << "control " << i + 1;
        EXPECT_EQ(0u, Creations[i].exStyle) << "control " << i + 1;
        int id = static_cast<int>(GetWindowLongPtrW(child, GWLP_ID));
        if (table[i].id >= 0) {
            EXPECT_EQ(table[i].id, id) << "control " << i + 1;
        } else {
            for (int programId : { 0, 2, 10, 11, 12 })
                EXPECT_NE(programId, id) << "label " << i + 1;
        }
        EXPECT_EQ(std::wstring(table[i].text), TextOf(child)) << "control " << i + 1;
        EXPECT_EQ(font, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))) << "control " << i + 1;
    }
}

TEST_F(MainWindowTest, ControlFontIsTheMessageFont)
{
    CreateMainControls();
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = 500;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 500, &metrics, 0));
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Children()[1], WM_GETFONT, 0, 0));
    LOGFONTW used = {};
    ASSERT_EQ(static_cast<int>(sizeof used), GetObjectW(font, sizeof used, &used));
    EXPECT_STREQ(metrics.lfMessageFont.lfFaceName, used.lfFaceName);
    EXPECT_EQ(metrics.lfMessageFont.lfHeight, used.lfHeight);
}

TEST(MainWindow, IsCreatedWithCaptionAndSystemMenuOnly)
{
    StartUserInterface();
    CreationRecorder recorder;
    ASSERT_TRUE(OpenMainWindow(0, 0, 580, 200, L"Quorvel", true, true));
    ASSERT_EQ(1u, Creations.size());
    EXPECT_EQ(static_cast<LONG>(WS_CAPTION | WS_SYSMENU), Creations[0].style);
    // The system adds the window edge to every captioned window before the hook sees it.
    EXPECT_EQ(0u, Creations[0].exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE));
    EXPECT_EQ(0, Creations[0].x);
    EXPECT_EQ(0, Creations[0].y);
    // The outer size holds exactly the scaled client area.
    RECT outer = { 0, 0, ScaleX(580), ScaleY(200) };
    AdjustWindowRectEx(&outer, WS_CAPTION | WS_SYSMENU, FALSE, 0);
    EXPECT_EQ(outer.right - outer.left, Creations[0].width);
    EXPECT_EQ(outer.bottom - outer.top, Creations[0].height);
    ShutDownUserInterface();
}

TEST_F(MainWindowTest, WindowIsFixedCentredAndShown)
{
    LONG_PTR style = GetWindowLongPtrW(MainWindow, GWL_STYLE);
    EXPECT_EQ(WS_CAPTION | WS_SYSMENU, style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX
                                                 | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD));
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ(NULL, GetParent(MainWindow));
    EXPECT_EQ(NULL, GetWindow(MainWindow, GW_OWNER));
    EXPECT_EQ(NULL, GetMenu(MainWindow));
    EXPECT_EQ(std::wstring(L"Quorvel"), TextOf(MainWindow));
    EXPECT_EQ(CS_DBLCLKS, static_cast<UINT>(GetClassLongPtrW(MainWindow, GCL_STYLE)));
    EXPECT_EQ(COLOR_BTNFACE + 1, static_cast<int>(GetClassLongPtrW(MainWindow, GCLP_HBRBACKGROUND)));
    EXPECT_EQ(LoadCursorW(NULL, IDC_ARROW), reinterpret_cast<HCURSOR>(GetClassLongPtrW(MainWindow, GCLP_HCURSOR)));

    // Centred on the full primary screen, the half pixel dropped.
    RECT rect;
    GetWindowRect(MainWindow, &rect);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, rect.top);
}

TEST_F(MainWindowTest, ListsHoldTheCataloguesWithTheFirstKeySelected)
{
    CreateMainControls();
    const struct {
        int id;
        std::vector<std::wstring> items;
    } table[] = {
        { MainboardList,
          { L"HP", L"TOSHIBA", L"BIOSTAR", L"IBM", L"FOXCONN", L"SUPERMICRO", L"LENOVO", L"COLORFUL", L"MSI",
            L"GIGABYTE", L"EVGA", L"ACER", L"ASUS", L"ECS", L"SHUTTLE", L"LG", L"FUJITSU", L"INTEL", L"ASRock",
            L"JETWAY", L"SAMSUNG", L"DELL", L"NZXT", L"TUL", L"DFI", L"PANASONIC" } },
        { GraphicsList, { L"NVIDIA", L"Intel UHD", L"AMD", L"Intel Arc" } },
    };
    for (const auto& row : table) {
        HWND list = GetDlgItem(MainWindow, row.id);
        std::vector<std::wstring> items;
        LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t item[64] = L"";
            SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            items.push_back(item);
        }
        EXPECT_EQ(row.items, items);
        EXPECT_EQ(0, SendMessageW(list, CB_GETCURSEL, 0, 0));
        EXPECT_EQ(row.items[0], GetControlText(row.id));
    }
    // Filling and selecting raised no event.
    EXPECT_TRUE(ControlEventsUntilClose().empty());
}

TEST_F(MainWindowTest, ClosedListIsExactlyItsHeightWithAndWithoutVisualStyles)
{
    const int closedHeight = ScaleY(25);
    for (bool visualStyles : { true, false }) {
        CreationRecorder recorder;
        HWND list = CreateSizedDropDownList(40, 20, 30, 240, 25, visualStyles);
        ASSERT_NE(nullptr, list);
        EXPECT_EQ(closedHeight, ClientBox(list).height) << "visual styles " << visualStyles;
        // The creation height takes in the drop-down part: 30 pixels more, or 350 in all.
        ASSERT_EQ(1u, Creations.size());
        EXPECT_EQ(visualStyles ? closedHeight + 30 : 350, Creations[0].height) << "visual styles " << visualStyles;
        DestroyWindow(list);
    }
}

TEST_F(MainWindowTest, WineCommonControlsCountAsWithoutVisualStyles)
{
    // Wine's system COMCTL32 reports 5.81, so the lists are created 350 pixels tall here;
    // on Windows 10 and 11 the same test answers 6.x.
    EXPECT_FALSE(VisualStylesAreInEffect());
}

TEST_F(MainWindowTest, OnlyPressesAndUserSelectionsQueueControlEvents)
{
    CreateMainControls();
    SelectListItem(MainboardList, 3);   // the program's own changes raise nothing
    AppendListItem(GraphicsList, L"extra");
    SendDlgItemMessageW(MainWindow, OpenMainboardPageButton, BM_CLICK, 0, 0);
    SendDlgItemMessageW(MainWindow, DetectSpecsButton, BM_CLICK, 0, 0);
    // The user moves the selection with the keyboard: the list tells its parent.
    SendDlgItemMessageW(MainWindow, GraphicsList, WM_KEYDOWN, VK_DOWN, 0);
    SendDlgItemMessageW(MainWindow, OpenGraphicsPageButton, BM_CLICK, 0, 0);
    SendDlgItemMessageW(MainWindow, OpenGraphicsPageButton, BM_CLICK, 0, 0);
    const std::vector<int> expected = { 10, 12, 2, 11, 11 };
    EXPECT_EQ(expected, ControlEventsUntilClose());
    EXPECT_EQ(L"Intel UHD", GetControlText(GraphicsList));
}

TEST_F(MainWindowTest, CloseRequestLeavesTheWindowOpen)
{
    CreateMainControls();
    EXPECT_TRUE(ControlEventsUntilClose().empty());
    // WM_CLOSE was answered without destroying: shut-down does that.
    EXPECT_TRUE(IsWindow(MainWindow));
    EXPECT_EQ(0, SendMessageW(MainWindow, WM_CLOSE, 0, 0));
    EXPECT_TRUE(IsWindow(MainWindow));
}

TEST_F(MainWindowTest, NoSelectionReadsAsEmptyText)
{
    CreateMainControls();
    SendDlgItemMessageW(MainWindow, MainboardList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(L"", GetControlText(MainboardList));
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--expect-dpi=", 13) == 0)
            ExpectedDpi = std::atoi(argv[i] + 13);
    }
    return RUN_ALL_TESTS();
}
