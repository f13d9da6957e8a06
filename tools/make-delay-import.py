#!/usr/bin/env python3
"""Makes a delay-load import library from an ordinary mingw-w64 import library.

    make-delay-import.py NM LLVM_DLLTOOL IMPORT_LIBRARY DLL_NAME OUTPUT

The result is an import library of the short kind, which lld makes delay-load tables for: a
program linked against it with --delayload=DLL_NAME loads DLL_NAME at its first call into it, by
name, with whatever library search rules the program has set by then, instead of at start-up.
"""
import pathlib
import subprocess
import sys


def main():
    nm, dlltool, import_library, dll_name, output = sys.argv[1:6]
    listing = subprocess.run([nm, import_library], check=True, capture_output=True, text=True)
    names = sorted({line.split()[-1][len("__imp_"):] for line in listing.stdout.splitlines()
                    if line.split()[-2:-1] == ["I"] and line.split()[-1].startswith("__imp_")})
    if not names:
        sys.exit(f"{import_library}: no imported functions found")
    output = pathlib.Path(output).resolve()
    definition = output.with_suffix(".def")
    definition.write_text(f"LIBRARY {dll_name}\nEXPORTS\n" + "".join(f"{n}\n" for n in names))
    # Run beside the output with bare file names, so that no build folder gets into the library.
    subprocess.run([dlltool, "-m", "i386:x86-64", "-d", definition.name, "-D", dll_name,
                    "-l", output.name], check=True, cwd=output.parent)


if __name__ == "__main__":
    main()
