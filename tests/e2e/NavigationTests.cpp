// Keyboard navigation with real keys through the X server.
#include "EndToEnd.h"

struct KeyStep {
    const wchar_t* keys;
    int focusedId;
};

static void ExpectFocusSteps(HWND window, const KeyStep* steps, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        ASSERT_TRUE(PressKeys(steps[i].keys));
        EXPECT_EQ(steps[i].focusedId, WaitForFocusedControl(window, steps[i].focusedId, 3000))
            << "step " << i + 1 << ": " << testing::PrintToString(std::wstring(steps[i].keys));
    }
}

TEST_F(RunningQuorvelTest, TabVisitsTheFiveTabStopsInOrderAndWraps)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(-1, FocusedControlId(quorvel.window));
    const KeyStep steps[] = {
        { L"Tab", 0 }, { L"Tab", 10 }, { L"Tab", 2 }, { L"Tab", 11 }, { L"Tab", 12 }, { L"Tab", 0 },
        { L"shift+Tab", 12 }, { L"shift+Tab", 11 }, { L"shift+Tab", 2 }, { L"shift+Tab", 10 },
        { L"shift+Tab", 0 }, { L"shift+Tab", 12 },
    };
    ExpectFocusSteps(quorvel.window, steps, sizeof steps / sizeof steps[0]);
}

TEST_F(RunningQuorvelTest, FirstShiftTabFocusesTheLastTabStop)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const KeyStep steps[] = { { L"shift+Tab", 12 }, { L"shift+Tab", 11 } };
    ExpectFocusSteps(quorvel.window, steps, sizeof steps / sizeof steps[0]);
}

// Another program's window comes to the front, as when the user switches applications; the
// user then clicks Quorvel's caption to come back.
class SwitchingTest : public RunningQuorvelTest {
protected:
    PROCESS_INFORMATION other = {};
    void SwitchAway()
    {
        std::wstring commandLine = L"\"" + StandInFolder + L"\\..\\MinimalWindow.exe\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        ASSERT_TRUE(CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &other));
        WaitForInputIdle(other.hProcess, 5000);
        for (int waited = 0; waited < 5000 && GetForegroundWindow() == quorvel.window; waited += 20)
            Sleep(20);
        ASSERT_NE(quorvel.window, GetForegroundWindow());
    }
    void SwitchBack()
    {
        RECT frame;
        GetWindowRect(quorvel.window, &frame);
        POINT client = { 0, 0 };
        ClientToScreen(quorvel.window, &client);
        ASSERT_TRUE(ClickAt((frame.left + frame.right) / 2, (frame.top + client.y) / 2));
        for (int waited = 0; waited < 5000 && GetForegroundWindow() != quorvel.window; waited += 20)
            Sleep(20);
        ASSERT_EQ(quorvel.window, GetForegroundWindow());
    }
    void TearDown() override
    {
        if (other.hProcess) {
            TerminateProcess(other.hProcess, 0);
            CloseHandle(other.hProcess);
            CloseHandle(other.hThread);
        }
        RunningQuorvelTest::TearDown();
    }
};

TEST_F(SwitchingTest, FocusComesBackAfterAnotherWindowWasActive)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const KeyStep steps[] = { { L"Tab", 0 }, { L"Tab", 10 }, { L"Tab", 2 } };
    ExpectFocusSteps(quorvel.window, steps, sizeof steps / sizeof steps[0]);
    SwitchAway();
    SwitchBack();
    EXPECT_EQ(2, WaitForFocusedControl(quorvel.window, 2, 3000));
}

TEST_F(RunningQuorvelTest, SpaceOnAFocusedOpenPageButtonPressesItOnce)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const KeyStep steps[] = { { L"Tab", 0 }, { L"Tab", 10 } };
    ExpectFocusSteps(quorvel.window, steps, sizeof steps / sizeof steps[0]);
    ASSERT_TRUE(PressKeys(L"space"));
    std::vector<std::wstring> calls = WaitForCalls(quorvel.folder, L"explorer.exe", 1, 10000);
    ASSERT_TRUE(WaitUntilHandled(quorvel.window, 10000));
    Sleep(300);
    calls = RecordedCalls(quorvel.folder, L"explorer.exe");
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(L"\"explorer.exe\" https://support.hp.com/kr-ko/drivers", calls[0]);
}

TEST_F(RunningQuorvelTest, EnterAndEscapeMeanNothingToTheWindow)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const KeyStep steps[] = { { L"Tab", 0 }, { L"Tab", 10 } };
    ExpectFocusSteps(quorvel.window, steps, sizeof steps / sizeof steps[0]);
    ASSERT_TRUE(PressKeys(L"Return Escape"));
    EXPECT_TRUE(NoMessageBoxWithin(quorvel.process.dwProcessId, 1000));
    EXPECT_TRUE(RecordedCalls(quorvel.folder, L"explorer.exe").empty());
    EXPECT_EQ(10, FocusedControlId(quorvel.window));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), WaitForExit(quorvel, 0));
}

TEST_F(RunningQuorvelTest, FocusComesBackToThePressedButtonAfterItsBox)
{
    // The mainboard list loses its selection, so its button brings up the notice; the wide
    // button brings up the summary. Each box is closed with Enter, as a user would.
    const struct {
        int button;
        std::vector<const wchar_t*> tabs;
    } table[] = {
        { 10, { L"Tab", L"Tab" } },
        { 12, { L"shift+Tab" } },
    };
    for (const auto& row : table) {
        ASSERT_NO_FATAL_FAILURE(Start());
        WriteBytesFile(quorvel.folder + L"\\powershell.exe.out", "Test Adapter\r\n");
        SendMessageW(ControlById(quorvel.window, 0), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        for (const wchar_t* keys : row.tabs)
            ASSERT_TRUE(PressKeys(keys));
        ASSERT_EQ(row.button, WaitForFocusedControl(quorvel.window, row.button, 3000));
        ASSERT_TRUE(PressKeys(L"space"));
        MessageBoxInfo box;
        ASSERT_TRUE(WaitForMessageBox(quorvel.process.dwProcessId, 20000, box)) << "button " << row.button;
        ASSERT_TRUE(PressKeys(L"Return"));
        EXPECT_TRUE(WaitUntilGone(box.handle, 5000)) << "button " << row.button;
        EXPECT_EQ(row.button, WaitForFocusedControl(quorvel.window, row.button, 3000)) << "button " << row.button;
        StopQuorvel(quorvel);
    }
}
