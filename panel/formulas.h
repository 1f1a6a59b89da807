// The six page formulas and the term limits, on plain doubles.
#ifndef LEDGERLY_FORMULAS_H
#define LEDGERLY_FORMULAS_H
#endif
