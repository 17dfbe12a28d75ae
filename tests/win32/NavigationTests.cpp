// Keyboard navigation inside the real main window: focus cues through the UI-state
// messages, and the remembered focus across deactivation. Wine's own windows keep no UI
// state (WM_QUERYUISTATE always answers 0), so the main window is subclassed to keep one the
// way Windows does, and to record what the program asks of it.
#include "app/MainWindow.h"
#include "app/Navigation.h"
#include "catalogue/Catalogue.h"

#include "Harness.h"

#include <gtest/gtest.h>

static WNDPROC OriginalMainWindowProc;
static LRESULT HeldUiState;
static std::vector<WPARAM> UiStateUpdates;

static LRESULT CALLBACK UiStateKeepingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_QUERYUISTATE)
        return HeldUiState;
    if (message == WM_UPDATEUISTATE) {
        UiStateUpdates.push_back(wParam);
        if (LOWORD(wParam) == UIS_SET)
            HeldUiState |= HIWORD(wParam);
        else if (LOWORD(wParam) == UIS_CLEAR)
            HeldUiState &= ~static_cast<LRESULT>(HIWORD(wParam));
        return 0;
    }
    return CallWindowProcW(OriginalMainWindowProc, window, message, wParam, lParam);
}

static const LRESULT CuesHidden = UISF_HIDEFOCUS | UISF_HIDEACCEL;

class NavigationTest : public testing::Test {
protected:
    void SetUp() override
    {
        StartUserInterface();
        BuildCatalogues();
        ASSERT_TRUE(OpenMainWindow(0, 0, 580, 200, L"Quorvel", true, true));
        CreateMainControls();
        OriginalMainWindowProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UiStateKeepingProc)));
        HeldUiState = CuesHidden;
        UiStateUpdates.clear();
        PumpFor(200);
    }
    void TearDown() override { ShutDownUserInterface(); }

    // Lets the program's own event loop take what has arrived.
    static void PumpFor(DWORD milliseconds)
    {
        DWORD start = GetTickCount();
        while (GetTickCount() - start < milliseconds) {
            MSG message;
            if (PeekMessageW(&message, NULL, 0, 0, PM_NOREMOVE))
                WaitEvent();
            else
                Sleep(10);
        }
    }
};

TEST_F(NavigationTest, CuesAreShownOrHiddenOnlyWhenTheyAreNotAlready)
{
    const WPARAM clear = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL);
    const WPARAM set = MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL);
    const struct {
        bool show;
        LRESULT before;
        std::vector<WPARAM> sent;
    } table[] = {
        { true, CuesHidden, { clear } },
        { true, UISF_HIDEFOCUS, { clear } },
        { true, UISF_HIDEACCEL, { clear } },
        { true, 0, {} },
        { false, 0, { set } },
        { false, UISF_HIDEACCEL, { set } },
        { false, CuesHidden, {} },
    };
    for (const auto& row : table) {
        HeldUiState = row.before;
        UiStateUpdates.clear();
        if (row.show)
            ShowFocusCues(MainWindow);
        else
            HideFocusCues(MainWindow);
        EXPECT_EQ(row.sent, UiStateUpdates) << (row.show ? "show" : "hide") << " from " << row.before;
    }
}

TEST_F(NavigationTest, ModifierKeysShowTheCues)
{
    ASSERT_EQ(MainWindow, GetForegroundWindow());
    // Alt alone enters the system menu's keyboard mode, which Escape leaves again.
    for (const wchar_t* keys : { L"ctrl", L"shift", L"alt Escape" }) {
        HeldUiState = CuesHidden;
        ASSERT_TRUE(PressKeys(keys));
        PumpFor(500);
        EXPECT_EQ(0, HeldUiState) << testing::PrintToString(std::wstring(keys));
    }
}

TEST_F(NavigationTest, PlainKeysLeaveTheCuesHidden)
{
    ASSERT_TRUE(PressKeys(L"a Down"));
    PumpFor(500);
    EXPECT_EQ(CuesHidden, HeldUiState);
}

TEST_F(NavigationTest, DeactivationHidesTheCuesAndActivationGivesTheFocusBack)
{
    HWND list = GetDlgItem(MainWindow, GraphicsList);
    SetFocus(list);
    HeldUiState = 0;
    HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, NULL, NULL,
                                 NULL, NULL);
    SetActiveWindow(other);
    PumpFor(200);
    EXPECT_EQ(CuesHidden, HeldUiState);
    EXPECT_NE(list, GetFocus());

    SetActiveWindow(MainWindow);
    PumpFor(200);
    EXPECT_EQ(list, GetFocus());
    DestroyWindow(other);
}

TEST_F(NavigationTest, ActivationIsAnsweredWithoutMovingTheFocus)
{
    // No control was focused before: activating again leaves it so, and the answer is 1.
    EXPECT_EQ(1, SendMessageW(MainWindow, WM_ACTIVATE, WA_ACTIVE, 0));
    EXPECT_FALSE(IsChild(MainWindow, GetFocus()));
    EXPECT_EQ(1, SendMessageW(MainWindow, WM_ACTIVATE, WA_INACTIVE, 0));
}
