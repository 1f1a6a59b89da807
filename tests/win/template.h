// Reads a dialog template from the program's resources, so tests can check
// exactly what the resource script says: styles, rectangles, ids, classes,
// texts and the order of the controls.
#ifndef LEDGERLY_TEMPLATE_H
#define LEDGERLY_TEMPLATE_H

#include <windows.h>

struct TemplateItem {
    DWORD style;
    DWORD exStyle;
    short x, y, width, height;
    WORD id;
    char className[64];
    char text[512];
    WORD textOrdinal;  // a resource id (an icon) instead of a text, or 0
};

struct DialogTemplate {
    bool extended;
    DWORD style;
    DWORD exStyle;
    short x, y, width, height;
    char title[128];
    WORD pointSize;
    WORD weight;
    BYTE italic;
    char font[64];
    int count;
    TemplateItem items[40];
};

// A name or an ordinal, as the template stores them: 0 for none, 0xFFFF and
// a number, or a zero-terminated UTF-16 string.
inline const WORD* ReadNameOrOrdinal(const WORD* p, char* text, int size, WORD* ordinal)
{
    text[0] = '\0';
    if (ordinal)
        *ordinal = 0;
    if (*p == 0)
        return p + 1;
    if (*p == 0xFFFF) {
        if (ordinal)
            *ordinal = p[1];
        return p + 2;
    }
    const WCHAR* s = reinterpret_cast<const WCHAR*>(p);
    WideCharToMultiByte(CP_ACP, 0, s, -1, text, size, nullptr, nullptr);
    return p + lstrlenW(s) + 1;
}

inline const char* PredefinedClass(WORD ordinal)
{
    switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return "?";
    }
}

inline const WORD* AlignDword(const WORD* p)
{
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
}

// Only extended templates are read; the program uses no other kind.
inline bool LoadDialogTemplate(int id, DialogTemplate* out)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    if (!found)
        return false;
    const WORD* p = static_cast<const WORD*>(LockResource(LoadResource(nullptr, found)));
    *out = DialogTemplate{};
    out->extended = p[0] == 1 && p[1] == 0xFFFF;
    if (!out->extended)
        return false;
    const BYTE* b = reinterpret_cast<const BYTE*>(p);
    out->exStyle = *reinterpret_cast<const DWORD*>(b + 8);
    out->style = *reinterpret_cast<const DWORD*>(b + 12);
    out->count = *reinterpret_cast<const WORD*>(b + 16);
    const short* rect = reinterpret_cast<const short*>(b + 18);
    out->x = rect[0];
    out->y = rect[1];
    out->width = rect[2];
    out->height = rect[3];
    p = reinterpret_cast<const WORD*>(b + 26);
    char scratch[64];
    p = ReadNameOrOrdinal(p, scratch, sizeof scratch, nullptr);  // menu
    p = ReadNameOrOrdinal(p, scratch, sizeof scratch, nullptr);  // class
    p = ReadNameOrOrdinal(p, out->title, sizeof out->title, nullptr);
    if (out->style & (DS_SETFONT | DS_SHELLFONT)) {
        out->pointSize = p[0];
        out->weight = p[1];
        out->italic = reinterpret_cast<const BYTE*>(p)[4];
        p = ReadNameOrOrdinal(p + 3, out->font, sizeof out->font, nullptr);
    }
    if (out->count > 40)
        return false;
    for (int i = 0; i < out->count; ++i) {
        TemplateItem& item = out->items[i];
        p = AlignDword(p);
        const DWORD* d = reinterpret_cast<const DWORD*>(p);
        item.exStyle = d[1];
        item.style = d[2];
        const short* r = reinterpret_cast<const short*>(d + 3);
        item.x = r[0];
        item.y = r[1];
        item.width = r[2];
        item.height = r[3];
        item.id = static_cast<WORD>(*reinterpret_cast<const DWORD*>(r + 4));
        p = reinterpret_cast<const WORD*>(r + 6);
        WORD classOrdinal;
        p = ReadNameOrOrdinal(p, item.className, sizeof item.className, &classOrdinal);
        if (classOrdinal)
            lstrcpyA(item.className, PredefinedClass(classOrdinal));
        p = ReadNameOrOrdinal(p, item.text, sizeof item.text, &item.textOrdinal);
        WORD extra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
    }
    return true;
}

#endif
