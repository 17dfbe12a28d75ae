#include "app/Navigation.h"

#include "app/MainWindow.h"

static HACCEL NavigationKeys;
static HWND RememberedFocus;

void CreateNavigationKeys()
{
    ACCEL keys[] = {
        { FVIRTKEY | FNOINVERT, VK_TAB, FocusNextCommand },
        { FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, FocusPreviousCommand },
    };
    NavigationKeys = CreateAcceleratorTableW(keys, 2);
}

void DestroyNavigationKeys()
{
    if (NavigationKeys)
        DestroyAcceleratorTable(NavigationKeys);
    NavigationKeys = NULL;
    RememberedFocus = NULL;
}

static bool ModifierDown()
{
    return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0;
}

bool OfferNavigationKey(MSG& message)
{
    HWND active = GetActiveWindow();
    if (active && ModifierDown())
        ShowFocusCues(active);
    if (!active || active != MainWindow || !NavigationKeys)
        return false;
    if (!TranslateAcceleratorW(active, NavigationKeys, &message))
        return false;
    ShowFocusCues(active);
    return true;
}

void RunNavigationCommand(WORD command)
{
    if (command == FocusNextCommand)
        FocusNextControl();
    else if (command == FocusPreviousCommand)
        FocusPreviousControl();
}

LRESULT OnActivate(HWND window, WORD state)
{
    if (state == WA_INACTIVE) {
        RememberedFocus = GetFocus();
        HideFocusCues(window);
    } else if (RememberedFocus) {
        SetFocus(RememberedFocus);
    }
    // Not passed on: activation by itself never moves the focus.
    return 1;
}

static BOOL CALLBACK CollectTabStop(HWND child, LPARAM context)
{
    if (IsWindowEnabled(child) && IsWindowVisible(child) && (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP))
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
    return TRUE;
}

static std::vector<HWND> TabStopsOf(HWND active)
{
    std::vector<HWND> tabStops;
    if (active)
        EnumChildWindows(active, CollectTabStop, reinterpret_cast<LPARAM>(&tabStops));
    return tabStops;
}

static HWND CurrentControl(HWND active)
{
    HWND focus = GetFocus();
    return active && focus && IsChild(active, focus) ? focus : NULL;
}

HWND NextTabStop(const std::vector<HWND>& tabStops, HWND current)
{
    if (tabStops.empty())
        return NULL;
    if (!current)
        return tabStops.front();
    for (size_t i = 0; i < tabStops.size(); ++i) {
        if (tabStops[i] == current)
            return i + 1 < tabStops.size() ? tabStops[i + 1] : tabStops.front();
    }
    return NULL; // the current control is no tab stop
}

HWND PreviousTabStop(const std::vector<HWND>& tabStops, HWND current)
{
    if (tabStops.empty())
        return NULL;
    for (size_t i = 1; i < tabStops.size(); ++i) {
        if (tabStops[i] == current)
            return tabStops[i - 1];
    }
    return tabStops.back();
}

void FocusNextControl()
{
    HWND active = GetActiveWindow();
    HWND next = NextTabStop(TabStopsOf(active), CurrentControl(active));
    if (next)
        SetFocus(next);
}

void FocusPreviousControl()
{
    HWND active = GetActiveWindow();
    HWND previous = PreviousTabStop(TabStopsOf(active), CurrentControl(active));
    if (previous)
        SetFocus(previous);
}

void ShowFocusCues(HWND window)
{
    LRESULT state = SendMessageW(window, WM_QUERYUISTATE, 0, 0);
    if (state & (UISF_HIDEFOCUS | UISF_HIDEACCEL))
        SendMessageW(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

void HideFocusCues(HWND window)
{
    LRESULT state = SendMessageW(window, WM_QUERYUISTATE, 0, 0);
    if ((state & (UISF_HIDEFOCUS | UISF_HIDEACCEL)) != (UISF_HIDEFOCUS | UISF_HIDEACCEL))
        SendMessageW(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}
