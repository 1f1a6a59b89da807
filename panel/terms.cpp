// Loan terms: the Month and Interest Rate boxes, their lists and labels.
#include <windows.h>
#include "panel/panel.h"
#include "res/resource.h"

int Months;
double AnnualRate;
double MonthlyRate;

void ReadTerms(HWND)
{
}

void FillMonthList()
{
}

void FillRateList()
{
}

void HandleTermCommand(WORD, WORD)
{
}
