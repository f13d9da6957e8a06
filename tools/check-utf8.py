#!/usr/bin/env python3
"""Checks that text files are valid UTF-8, the code page of our programs and of the resource
compiler (-c 65001): a byte of another code page would show as another character.

    check-utf8.py FILE...
"""
import sys


def main():
    failures = []
    for name in sys.argv[1:]:
        data = open(name, "rb").read()
        try:
            data.decode("utf-8")
        except UnicodeDecodeError as error:
            line = data[:error.start].count(b"\n") + 1
            failures.append(f"{name}:{line}: not UTF-8 ({error.reason})")
    if failures:
        sys.exit("\n".join(failures))


if __name__ == "__main__":
    main()
