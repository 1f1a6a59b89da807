// The statement written out as a table, as Copy puts it on the clipboard:
// tab-separated text and SYLK.
#ifndef LEDGERLY_TABLE_H
#define LEDGERLY_TABLE_H

#include "finance/statement.h"

// One line of the copied text, with its CR LF, into a buffer of this size;
// returns the length written.
constexpr int StatementLineSize = 512;
int StatementHeaderLine(const StatementTerms& terms, char* line);
int StatementLine(const StatementTerms& terms, const StatementRow& row, char* line);

// The forms the whole table is copied in: text with the fields between tabs,
// each line ended by CR LF, as a spreadsheet pastes it (amounts as the list
// shows them); and SYLK, a cell record per field (numbers with a point
// whatever the user's or the spreadsheet's language, each with the format
// the list shows it in: two places for an amount, none for a month; texts
// quoted), which spreadsheets read as cells of numbers.
enum TableForm : int { TabSeparatedTable, SylkTable };

// The whole table in a form, as the Schedule box shows it: the heading, the
// column names, one line or row per month or year, the total, and a closing
// zero. Writes it into text, or only counts its bytes when text is null;
// returns the size with the closing zero either way.
unsigned long StatementTable(const StatementTerms& terms, int form, char* text);

#endif
