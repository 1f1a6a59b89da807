// The Schedule box: the month-by-month statement of the shown page.
#ifndef LEDGERLY_SCHEDULE_H
#define LEDGERLY_SCHEDULE_H

#include <windows.h>

// Carries out the shown page's calculation as its "Calculate It" does, then
// shows the statement of the two amounts the page shows in a modal box
// owned by owner, with Copy for a spreadsheet. Nothing opens while no page
// is shown.
void OpenSchedule(HWND owner);

// The list filled cell by cell (true), as with the common controls 4.00 of
// Windows 95, even where the list could draw its rows from the statement
// itself: how the tests see the box as it is there.
void FillScheduleListPlainly(bool plain);

#endif
