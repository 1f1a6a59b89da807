// The six page formulas and the term limits, on plain doubles.
#include "panel/formulas.h"
