#!/usr/bin/python3
"""Checks how the program's executable is built: hardened (ASLR with high
entropy, DEP), statically linked (no compiler runtime DLL to ship beside it),
and importing only DLLs that Windows always loads from the system folder, so
that no DLL beside the executable or in the current directory is ever taken.

usage: check_executable.py OBJDUMP EXE"""
import subprocess
import sys

# Windows' KnownDLLs that the program may import.
KNOWN_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll", "msvcrt.dll", "advapi32.dll"}
REQUIRED_FLAGS = {"HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT"}


def main(objdump, exe):
    out = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    lines = out.splitlines()
    imports = {line.split(":", 1)[1].strip().lower() for line in lines if "DLL Name:" in line}
    start = next(i for i, line in enumerate(lines) if line.startswith("DllCharacteristics"))
    flags = set()
    for line in lines[start + 1:]:
        if not line.startswith("\t\t"):
            break
        flags.add(line.strip())
    failures = []
    if not imports:
        failures.append("no imports read: is this a PE file?")
    if imports - KNOWN_DLLS:
        failures.append("imports DLLs that may be taken from beside the executable: %s" % sorted(imports - KNOWN_DLLS))
    if REQUIRED_FLAGS - flags:
        failures.append("missing hardening flags: %s" % sorted(REQUIRED_FLAGS - flags))
    subsystem = next((line.split()[1] for line in lines if line.startswith("Subsystem")), "")
    if subsystem != "00000002":
        failures.append("not a Windows GUI program (subsystem %s)" % subsystem)
    for failure in failures:
        print(failure)
    print("imports:", ", ".join(sorted(imports)), "| flags:", ", ".join(sorted(flags)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
