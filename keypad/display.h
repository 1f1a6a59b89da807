// Seam between the calculator engine and its display control.
#ifndef LEDGERLY_DISPLAY_H
#define LEDGERLY_DISPLAY_H

// Fills buffer (at least FieldTextSize bytes) with the display text,
// at most FieldTextSize - 1 characters.
void ReadDisplay(char* buffer);

// Replaces the display text.
void WriteDisplay(const char* text);

#endif
