// The main window, its seven controls and the queue of events that the window procedure
// fills and WaitEvent empties.
#include "app/MainWindow.h"

#include "app/Layout.h"
#include "app/Navigation.h"
#include "catalogue/Catalogue.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <deque>

HWND MainWindow;

static const wchar_t MainWindowClass[] = L"QuorvelMainWindow";

// Read once at start-up; a later change of the display scale is not followed.
static int ScreenDpiX = 96;
static int ScreenDpiY = 96;

static HICON ClassIcon;
static HCURSOR ClassCursor;
static HFONT ControlFont;
static bool ControlFontIsStock;

// Asked once, when the first list is created: -1 until then.
static int VisualStylesAnswer = -1;

// Labels are never referred to again, but each still gets an identifier of its own,
// well away from the ids the program acts on.
static int NextLabelId = 100;

struct QueuedEvent {
    EventKind kind;
    int control;
};
static std::deque<QueuedEvent> EventQueue;
static int CurrentEventControl = -1;

enum ControlKind { LabelControl, DropDownListControl, ButtonControl };

struct ControlLayout {
    ControlKind kind;
    int id;
    int x, y, width, height;
    const wchar_t* text;
    Catalogue* catalogue; // the list's contents, filled right after the list is created
};

// Creation order is also the order of the tab stops.
static const ControlLayout MainControls[] = {
    { LabelControl, 0, 20, 10, 200, 20, L"\U0001F5A5\uFE0F 메인보드 제조사", nullptr },
    { DropDownListControl, MainboardList, 20, 30, 240, 25, nullptr, &MainboardCatalogue },
    { ButtonControl, OpenMainboardPageButton, 20, 70, 240, 30, L"메인보드 드라이버 페이지 열기", nullptr },
    { LabelControl, 0, 280, 10, 200, 20, L"\U0001F3AE 그래픽카드 제조사", nullptr },
    { DropDownListControl, GraphicsList, 280, 30, 260, 25, nullptr, &GraphicsCatalogue },
    { ButtonControl, OpenGraphicsPageButton, 280, 70, 260, 30, L"그래픽 드라이버 페이지 열기", nullptr },
    { ButtonControl, DetectSpecsButton, 20, 120, 520, 30, L"\U0001F9FE 사양 자동 감지", nullptr },
};

int ScaleX(int units)
{
    return MulDiv(units, ScreenDpiX, 96);
}

int ScaleY(int units)
{
    return MulDiv(units, ScreenDpiY, 96);
}

static void ReadScreenDpi()
{
    HDC screen = GetDC(NULL);
    ScreenDpiX = GetDeviceCaps(screen, LOGPIXELSX);
    ScreenDpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
}

static void CreateControlFont()
{
    // 500 bytes: the structure without its last field, which older systems do not know.
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = 500;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        ControlFont = CreateFontIndirectW(&metrics.lfMessageFont);
        ControlFontIsStock = false;
    } else {
        ControlFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        ControlFontIsStock = true;
    }
}

void StartUserInterface()
{
    ReadScreenDpi();
    ClassIcon = LoadIconW(GetModuleHandleW(NULL), MAKEINTRESOURCEW(1));
    ClassCursor = LoadCursorW(NULL, IDC_ARROW);
    CreateControlFont();
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_TAB_CLASSES | ICC_HOTKEY_CLASS | ICC_DATE_CLASSES
                                                         | ICC_USEREX_CLASSES | ICC_INTERNET_CLASSES };
    InitCommonControlsEx(&classes);
    CoInitialize(NULL);
}

void ShutDownUserInterface()
{
    if (MainWindow) {
        DestroyWindow(MainWindow); // takes the controls and the accelerator table with it
        MainWindow = NULL;
        UnregisterClassW(MainWindowClass, GetModuleHandleW(NULL));
    }
    if (ClassIcon)
        DestroyIcon(ClassIcon);
    ClassIcon = NULL;
    if (ControlFont && !ControlFontIsStock)
        DeleteObject(ControlFont);
    ControlFont = NULL;
    EventQueue.clear();
    CoUninitialize();
}

static bool IsListControl(HWND control)
{
    wchar_t className[16] = L"";
    GetClassNameW(control, className, 16);
    return lstrcmpiW(className, WC_COMBOBOXW) == 0;
}

static void QueueEvent(EventKind kind, int control)
{
    QueuedEvent event = { kind, control };
    EventQueue.push_back(event);
}

static LRESULT OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    WORD code = HIWORD(wParam);
    if (!control) {
        if (code == 1)
            RunNavigationCommand(LOWORD(wParam));
        return 0;
    }
    // A button speaks for each press; a list only when the user changed its selection.
    bool raised = IsListControl(control) ? code == CBN_SELCHANGE : code == BN_CLICKED;
    if (raised)
        QueueEvent(ControlEvent, static_cast<int>(GetWindowLongPtrW(control, GWLP_ID)));
    return 0;
}

static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_CLOSE:
        // The window stays open until shut-down destroys it.
        QueueEvent(CloseRequest, -1);
        return 0;
    case WM_ACTIVATE:
        return OnActivate(window, LOWORD(wParam));
    case WM_DESTROY:
        DestroyNavigationKeys();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static void CentreWindow(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    int x = CentredOrigin(rect.right - rect.left, GetSystemMetrics(SM_CXSCREEN));
    int y = CentredOrigin(rect.bottom - rect.top, GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool OpenMainWindow(int x, int y, int clientWidth, int clientHeight, const wchar_t* caption,
                    bool systemMenu, bool centred)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    WNDCLASSW windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ClassIcon;
    windowClass.hCursor = ClassCursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = MainWindowClass;
    RegisterClassW(&windowClass);

    // No minimize or maximize box and no sizing border: the window has one fixed size.
    DWORD style = WS_CAPTION | (systemMenu ? WS_SYSMENU : 0);
    RECT outer = { 0, 0, ScaleX(clientWidth), ScaleY(clientHeight) };
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    MainWindow = CreateWindowExW(0, MainWindowClass, caption, style, ScaleX(x), ScaleY(y),
                                 outer.right - outer.left, outer.bottom - outer.top, NULL, NULL, instance, NULL);
    if (!MainWindow) {
        UnregisterClassW(MainWindowClass, instance);
        return false;
    }
    if (centred)
        CentreWindow(MainWindow);
    ShowWindow(MainWindow, SW_SHOWNORMAL);
    CreateNavigationKeys();
    return true;
}

static HWND CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, int id,
                          int x, int y, int width, int pixelHeight)
{
    HWND control = CreateWindowExW(0, className, text, style, ScaleX(x), ScaleY(y), ScaleX(width), pixelHeight,
                                   MainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(NULL), NULL);
    if (control)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont), TRUE);
    return control;
}

HWND CreateLabel(int x, int y, int width, int height, const wchar_t* text)
{
    return CreateControl(WC_STATICW, text, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, NextLabelId++,
                         x, y, width, ScaleY(height));
}

HWND CreateButton(int id, int x, int y, int width, int height, const wchar_t* text)
{
    return CreateControl(WC_BUTTONW, text, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, id,
                         x, y, width, ScaleY(height));
}

static bool AskVisualStyles()
{
    bool appThemed = false;
    HMODULE uxtheme = LoadLibraryExW(L"uxtheme.dll", NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (uxtheme) {
        typedef BOOL(WINAPI * IsAppThemedProc)();
        IsAppThemedProc isAppThemed = reinterpret_cast<IsAppThemedProc>(
            reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
        appThemed = isAppThemed && isAppThemed();
        FreeLibrary(uxtheme);
    }
    DWORD version = 0;
    HMODULE comctl = LoadLibraryExW(L"COMCTL32.DLL", NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (comctl) {
        DLLGETVERSIONPROC dllGetVersion = reinterpret_cast<DLLGETVERSIONPROC>(
            reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof info;
        if (dllGetVersion && SUCCEEDED(dllGetVersion(&info)))
            version = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
        FreeLibrary(comctl);
    }
    return VisualStylesInEffect(appThemed, version);
}

bool VisualStylesAreInEffect()
{
    if (VisualStylesAnswer < 0)
        VisualStylesAnswer = AskVisualStyles() ? 1 : 0;
    return VisualStylesAnswer == 1;
}

HWND CreateSizedDropDownList(int id, int x, int y, int width, int height, bool visualStyles)
{
    int closedHeight = ScaleY(height);
    HWND list = CreateControl(WC_COMBOBOXW, L"",
                              WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST,
                              id, x, y, width, DropDownCreationHeight(visualStyles, closedHeight));
    if (!list)
        return NULL;
    // The closed height follows the font; measure it with a known field height, then set
    // the field so that the whole list is exactly closedHeight tall.
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ProbeSelectionFieldHeight);
    RECT rect;
    GetWindowRect(list, &rect);
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 SelectionFieldHeight(closedHeight, rect.bottom - rect.top));
    return list;
}

HWND CreateDropDownList(int id, int x, int y, int width, int height)
{
    return CreateSizedDropDownList(id, x, y, width, height, VisualStylesAreInEffect());
}

void CreateMainControls()
{
    for (const ControlLayout& layout : MainControls) {
        switch (layout.kind) {
        case LabelControl:
            CreateLabel(layout.x, layout.y, layout.width, layout.height, layout.text);
            break;
        case DropDownListControl:
            CreateDropDownList(layout.id, layout.x, layout.y, layout.width, layout.height);
            FillListFromCatalogue(layout.id, *layout.catalogue);
            break;
        case ButtonControl:
            CreateButton(layout.id, layout.x, layout.y, layout.width, layout.height, layout.text);
            break;
        }
    }
}

void AppendListItem(int listId, const wchar_t* text)
{
    SendDlgItemMessageW(MainWindow, listId, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
}

void SelectListItem(int listId, int index)
{
    SendDlgItemMessageW(MainWindow, listId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void FillListFromCatalogue(int listId, Catalogue& catalogue)
{
    ResetIteration(catalogue);
    while (const CatalogueEntry* entry = NextEntry(catalogue))
        AppendListItem(listId, entry->key.c_str());
    SelectListItem(listId, 0);
}

std::wstring GetControlText(int controlId)
{
    HWND control = GetDlgItem(MainWindow, controlId);
    int length = GetWindowTextLengthW(control);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(control, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

EventKind WaitEvent()
{
    if (!EventQueue.empty()) {
        QueuedEvent event = EventQueue.front();
        EventQueue.pop_front();
        CurrentEventControl = event.control;
        return event.kind;
    }
    MSG message;
    if (GetMessageW(&message, NULL, 0, 0) > 0 && !OfferNavigationKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Whatever the message queued is yielded by the following calls, oldest first.
    return IgnoredEvent;
}

int EventControl()
{
    return CurrentEventControl;
}
