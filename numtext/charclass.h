// Seam to the system's character classification.
#ifndef LEDGERLY_CHARCLASS_H
#define LEDGERLY_CHARCLASS_H

// True for the digits "0" to "9" only.
bool IsDecimalDigit(char c);

#endif
