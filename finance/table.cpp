// The statement as tab-separated text and as SYLK.
#include "finance/table.h"

#include "finance/columns.h"
#include "finance/notes.h"

// Whether a SYLK cell's text is a number: digits with a point, or a minus
// sign before them ("587.01", "-0.01", "12").
static bool IsNumberText(const char* text)
{
    if (*text == '-')
        ++text;
    bool digits = false;
    for (; *text; ++text) {
        if (*text >= '0' && *text <= '9')
            digits = true;
        else if (*text != '.')
            return false;
    }
    return digits;
}

// SYLK's number formats: pictures listed once after the opening record, by
// their place in the list, and a cell's format record naming one (F: fixed,
// with so many places, alignment as the sheet's default).
constexpr const char* SylkPictures = "P;PGeneral\r\nP;P0\r\nP;P0.00\r\nP;Pmmm yyyy\r\n";
constexpr const char* WholeFormat = "F;P1;FF0G";
constexpr const char* AmountFormat = "F;P2;FF2G";
constexpr const char* DateFormat = "F;P3;FG0G";

// One line of the table, or one row of SYLK records (row y of the sheet):
// the column names (row null) or a row's cells.
static int WriteLine(const StatementTerms& t, const StatementRow* row, int form, int y,
                     char* line)
{
    TextWriter out{line, StatementLineSize, 0};
    line[0] = '\0';
    int count = StatementColumns(t);
    // The total row of a loan has no balance: no empty field at its end.
    if (row && !row->month && t.kind == LoanKind)
        --count;
    for (int c = 0; c < count; ++c) {
        const char* cell = !row ? StatementColumnName(t, c)
                           : form == SylkTable ? SylkCellText(t, *row, c)
                                               : CellText(t, *row, c);
        if (form == TabSeparatedTable) {
            if (c)
                out.Put("\t");
            out.Put(cell);
            continue;
        }
        // The cell's text is copied first: the numbers of its place are
        // written into the buffer that a month's number and an amount share.
        char value[64];
        CopyText(value, sizeof value, cell);
        if (!value[0])
            continue;
        bool number = IsNumberText(value);
        if (number) {
            // The cell's format first: a month's or year's number whole, a
            // date as a month and year, an amount with two places, as the
            // list shows them.
            StatementColumn kind = StatementColumnKind(t, c);
            Compose(out, "^s;Y^n;X^n\r\n",
                    kind == MonthColumn  ? WholeFormat
                    : kind == DateColumn ? DateFormat
                                         : AmountFormat,
                    y, c + 1);
        }
        Compose(out, number ? "C;Y^n;X^n;K^s\r\n" : "C;Y^n;X^n;K\"^s\"\r\n", y, c + 1, value);
    }
    if (form == TabSeparatedTable)
        out.Put("\r\n");
    return out.length;
}

int StatementHeaderLine(const StatementTerms& terms, char* line)
{
    return WriteLine(terms, nullptr, TabSeparatedTable, 0, line);
}

int StatementLine(const StatementTerms& terms, const StatementRow& row, char* line)
{
    return WriteLine(terms, &row, TabSeparatedTable, 0, line);
}

// Adds a line to the table at *size, or only counts its bytes when text is
// null.
static void AddLine(char* text, unsigned long* size, const char* line, int length)
{
    if (text) {
        for (int i = 0; i < length; ++i)
            text[*size + i] = line[i];
    }
    *size += length;
}

static void AddText(char* text, unsigned long* size, const char* part)
{
    int length = 0;
    while (part[length])
        ++length;
    AddLine(text, size, part, length);
}

// The heading as the table's first line: in SYLK a text cell, in which a
// semicolon is written twice (a single one would end the record).
static void AddHeading(const StatementTerms& terms, int form, char* text, unsigned long* size)
{
    char heading[StatementTextSize];
    StatementHeading(terms, heading);
    if (form == TabSeparatedTable) {
        AddText(text, size, heading);
        AddText(text, size, "\r\n");
        return;
    }
    AddText(text, size, "C;Y1;X1;K\"");
    for (const char* c = heading; *c; ++c)
        AddLine(text, size, *c == ';' ? ";;" : c, *c == ';' ? 2 : 1);
    AddText(text, size, "\"\r\n");
}

// Each line is made in a buffer of its own first. SYLK opens with the
// program's name and its number formats, and ends with its end record.
unsigned long StatementTable(const StatementTerms& terms, int form, char* text)
{
    char line[StatementLineSize];
    unsigned long size = 0;
    int y = 1;
    if (form == SylkTable) {
        AddText(text, &size, "ID;PLedgerly\r\n");
        AddText(text, &size, SylkPictures);
    }
    AddHeading(terms, form, text, &size);
    ++y;
    AddLine(text, &size, line, WriteLine(terms, nullptr, form, y++, line));
    Statement statement;
    StartStatement(&statement, terms);
    StatementRow row;
    while (NextShownRow(&statement, &row))
        AddLine(text, &size, line, WriteLine(terms, &row, form, y++, line));
    FinishStatement(statement, &row);
    AddLine(text, &size, line, WriteLine(terms, &row, form, y, line));
    if (form == SylkTable)
        AddText(text, &size, "E\r\n");
    if (text)
        text[size] = '\0';
    return size + 1;
}
