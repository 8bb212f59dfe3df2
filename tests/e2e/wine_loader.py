"""Which Wine runs the tests, and on which build of the program.

Wine runs 32-bit Windows programs through its 32-bit loader, a 32-bit Linux program. A kernel built
or booted without 32-bit support refuses to start it ("Exec format error"); there the same programs,
built for 64-bit Windows (the win64 tree), run under Wine's 64-bit loader in a 64-bit prefix.
"""
import os
import shutil
import subprocess
from pathlib import Path

WINE32_LOADER = '/usr/lib/wine/wine'
WINE64_LOADER = '/usr/lib/wine/wine64'


def runs_32bit_wine():
    """Whether this machine starts Wine's 32-bit loader."""
    loader = WINE32_LOADER if os.path.exists(WINE32_LOADER) else shutil.which('wine')
    if not loader:
        return False
    try:
        return subprocess.run([loader, '--version'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=60).returncode == 0
    except OSError:
        return False


def tree():
    """The build tree whose programs the Wine tests run: 'win32', or 'win64' where 32-bit cannot run."""
    return 'win32' if runs_32bit_wine() else 'win64'


def pe_is_64bit(exe):
    """Whether a Windows executable is built for x86-64 (its PE header's machine field)."""
    data = Path(exe).read_bytes()[:4096]
    offset = int.from_bytes(data[0x3C:0x40], 'little')
    return int.from_bytes(data[offset + 4:offset + 6], 'little') == 0x8664


def loader_for(exe):
    """(loader command, WINEARCH) for running this executable's build."""
    if pe_is_64bit(exe):
        return (shutil.which('wine64') or WINE64_LOADER), 'win64'
    return 'wine', 'win32'


if __name__ == '__main__':
    print(tree())
