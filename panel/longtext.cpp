// A field whose text is wider than the field (a page's amount field, or the
// edit field of a term box): a mark over the field's right end says that
// the text goes on, and a tip on the field shows the whole text, so a long
// result or rate is neither cut off unseen nor taken for a shorter number.
#include <windows.h>
#include <commctrl.h>
#include "panel/panel.h"
#include "res/resource.h"
#include "shell/shell.h"

// One tip window for the fields of every page and the term boxes.
static HWND FieldTip;

// The longest text the program writes into a field: the largest double
// with two places has 309 whole digits, then a sign, a point and the places.
constexpr int LongTextSize = 320;
static char LongText[LongTextSize];

// The mark's text, on a face of its own inside the field.
constexpr const char* MarkText = "...";

static bool IsField(int id)
{
    return id == IDC_LEFTFIELD || id == IDC_RIGHTFIELD;
}

static SIZE TextExtent(HWND control, const char* text)
{
    HDC dc = GetDC(control);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    if (old)
        SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

// Whether the text fits the field's formatting rectangle.
static bool TextFits(HWND field, const char* text)
{
    RECT format = {};
    SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return TextExtent(field, text).cx <= format.right - format.left;
}

// The tool of a field, as the tip knows it: the field's parent and the
// field. Only the first version's fields: the common controls of Windows 95
// know no others.
static TOOLINFOA FieldTool(HWND field, char* text)
{
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(field);
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = text;
    return tool;
}

// The mark: a small static control inside the field, over its right end.
// The field clips it out of its own drawing, so typing never paints over it.
static void AddMark(HWND field)
{
    SIZE text = TextExtent(field, MarkText);
    RECT client;
    GetClientRect(field, &client);
    int width = text.cx + text.cx / 2;
    HWND mark = CreateWindowExA(0, "Static", MarkText, WS_CHILD | SS_CENTER,
                                client.right - width, 0, width, client.bottom, field, nullptr,
                                AppInstance, nullptr);
    SendMessageA(mark, WM_SETFONT, SendMessageA(field, WM_GETFONT, 0, 0), FALSE);
    SetWindowLongA(field, GWL_STYLE, GetWindowLongA(field, GWL_STYLE) | WS_CLIPCHILDREN);
}

void AddLongTextMark(HWND field)
{
    if (!FieldTip)
        FieldTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   GetParent(field), nullptr, AppInstance, nullptr);
    char none[] = "";
    TOOLINFOA tool = FieldTool(field, none);
    SendMessageA(FieldTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    AddMark(field);
}

void AddLongTextMarks(HWND page)
{
    AddLongTextMark(GetDlgItem(page, IDC_LEFTFIELD));
    AddLongTextMark(GetDlgItem(page, IDC_RIGHTFIELD));
}

// Called after a field's text changed or it got or lost the focus. While the
// field has the focus the mark stands aside, so the end of the text can be
// read and edited; once it loses the focus, the field shows the text from
// its start.
void ShowLongText(HWND field)
{
    GetWindowTextA(field, LongText, LongTextSize);
    bool fits = TextFits(field, LongText);
    char none[] = "";
    TOOLINFOA tool = FieldTool(field, fits ? none : LongText);
    SendMessageA(FieldTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    bool focused = GetFocus() == field;
    if (!fits && !focused) {
        SendMessageA(field, EM_SETSEL, 0, 0);
        SendMessageA(field, EM_SCROLLCARET, 0, 0);
    }
    ShowWindow(GetWindow(field, GW_CHILD), !fits && !focused ? SW_SHOWNA : SW_HIDE);
}

// Called for every command of a page; only a field's notifications (its
// text changed, it got or lost the focus) matter.
void ShowPageLongText(HWND page, int id)
{
    if (IsField(id))
        ShowLongText(GetDlgItem(page, id));
}
