#include "EndToEnd.h"

static std::vector<std::wstring> Items(const std::vector<ControlInfo>& controls, int id, int& selection)
{
    for (const ControlInfo& control : controls) {
        if (control.id == id && control.className == L"ComboBox") {
            selection = control.selection;
            return control.items;
        }
    }
    selection = -2;
    return std::vector<std::wstring>();
}

TEST_F(RunningQuorvelTest, WindowAppearsWithBothListsFilledAndNothingRun)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    wchar_t caption[32] = L"";
    GetWindowTextW(quorvel.window, caption, 32);
    EXPECT_STREQ(L"Quorvel", caption);
    RECT client = ClientRectOf(quorvel.window);
    EXPECT_EQ(580, client.right);
    EXPECT_EQ(200, client.bottom);

    std::vector<ControlInfo> controls = ListControls(quorvel.window);
    ASSERT_EQ(7u, controls.size());
    const wchar_t* classes[] = { L"Static", L"ComboBox", L"Button", L"Static", L"ComboBox", L"Button", L"Button" };
    for (size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(std::wstring(classes[i]), controls[i].className) << "control " << i + 1;

    int selection = -1;
    const std::vector<std::wstring> mainboard = {
        L"HP", L"TOSHIBA", L"BIOSTAR", L"IBM", L"FOXCONN", L"SUPERMICRO", L"LENOVO", L"COLORFUL", L"MSI",
        L"GIGABYTE", L"EVGA", L"ACER", L"ASUS", L"ECS", L"SHUTTLE", L"LG", L"FUJITSU", L"INTEL", L"ASRock",
        L"JETWAY", L"SAMSUNG", L"DELL", L"NZXT", L"TUL", L"DFI", L"PANASONIC",
    };
    EXPECT_EQ(mainboard, Items(controls, 0, selection));
    EXPECT_EQ(0, selection);
    EXPECT_EQ(L"HP", controls[1].text);
    const std::vector<std::wstring> graphics = { L"NVIDIA", L"Intel UHD", L"AMD", L"Intel Arc" };
    EXPECT_EQ(graphics, Items(controls, 2, selection));
    EXPECT_EQ(0, selection);
    EXPECT_EQ(L"NVIDIA", controls[4].text);

    // No control has the focus, and no handler ran: nothing started, no box shown.
    HWND focus = FocusedWindow(quorvel.window);
    for (const ControlInfo& control : controls)
        EXPECT_NE(control.handle, focus);
    EXPECT_TRUE(NoMessageBoxWithin(quorvel.process.dwProcessId, 300));
    EXPECT_TRUE(RecordedCalls(quorvel.folder, L"explorer.exe").empty());
    EXPECT_TRUE(RecordedCalls(quorvel.folder, L"powershell.exe").empty());
}

TEST_F(RunningQuorvelTest, SelectionChangeOpensNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    for (int id : { 0, 2 }) {
        // The user moves the selection with the arrow key; the list tells the window.
        HWND list = ControlById(quorvel.window, id);
        PostMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(list, WM_KEYUP, VK_DOWN, 0);
    }
    EXPECT_TRUE(NoMessageBoxWithin(quorvel.process.dwProcessId, 1000));
    std::vector<ControlInfo> controls = ListControls(quorvel.window);
    EXPECT_EQ(L"TOSHIBA", controls[1].text);
    EXPECT_EQ(L"Intel UHD", controls[4].text);
    EXPECT_TRUE(RecordedCalls(quorvel.folder, L"explorer.exe").empty());
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), WaitForExit(quorvel, 0));
}

TEST_F(RunningQuorvelTest, CloseRequestsEndTheProcessWithExitCodeZero)
{
    // WM_CLOSE itself, and SC_CLOSE as the close box and the system menu's Close send it.
    const struct {
        UINT message;
        WPARAM wParam;
    } table[] = { { WM_CLOSE, 0 }, { WM_SYSCOMMAND, SC_CLOSE } };
    for (const auto& row : table) {
        ASSERT_NO_FATAL_FAILURE(Start());
        PostMessageW(quorvel.window, row.message, row.wParam, 0);
        EXPECT_EQ(0u, WaitForExit(quorvel, 10000)) << "message " << row.message;
        StopQuorvel(quorvel);
    }
}

TEST_F(RunningQuorvelTest, ClickOnTheCloseBoxEndsTheProcessWithExitCodeZero)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    // The middle of the close box: the last caption button, inside the fixed frame.
    RECT frame;
    GetWindowRect(quorvel.window, &frame);
    int x = frame.right - GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXSIZE) / 2;
    int y = frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYSIZE) / 2;
    ASSERT_EQ(HTCLOSE, SendMessageW(quorvel.window, WM_NCHITTEST, 0, MAKELPARAM(x, y)));
    ASSERT_TRUE(ClickAt(x, y));
    EXPECT_EQ(0u, WaitForExit(quorvel, 10000));
}

TEST_F(RunningQuorvelTest, AltF4EndsTheProcessWithExitCodeZero)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    wchar_t command[128];
    wsprintfW(command, L"/usr/bin/xdotool windowfocus --sync %lu key alt+F4", XWindowOf(quorvel.window));
    ASSERT_EQ(0u, RunHostProgram(command, 10000));
    EXPECT_EQ(0u, WaitForExit(quorvel, 10000));
}

TEST_F(RunningQuorvelTest, ResourceCountsAreReadable)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    ResourceCounts counts = CountResources(quorvel.process);
    // The window, its seven controls and their fonts and brushes are all there to count.
    EXPECT_GT(counts.handles, 0u);
    EXPECT_GE(counts.userObjects, 8u);
    EXPECT_GT(counts.gdiObjects, 0u);
}
