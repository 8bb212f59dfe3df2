"""The end-to-end harness: one Xvfb display and one Wine prefix of the tests' own for a run, the real
Dashmarks.exe started and driven as a person would (clicks on its icon in Wine's system tray, keys
through SendInput from the dmhelper fixture), the registry seeded and read back, screenshots kept.

Every wait polls for the condition it needs with a deadline; every process the harness starts is
ended by its id.

    harness.py run EXE [--artifacts DIR]

runs a program for a person to use (scripts/run), with the same Wine set-up: in the user's own prefix,
made when missing, on the current display or, with no DISPLAY, on a virtual one, where a screenshot
(DIR/run-screen.png) is taken once the icon shows in the tray. Ends when the program ends; a
signal ends the program, and with a virtual display, whatever Wine ran on it.
"""
import os
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import wine_loader

REGISTRY_KEY = r'HKCU\Software\Vantrel\Dashmarks'
TRAY_TITLE = 'Wine System Tray'


class TestFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def parametrise(cases):
    """Turns a test function f(d, *case) into one test per case, named after the case's label, in
    the module that defines f."""
    def make(function):
        for label, *args in cases:
            def test(d, function=function, args=args):
                function(d, *args)
            function.__globals__[f'{function.__name__}__{label}'] = test
        return None
    return make


class Window:
    def __init__(self, line):
        head, cls_title_rect = line.split(' ', 4)[:4], line.split(' ', 4)[4]
        self.hwnd = head[0]
        self.pid = int(head[1])
        self.visible = head[2] == '1'
        self.enabled = head[3] == '1'
        parts = cls_title_rect.split('|')
        self.cls = parts[0]
        self.title = '|'.join(parts[1:-2])
        self.rect = tuple(int(v) for v in parts[-2].split(','))
        self.control_id = int(parts[-1])

    @property
    def width(self):
        return self.rect[2] - self.rect[0]

    @property
    def height(self):
        return self.rect[3] - self.rect[1]

    def __repr__(self):
        return f'<{self.cls} "{self.title}" {self.hwnd} pid={self.pid} visible={self.visible} rect={self.rect}>'


class VirtualDisplay:
    """An Xvfb display of its own, on the first free display number from 90."""

    def __init__(self, size=(1280, 800)):
        self.size = size
        self.number = None
        self.process = None

    def start(self):
        """Starts the display and waits for its socket; returns its number."""
        self.number = self._free_number()
        width, height = self.size
        self.process = subprocess.Popen(
            ['Xvfb', f':{self.number}', '-screen', '0', f'{width}x{height}x24', '-nolisten', 'tcp'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        Desktop.wait_for(lambda: Path(f'/tmp/.X11-unix/X{self.number}').exists(), 10, 'the virtual display')
        return self.number

    def stop(self):
        if self.process:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
            self.process = None

    @staticmethod
    def _free_number():
        for n in range(90, 200):
            if not Path(f'/tmp/.X{n}-lock').exists() and not Path(f'/tmp/.X11-unix/X{n}').exists():
                return n
        raise RuntimeError('no free X display number')


class Desktop:
    """One virtual display and one Wine prefix, shared by every test of a run."""

    def __init__(self, repo, build_dir, artifacts_dir):
        self.repo = Path(repo)
        self.build = Path(build_dir)
        self.artifacts = Path(artifacts_dir)
        self.prefix = self.build / 'wineprefix-tests'
        self.exe = self.build / 'Dashmarks.exe'
        self.helper_exe = self.build / 'fixtures' / 'dmhelper.exe'
        self.xvfb = None
        self.display = None
        self.processes = []
        self.test_name = 'run'
        self.env = dict(os.environ)
        self.screen_size = (1280, 800)
        # The 32-bit program under Wine's 32-bit loader, or its 64-bit build under the 64-bit one.
        self.wine_command, self.wine_arch = wine_loader.loader_for(self.exe)

    # --- life of the run ---------------------------------------------------------------------

    def start(self):
        # Whatever an earlier, interrupted run left in the tests' prefix goes first.
        subprocess.run(['wineserver', '-k'], env={**os.environ, 'WINEPREFIX': str(self.prefix)},
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
        self.xvfb = VirtualDisplay(self.screen_size)
        self.display = self.xvfb.start()
        _, self.env = wine_loader.environment(self.exe, self.prefix, f':{self.display}')
        self.env.update({
            # The prefixes of the tests are theirs alone, made for the build they run.
            'WINEARCH': self.wine_arch,
            'WINEDEBUG': '-all',
            'WINEDLLOVERRIDES': 'mscoree,mshtml=',
            'LC_ALL': 'C.UTF-8',
        })
        # With no window manager on the display, Wine draws the frames itself.
        wine_loader.prepare_prefix(self.wine_command, self.env, window_manager=False)
        # A persistent server keeps the prefix's services up between the many short helper runs.
        subprocess.run(['wineserver', '-p'], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        # Start the prefix's services and desktop once, with output nowhere.
        subprocess.run([self.wine_command, str(self.helper_exe), 'windows'], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=120)

    def stop(self):
        self.kill_all()
        subprocess.run(['wineserver', '-k'], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=60)
        if self.xvfb:
            self.xvfb.stop()

    # --- processes ---------------------------------------------------------------------------

    def spawn(self, program, *args, log_name=None, env=None):
        """Starts a Wine program; env adds to or replaces the run's environment for it alone."""
        log = subprocess.DEVNULL
        if log_name:
            log = open(self.test_dir() / log_name, 'wb')
        process = subprocess.Popen([self.wine_command, str(program), *map(str, args)], env={**self.env, **(env or {})},
                                   stdout=log, stderr=log, start_new_session=True)
        self.processes.append(process)
        return process

    def kill(self, process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                pass

    def kill_all(self):
        for process in self.processes:
            self.kill(process)
        self.processes.clear()

    def wine(self, *args, timeout=60, check_rc=False):
        """Runs a Wine program to its end. Output goes through files, not pipes: services that
        Wine starts on the way inherit the handles and would hold a pipe open long after."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.Popen([self.wine_command, *map(str, args)], env=self.env, stdout=out, stderr=err,
                                       stdin=subprocess.DEVNULL)
            try:
                process.wait(timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                raise TestFailure(f'wine {args} did not end within {timeout}s')
            out.seek(0)
            err.seek(0)
            result = subprocess.CompletedProcess(args, process.returncode, out.read(), err.read())
        if check_rc and result.returncode != 0:
            raise TestFailure(f'wine {args} failed: {result.stderr.decode(errors="replace")}')
        return result

    def helper(self, *args, timeout=30):
        result = self.wine(self.helper_exe, *args, timeout=timeout)
        return result.returncode, result.stdout.decode('utf-8', errors='replace').replace('\r', '')

    # --- waiting -----------------------------------------------------------------------------

    @staticmethod
    def wait_for(predicate, timeout, what, interval=0.1):
        deadline = time.monotonic() + timeout
        while True:
            value = predicate()
            if value:
                return value
            if time.monotonic() > deadline:
                raise TestFailure(f'timed out after {timeout}s waiting for {what}')
            time.sleep(interval)

    def wait_exit(self, process, timeout, what='the program to end'):
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TestFailure(f'timed out after {timeout}s waiting for {what}')
        return process.returncode

    # --- windows -----------------------------------------------------------------------------

    def windows(self):
        _, out = self.helper('windows')
        return [Window(line) for line in out.splitlines() if line.strip()]

    def children(self, window):
        _, out = self.helper('children', window.hwnd)
        return [Window(line) for line in out.splitlines() if line.strip()]

    def find_windows(self, cls=None, title=None, visible=None, pid=None):
        found = []
        for w in self.windows():
            if cls is not None and w.cls != cls:
                continue
            if title is not None and w.title != title:
                continue
            if visible is not None and w.visible != visible:
                continue
            if pid is not None and w.pid != pid:
                continue
            found.append(w)
        return found

    def wait_window(self, timeout=10, **criteria):
        return self.wait_for(lambda: (self.find_windows(**criteria) or [None])[0], timeout, f'a window {criteria}')

    def window_text(self, window):
        rc, out = self.helper('text', window.hwnd)
        return out.rstrip('\n') if rc == 0 else None

    def popup_menu(self):
        """The open pop-up menu window, if any."""
        menus = self.find_windows(cls='#32768', visible=True)
        return menus[0] if menus else None

    def popup_menus(self):
        """Every open pop-up menu window: a menu and the submenus open from it."""
        return self.find_windows(cls='#32768', visible=True)

    def menu_items(self, menu=None):
        """The items of the open pop-up menu (or of the menu window given) as (state, text) pairs, as
        `dmhelper menu` reads them: state 'enabled', or words such as 'disabled', 'separator',
        'submenu'."""
        rc, out = self.helper('menu', *([menu.hwnd] if menu is not None else []))
        check(rc == 0, f'could not read the menu\'s items: {out}')
        return [tuple(line.split('|', 1)) for line in out.splitlines() if '|' in line]

    def no_menu_for(self, seconds):
        """True when no pop-up menu shows during the whole of the next `seconds`."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.popup_menu():
                return False
            time.sleep(0.1)
        return True

    def keys(self, *tokens):
        rc, out = self.helper('keys', *tokens)
        check(rc == 0, f'keys {tokens} failed: {out}')

    # --- the tray ----------------------------------------------------------------------------

    def _xdotool(self, *args):
        return subprocess.run(['xdotool', *map(str, args)], env=self.env, capture_output=True, text=True,
                              timeout=30)

    def tray_window(self):
        """The visible tray window, which Wine shows only while it holds icons."""
        out = self._xdotool('search', '--onlyvisible', '--name', TRAY_TITLE).stdout.split()
        return out[0] if out else None

    def tray_cells(self):
        """The tray's client area as (x, y, cell size, number of cells); icons sit in square cells
        from the left."""
        self.wait_for(self.tray_window, 15, 'the Wine system tray')
        tray = self.wait_for(lambda: (self.find_windows(title=TRAY_TITLE, visible=True) or [None])[0], 15,
                             'the Wine system tray window')
        rc, out = self.helper('client', tray.hwnd)
        check(rc == 0, f'no client area for {tray}')
        x, y, width, height = (int(v) for v in out.split())
        return x, y, height, max(width // max(height, 1), 1)

    def tray_icon_point(self, index=0):
        x, y, cell, _ = self.tray_cells()
        return x + cell * index + cell // 2, y + cell // 2

    def click_tray(self, button=1, repeat=1):
        x, y = self.tray_icon_point()
        self.move_pointer(x, y)
        args = ['click']
        if repeat > 1:
            args += ['--repeat', repeat, '--delay', 80]
        self._xdotool(*args, button)

    def double_click_tray(self):
        self.click_tray(1, repeat=2)

    def pointer(self):
        out = self._xdotool('getmouselocation', '--shell').stdout
        values = dict(line.split('=', 1) for line in out.split() if '=' in line)
        return int(values.get('X', -1)), int(values.get('Y', -1))

    def move_pointer(self, x, y):
        # --sync waits for the pointer to arrive, and would wait long for a move to where it is.
        if self.pointer() != (x, y):
            self._xdotool('mousemove', '--sync', x, y)

    def tray_tip(self):
        """Hovers over the icon and reads the tip the tray shows for it."""
        x, y = self.tray_icon_point()
        self.move_pointer(x + 40, y + 40)
        time.sleep(0.2)
        self.move_pointer(x, y)
        self.move_pointer(x + 1, y)

        def shown_tip():
            for tip in self.find_windows(cls='tooltips_class32', visible=True):
                text = self.window_text(tip)
                if text:
                    return text
            return None
        return self.wait_for(shown_tip, 10, 'the icon tip')

    # --- the registry ------------------------------------------------------------------------

    def reg_clear(self):
        rc, out = self.helper('reg-clear')
        check(rc == 0, f'could not clear the settings: {out}')

    def reg_seed(self, values):
        args = []
        for name, value in values.items():
            args += [name, value]
        rc, out = self.helper('reg-set', *args)
        check(rc == 0, f'could not seed the settings: {out}')

    def reg_seed_paths(self, paths, **others):
        values = {'Amount': str(len(paths))}
        values.update({f'Path{i}': p for i, p in enumerate(paths, 1)})
        values.update(others)
        self.reg_seed(values)

    def reg_values(self):
        """Every value under the program's key, read back through the registry API."""
        _, out = self.helper('reg-dump')
        return dict(line.split('=', 1) for line in out.splitlines() if '=' in line)

    def reg_query(self):
        """The same values as `wine reg query` shows them (a second, independent reader)."""
        result = self.wine('reg', 'query', REGISTRY_KEY)
        values = {}
        for line in result.stdout.decode('utf-8', errors='replace').splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) >= 2 and parts[1].startswith('REG_'):
                values[parts[0]] = parts[2] if len(parts) > 2 else ''
        return values

    # --- the program -------------------------------------------------------------------------

    def start_dashmarks(self, wait_icon=True, env=None):
        """Starts the program; its output goes to dashmarks.log among the test's artefacts (with
        WINEDEBUG=warn+seh in env, its OutputDebugString lines too)."""
        process = self.spawn(self.exe, log_name='dashmarks.log', env=env)
        if wait_icon:
            self.wait_for(lambda: self.find_windows(cls='DashmarksMain'), 20, 'the Dashmarks main window')
            self.wait_for(self.tray_window, 20, 'the icon in the system tray')
        return process

    def main_window(self):
        found = self.find_windows(cls='DashmarksMain')
        return found[0] if found else None

    def restart_shell(self):
        """What a restarting shell does to the running program: it forgets every icon, then
        announces its new taskbar. Wine never broadcasts "TaskbarCreated", so it is posted."""
        main = self.main_window()
        hook = [w for w in self.children(main) if w.cls == 'DashmarksHook'][0]
        rc, _ = self.helper('tray-forget', hook.hwnd, '1')
        check(rc == 0, 'could not take the icon out of the tray')
        self.wait_for(lambda: not self.tray_window(), 10, 'the icon to leave the tray')
        rc, _ = self.helper('post', main.hwnd, 'TaskbarCreated', '0', '0')
        check(rc == 0, 'could not post TaskbarCreated')

    # --- the display's scale --------------------------------------------------------------------

    def set_display_scale(self, dpi):
        """Gives Wine's display dpi dots per inch (96 is 100 %) and starts Wine's session again, so
        that its desktop and tray take the new scale as well as every program started after."""
        self.kill_all()
        for key in (r'HKCU\Control Panel\Desktop',
                    r'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'):
            self.wine('reg', 'add', key, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', str(dpi), '/f', check_rc=True)
        subprocess.run(['wineserver', '-k'], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)
        subprocess.run(['wineserver', '-w'], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)
        subprocess.run(['wineserver', '-p'], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)
        subprocess.run([self.wine_command, str(self.helper_exe), 'windows'], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=120)

    def text_fit(self, window, font):
        """(text width, text height, client width, client height) of a control's text drawn in font:
        "message" (the system's message font) or "FACE:POINTS"."""
        rc, out = self.helper('fit', window.hwnd, font)
        check(rc == 0, f'could not measure the text of {window}')
        return tuple(int(v) for v in out.split())

    # --- artefacts ---------------------------------------------------------------------------

    def test_dir(self):
        path = self.artifacts / self.test_name
        path.mkdir(parents=True, exist_ok=True)
        return path

    def report(self, text):
        """A drill's figures: kept as drill.txt among the test's artefacts and shown in the run."""
        (self.test_dir() / 'drill.txt').write_text(text + '\n')
        print('    ' + text)

    def screenshot(self, name, window=None):
        """Saves the screen (or the part a window covers) as a PNG among the test's artefacts."""
        path = self.test_dir() / f'{name}.png'
        args = ['import', '-display', f':{self.display}', '-window', 'root']
        if window is not None:
            left, top, right, bottom = window.rect
            left, top = max(left - 8, 0), max(top - 8, 0)
            args += ['-crop', f'{right - left + 16}x{bottom - top + 16}+{left}+{top}']
        subprocess.run(args + [str(path)], env=self.env, capture_output=True, timeout=30)
        return path

    def reset(self):
        """Between tests: no program of ours left running, no menu open, an empty store."""
        self.kill_all()
        self.wait_for(lambda: not self.find_windows(cls='DashmarksMain'), 15, 'the last program to end')
        if self.popup_menu():
            self.keys('esc', 'esc')
        self.reg_clear()
        self.sweep_tray()
        self.move_pointer(self.screen_size[0] // 2, self.screen_size[1] // 2)

    def sweep_tray(self, timeout=10):
        """Moves the pointer over the tray until it drops the icons of killed programs: the tray
        only notices a dead owner when it tries to tell it about the pointer."""
        deadline = time.monotonic() + timeout
        while self.tray_window() and time.monotonic() < deadline:
            if not self.find_windows(title=TRAY_TITLE, visible=True):
                # Emptied already: the X window is unmapped a moment after the tray hides.
                time.sleep(0.2)
                continue
            x0, y0, cell, cells = self.tray_cells()
            for i in range(cells):
                self.move_pointer(x0 + cell * i + cell // 2, y0 + cell // 2)
                self.move_pointer(x0 + cell * i + cell // 2 + 1, y0 + cell // 2)
            time.sleep(0.2)
        check(not self.tray_window(), 'the tray still holds icons of earlier programs')


def run_program(exe, artifacts):
    """Runs exe under Wine until it ends (see the module's description); returns its exit status."""
    exe = Path(exe).resolve()
    display = os.environ.get('DISPLAY')
    virtual = None
    process = None
    env = None

    def end(signum, _frame):
        raise SystemExit(128 + signum)
    for signum in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        signal.signal(signum, end)
    try:
        if not display:
            virtual = VirtualDisplay()
            display = f':{virtual.start()}'
            print(f'run: no DISPLAY, started a virtual one at {display} (xdotool and import can reach it there)',
                  file=sys.stderr)
        command, env = wine_loader.environment(exe, wine_loader.default_prefix(exe), display)
        wine_loader.prepare_prefix(command, env)
        print(f'run: starting {exe} (end it from its icon\'s right-click menu: Exit)', file=sys.stderr)
        process = subprocess.Popen([command, str(exe)], env=env, start_new_session=True)
        if virtual:
            screenshot = Path(artifacts) / 'run-screen.png'
            screenshot.parent.mkdir(parents=True, exist_ok=True)
            deadline = time.monotonic() + 90
            while process.poll() is None and time.monotonic() < deadline:
                shown = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', TRAY_TITLE], env=env,
                                       capture_output=True, timeout=30)
                if shown.stdout.strip():
                    taken = subprocess.run(['import', '-display', display, '-window', 'root', str(screenshot)],
                                           env=env, capture_output=True, timeout=30)
                    if taken.returncode == 0:
                        print(f'run: Dashmarks runs on the virtual display {display}; screenshot: {screenshot}',
                              file=sys.stderr)
                    break
                time.sleep(0.5)
        return process.wait()
    finally:
        if process is not None and process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait()
        if virtual:
            # What Wine ran on the display (its desktop, its tray) goes with it.
            if env is not None:
                subprocess.run(['wineserver', '-k'], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               timeout=60)
            virtual.stop()


if __name__ == '__main__':
    import argparse
    parser = argparse.ArgumentParser(description='Runs a Windows program under Wine for a person to use.')
    parser.add_argument('command', choices=['run'])
    parser.add_argument('exe')
    parser.add_argument('--artifacts', default=str(Path(__file__).resolve().parents[2] / 'artifacts'))
    arguments = parser.parse_args()
    sys.exit(run_program(arguments.exe, arguments.artifacts))
