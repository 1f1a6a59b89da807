// The calculator display for native test programs: a text buffer standing in
// for the static control, read like the control (at most 29 characters).
#ifndef LEDGERLY_KEYPAD_DISPLAY_H
#define LEDGERLY_KEYPAD_DISPLAY_H

// The whole text the display holds (the control can hold more than is read).
const char* DisplayShown();

// Puts a text into the display directly, as if the engine had written it.
void SetDisplay(const char* text);

// Length of the longest text written since the last ResetDisplayLog(), and
// the number of writes of more than 30 characters.
int LongestDisplayWrite();
int OverlongDisplayWrites();
void ResetDisplayLog();

#endif
