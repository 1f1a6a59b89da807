#!/usr/bin/env python3
"""Checks a built ledgerly.exe from outside, by reading its PE file.

  pecheck.py header  EXE i686|x86_64   machine, GUI subsystem, versions, flags, sections
  pecheck.py imports EXE i686|x86_64 [API_LIST]
                                       import DLLs; with API_LIST, every imported
                                       function must be on that list
  pecheck.py version EXE               the VERSIONINFO resource
  pecheck.py resources EXE             the manifest (asInvoker, DPI aware, no common
                                       controls 6) and the icon's six sizes
  pecheck.py instructions EXE OBJDUMP  no instruction that a Pentium lacks, read from
                                       OBJDUMP's disassembly of the i686 program

Prints what it checked; exits 1 on the first failed group of checks.
"""
import re
import subprocess
import struct
import sys
import xml.etree.ElementTree as ElementTree

ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll"}
MACHINE = {"i686": 0x14C, "x86_64": 0x8664}
OPTIONAL_MAGIC = {"i686": 0x10B, "x86_64": 0x20B}
SUBSYSTEM_GUI = 2
DYNAMIC_BASE = 0x0040
NX_COMPAT = 0x0100
SCN_EXECUTE = 0x20000000
SCN_WRITE = 0x80000000
RT_VERSION = 16
RT_ICON = 3
RT_GROUP_ICON = 14
RT_MANIFEST = 24
PROGRAM_ICON = 103
ICON_SIZES = [16, 20, 24, 32, 40, 48]
# Windows Vista, 7, 8, 8.1, and 10 and 11.
SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}


class Pe:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        d = self.data
        if d[:2] != b"MZ":
            raise SystemExit(f"{path}: no MZ header")
        pe = struct.unpack_from("<I", d, 0x3C)[0]
        if d[pe:pe + 4] != b"PE\0\0":
            raise SystemExit(f"{path}: no PE signature")
        (self.machine, nsections, _, _, _, opt_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", d, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", d, opt)[0]
        plus = self.magic == 0x20B
        (self.os_major, self.os_minor, _, _, self.sub_major,
         self.sub_minor) = struct.unpack_from("<HHHHHH", d, opt + 40)
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", d, opt + 68)
        dirs = opt + (112 if plus else 96)
        ndirs = struct.unpack_from("<I", d, dirs - 4)[0]
        self.dirs = [struct.unpack_from("<II", d, dirs + 8 * i) for i in range(ndirs)]
        self.plus = plus
        self.sections = []
        for i in range(nsections):
            s = opt + opt_size + 40 * i
            name = d[s:s + 8].rstrip(b"\0").decode("latin-1")
            vsize, va, rsize, raw = struct.unpack_from("<IIII", d, s + 8)
            flags = struct.unpack_from("<I", d, s + 36)[0]
            self.sections.append((name, va, max(vsize, rsize), raw, flags))

    def offset(self, rva):
        for _, va, size, raw, _ in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise SystemExit(f"RVA {rva:#x} is in no section")

    def cstring(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b"\0", o)].decode("latin-1")

    def imports(self):
        """[(dll, [function names, or '#ordinal'])]"""
        rva = self.dirs[1][0]
        result = []
        while rva:
            o = self.offset(rva)
            lookup, _, _, name, thunks = struct.unpack_from("<IIIII", self.data, o)
            if name == 0:
                break
            functions = []
            t = self.offset(lookup or thunks)
            size, fmt, flag = (8, "<Q", 1 << 63) if self.plus else (4, "<I", 1 << 31)
            while True:
                entry = struct.unpack_from(fmt, self.data, t)[0]
                if entry == 0:
                    break
                if entry & flag:
                    functions.append(f"#{entry & 0xFFFF}")
                else:
                    functions.append(self.cstring((entry & 0x7FFFFFFF) + 2))
                t += size
            result.append((self.cstring(name), functions))
            rva += 20
        return result

    def resource(self, type_id, name_id=None):
        """Data of the first resource of the given type (the given or the first
        name, first language)."""
        base_rva = self.dirs[2][0]
        if not base_rva:
            return None
        base = self.offset(base_rva)

        def entries(o):
            named, ids = struct.unpack_from("<HH", self.data, o + 12)
            return [struct.unpack_from("<II", self.data, o + 16 + 8 * i)
                    for i in range(named + ids)]

        node = base
        for level in range(3):
            found = None
            for ident, target in entries(node):
                wanted = {0: type_id, 1: name_id}.get(level)
                if wanted is None or (not ident & 0x80000000 and ident == wanted):
                    found = target
                    break
            if found is None:
                return None
            if not found & 0x80000000:
                data_rva, size = struct.unpack_from("<II", self.data, base + found)
                o = self.offset(data_rva)
                return self.data[o:o + size]
            node = base + (found & 0x7FFFFFFF)
        return None


failures = 0


def check(ok, what):
    global failures
    print(("ok      " if ok else "FAILED  ") + what)
    if not ok:
        failures += 1


def check_header(pe, arch):
    check(pe.machine == MACHINE[arch], f"machine {pe.machine:#x} is {arch}")
    check(pe.magic == OPTIONAL_MAGIC[arch],
          f"optional header {'PE32+' if pe.plus else 'PE32'} for {arch}")
    check(not pe.characteristics & 0x2000, "an executable, not a DLL")
    check(pe.subsystem == SUBSYSTEM_GUI, f"subsystem {pe.subsystem} is Windows GUI")
    if arch == "i686":
        check((pe.sub_major, pe.sub_minor) == (4, 0),
              f"subsystem version {pe.sub_major}.{pe.sub_minor} is 4.0")
        check((pe.os_major, pe.os_minor) == (4, 0),
              f"OS version {pe.os_major}.{pe.os_minor} is 4.0")
    check(pe.dll_characteristics & DYNAMIC_BASE, "DYNAMIC_BASE set")
    check(pe.dll_characteristics & NX_COMPAT, "NX_COMPAT set")
    for name, _, _, _, flags in pe.sections:
        check(not (flags & SCN_WRITE and flags & SCN_EXECUTE),
              f"section {name} not both writable and executable")


def check_imports(pe, api_list):
    allowed = None
    if api_list:
        allowed = {}
        with open(api_list) as f:
            for line in f:
                line = line.split("#", 1)[0].split()
                if len(line) == 2:
                    allowed.setdefault(line[0].lower(), set()).add(line[1])
    for dll, functions in pe.imports():
        low = dll.lower()
        check(low in ALLOWED_DLLS, f"imports from {dll}")
        check(not low.startswith(("libgcc", "libstdc++", "libwinpthread", "msvc")),
              f"{dll} is no C or C++ runtime DLL")
        if allowed is not None:
            for fn in functions:
                check(fn in allowed.get(low, ()), f"{dll} {fn} present on Windows 95")


def utf16z(data, o):
    end = o
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[o:end].decode("utf-16-le"), end + 2


def align4(o):
    return (o + 3) & ~3


def version_strings(block):
    """The fixed file info and the StringFileInfo values of a VS_VERSIONINFO."""
    length, value_length, _ = struct.unpack_from("<HHH", block, 0)
    key, o = utf16z(block, 6)
    if key != "VS_VERSION_INFO":
        raise SystemExit(f"version resource key {key!r}")
    o = align4(o)
    fixed = struct.unpack_from("<13I", block, o)
    o = align4(o + value_length)
    strings = {}
    while o < length:
        child_len = struct.unpack_from("<H", block, o)[0]
        child_key, p = utf16z(block, o + 6)
        if child_key == "StringFileInfo":
            p = align4(p)
            end_tables = o + child_len
            while p < end_tables:
                table_len = struct.unpack_from("<H", block, p)[0]
                _, q = utf16z(block, p + 6)
                q = align4(q)
                end_table = p + table_len
                while q < end_table:
                    s_len, s_vlen, _ = struct.unpack_from("<HHH", block, q)
                    s_key, r = utf16z(block, q + 6)
                    r = align4(r)
                    value = block[r:r + 2 * s_vlen].decode("utf-16-le").rstrip("\0")
                    strings[s_key] = value
                    q = align4(q + s_len)
                p = align4(p + table_len)
        o = align4(o + child_len)
    return fixed, strings


def check_version(pe):
    block = pe.resource(RT_VERSION)
    check(block is not None, "has a VERSIONINFO resource")
    if block is None:
        return
    fixed, strings = version_strings(block)
    check(fixed[0] == 0xFEEF04BD, "fixed file info signature")
    check((fixed[2], fixed[3]) == (0x10000, 0), "FILEVERSION 1,0,0,0")
    check((fixed[4], fixed[5]) == (0x10000, 0), "PRODUCTVERSION 1,0,0,0")
    check(fixed[9] == 1, "file type is an application")
    expected = {"FileVersion": "1.0.0", "ProductVersion": "1.0.0",
                "ProductName": "Ledgerly", "OriginalFilename": "ledgerly.exe"}
    for key, value in expected.items():
        check(strings.get(key) == value, f"{key} is {value!r} (found {strings.get(key)!r})")
    check(bool(strings.get("FileDescription")), "has a FileDescription")


def local_names(element):
    """Every element under this one, by its name without the namespace."""
    for e in element.iter():
        yield e.tag.rsplit("}", 1)[-1], e


def check_resources(pe):
    manifest = pe.resource(RT_MANIFEST, 1)
    check(manifest is not None, "has a manifest (RT_MANIFEST 1)")
    if manifest is not None:
        root = ElementTree.fromstring(manifest)
        levels = [e.get("level") for name, e in local_names(root)
                  if name == "requestedExecutionLevel"]
        check(levels == ["asInvoker"], f"requested execution level asInvoker (found {levels})")
        aware = [e.text.strip() for name, e in local_names(root) if name == "dpiAware"]
        check(aware == ["true"], f"dpiAware true, system aware (found {aware})")
        systems = {e.get("Id") for name, e in local_names(root) if name == "supportedOS"}
        check(systems == SUPPORTED_OS, "supported OS entries from Vista to 10 and 11")
        depends = [e.get("name") for name, e in local_names(root) if name == "assemblyIdentity"]
        check(not any("Common-Controls" in (d or "") for d in depends),
              "no dependency on the common controls 6")
    group = pe.resource(RT_GROUP_ICON, PROGRAM_ICON)
    check(group is not None, f"has icon group {PROGRAM_ICON}")
    if group is None:
        return
    count = struct.unpack_from("<H", group, 4)[0]
    sizes = []
    for i in range(count):
        width, height, _, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        sizes.append(width or 256)
        check(width == height, f"icon {icon_id} is square ({width} x {height})")
        check(pe.resource(RT_ICON, icon_id) is not None, f"icon {icon_id} is in the file")
    check(sorted(sizes) == ICON_SIZES, f"icon sizes {sorted(sizes)} are {ICON_SIZES}")


# What the Pentium (and so every processor Windows 95 runs on) lacks: the
# Pentium Pro's conditional moves and flag-setting compares, the later
# fences, prefetches, fast system calls and SSE state, MMX and SSE registers,
# the bit-counting and BMI instructions, and the multi-byte NOP (0F 1F, shown
# as nopw or nopl with an operand), which assemblers use as padding.
# "tzcnt" is allowed: it is REP BSF, which every older processor runs as
# BSF, the same count for the non-zero words compilers give it (libgcc's
# __ctzdi2 tests for zero first). LZCNT (REP BSR) is no such thing.
P6_AND_LATER = {
    "fcomi", "fcomip", "fucomi", "fucomip", "fisttp", "ud2", "rdpmc", "sysenter",
    "sysexit", "syscall", "sysret", "emms", "femms", "fxsave", "fxrstor", "ldmxcsr",
    "stmxcsr", "sfence", "lfence", "mfence", "clflush", "movnti", "prefetch", "prefetchw",
    "prefetchnta", "prefetcht0", "prefetcht1", "prefetcht2", "lzcnt", "popcnt", "movbe",
    "crc32", "andn", "bextr", "blsi", "blsmsk", "blsr", "bzhi", "mulx", "pdep", "pext",
    "rorx", "sarx", "shlx", "shrx", "adcx", "adox",
}
PREFIXES = {"rep", "repz", "repe", "repnz", "repne", "lock", "data16", "addr16", "addr32",
            "cs", "ds", "es", "fs", "gs", "ss", "notrack", "bnd"}
VECTOR_REGISTER = re.compile(r"%(?:[xyz]mm|mm|k)[0-9]")


def check_instructions(path, objdump):
    listing = subprocess.run([objdump, "-d", "--no-show-raw-insn", path], check=True,
                             capture_output=True, text=True).stdout
    found = {}
    count = 0
    for line in listing.splitlines():
        parts = line.split("\t")
        if len(parts) < 2 or not parts[0].strip().endswith(":"):
            continue
        words = parts[1].split()
        while words and words[0] in PREFIXES:
            words = words[1:]
        if not words:
            continue
        count += 1
        mnemonic, operands = words[0], " ".join(words[1:])
        late = (mnemonic.startswith(("cmov", "fcmov")) or mnemonic in P6_AND_LATER or
                (mnemonic in ("nopw", "nopl", "nop") and operands) or
                VECTOR_REGISTER.search(operands) is not None)
        if late:
            found.setdefault(mnemonic, []).append(parts[0].strip().rstrip(":"))
    check(count > 1000, f"disassembled {count} instructions")
    for mnemonic, places in sorted(found.items()):
        check(False, f"{mnemonic} at {', '.join(places[:5])}"
                     f"{' ...' if len(places) > 5 else ''} ({len(places)} times): "
                     "a Pentium lacks it")
    if not found:
        check(True, "no instruction that a Pentium lacks")


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    mode, path = argv[1], argv[2]
    pe = Pe(path)
    if mode == "header":
        check_header(pe, argv[3])
    elif mode == "imports":
        check(pe.magic == OPTIONAL_MAGIC[argv[3]], f"built for {argv[3]}")
        check_imports(pe, argv[4] if len(argv) > 4 else None)
    elif mode == "version":
        check_version(pe)
    elif mode == "resources":
        check_resources(pe)
    elif mode == "instructions":
        check(pe.machine == MACHINE["i686"], "built for i686")
        check_instructions(path, argv[3])
    else:
        raise SystemExit(__doc__)
    print(f"{mode}: {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
