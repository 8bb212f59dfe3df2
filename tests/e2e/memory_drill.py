#!/usr/bin/env python3
"""The memory drill: the real program under Wine, driven as a person would for a long while, with
its memory and its GDI and USER objects read after the first ten of each activity and at the end of
it. Whatever grows after the first ten is what a long session would pile up.

Usage: memory_drill.py BUILD_DIR [--scale F] [--deliveries N] [--only NAME] [--artifacts DIR]

The activities, in order: the Folders menu opened and closed, the About box, the list editor, and
deliveries into every kind of target the end-to-end tests have, typed and then pasted (the
Clipboard option switched through the Configure menu). --deliveries sets how many go into each
kind of target (200); --scale multiplies every count, never below 10 (0.1 makes a quick run);
--only keeps the activities whose name holds NAME. The table goes to stdout and to
memory-drill.txt among the artefacts (artifacts/memory-drill by default).

Memory is read from /proc (the resident set, and its anonymous part as the private bytes resident)
and, inside the program, through GetProcessMemoryInfo. GDI and USER objects are counted inside the
program by dmhelper objects: Wine's GetGuiResources answers 0, so GDI objects are counted from the
process's GDI handle table and USER objects as the windows, menus and icons its handles name."""
import argparse
import re
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import check  # noqa: E402
from test_clipboard_drills import resident_kb  # noqa: E402
from test_delivery import Scratch, fixture, lines, windows_path  # noqa: E402

DIALOG_TITLE = 'Drill Dialog'


# --- what is measured ----------------------------------------------------------------------------

def figures(d):
    """RSS and anonymous RSS (KB, from /proc; the anonymous part is the private bytes resident, since
    Wine's GetProcessMemoryInfo answers 0 for them), GDI and USER objects (counted inside the
    program)."""
    rss, anonymous = resident_kb(d)
    rc, out = d.helper('objects', d.main_window().hwnd, timeout=120)
    check(rc == 0, f'could not count the program\'s objects: {out}')
    numbers = {key: int(value) for key, value in re.findall(r'(\w+) (\d+)', out)}
    return {'rss': rss, 'private': anonymous, 'gdi': numbers['gdi'],
            'user': numbers['user'], 'guigdi': numbers['guigdi'], 'guiuser': numbers['guiuser'],
            'detail': out.strip()}


# --- the activities ------------------------------------------------------------------------------
# Each round runs inside dmhelper drill (clicks on the icon through SendInput, keys, waits), which
# makes a round take a fraction of a second where a helper run per step takes several.

def drill(d, activity, rounds, *extra):
    check(d.main_window() is not None, 'the program has ended')
    x, y = d.tray_icon_point()
    rc, out = d.helper('drill', activity, rounds, x, y, *extra, timeout=60 + 40 * rounds)
    check(rc == 0, f'{activity}: {out.strip()}')


def slug(label):
    return re.sub(r'[^a-z]+', '-', label.lower())


class Target:
    """A target window kept open for all the deliveries of one kind."""

    def __init__(self, s, label, program, args, wait):
        self.label, self.program, self.args, self.wait = label, program, args, wait
        self.log = s.log(slug(label))
        self.process = None

    def open(self, d):
        self.process = d.spawn(fixture(d, self.program), windows_path(self.log), *self.args)
        self.wait(d)
        d.wait_for(lambda: lines(self.log), 30, f'the {self.label} to start')

    def close(self, d):
        d.kill(self.process)


def dialog_target(s, label, program, *args):
    return Target(s, label, program, [*args, 'C:\\windows', DIALOG_TITLE],
                  lambda d: d.wait_window(cls='#32770', title=DIALOG_TITLE, timeout=30))


def set_clipboard_option(d, on):
    if (d.reg_values().get('Clipboard') == 'True') != on:
        d.click_tray(3)
        d.wait_for(d.popup_menu, 10, 'the Configure menu')
        d.keys('c')
        d.wait_for(lambda: (d.reg_values().get('Clipboard') == 'True') == on, 10, 'the Clipboard option')


# --- the run -------------------------------------------------------------------------------------

def run_activity(d, name, count, rounds, table, out):
    """rounds(n) runs n rounds of the activity; figures are read after the first 10 and at the end."""
    started = time.monotonic()
    rounds(min(10, count))
    warm = figures(d)
    warm_seconds = time.monotonic() - started
    if count > 10:
        rounds(count - 10)
    end = figures(d)
    seconds = time.monotonic() - started
    table.append((name, count, warm, end, seconds))
    row = (f'{name}: {count} in {seconds:.0f} s ({seconds / max(count, 1):.2f} s each; the first 10 '
           f'{warm_seconds:.0f} s, with the count); after 10 {warm["detail"]}, RSS {warm["rss"]} KB, anonymous '
           f'{warm["private"]} KB; at the end {end["detail"]}, RSS {end["rss"]} KB, anonymous {end["private"]} KB')
    print(row, flush=True)
    out.write(row + '\n')
    out.flush()


def markdown(table, start):
    rows = ['| Activity | Count | RSS MB after 10 / end | Private (anonymous resident) MB after 10 / end | '
            'GDI after 10 / end | USER after 10 / end | Growth after warm-up | Time |',
            '|---|---:|---|---|---|---|---|---:|']
    for name, count, warm, end, seconds in table:
        growth = (f'RSS {(end["rss"] - warm["rss"]) / 1024:+.1f} MB, private '
                  f'{(end["private"] - warm["private"]) / 1024:+.1f} MB, GDI {end["gdi"] - warm["gdi"]:+d}, '
                  f'USER {end["user"] - warm["user"]:+d}')
        rows.append(f'| {name} | {count} | {warm["rss"] / 1024:.1f} / {end["rss"] / 1024:.1f} | '
                    f'{warm["private"] / 1024:.1f} / {end["private"] / 1024:.1f} | {warm["gdi"]} / {end["gdi"]} | '
                    f'{warm["user"]} / {end["user"]} | {growth} | {seconds:.0f} s |')
    rows.append(f'\nAt the start: RSS {start["rss"] / 1024:.1f} MB, private {start["private"] / 1024:.1f} MB, '
                f'GDI {start["gdi"]}, USER {start["user"]}; GetGuiResources {start["guigdi"]} GDI, '
                f'{start["guiuser"]} USER. {start["detail"]}')
    return '\n'.join(rows)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build_dir')
    parser.add_argument('--scale', type=float, default=1.0)
    parser.add_argument('--only', default='')
    parser.add_argument('--deliveries', type=int, default=200, help='deliveries into each kind of target')
    parser.add_argument('--artifacts', default=None)
    args = parser.parse_args()
    repo = Path(__file__).resolve().parents[2]
    build = Path(args.build_dir).resolve()
    artifacts = Path(args.artifacts).resolve() if args.artifacts else repo / 'artifacts' / 'memory-drill'
    artifacts.mkdir(parents=True, exist_ok=True)

    def count(n):
        return max(10, int(n * args.scale))

    d = harness.Desktop(repo, build, artifacts)
    d.test_name = 'memory-drill'
    table = []
    try:
        d.start()
        d.reset()
        with Scratch() as s, open(d.test_dir() / 'memory-drill.txt', 'w') as out:
            folders = [s.folder('first drill folder'), s.folder('second drill folder')]
            d.reg_seed_paths([windows_path(f) for f in folders], Clipboard='False')
            # Its trace lines and any exception it meets go to dashmarks.log among the artefacts.
            d.start_dashmarks(env={'WINEDEBUG': 'warn+seh'})
            time.sleep(3)
            start = figures(d)
            out.write(f'start: {start["detail"]}\n')
            activities = [('Folders menu', 500, 'menu'), ('About box', 100, 'about'), ('List editor', 100, 'editor')]
            targets = [
                dialog_target(s, 'Wine Open dialog', 'file_dialog_fixture'),
                dialog_target(s, 'Wine explorer-style Open (hooked)', 'dialog_kinds_fixture', 'open'),
                dialog_target(s, 'Wine Save As', 'dialog_kinds_fixture', 'save'),
                dialog_target(s, 'Wine item Open dialog', 'dialog_kinds_fixture', 'item-open'),
                dialog_target(s, 'Windows item Open stand-in', 'windows_file_dialog_fixture', 'open'),
                dialog_target(s, 'Windows item Save stand-in', 'windows_file_dialog_fixture', 'save'),
                Target(s, 'folder window stand-in', 'folder_window_fixture', ['--title', 'Drill Folder'],
                       lambda d: d.wait_window(cls='CabinetWClass', title='Drill Folder', timeout=30)),
            ]
            for name, n, activity in activities:
                if args.only in name:
                    run_activity(d, name, count(n), lambda rounds, a=activity: drill(d, a, rounds), table, out)
            for pasted in (False, True):
                for target in targets:
                    name = f'{target.label}, {"pasted" if pasted else "typed"}'
                    if args.only not in name:
                        continue
                    set_clipboard_option(d, pasted)
                    target.open(d)
                    paths = [windows_path(target.log), *(windows_path(f) for f in folders)]
                    try:
                        run_activity(d, name, count(args.deliveries),
                                     lambda rounds, p=paths: drill(d, 'deliver', rounds, *p), table, out)
                    except harness.TestFailure as failure:
                        # One target that stops taking deliveries leaves the others to be measured.
                        failed = f'{name}: stopped: {failure}'
                        print(failed, flush=True)
                        out.write(failed + '\n')
                        d.screenshot(f'stopped-{slug(name)}')
                        if d.popup_menu():
                            d.keys('esc')
                    finally:
                        target.close(d)
            text = markdown(table, start)
            out.write('\n' + text + '\n')
        print(text)
    finally:
        d.stop()
    print(f'figures: {artifacts / "memory-drill" / "memory-drill.txt"}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
