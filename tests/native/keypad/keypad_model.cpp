// Random key sequences against the calculator: invariants after every key,
// and a model of the calculator's state table that must agree with the
// engine on the display text and all six state variables.
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "keypad/keypad.h"
#include "numtext/numtext.h"
#include "tests/harness.h"
#include "tests/native/keypad/keypad_display.h"
#include "tests/native/keypad/keypad_invariants.h"
#include "tests/native/keypad/keypad_keys.h"

namespace {

constexpr int ModelTextSize = 64;
constexpr int ReadLimit = 29;  // characters a key sees of the display

constexpr const char* DivideMessage = KeypadDivideMessage;
constexpr const char* InvertMessage = KeypadInvertMessage;
constexpr const char* LargeMessage = KeypadLargeMessage;
constexpr const char* SmallMessage = KeypadSmallMessage;

// ---------------------------------------------------------------- model

enum KeyKind { KindDigit, KindSign, KindInvert, KindOperator, KindEquals, KindBack, KindCE,
               KindC };

struct ModelKey {
    KeyKind kind;
    char character;  // digit or point
    int op;
};

// What a label means, read from the labels alone.
ModelKey KeyMeaning(const char* label)
{
    if ((label[0] >= '0' && label[0] <= '9') || strcmp(label, ".") == 0) {
        if (strcmp(label, "1/x") != 0) {
            return {KindDigit, label[0], 0};
        }
    }
    constexpr struct {
        const char* label;
        KeyKind kind;
        int op;
    } named[] = {
        {"+/-", KindSign, 0},     {"1/x", KindInvert, 0},   {"+", KindOperator, 1},
        {"-", KindOperator, 2},   {"*", KindOperator, 3},   {"/", KindOperator, 4},
        {"=", KindEquals, 0},     {"Back", KindBack, 0},    {"CE", KindCE, 0},
        {"C", KindC, 0},
    };
    for (const auto& key : named) {
        if (strcmp(key.label, label) == 0) {
            return {key.kind, 0, key.op};
        }
    }
    return {KindC, 0, -1};
}

struct Model {
    char display[ModelTextSize];
    int entry;
    int op;
    double stored;
    int open;
    int startNew;
    bool error;
};

Model M;

// The part of the display a key sees.
void VisibleText(char* text)
{
    size_t length = strlen(M.display);
    if (length > ReadLimit) {
        length = ReadLimit;
    }
    memcpy(text, M.display, length);
    text[length] = '\0';
}

double ModelValue()
{
    char text[ModelTextSize];
    VisibleText(text);
    return ParseNumber(text, ParseSigned);
}

void ModelShow(const char* text)
{
    snprintf(M.display, sizeof M.display, "%s", text);
}

void ModelFail(const char* message)
{
    ModelShow(message);
    M.stored = 0.0;
    M.startNew = 0;
    M.entry = Cleared;
    M.open = 2;
    M.error = true;
}

void ModelReset()
{
    M.display[0] = '\0';
    M.entry = Cleared;
    M.op = 0;
    M.stored = 0.0;
    M.open = 2;
    M.startNew = 0;
    M.error = false;
}

double Apply(int op, double left, double right)
{
    switch (op) {
    case 1: return left + right;
    case 2: return left - right;
    case 3: return left * right;
    case 4: return left / right;
    default: return 0.0;
    }
}

void ModelEquals()
{
    double x = ModelValue();
    double r;
    if (M.entry == ResultShown) {
        r = Apply(M.op, x, M.stored);  // the last operation again, same right operand
    } else {
        if (M.op == 4 && fabs(x) < 1e-15) {
            ModelFail(DivideMessage);
            return;
        }
        r = Apply(M.op, M.stored, x);
        M.stored = x;
    }
    if (r >= 1e15) {
        ModelShow(LargeMessage);
    } else if (r <= -1e15) {
        ModelShow(SmallMessage);
    } else {
        ModelShow(FormatNumber(r, 10));
    }
    M.entry = ResultShown;
    M.startNew = 2;
    M.open = 2;
}

void ModelPress(const char* label)
{
    ModelKey key = KeyMeaning(label);
    char text[ModelTextSize];

    if (key.kind == KindC) {
        int op = M.op;  // "C" keeps the operator
        ModelReset();
        M.op = op;
        return;
    }
    if (key.kind == KindBack) {
        if (M.entry != OperatorChosen) {
            VisibleText(text);
            size_t length = strlen(text);
            if (length > 0) {
                text[length - 1] = '\0';
                ModelShow(text);
            }
        }
        return;
    }

    // The error state's column: only digits, point and "CE" act.
    if (M.error) {
        if (key.kind == KindDigit) {
            M.display[0] = key.character;
            M.display[1] = '\0';
            M.error = false;
            M.entry = Entering;
        } else if (key.kind == KindCE) {
            M.display[0] = '\0';
            M.error = false;
        }
        return;
    }

    switch (key.kind) {
    case KindDigit:
        if (M.startNew != 0) {
            M.display[0] = '\0';
            M.startNew = 0;
        }
        VisibleText(text);
        {
            size_t length = strlen(text);
            text[length] = key.character;
            text[length + 1] = '\0';
        }
        ModelShow(text);
        M.entry = Entering;
        break;
    case KindSign:
        VisibleText(text);
        if (text[0] == '-') {
            ModelShow(text + 1);
        } else {
            char signedText[ModelTextSize + 1];
            signedText[0] = '-';
            memcpy(signedText + 1, text, strlen(text) + 1);
            ModelShow(signedText);
        }
        M.entry = Entering;
        break;
    case KindInvert: {
        double x = ModelValue();
        if (fabs(x) < 1e-15) {
            ModelFail(InvertMessage);
        } else {
            ModelShow(FormatNumber(1.0 / x, 10));
            M.entry = Entering;
        }
        break;
    }
    case KindOperator:
        if (M.entry == Entering && M.open == 1) {
            ModelEquals();
            if (M.error) {
                return;
            }
        }
        M.stored = ModelValue();
        M.op = key.op;
        M.startNew = 1;
        M.entry = OperatorChosen;
        M.open = 1;
        break;
    case KindEquals:
        ModelEquals();
        break;
    case KindCE:
        if (M.entry == Entering) {
            M.display[0] = '\0';
        }
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- invariants

KeypadWatch Watch;

// How much of the state space the random keys reached.
struct Coverage {
    long pairs[KeypadStatePairCount];
    long errorsEntered[2];
    long rangeMessages[2];
    long keysInErrorState;
    long fullDisplays;
};
Coverage Seen;

void CountCoverage(bool wasInError)
{
    const char* text = DisplayShown();
    const char* unsignedText = text[0] == '-' ? text + 1 : text;
    int pair = KeypadStatePair();
    if (pair >= 0) {
        ++Seen.pairs[pair];
    }
    if (ErrorShown == 1 && !wasInError) {
        ++Seen.errorsEntered[strcmp(text, DivideMessage) == 0 ? 0 : 1];
    }
    if (ErrorShown == 1 && wasInError) {
        ++Seen.keysInErrorState;
    }
    if (strcmp(unsignedText, LargeMessage) == 0) {
        ++Seen.rangeMessages[0];
    }
    if (strcmp(unsignedText, SmallMessage) == 0) {
        ++Seen.rangeMessages[1];
    }
    if (strlen(text) == 30) {
        ++Seen.fullDisplays;
    }
}

// Agreement of engine and model; returns the first difference, or null.
const char* Disagreement()
{
    if (strcmp(DisplayShown(), M.display) != 0) return "display";
    if (EntryState != M.entry) return "EntryState";
    if (PendingOperator != M.op) return "PendingOperator";
    if (memcmp(&StoredOperand, &M.stored, sizeof M.stored) != 0) return "StoredOperand";
    if (OperationOpen != M.open) return "OperationOpen";
    if (StartNewNumber != M.startNew) return "StartNewNumber";
    if (ErrorShown != (M.error ? 1 : 0)) return "ErrorShown";
    return nullptr;
}

// ---------------------------------------------------------------- random keys

unsigned long long RandomState;

unsigned NextRandom()
{
    // xorshift64*
    RandomState ^= RandomState >> 12;
    RandomState ^= RandomState << 25;
    RandomState ^= RandomState >> 27;
    return static_cast<unsigned>((RandomState * 2685821657736338717ULL) >> 32);
}

// Relative weights of the keys, in the order of KeyLabels.
struct Profile {
    const char* name;
    int weights[KeyCount];
    int longestSequence;
};

// KeyLabels order: 7 4 1 0 8 5 2 Back 9 6 3 . / * - + +/- CE C = 1/x
constexpr Profile Profiles[] = {
    // Every key alike: long numbers, full displays, large products.
    {"uniform", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 200},
    // Short operands, many operators and "=": chains, zero divisors, errors.
    {"short operands",
     {2, 2, 3, 8, 2, 2, 3, 3, 2, 2, 2, 4, 8, 8, 6, 6, 4, 3, 1, 12, 5}, 60},
    // Tiny and huge values: points and zeros, products, inversion.
    {"bounds", {1, 0, 4, 12, 0, 1, 0, 2, 3, 0, 0, 5, 6, 10, 2, 2, 3, 1, 1, 10, 6}, 80},
    // Long typed texts: the 29-character read and the 30-character display.
    {"long texts", {6, 6, 6, 6, 6, 6, 6, 3, 6, 6, 6, 4, 1, 1, 1, 1, 4, 1, 0, 1, 1}, 120},
};

int PickKey(const Profile& profile)
{
    int total = 0;
    for (int w : profile.weights) {
        total += w;
    }
    int pick = static_cast<int>(NextRandom() % static_cast<unsigned>(total));
    for (int i = 0; i < KeyCount; ++i) {
        pick -= profile.weights[i];
        if (pick < 0) {
            return i;
        }
    }
    return 0;
}

constexpr int HistorySize = 400;
int History[HistorySize];

void PrintHistory(int count)
{
    printf("  keys from start-up:");
    for (int i = 0; i < count; ++i) {
        printf(" %s", KeyLabels[History[i]].label);
    }
    printf("\n  engine: \"%s\" EntryState %d op %d stored %.17g open %d start %d error %d\n",
           DisplayShown(), EntryState, PendingOperator, StoredOperand, OperationOpen,
           StartNewNumber, ErrorShown);
    printf("  model:  \"%s\" EntryState %d op %d stored %.17g open %d start %d error %d\n",
           M.display, M.entry, M.op, M.stored, M.open, M.startNew, M.error ? 1 : 0);
}

// Runs sequences of random keys from start-up; returns the number of keys.
long RunProfile(const Profile& profile, long keys, int* failures)
{
    long pressed = 0;
    while (pressed < keys && *failures == 0) {
        StartKeypad();
        ModelReset();
        Watch = KeypadWatch{};
        int length = 1 + static_cast<int>(NextRandom() % static_cast<unsigned>(
                                                profile.longestSequence));
        for (int i = 0; i < length && pressed < keys; ++i, ++pressed) {
            int index = PickKey(profile);
            History[i] = index;
            bool wasInError = ErrorShown == 1;
            PressKey(KeyLabels[index].id);
            ModelPress(KeyLabels[index].label);
            CountCoverage(wasInError);
            const char* broken = BrokenKeypadInvariant(&Watch);
            const char* differs = Disagreement();
            if (broken || differs) {
                printf("%s: %s%s%s\n", profile.name, broken ? broken : "",
                       broken && differs ? "; " : "",
                       differs ? "model and engine differ in " : "");
                if (differs) {
                    printf("  %s\n", differs);
                }
                PrintHistory(i + 1);
                ++*failures;
                break;
            }
        }
    }
    return pressed;
}

}  // namespace

void RunKeypadModelTests()
{
    constexpr long KeysPerProfile = 150000;
    RandomState = 0x4c6564676572ULL;  // fixed seed
    long total = 0;
    for (const Profile& profile : Profiles) {
        int failures = 0;
        total += RunProfile(profile, KeysPerProfile, &failures);
        char what[80];
        snprintf(what, sizeof what, "random keys (%s) keep invariants and model", profile.name);
        CHECK_INT(failures, 0, what);
    }
    printf("random keys: %ld; pairs %ld/%ld/%ld/%ld/%ld; errors %ld divide, %ld invert; "
           "%ld keys in error state; range messages %ld large, %ld small; %ld full displays\n",
           total, Seen.pairs[0], Seen.pairs[1], Seen.pairs[2], Seen.pairs[3], Seen.pairs[4],
           Seen.errorsEntered[0], Seen.errorsEntered[1], Seen.keysInErrorState,
           Seen.rangeMessages[0], Seen.rangeMessages[1], Seen.fullDisplays);

    // The random keys reached every state and every message.
    CHECK(total >= 100000);
    for (long count : Seen.pairs) {
        CHECK(count > 0);
    }
    CHECK(Seen.errorsEntered[0] > 0 && Seen.errorsEntered[1] > 0);
    CHECK(Seen.keysInErrorState > 0);
    CHECK(Seen.rangeMessages[0] > 0 && Seen.rangeMessages[1] > 0);
    CHECK(Seen.fullDisplays > 0);
}
