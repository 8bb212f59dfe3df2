#!/usr/bin/env python3
"""Lists what a built Dashmarks.exe imports and fails when it carries more than it should or lacks a
protection flag: no threading library the toolchain may bring (winpthreads and its thread-suspending
imports), no runtime DLL of the compiler; terminal-server aware, ASLR (dynamic base with its
relocations kept) and DEP (NX compatible).

Usage: check_executable.py EXE...   (exit status 1 on any finding)
"""
import re
import subprocess
import sys

FORBIDDEN_DLLS = re.compile(r'pthread|libgcc|libstdc\+\+|libatomic|libssp', re.IGNORECASE)
FORBIDDEN_FUNCTIONS = {'SuspendThread', 'GetThreadContext', 'SetThreadContext', 'Wow64GetThreadContext',
                       'Wow64SetThreadContext'}
REQUIRED_FLAGS = ('DYNAMIC_BASE', 'NX_COMPAT', 'TERMINAL_SERVICE_AWARE')
RELOCS_STRIPPED = 0x0001


def objdump(exe, option):
    for tool in ('i686-w64-mingw32-objdump', 'x86_64-w64-mingw32-objdump'):
        result = subprocess.run([tool, option, exe], capture_output=True, text=True)
        if result.returncode == 0:
            return result.stdout
    raise SystemExit(f'{exe}: objdump could not read it')


def imports(private_headers):
    """{dll: [function, ...]} from objdump -p's import tables."""
    found = {}
    dll = None
    for line in private_headers.splitlines():
        name = re.match(r'\s*DLL Name: (\S+)', line)
        if name:
            dll = name.group(1)
            found[dll] = []
            continue
        if dll is None:
            continue
        entry = re.match(r'\s*[0-9a-f]+\s+\d+\s+(\S+)$', line)
        if entry:
            found[dll].append(entry.group(1))
        elif not line.strip():
            dll = None if found[dll] else dll
    return found


def findings(exe):
    headers = objdump(exe, '-p')
    table = imports(headers)
    print(f'{exe}:')
    for dll, functions in table.items():
        print(f'  {dll}: {len(functions)} functions')
    problems = [f'imports {dll}' for dll in table if FORBIDDEN_DLLS.search(dll)]
    problems += [f'imports {dll}!{function}' for dll, functions in table.items() for function in functions
                 if function in FORBIDDEN_FUNCTIONS]
    characteristics = re.search(r'^Characteristics 0x([0-9a-f]+)', headers, re.MULTILINE)
    dll_flags = headers[headers.find('DllCharacteristics'):headers.find('SizeOfStackReserve')]
    problems += [f'lacks the {flag} flag' for flag in REQUIRED_FLAGS if flag not in dll_flags]
    if not characteristics or int(characteristics.group(1), 16) & RELOCS_STRIPPED:
        problems.append('its relocations are stripped (no ASLR)')
    if not re.search(r'^\s*\d+\s+\.reloc\s', objdump(exe, '-h'), re.MULTILINE):
        problems.append('has no .reloc section (no ASLR)')
    return problems


def main(paths):
    problems = []
    for exe in paths:
        problems += [f'{exe} {problem}' for problem in findings(exe)]
    for problem in problems:
        print(f'  FINDING: {problem}')
    return 1 if problems or not paths else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
