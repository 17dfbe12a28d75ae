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
