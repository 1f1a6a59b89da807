// The About and Help boxes: their templates exactly, the real boxes as they
// open (owner, size, font, controls, focus, texts that fit), every way of
// closing them, each opened from the menu and directly.
#include "tests/win/boxdriver.h"
#include "tests/win/template.h"

struct BoxControl {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD and WS_VISIBLE
    short x, y, width, height;
    WORD icon;  // an icon resource shown instead of a text
};

// The About box's author, contact and note lines are Ledgerly's own.
static const BoxControl AboutControls[] = {
    {IDOK, "Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 139, 70, 35, 14, 0},
    {IDC_VERSIONTEXT, "Static", "Ledgerly 1.0.0", WS_GROUP | SS_LEFT, 50, 16, 99, 9, 0},
    {-1, "Static", "See issue tracker", WS_GROUP | SS_LEFT, 51, 39, 60, 9, 0},
    {-1, "Static", "", SS_ICON, 16, 14, 20, 20, IDI_LEDGERLY},
    {-1, "Button", "", BS_GROUPBOX, 8, 3, 165, 62, 0},
    {-1, "Static", "By the Ledgerly developers", WS_GROUP | SS_LEFT, 51, 28, 96, 8, 0},
    {-1, "Static", "Keeps no files, settings or history.", WS_GROUP | SS_LEFT, 10, 73, 127, 8,
     0},
};

static const BoxControl HelpControls[] = {
    {IDOK, "Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 221, 110, 41, 14, 0},
    {-1, "Static",
     "To calculate a monthly payment on an $80,000, 360-month mortgage at 8.00 percent "
     "interest rate:",
     WS_GROUP, 60, 16, 173, 18, 0},
    {-1, "Static", "Double tap on the \"Quilmo\" icon to launch the Ledgerly.", WS_GROUP, 25, 35,
     239, 8, 0},
    {-1, "Static",
     "Tap on the word \"Loan:\" (that one with a colon) on the left of the program window.  "
     "Now \"80000\" is displayed on the input field for \"Loan:\".",
     WS_GROUP, 25, 63, 240, 17, 0},
    {-1, "Static",
     "Tap 80000 (the \"8\" button, followed by four \"0\" buttons) on the on-screen "
     "calculator's numerical pads to generate \"80000\" on the calculator screen.",
     WS_GROUP, 25, 45, 243, 16, 0},
    {-1, "Static", "Tap on \"C\" or \"CE\" to clear the calculator screen.", WS_GROUP, 25, 80, 169,
     8, 0},
    {-1, "Static", "Tap on the \"Calculate It\" button to get the answer.", WS_GROUP, 25, 108,
     168, 11, 0},
    {-1, "Static",
     "Similarly, you can send \"360\" and \"8\" to the \"Month\" and \"Interest Rate\" input "
     "fields respectively.",
     WS_GROUP, 25, 90, 238, 18, 0},
    {-1, "Static", "1.", WS_GROUP, 14, 35, 10, 8, 0},
    {-1, "Static", "2.", WS_GROUP, 14, 45, 10, 8, 0},
    {-1, "Static", "3.", WS_GROUP, 14, 63, 10, 8, 0},
    {-1, "Static", "4.", WS_GROUP, 14, 80, 10, 8, 0},
    {-1, "Static", "5.", WS_GROUP, 14, 90, 10, 8, 0},
    {-1, "Static", "6.", WS_GROUP, 14, 108, 10, 8, 0},
    {-1, "Button", "", BS_GROUPBOX, 7, 3, 265, 127, 0},
};

struct BoxRow {
    int templateId;
    WORD command;  // the menu command that opens it
    DLGPROC proc;
    const char* title;
    short width, height;
    const BoxControl* controls;
    int count;
};

static const BoxRow Boxes[] = {
    {IDD_ABOUTBOX, IDM_ABOUT, AboutBoxProc, "About Ledgerly", 180, 90, AboutControls,
     sizeof AboutControls / sizeof AboutControls[0]},
    {IDD_HELPBOX, IDM_HELP, HelpBoxProc, "Help", 280, 137, HelpControls,
     sizeof HelpControls / sizeof HelpControls[0]},
};

constexpr DWORD BoxStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT;

// The resource holds exactly the table: styles, size, title, font, and every
// control in order with its id, class, text, styles and rectangle.
static void CheckTemplate(const BoxRow& row)
{
    DialogTemplate t;
    if (!CHECK(LoadDialogTemplate(row.templateId, &t)))
        return;
    CHECK_INT(t.style, BoxStyle, row.title);
    CHECK_INT(t.exStyle, 0, row.title);
    CHECK(t.x == 0 && t.y == 0 && t.width == row.width && t.height == row.height);
    CHECK_TEXT(t.title, row.title, "box title");
    CHECK_TEXT(t.font, "MS Sans Serif", row.title);
    CHECK(t.pointSize == 8 && t.weight == FW_NORMAL && t.italic == 0);
    CHECK_INT(t.count, row.count, row.title);
    for (int i = 0; i < t.count && i < row.count; ++i) {
        const TemplateItem& item = t.items[i];
        const BoxControl& c = row.controls[i];
        char what[96];
        wsprintfA(what, "%s item %d", row.title, i);
        CHECK_INT(item.id, static_cast<WORD>(c.id), what);
        CHECK(lstrcmpiA(item.className, c.className) == 0);
        CHECK_TEXT(item.text, c.text, what);
        CHECK_INT(item.textOrdinal, c.icon, what);
        CHECK_INT(item.style, WS_CHILD | WS_VISIBLE | c.style, what);
        CHECK_INT(item.exStyle, 0, what);
        CHECK(item.x == c.x && item.y == c.y && item.width == c.width &&
              item.height == c.height);
    }
}

static const BoxRow* Inspected;  // the box the inspector expects
static int Inspections;

// A static's text laid out as the control draws it (word-wrapped, in its own
// font) needs no more room than the control has.
static void CheckTextFits(HWND control, const char* text, const char* what)
{
    RECT client;
    GetClientRect(control, &client);
    RECT need = WrappedTextNeed(control, text, DT_EXPANDTABS);
    if (!CheckTrue(need.right <= client.right && need.bottom <= client.bottom, what, __FILE__,
                   __LINE__))
        printf("    needs %ld x %ld pixels, has %ld x %ld\n", need.right, need.bottom,
               client.right, client.bottom);
}

// The open box against the table: owner, style, place, client size, font, the
// controls in creation order at their rectangles, and the focus on OK.
static void InspectBox(HWND box)
{
    const BoxRow& row = *Inspected;
    ++Inspections;
    CHECK_TEXT(TextOf(box), row.title, "open box title");
    CHECK(GetWindow(box, GW_OWNER) == MainWindow);
    CHECK(!IsWindowEnabled(MainWindow));
    CHECK(GetFocus() == GetDlgItem(box, IDOK));
    DWORD want = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    CHECK_INT(GetWindowLongA(box, GWL_STYLE) & want, want, "open box style");
    CHECK(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

    RECT client;
    GetClientRect(box, &client);
    CHECK_RECT(client, DialogRect(box, 0, 0, row.width, row.height), "client size");

    // Centred on the work area.
    RECT work, frame;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(box, &frame);
    CHECK(abs((frame.left + frame.right) - (work.left + work.right)) <= 2);
    CHECK(abs((frame.top + frame.bottom) - (work.top + work.bottom)) <= 2);

    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font, &font);
    CHECK_TEXT(font.lfFaceName, "MS Sans Serif", "box font");
    HDC screen = GetDC(nullptr);
    CHECK_INT(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), "8 points");
    ReleaseDC(nullptr, screen);
    CHECK(font.lfWeight == FW_NORMAL && !font.lfItalic);

    HWND child = GetWindow(box, GW_CHILD);
    for (int i = 0; i < row.count; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
        const BoxControl& c = row.controls[i];
        char what[96];
        wsprintfA(what, "%s control %d", row.title, i);
        if (!CheckTrue(child != nullptr, what, __FILE__, __LINE__))
            return;
        CHECK_INT(static_cast<WORD>(GetDlgCtrlID(child)), static_cast<WORD>(c.id), what);
        CHECK(lstrcmpiA(ClassOf(child), c.className) == 0);
        RECT expected = DialogRect(box, c.x, c.y, c.width, c.height);
        RECT actual = RectInParent(child);
        if (c.icon) {
            // An icon control takes the icon's own size at its place.
            CHECK(SendMessageA(child, STM_GETICON, 0, 0) != 0);
            expected.right = expected.left + (actual.right - actual.left);
            expected.bottom = expected.top + (actual.bottom - actual.top);
        } else {
            CHECK_TEXT(TextOf(child), c.text, what);
        }
        CHECK_RECT(actual, expected, what);
        if (lstrcmpiA(c.className, "Static") == 0 && c.text[0])
            CheckTextFits(child, c.text, what);
    }
    CHECK(child == nullptr);
}

// Each way of closing, on each box, opened both from the menu and with
// DialogBoxParamA directly: the box closes, the call returns 0, and the
// main window is usable again.
static void CheckClosing(const BoxRow& row)
{
    static const CloseBy ways[] = {CloseByOkClick, CloseByEnter,   CloseByEscape,  CloseBySysClose,
                                   CloseByWmClose, CloseByIdOk, CloseByIdCancel};
    for (CloseBy how : ways) {
        char what[96];
        wsprintfA(what, "%s closed by way %d", row.title, how);
        ArmBoxDriver(how);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(BoxesSeen, 1, what);
        CHECK_INT(BoxesStuck, 0, what);
        CHECK_TEXT(BoxCaption, row.title, what);
        CHECK(IsWindowEnabled(MainWindow));

        ArmBoxDriver(how);
        INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(row.templateId), MainWindow,
                                         row.proc, 0);
        DisarmBoxDriver();
        CHECK_INT(result, 0, what);
        CHECK_INT(BoxesSeen, 1, what);
        CHECK(FindOpenBox() == nullptr);
    }
}

// Commands other than OK and Cancel, and other messages, leave the box open.
static void SendStrayCommands(HWND box)
{
    const WORD ids[] = {0, 3, IDC_VERSIONTEXT, IDM_ABOUT, IDM_EXIT, 65535};
    for (WORD id : ids) {
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
        CHECK(IsWindowVisible(box));
        CHECK_INT(Inspected->proc(box, WM_COMMAND, id, 0), TRUE, "other id answered TRUE");
    }
    CHECK_INT(Inspected->proc(box, WM_INITDIALOG, 0, 0), TRUE, "initdialog answer");
    CHECK_INT(Inspected->proc(box, WM_USER + 5, 0, 0), FALSE, "other message");
    CHECK_INT(Inspected->proc(box, WM_TIMER, 0, 0), FALSE, "other message");
    CHECK(IsWindowVisible(box) && IsWindow(MainWindow));
}

int main()
{
    HarnessStart();
    if (!CHECK(StartLedgerly() != nullptr))
        return HarnessFinish("boxes");
    for (const BoxRow& row : Boxes) {
        CheckTemplate(row);

        Inspected = &row;
        Inspections = 0;
        ArmBoxDriver(CloseByOkClick, InspectBox);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(Inspections, 1, row.title);

        ArmBoxDriver(CloseByEscape, SendStrayCommands);
        SendMessageA(MainWindow, WM_COMMAND, MAKEWPARAM(row.command, 0), 0);
        DisarmBoxDriver();
        CHECK_INT(BoxesStuck, 0, "closed after stray commands");

        CheckClosing(row);
    }
    // The owner is usable again and active, the focus back on the "7" key
    // where start-up put it.
    CHECK(IsWindowEnabled(MainWindow));
    CHECK(GetActiveWindow() == MainWindow);
    CHECK(GetFocus() == GetDlgItem(MainPanel, IDC_KEY7));
    DestroyWindow(MainWindow);
    return HarnessFinish("boxes");
}
