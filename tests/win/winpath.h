// Linux paths as Windows programs under Wine see them.
#ifndef LEDGERLY_WINPATH_H
#define LEDGERLY_WINPATH_H

// Wine shows the Linux file system as drive Z:.
inline void ToWindowsPath(const char* path, char* out, int size)
{
    int n = 0;
    if (path[0] == '/') {
        out[n++] = 'Z';
        out[n++] = ':';
    }
    for (const char* p = path; *p && n < size - 1; ++p)
        out[n++] = *p == '/' ? '\\' : *p;
    out[n] = '\0';
}

#endif
