// The notice box for real under Wine: windows of this thread, of another thread and of
// another process around it, the box dismissed from a second thread while the test looks.
#include "app/Notice.h"

#include "InProcess.h"

#include <gtest/gtest.h>

#include <thread>

// What the test windows and the box went through, in order, while a notice is shown:
// "disable NAME", "enable NAME", "notopmost NAME", "topmost NAME", "box opens", "box closes".
static std::vector<std::wstring> Events;

static std::wstring NameOf(HWND window)
{
    wchar_t name[64] = L"";
    GetWindowTextW(window, name, 64);
    return name;
}

static LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENABLE)
        Events.push_back((wParam ? L"enable " : L"disable ") + NameOf(window));
    if (message == WM_WINDOWPOSCHANGING) {
        const WINDOWPOS* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOZORDER) && position->hwndInsertAfter == HWND_TOPMOST)
            Events.push_back(L"topmost " + NameOf(window));
        if (!(position->flags & SWP_NOZORDER) && position->hwndInsertAfter == HWND_NOTOPMOST)
            Events.push_back(L"notopmost " + NameOf(window));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static LRESULT CALLBACK WatchBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND || code == HCBT_DESTROYWND) {
        wchar_t className[16] = L"";
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
        if (lstrcmpW(className, L"#32770") == 0)
            Events.push_back(code == HCBT_CREATEWND ? L"box opens" : L"box closes");
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

struct WindowState {
    bool enabled;
    bool topmost;
};

static bool operator==(const WindowState& a, const WindowState& b)
{
    return a.enabled == b.enabled && a.topmost == b.topmost;
}

static std::ostream& operator<<(std::ostream& out, const WindowState& state)
{
    return out << (state.enabled ? "enabled" : "disabled") << (state.topmost ? ", topmost" : "");
}

static WindowState StateOf(HWND window)
{
    WindowState state = { IsWindowEnabled(window) != FALSE, (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 };
    return state;
}

static std::vector<WindowState> StatesOf(const std::vector<HWND>& windows)
{
    std::vector<WindowState> states;
    for (HWND window : windows)
        states.push_back(StateOf(window));
    return states;
}

// What the second thread saw while the box was open.
struct OpenBox {
    MessageBoxInfo box;
    std::vector<WindowState> states; // of the windows the test asked about
    std::vector<int> buttons;        // ids of the box's visible buttons
    bool icon;                       // the box shows an icon
    bool topmost;                    // the box itself is in the topmost band
};

static BOOL CALLBACK NoteBoxChild(HWND child, LPARAM context)
{
    OpenBox* open = reinterpret_cast<OpenBox*>(context);
    wchar_t className[16] = L"";
    GetClassNameW(child, className, 16);
    if (!IsWindowVisible(child))
        return TRUE;
    if (lstrcmpiW(className, L"Button") == 0)
        open->buttons.push_back(GetDlgCtrlID(child));
    // The box's template may hold an icon control of its own; only an icon in it counts.
    if (lstrcmpiW(className, L"Static") == 0 && SendMessageW(child, STM_GETICON, 0, 0))
        open->icon = true;
    return TRUE;
}

class NoticeTest : public testing::Test {
protected:
    std::vector<HWND> created;
    HHOOK hook = NULL;

    void SetUp() override
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleW(NULL);
        windowClass.hCursor = LoadCursorW(NULL, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"QuorvelNoticeTestWindow";
        RegisterClassW(&windowClass);
        hook = SetWindowsHookExW(WH_CBT, WatchBox, NULL, GetCurrentThreadId());
    }

    void TearDown() override
    {
        UnhookWindowsHookEx(hook);
        for (HWND window : created)
            DestroyWindow(window);
        UnregisterClassW(L"QuorvelNoticeTestWindow", GetModuleHandleW(NULL));
    }

    HWND Window(const wchar_t* name, bool visible, bool enabled, bool topmost)
    {
        int offset = static_cast<int>(created.size()) * 40;
        HWND window = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, L"QuorvelNoticeTestWindow", name,
                                      WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0) | (enabled ? 0 : WS_DISABLED),
                                      100 + offset, 100 + offset, 300, 150, NULL, NULL, GetModuleHandleW(NULL), NULL);
        created.push_back(window);
        return window;
    }

    // Shows the notice; the second thread notes the states of the windows given while the box
    // is open, and then presses OK.
    int Show(const wchar_t* title, const wchar_t* text, const std::vector<HWND>& windows, OpenBox& open)
    {
        int result = -1;
        open = OpenBox();
        Events.clear();
        bool appeared = RunWatchingForMessageBox(
            10000, [&]() { result = ShowNotice(title, text); },
            [&](const MessageBoxInfo& box) {
                open.box = box;
                open.states = StatesOf(windows);
                EnumChildWindows(box.handle, NoteBoxChild, reinterpret_cast<LPARAM>(&open));
                open.topmost = (GetWindowLongPtrW(box.handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            });
        EXPECT_TRUE(appeared);
        return result;
    }
};

static bool MakeForeground(HWND window)
{
    SetForegroundWindow(window);
    for (int waited = 0; waited < 5000; waited += 20) {
        if (GetForegroundWindow() == window)
            return true;
        MSG message;
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(20);
    }
    return false;
}

TEST_F(NoticeTest, ShowsTitleAndTextUnchangedWithOneOkButtonAndNothingElse)
{
    HWND main = Window(L"main", true, true, false);
    ASSERT_TRUE(MakeForeground(main));
    const wchar_t title[] = L"시스템 사양";
    const wchar_t text[] = L"\U0001F5A5\uFE0F 운영체제: Windows 10\n\U0001F9E0 CPU:  A  B \n\n\t탭\n";
    OpenBox open;
    EXPECT_EQ(IDOK, Show(title, text, {}, open));
    EXPECT_EQ(std::wstring(title), open.box.title);
    EXPECT_EQ(std::wstring(text), open.box.text);
    EXPECT_EQ(std::vector<int>{ IDOK }, open.buttons);
    EXPECT_FALSE(open.icon);
    EXPECT_FALSE(open.topmost);
}

// The usual case and every kind of window of this thread at once: the foreground window owns
// the box and is not disabled; the others are put out of reach and restored exactly.
TEST_F(NoticeTest, DisablesLowersShowsAndRestoresInThatOrder)
{
    // Created in this order, the first one put in the foreground.
    HWND main = Window(L"main", true, true, true);
    HWND topmost = Window(L"topmost", true, true, true);
    HWND plain = Window(L"plain", true, true, false);
    HWND disabled = Window(L"disabled", true, false, true);
    HWND hidden = Window(L"hidden", false, true, true);
    HWND hiddenDisabled = Window(L"hidden disabled", false, false, false);
    ASSERT_TRUE(MakeForeground(main));
    std::vector<HWND> windows = { main, topmost, plain, disabled, hidden, hiddenDisabled };
    std::vector<WindowState> before = StatesOf(windows);

    // The order in which EnumWindows reports them, the order the notice goes by.
    std::vector<std::wstring> zOrder;
    for (HWND window = GetTopWindow(NULL); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetWindowThreadProcessId(window, NULL) == GetCurrentThreadId() && IsWindowVisible(window))
            zOrder.push_back(NameOf(window));
    }
    ASSERT_EQ((std::vector<std::wstring>{ L"disabled", L"topmost", L"main", L"plain" }), zOrder);

    OpenBox open;
    Show(L"알림", L"text", windows, open);
    EXPECT_EQ(main, open.box.owner);
    const std::vector<std::wstring> expected = {
        // Disable, in the order of enumeration: neither the one disabled already nor the
        // foreground window.
        L"disable topmost", L"disable plain",
        // Lower, last enumerated first; the foreground window too.
        L"notopmost main", L"notopmost topmost", L"notopmost disabled",
        // The box disables and enables its owner by itself.
        L"disable main", L"box opens", L"enable main", L"box closes",
        // Restore, last enumerated first: enable, then back into the topmost band.
        L"enable plain", L"topmost main", L"enable topmost", L"topmost topmost", L"topmost disabled",
    };
    EXPECT_EQ(expected, Events);

    const std::vector<WindowState> whileOpen = {
        { false, false }, // main: disabled by the box as its owner
        { false, false }, { false, false }, { false, false },
        { true, true },   // hidden windows are not touched
        { false, false },
    };
    EXPECT_EQ(whileOpen, open.states);
    EXPECT_EQ(before, StatesOf(windows));
}

TEST_F(NoticeTest, WithAnotherProgramInTheForegroundTheBoxHasNoOwner)
{
    HWND main = Window(L"main", true, true, false);
    HWND topmost = Window(L"topmost", true, true, true);
    std::wstring commandLine = L"\"" + ForegroundWindowExe + L"\" --topmost";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other = {};
    ASSERT_TRUE(CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &other));
    HWND otherWindow = NULL;
    for (int waited = 0; !otherWindow && waited < 10000; waited += 20) {
        Sleep(20);
        otherWindow = FindWindowW(L"MinimalWindow", NULL);
    }
    bool inForeground = otherWindow && MakeForeground(otherWindow);

    OpenBox open;
    if (inForeground)
        Show(L"알림", L"text", { main, topmost, otherWindow }, open);
    PostMessageW(otherWindow, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(other.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(other.hProcess, 1);
    CloseHandle(other.hProcess);
    CloseHandle(other.hThread);
    ASSERT_TRUE(inForeground);

    EXPECT_EQ(NULL, open.box.owner);
    const std::vector<WindowState> whileOpen = {
        { false, false }, // this thread's windows: out of reach
        { false, false },
        { true, true }, // the other program's window is left alone
    };
    EXPECT_EQ(whileOpen, open.states);
    EXPECT_EQ((WindowState{ true, false }), StateOf(main));
    EXPECT_EQ((WindowState{ true, true }), StateOf(topmost));
}

// A window of a second thread of this process, kept answering messages until the test ends.
struct OtherThreadWindow {
    HWND window = NULL;
    DWORD threadId = 0;
    std::thread thread;
};

static void RunOtherThreadWindow(OtherThreadWindow* other, HANDLE ready)
{
    other->threadId = GetCurrentThreadId();
    other->window = CreateWindowExW(0, L"QuorvelNoticeTestWindow", L"other thread", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                    500, 300, 300, 150, NULL, NULL, GetModuleHandleW(NULL), NULL);
    SetEvent(ready);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0)
        DispatchMessageW(&message);
    DestroyWindow(other->window);
}

TEST_F(NoticeTest, ForegroundWindowOfAnotherThreadOfThisProcessOwnsTheBox)
{
    HWND main = Window(L"main", true, true, false);
    OtherThreadWindow other;
    HANDLE ready = CreateEventW(NULL, TRUE, FALSE, NULL);
    other.thread = std::thread(RunOtherThreadWindow, &other, ready);
    WaitForSingleObject(ready, 10000);
    CloseHandle(ready);
    bool inForeground = MakeForeground(other.window);

    OpenBox open;
    if (inForeground)
        Show(L"알림", L"text", { main }, open);
    PostThreadMessageW(other.threadId, WM_QUIT, 0, 0);
    other.thread.join();
    ASSERT_TRUE(inForeground);

    EXPECT_EQ(other.window, open.box.owner);
    // Only this thread's windows are put out of reach; the owner is the other thread's, and
    // only the box itself disables it.
    EXPECT_EQ(std::vector<WindowState>{ (WindowState{ false, false }) }, open.states);
    const std::vector<std::wstring> expected = {
        L"disable main", L"disable other thread", L"box opens", L"enable other thread", L"box closes", L"enable main",
    };
    EXPECT_EQ(expected, Events);
    EXPECT_TRUE(IsWindowEnabled(main));
}
