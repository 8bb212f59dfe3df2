#!/usr/bin/env python3
"""Dashmarks' benchmarks under Wine, each a ratio against a floor measured in the same run.

  delivery    from the Enter that picks a Folders menu entry to the dialog's log line for the new
              folder, in every kind of file dialog, typed and pasted; floors: the same dialog, its
              name box focused, sent the path (or Ctrl+V) and Enter straight with SendInput; and
              the minimal deliverer (bench_probe deliver), which finds the dialog, brings it to the
              front, focuses its name box and sends the path and Enter in straight-line code
  footprint   start-up time (to the icon's owner window and to the icon in the tray), private
              bytes and working set of Dashmarks.exe; floor: fixtures/bare_tray.exe
  search      the window search over about 2,000 real windows (fixtures/many_windows.exe);
              floor: the same walk asking only each window's class
  menu        from Ctrl+G in a file dialog to the Folders menu on screen, with twenty folders open
              in folder windows (the tests' stand-in shell window list); floor: the same menu while
              the list holds none

Usage: wine_bench.py BUILD_DIR [--repetitions N] [--only delivery,footprint,search,menu] [--json FILE]
Times inside Wine are taken by bench/bench_probe.exe (one process's QueryPerformanceCounter); the
log and the tray are polled about once a millisecond.
"""
import argparse
import json
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[3]
sys.path.insert(0, str(REPO / 'tests' / 'e2e'))
import harness  # noqa: E402

# Start-up until the icon shows has a goal of its own, stricter than the rest of the footprint.
GOALS = {'delivery': 1.3, 'minimal': 1.15, 'footprint': 1.3, 'startup': 1.2, 'search': 1.2}
# Every kind of file dialog the program delivers to (dialog_kinds_fixture's names, and the stand-in's
# below), and what each is.
DIALOG_KINDS = {
    'open': 'Open, explorer-style, hooked',
    'open-plain': 'Open, explorer-style',
    'old': 'Open, old-style',
    'save': 'Save As, a name typed',
    'item-open': 'IFileOpenDialog',
    'item-save': 'IFileSaveDialog, a name typed',
    'windows-open': 'IFileOpenDialog as Windows draws it (stand-in)',
    'windows-save': 'IFileSaveDialog as Windows draws it (stand-in), a name typed',
}
TYPED_NAME_KINDS = ('save', 'item-save', 'windows-save')
# The kinds played by the stand-in for the dialogs Windows 10 and 11 draw, and its name for each.
STAND_IN_KINDS = {'windows-open': 'open', 'windows-save': 'save'}
# 300 KB read strictly, as 300,000 bytes.
SIZE_GOAL = 300_000


def windows_path(path):
    return 'Z:' + str(path).replace('/', '\\')


def same_folder(a, b):
    return a.rstrip('\\').casefold() == b.rstrip('\\').casefold()


def linux_status(exe):
    """/proc/PID/status of the Linux process that runs exe under Wine, in bytes (the memory lines)."""
    for proc in Path('/proc').iterdir():
        if not proc.name.isdigit():
            continue
        try:
            argv0 = (proc / 'cmdline').read_bytes().split(b'\0')[0].decode(errors='replace')
            if argv0.replace('\\', '/').lower().endswith('/' + exe.name.lower()):
                fields = {}
                for line in (proc / 'status').read_text().splitlines():
                    name, _, value = line.partition(':')
                    if value.strip().endswith('kB'):
                        fields[name] = int(value.split()[0]) * 1024
                return fields
        except OSError:
            continue
    return {}


class Bench:
    def __init__(self, desktop, repetitions, kinds=None, pairs=None, trace=False, exe32=None):
        self.d = desktop
        self.exe32 = exe32
        self.n = repetitions
        self.kinds = kinds or list(DIALOG_KINDS)
        self.pairs = pairs
        # The program's debug lines, time-stamped by Wine, go to the run's artefacts (dashmarks.log).
        self.program_env = {'WINEDEBUG': '+timestamp,warn+seh'} if trace else None
        self.probe_exe = desktop.build / 'bench' / 'bench_probe.exe'
        self.results = {}

    def fixture(self, name):
        return self.d.build / 'fixtures' / f'{name}.exe'

    def probe(self, *args, timeout=60):
        result = self.d.wine(self.probe_exe, *args, timeout=timeout)
        return result.returncode, result.stdout.decode('utf-8', errors='replace').replace('\r', '').strip()

    # --- window search ---------------------------------------------------------------------------

    def search(self):
        result = self.d.wine(self.fixture('many_windows'), max(3 * self.n, 21), timeout=120, check_rc=True)
        fields = result.stdout.decode().split()
        values = dict(zip(fields[0::2], fields[1::2]))
        floor, search, titles = (float(values[k]) for k in ('floor', 'search', 'titles'))
        self.results['search'] = {
            'windows': int(values['windows']), 'created': int(values['created']), 'matches': int(values['matches']),
            'floor_ns': floor, 'search_ns': search, 'titles_ns': titles,
            # Each repetition's own ratio, the median of them: steadier than a ratio of medians.
            'ratio': float(values['search/floor']), 'titles_ratio': float(values['titles/floor']),
        }

    # --- footprint -------------------------------------------------------------------------------

    def start_once(self, exe, cls):
        rc, out = self.probe('start', exe, cls)
        harness.check(rc == 0, f'{exe.name} did not show its icon: {out}')
        pid, owner_us, icon_us = (int(v) for v in out.split())
        # Settled: whatever it does at start-up is done.
        time.sleep(1.0)
        rc, out = self.probe('memory', pid)
        harness.check(rc == 0, f'no memory figures for {exe.name}: {out}')
        _, _, working, private = (int(v) for v in out.split())
        anonymous = linux_status(exe).get('RssAnon', 0)
        rc, out = self.probe('end', pid, cls)
        harness.check(rc == 0, f'{exe.name} did not end with its icon gone: {out}')
        return {'owner_ms': owner_us / 1000, 'icon_ms': icon_us / 1000, 'private': private, 'working': working,
                'anonymous': anonymous}

    def footprint_pairs(self):
        return max(3 * self.n, 21)

    def footprint(self):
        self.d.reset()
        with tempfile.TemporaryDirectory(prefix='dm-bench-') as root:
            self.d.reg_seed_paths([windows_path(Path(root) / 'first'), windows_path(Path(root) / 'second')])
            runs = {'bare': [], 'dashmarks': []}
            # Alternately, so that drift on the machine touches both alike; a start-up lasts about a
            # tenth of a second and moves by a third from run to run, so it takes more pairs.
            for _ in range(self.footprint_pairs()):
                runs['bare'].append(self.start_once(self.fixture('bare_tray'), 'BareTrayWindow'))
                runs['dashmarks'].append(self.start_once(self.d.exe, 'DashmarksMain'))
        figures = {}
        for key in ('owner_ms', 'icon_ms', 'private', 'working', 'anonymous'):
            bare = statistics.median(r[key] for r in runs['bare'])
            program = statistics.median(r[key] for r in runs['dashmarks'])
            # Each pair's own ratio, the median of them: steadier than a ratio of medians.
            pairs = [p[key] / b[key] for b, p in zip(runs['bare'], runs['dashmarks']) if b[key] > 0]
            figures[key] = {'floor': bare, 'program': program, 'ratio': statistics.median(pairs),
                            'floor_all': [r[key] for r in runs['bare']],
                            'program_all': [r[key] for r in runs['dashmarks']]}
        figures['exe_bytes'] = self.d.exe.stat().st_size
        figures['exe_bits'] = 64 if self.d.build.name.endswith('win64') else 32
        # The 32-bit program, built beside a 64-bit tree when only that one runs under Wine here.
        if self.exe32 is not None:
            figures['exe32_bytes'] = self.exe32.stat().st_size
        figures['bare_exe_bytes'] = self.fixture('bare_tray').stat().st_size
        self.results['footprint'] = figures

    # --- delivery --------------------------------------------------------------------------------

    def timed(self, log, *tokens):
        rc, out = self.probe('timed', windows_path(log), *tokens)
        harness.check(rc == 0, f'no folder change after {tokens}: {out}')
        us, line = out.split(' ', 1)
        return int(us) / 1000, line

    def delivery_pairs(self):
        return self.pairs or max(3 * self.n, 21)

    def check_folder(self, line, wanted, who):
        shown = line[len('folder: '):] if line.startswith('folder: ') else line
        harness.check(same_folder(shown, wanted), f'{who}: the dialog logged "{line}", not the folder {wanted}')

    def delivered(self, log, mode, wanted):
        """The minimal deliverer's milliseconds, from its search for the dialog to the dialog's line."""
        rc, out = self.probe('deliver', windows_path(log), mode, wanted)
        harness.check(rc == 0, f'the minimal deliverer did not deliver {wanted}: {out}')
        us, line = out.split(' ', 1)
        return int(us) / 1000, line

    def delivery_kind(self, kind, clipboard, root):
        """Triples of (keys, minimal deliverer, program) milliseconds for one dialog kind in one mode."""
        d = self.d
        d.reset()
        # Three folders, so that each delivery goes to a folder other than the one the dialog shows
        # (that would log no line), and every deliverer goes to each of them alike.
        folders = [root / 'first folder', root / 'second folder', root / 'third folder']
        for folder in folders:
            folder.mkdir(exist_ok=True)
        mode = 'pasted' if clipboard else 'typed'
        log = root / f'dialog-{kind}-{mode}.log'
        title = f'Bench {kind} {mode}'
        d.reg_seed_paths([windows_path(f) for f in folders], Clipboard='True' if clipboard else 'False')
        d.test_name = f'delivery-{kind}-{mode}'
        d.start_dashmarks(env=self.program_env)
        options = ['--name', 'report.txt'] if kind in TYPED_NAME_KINDS else []
        if kind in STAND_IN_KINDS:
            # The stand-in logs a folder as it moves there.
            d.spawn(self.fixture('windows_file_dialog_fixture'), windows_path(log), STAND_IN_KINDS[kind], 'C:\\windows',
                    title, *options)
        else:
            # The folder is looked at every millisecond, as the probe polls the log.
            d.spawn(self.fixture('dialog_kinds_fixture'), windows_path(log), kind, 'C:\\windows', title, *options,
                    '--poll', '1')
        d.wait_window(cls='#32770', title=title, visible=True, timeout=30)
        d.wait_for(lambda: log.exists() and 'folder: ' in log.read_text(), 30, 'the dialog to show its first folder')
        time.sleep(0.5)
        turn = [0]

        def next_folder():
            turn[0] += 1
            return turn[0] % len(folders)

        def keys_only():
            # The name box focused by its dialog, then the path and Enter straight; the clock at
            # the first key.
            wanted = windows_path(folders[next_folder()])
            if clipboard:
                keys = ['namebox', f'clip:{wanted}', 'mark', 'ctrl+v', 'enter']
            else:
                keys = ['namebox', 'mark', f'text:{wanted}', 'enter']
            ms, line = self.timed(log, f'front:{title}', *keys)
            self.check_folder(line, wanted, f'{kind} {mode}, keys only')
            return ms

        def minimal():
            wanted = windows_path(folders[next_folder()])
            ms, line = self.delivered(log, mode, wanted)
            self.check_folder(line, wanted, f'{kind} {mode}, the minimal deliverer')
            return ms

        def program():
            # Entry n of the Folders menu takes n + 1 Downs; the clock at its Enter.
            current = next_folder()
            wanted = windows_path(folders[current])
            d.click_tray(1)
            d.wait_for(d.popup_menu, 10, 'the Folders menu')
            ms, line = self.timed(log, *(['down'] * (current + 2)), 'mark', 'enter')
            self.check_folder(line, wanted, f'{kind} {mode}, Dashmarks')
            d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close')
            return ms

        runs = []
        # The first round warms the dialog, the program and Wine's caches, and is not counted. The
        # minimal deliverer and the program take turns at going first.
        for pair in range(self.delivery_pairs() + 1):
            times = {'keys': keys_only()}
            time.sleep(0.3)
            for who in (('minimal', 'program') if pair % 2 == 0 else ('program', 'minimal')):
                times[who] = minimal() if who == 'minimal' else program()
                time.sleep(0.3)
            if pair > 0:
                runs.append((times['keys'], times['minimal'], times['program']))
        d.kill_all()
        return runs

    def delivery(self):
        root = Path(tempfile.mkdtemp(prefix='dm-bench-'))
        try:
            figures = {}
            for kind in self.kinds:
                for mode, clipboard in (('typed', False), ('pasted', True)):
                    runs = self.delivery_kind(kind, clipboard, root)
                    keys = [k for k, _, _ in runs]
                    minimal = [m for _, m, _ in runs]
                    program = [p for _, _, p in runs]
                    figures[f'{kind} {mode}'] = {
                        'kind': kind, 'mode': mode,
                        'floor_ms': statistics.median(keys), 'minimal_ms': statistics.median(minimal),
                        'program_ms': statistics.median(program),
                        # Each pair's own ratio, the median of them: steadier than a ratio of medians.
                        'ratio': statistics.median(p / k for k, _, p in runs if k > 0),
                        'minimal_ratio': statistics.median(p / m for _, m, p in runs if m > 0),
                        'floor_all': keys, 'minimal_all': minimal, 'program_all': program}
            self.results['delivery'] = figures
        finally:
            shutil.rmtree(root, ignore_errors=True)


    # --- the Folders menu with the folders open in folder windows ------------------------------

    def menu_pairs(self):
        return self.pairs or max(3 * self.n, 21)

    def open_folder_windows(self, root, windows, tabs):
        for w in range(windows):
            folders = []
            for t in range(tabs):
                folder = root / f'open {w}-{t}'
                folder.mkdir()
                folders.append(windows_path(folder))
            self.d.spawn(self.fixture('folder_window_fixture'), windows_path(root / f'window-{w}.log'), '--title',
                         f'Open {w}', '--kind', 'tabs-hidden', '--folders', '|'.join(folders))
            self.d.wait_window(cls='CabinetWClass', title=f'Open {w}', visible=True, timeout=30)

    def menu(self):
        from test_shell_window_list import SETTINGS_KEY, shell_list
        d = self.d
        d.reset()
        root = Path(tempfile.mkdtemp(prefix='dm-bench-'))
        try:
            with shell_list(d, root / 'shell-list.log', mode='empty'):
                d.reg_seed_paths([windows_path(root)])
                d.test_name = 'menu'
                d.start_dashmarks(env=self.program_env)
                # Seven windows of three tabs: twenty-one folders, of which the menu shows twenty.
                self.open_folder_windows(root, 7, 3)
                title = 'Bench menu'
                d.spawn(self.fixture('windows_file_dialog_fixture'), windows_path(root / 'dialog.log'), 'open',
                        'C:\\windows', title)
                dialog = d.wait_window(cls='#32770', title=title, visible=True, timeout=30)
                pairs = []
                # The first pair warms the program, the list and Wine's caches, and is not counted.
                for pair in range(self.menu_pairs() + 1):
                    shown = {}
                    for mode in ('empty', 'windows'):
                        d.wine('reg', 'add', SETTINGS_KEY, '/v', 'Mode', '/d', mode, '/f', check_rc=True)
                        d.helper('activate', dialog.hwnd)
                        # The folder hotkey arms once the dialog has been in front a moment.
                        time.sleep(0.5)
                        rc, out = self.probe('menu', 'mark', 'ctrl+g')
                        harness.check(rc == 0, f'no Folders menu after Ctrl+G: {out}')
                        shown[mode] = int(out) / 1000
                        if pair == 0:
                            texts = [text for _, text in d.menu_items()]
                            opened = texts[texts.index('Open in Explorer') + 1:] if 'Open in Explorer' in texts else []
                            harness.check(len([t for t in opened if t.startswith('Z:')]) == (20 if mode == 'windows' else 0),
                                          f'the menu with the list {mode}: {texts}')
                        d.keys('esc')
                        d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close')
                        time.sleep(0.3)
                    if pair > 0:
                        pairs.append((shown['empty'], shown['windows']))
            d.kill_all()
        finally:
            shutil.rmtree(root, ignore_errors=True)
        floor = [f for f, _ in pairs]
        program = [p for _, p in pairs]
        self.results['menu'] = {'floor_ms': statistics.median(floor), 'program_ms': statistics.median(program),
                                'ratio': statistics.median(p / f for f, p in pairs if f > 0),
                                'floor_all': floor, 'program_all': program}


# --- the table -----------------------------------------------------------------------------------

def verdict(ratio, goal):
    return 'met' if ratio <= goal else 'MISSED'


def table(results, repetitions):
    rows = ['| Benchmark | Floor | Dashmarks | Ratio | Goal |', '|---|---:|---:|---:|---|']
    if 'delivery' in results:
        for r in results['delivery'].values():
            label = f'Delivery, {r["mode"]}: {DIALOG_KINDS[r["kind"]]}, against the keys alone (ms)'
            rows.append(f'| {label} | {r["floor_ms"]:.1f} | {r["program_ms"]:.1f} | {r["ratio"]:.2f} | '
                        f'≤ 1.3: {verdict(r["ratio"], GOALS["delivery"])} |')
    if 'footprint' in results:
        f = results['footprint']
        for key, label, scale, fmt in (('owner_ms', 'Start-up to the owner window (ms)', 1, '.1f'),
                                       ('icon_ms', 'Start-up to the icon in the tray (ms)', 1, '.1f'),
                                       ('private', 'Private bytes, committed (KiB)', 1024, ',.0f'),
                                       ('working', 'Working set (KiB)', 1024, ',.0f'),
                                       ('anonymous', 'Private resident, Linux RssAnon (KiB)', 1024, ',.0f')):
            r = f[key]
            goal = 'cross-check' if key == 'anonymous' else f'≤ 1.3: {verdict(r["ratio"], GOALS["footprint"])}'
            if key == 'icon_ms':
                goal = f'≤ 1.2: {verdict(r["ratio"], GOALS["startup"])}'
            rows.append(f'| {label} | {r["floor"] / scale:{fmt}} | {r["program"] / scale:{fmt}} | '
                        f'{r["ratio"]:.2f} | {goal} |')
        bits = f.get('exe_bits', 32)
        sizes = [(f'static {bits}-bit, the build measured above', f['exe_bytes'])]
        if 'exe32_bytes' in f:
            sizes.append(('static 32-bit', f['exe32_bytes']))
        for label, size in sizes:
            rows.append(f'| Dashmarks.exe, {label} (bytes) | | {size:,} | | < 300 KB (300,000 bytes): '
                        f'{"met" if size < SIZE_GOAL else "MISSED"} |')
    if 'search' in results:
        s = results['search']
        rows.append(f'| Window search, {s["windows"]:,} windows (ns per window) | {s["floor_ns"]:,.0f} | '
                    f'{s["search_ns"]:,.0f} | {s["ratio"]:.2f} | ≤ 1.2: {verdict(s["ratio"], GOALS["search"])} |')
        rows.append(f'| (every title read as well) | {s["floor_ns"]:,.0f} | {s["titles_ns"]:,.0f} | '
                    f'{s["titles_ratio"]:.2f} | |')
    if 'menu' in results:
        m = results['menu']
        rows.append(f'| Folders menu by Ctrl+G, 20 folders open in folder windows (ms) | {m["floor_ms"]:.1f} | '
                    f'{m["program_ms"]:.1f} | {m["ratio"]:.2f} | figure (floor: none open) |')
    rows.append('')
    delivered = results.get('delivery', {})
    against_minimal = [r for r in delivered.values() if 'minimal_ratio' in r]
    if against_minimal:
        rows += ['| Delivery against the minimal deliverer | Minimal deliverer (ms) | Dashmarks (ms) | Ratio | Goal |',
                 '|---|---:|---:|---:|---|']
        for r in against_minimal:
            rows.append(f'| {r["mode"].capitalize()}: {DIALOG_KINDS[r["kind"]]} | {r["minimal_ms"]:.1f} | '
                        f'{r["program_ms"]:.1f} | {r["minimal_ratio"]:.2f} | '
                        f'≤ 1.15: {verdict(r["minimal_ratio"], GOALS["minimal"])} |')
        rows.append('')
    notes = []
    if delivered:
        pairs = min(len(r['floor_all']) for r in delivered.values())
        notes.append(f'Delivery: medians of {pairs} deliveries of each kind by each deliverer, in turns (the minimal '
                     'deliverer and the program alternately first), its ratios the medians of each turn\'s own ratio.')
    if 'footprint' in results:
        notes.append(f'Footprint: medians of {max(3 * repetitions, 21)} start-ups of each program, taken in turns, '
                     'its ratios the medians of each pair\'s own ratio.')
    if 'search' in results:
        notes.append(f'Window search: medians of {max(3 * repetitions, 21)} walks of each kind, its ratios the '
                     'medians of each repetition\'s own ratio.')
    rows.append(' '.join(notes))
    return '\n'.join(rows)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build_dir')
    parser.add_argument('--repetitions', type=int, default=7)
    parser.add_argument('--only', default='delivery,footprint,search,menu')
    parser.add_argument('--json', default=None)
    parser.add_argument('--kinds', default=','.join(DIALOG_KINDS), help='the dialog kinds the delivery takes')
    parser.add_argument('--pairs', type=int, default=None,
                        help='deliveries of each kind (a quick look; the figures take at least 21)')
    parser.add_argument('--trace', action='store_true',
                        help="keep the program's time-stamped debug lines among the artefacts")
    parser.add_argument('--artifacts', default=None)
    parser.add_argument('--exe32', default=None, help='the stripped 32-bit program, when the build measured is 64-bit')
    args = parser.parse_args()

    build = Path(args.build_dir).resolve()
    artifacts = Path(args.artifacts).resolve() if args.artifacts else REPO / 'artifacts' / 'bench-wine'
    artifacts.mkdir(parents=True, exist_ok=True)
    desktop = harness.Desktop(REPO, build, artifacts)
    exe32 = Path(args.exe32).resolve() if args.exe32 else None
    bench = Bench(desktop, args.repetitions, args.kinds.split(','), args.pairs, args.trace, exe32)
    started = time.monotonic()
    try:
        desktop.start()
        for name in args.only.split(','):
            desktop.test_name = name
            began = time.monotonic()
            getattr(bench, name)()
            print(f'{name}: {time.monotonic() - began:.0f}s', file=sys.stderr)
    finally:
        desktop.stop()
    print(table(bench.results, args.repetitions))
    print(f'(whole run: {time.monotonic() - started:.0f}s)', file=sys.stderr)
    if args.json:
        Path(args.json).write_text(json.dumps({'repetitions': args.repetitions, **bench.results}, indent=1))
    return 0


if __name__ == '__main__':
    sys.exit(main())
