#!/usr/bin/env python3
"""Checks a linked PE file's imports: only ntdll, kernel32 and the C runtime at start-up, and
writable delay-load import address tables for the rest.

    check-delay-imports.py PROGRAM.exe

Windows resolves the DLLs a program imports at start-up before its WinMain can limit the library
search, looking in the program's own folder first: any other system DLL must be delay-loaded.

The delay-load helper writes each function's address into its slot of the delay import address
table at the first call. Some linkers put that table in a read-only section (GNU ld's ".idata"
made read-only, lld's ".rdata" for the tables of dlltool's delay-load libraries), and the first
call into a delay-loaded DLL then crashes; so does the slot of the DLL's module handle. The
descriptors are found through the delay-import data directory, which lld fills in. Fails, naming
the DLL and the section, when a table or a handle slot lies outside a writable section, when the
program has no delay-load imports at all, or when it imports another DLL at start-up.
"""
import struct
import sys

IMAGE_SCN_MEM_WRITE = 0x80000000
# KnownDLLs, which Windows maps from System32 whatever the search order, and which no program
# built here does without; ntdll.dll is mapped into every process before any other DLL, and never
# searched for.
START_UP_IMPORTS = {"kernel32.dll", "msvcrt.dll", "ntdll.dll"}


def sections(image, header):
    count = struct.unpack_from("<H", image, header + 6)[0]
    optional_size = struct.unpack_from("<H", image, header + 20)[0]
    table = header + 24 + optional_size
    for i in range(count):
        entry = table + 40 * i
        name = image[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
        virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<IIII", image, entry + 8)
        flags = struct.unpack_from("<I", image, entry + 36)[0]
        yield name, rva, max(virtual_size, raw_size), raw_offset, flags


def main():
    program = sys.argv[1]
    image = open(program, "rb").read()
    header = struct.unpack_from("<I", image, 0x3C)[0]
    if image[header:header + 4] != b"PE\0\0":
        sys.exit(f"{program}: not a PE file")
    table = list(sections(image, header))

    def section_of(address):
        for name, start, length, raw, flags in table:
            if start <= address < start + length:
                return name, start, raw, flags
        return None

    def offset_of(address):
        _, start, raw, _ = section_of(address)
        return raw + address - start

    def text_at(address):
        offset = offset_of(address)
        return image[offset:image.index(b"\0", offset)].decode("ascii", "replace")

    failures = []
    # The ordinary import directory: the second data directory of the PE32+ optional header.
    import_rva = struct.unpack_from("<I", image, header + 24 + 112 + 8)[0]
    while import_rva:
        name_rva, first_thunk = struct.unpack_from("<II", image, offset_of(import_rva) + 12)
        if not name_rva and not first_thunk:
            break
        dll = text_at(name_rva)
        if dll.lower() not in START_UP_IMPORTS:
            failures.append(f"{dll}: imported at start-up; link its delay-load import library")
        import_rva += 20

    # The delay-import directory, the fourteenth data directory: an array of 32-byte descriptors
    # ended by one of zeros.
    descriptors = []
    delay_rva = struct.unpack_from("<I", image, header + 24 + 112 + 13 * 8)[0]
    while delay_rva:
        if not any(image[offset_of(delay_rva):offset_of(delay_rva) + 32]):
            break
        descriptors.append(delay_rva)
        delay_rva += 32
    if not descriptors:
        failures.append("no delay-load imports")
    for descriptor in descriptors:
        _, name_rva, handle_rva, iat_rva = struct.unpack_from("<IIII", image, offset_of(descriptor))
        dll = text_at(name_rva)
        for what, address in (("import address table", iat_rva), ("module handle", handle_rva)):
            section = section_of(address)
            if section is None or not section[3] & IMAGE_SCN_MEM_WRITE:
                where = section[0] if section else "no section"
                failures.append(f"{dll}: delay-load {what} in {where}, not writable")
    if failures:
        sys.exit(f"{program}:\n  " + "\n  ".join(failures))
    print(f"{program}: {len(descriptors)} delay-loaded DLLs, tables and handles writable; "
          f"only {' and '.join(sorted(START_UP_IMPORTS))} at start-up")


if __name__ == "__main__":
    main()
