"""Which Wine runs the program and its tests, on which build of the program, and how its prefix is
set up: the one Wine set-up of the end-to-end tests (harness.py), the Wine benchmarks and scripts/run.

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
# Where Wine keeps its own fonts (MS Sans Serif, Tahoma, ...), by distribution.
WINE_FONT_DIRS = ('/usr/share/wine/fonts', '/usr/lib/wine/fonts', '/opt/wine-stable/share/wine/fonts')


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


def default_prefix(exe):
    """The user's own prefix for running this executable: WINEPREFIX, or Wine's default (a 64-bit
    prefix of its own, ~/.wine64, for the 64-bit build)."""
    if os.environ.get('WINEPREFIX'):
        return Path(os.environ['WINEPREFIX'])
    return Path.home() / ('.wine64' if pe_is_64bit(exe) else '.wine')


def environment(exe, prefix, display, base=None):
    """(loader command, environment) for running this executable's build in prefix on display: no
    debugging output and no Mono or Gecko installer unless base (os.environ by default) asks for
    them, and the 64-bit loader for the programs Wine starts for itself where the build is 64-bit."""
    command, arch = loader_for(exe)
    env = dict(os.environ if base is None else base)
    env.setdefault('WINEDEBUG', '-all')
    env.setdefault('WINEDLLOVERRIDES', 'mscoree,mshtml=')
    env.update({'DISPLAY': display, 'WINEPREFIX': str(prefix)})
    # The architecture is the prefix's own once it is made; Wine refuses one that differs from it.
    if not (Path(prefix) / 'system.reg').exists():
        env['WINEARCH'] = arch
    if arch == 'win64':
        env['WINELOADER'] = command
    return command, env


def prepare_prefix(command, env, window_manager=True):
    """Makes the prefix env names where it is missing, then puts Wine's own fonts in it. Without a
    window manager on the display, Wine is told to draw the frames itself (Managed=N)."""
    prefix = Path(env['WINEPREFIX'])
    if not (prefix / 'system.reg').exists():
        prefix.mkdir(parents=True, exist_ok=True)
        subprocess.run([command, 'wineboot', '-i'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=300)
        if not window_manager:
            # Wine then does not wait for a manager to acknowledge each window.
            subprocess.run([command, 'reg', 'add', r'HKCU\Software\Wine\X11 Driver', '/v', 'Managed', '/d', 'N',
                            '/f'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        # What the prefix's making left running (its first session) slows every COM activation by
        # seconds; the programs start in a session of their own, as on a reused prefix.
        subprocess.run(['wineserver', '-k'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)
    install_wine_fonts(prefix)


def install_wine_fonts(prefix):
    """Puts Wine's own fonts in the prefix's Fonts folder, as a Windows installation has them.
    Where Wine does not find them by itself, every face (MS Sans Serif, Tahoma, MS Shell Dlg)
    falls back to a wider desktop font and the windows' labels clip."""
    fonts = Path(prefix) / 'drive_c' / 'windows' / 'Fonts'
    if not fonts.is_dir():
        return
    for source in WINE_FONT_DIRS:
        for font in Path(source).glob('*'):
            if font.suffix.lower() in ('.fon', '.ttf') and not (fonts / font.name).exists():
                shutil.copy2(font, fonts / font.name)


if __name__ == '__main__':
    print(tree())
