// Copy: the shown statement onto the clipboard as text and as SYLK, waiting
// for a clipboard that another program holds.
#include "schedule/parts.h"

#include "finance/table.h"
#include "res/resource.h"
#include "runtime/runtime.h"

// What the note says when Copy could not copy: the clipboard stayed busy,
// there was no memory for the table, or the clipboard did not take the
// table, or only one of its two forms.
constexpr const char* ClipboardBusyNote =
    "Nothing was copied: another program is using the clipboard. Press Copy to try again.";
constexpr const char* NoMemoryNote = "Nothing was copied: there is not enough memory for the table.";
constexpr const char* NotTakenNote =
    "Nothing was copied: the clipboard did not take the table. Press Copy to try again.";
constexpr const char* TextOnlyNote = "Only the text was copied: the clipboard did not take the "
                                     "spreadsheet form. Press Copy to try again.";
constexpr const char* SylkOnlyNote = "Only the spreadsheet form was copied: the clipboard did "
                                     "not take the text. Press Copy to try again.";
const char* const CopyNotes[CopyNoteCount] = {ClipboardBusyNote, NoMemoryNote, NotTakenNote,
                                              TextOnlyNote, SylkOnlyNote};

// A block of global memory holding the table in a form, for the clipboard;
// null where there is no memory for it.
static HGLOBAL TableMemory(int form)
{
    HGLOBAL memory =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, StatementTable(ShownTerms, form, nullptr));
    if (!memory)
        return nullptr;
    char* text = static_cast<char*>(GlobalLock(memory));
    if (!text) {
        GlobalFree(memory);
        return nullptr;
    }
    StatementTable(ShownTerms, form, text);
    GlobalUnlock(memory);
    return memory;
}

// Another program may hold the clipboard for a moment: on Windows, clipboard
// history, a remote desktop's clipboard and office clipboards open it right
// after every change. So it is tried again, after short waits, for about a
// second in all.
constexpr int ClipboardTries = 20;
constexpr DWORD ClipboardWait = 50;  // milliseconds

// Waits, answering meanwhile every message another thread or program sends
// to this one; posted messages stay queued for the box's loop. Whoever
// sends waits for the answer: above all a program that empties the
// clipboard while the box still owns it from an earlier Copy, which sends
// the box WM_DESTROYCLIPBOARD. Asleep, the box would hold it up for the
// whole second.
static void WaitAnswering(DWORD milliseconds)
{
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds)
            return;
        DWORD woken =
            MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0)
            return;  // the time is up
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // delivers what was sent
    }
}

// Whether a Copy is waiting for the clipboard: one that a message answered
// meanwhile asks for again is dropped, as the waiting one copies the same.
static bool CopyWaiting;

static bool OpenClipboardSoon(HWND box)
{
    for (int tries = 1;; ++tries) {
        if (OpenClipboard(box))
            return true;
        if (tries == ClipboardTries)
            return false;
        CopyWaiting = true;
        WaitAnswering(ClipboardWait);
        CopyWaiting = false;
    }
}

// Puts a block on the clipboard, which owns it from then on; freed where
// the clipboard does not take it. Whether it took it.
static bool Hand(UINT format, HGLOBAL memory)
{
    if (SetClipboardData(format, memory))
        return true;
    GlobalFree(memory);
    return false;
}

static void FreeTable(HGLOBAL memory)
{
    if (memory)
        GlobalFree(memory);
}

// The whole table onto the clipboard as text and as SYLK. The memory is the
// clipboard's from SetClipboardData on; the program keeps none of its own.
// Where nothing can be copied, the note line says why and the box beeps;
// the next Copy tries afresh, and once it copies the note is the
// statement's again.
void CopySchedule(HWND box)
{
    if (CopyWaiting)
        return;
    LoadFpuControl();
    HGLOBAL text = TableMemory(TabSeparatedTable);
    HGLOBAL sylk = TableMemory(SylkTable);
    const char* failed = !text || !sylk ? NoMemoryNote : nullptr;
    if (!failed && !OpenClipboardSoon(box))
        failed = ClipboardBusyNote;
    if (!failed && !EmptyClipboard()) {
        CloseClipboard();
        failed = NotTakenNote;
    }
    if (failed) {
        FreeTable(text);
        FreeTable(sylk);
        SetDlgItemTextA(box, IDC_SCHEDULENOTE, failed);
        MessageBeep(MB_OK);
        return;
    }
    bool textTaken = Hand(CF_TEXT, text);
    bool sylkTaken = Hand(CF_SYLK, sylk);
    CloseClipboard();
    const char* note = textTaken && sylkTaken ? StatementNoteText
                       : textTaken            ? TextOnlyNote
                       : sylkTaken            ? SylkOnlyNote
                                              : NotTakenNote;
    SetDlgItemTextA(box, IDC_SCHEDULENOTE, note);
    if (note != StatementNoteText)
        MessageBeep(MB_OK);
}
