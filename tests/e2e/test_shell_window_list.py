"""The folder windows of Windows 10 and 11 reached through the shell's window list, as on real
Windows. Wine's own list answers other programs with no windows, so these tests put a list of their
own in its place, in the tests' prefix only and for one test at a time (the shell_windows_fixture
COM server): it lists the folder window stand-ins, one browser per tab, and passes Navigate2 on to
the tab, which logs it. Its modes play a list that answers with nothing and one that hangs. The
program's outcome is read from its debug trace.

Wine's COM reads class registrations from the machine's classes only: a server registered for the
current user (HKCU\Software\Classes\CLSID, which wins on Windows) is never loaded. So the
machine's registration of the class is pointed at the stand-in for the test and given back to
Wine's own server (ieframe.dll) afterwards."""
from contextlib import contextmanager

from harness import check, parametrise
from test_delivery import Scratch, choose_path, fixture, lines, put_text, text_is_back, windows_path
from test_folder_windows import FOLDER_TITLE, foreground, inactive_tabs_touched, navigated, refreshed, \
    shell_navigated, start_with, tab_shows

SHELL_WINDOWS = '{9BA05972-F6A8-11CF-A442-00A0C90A8F39}'
SERVER_KEY = rf'HKLM\Software\Classes\CLSID\{SHELL_WINDOWS}\InprocServer32'
SETTINGS_KEY = r'HKCU\Software\Dashmarks Fixtures\Shell Windows'
# The tab in front of each stand-in: the only one of Windows 10, the second made of those with tabs.
FRONT_TAB = {'win10': 'tab 1', 'tabs-hidden': 'tab 2', 'tabs-shown': 'tab 2', 'xaml': 'tab 2'}


def registered_server(d):
    result = d.wine('reg', 'query', SERVER_KEY, '/ve')
    for line in result.stdout.decode('utf-8', errors='replace').splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) == 3 and parts[1] == 'REG_SZ':
            return parts[2]
    return None


@contextmanager
def shell_list(d, log, mode='windows'):
    """The stand-in list in place of Wine's, in the given mode, for the block only."""
    wines = registered_server(d)
    check(wines is not None, f'no server registered for {SHELL_WINDOWS}')
    dll = windows_path(d.build / 'fixtures' / 'shell_windows_fixture.dll')
    d.wine('reg', 'add', SETTINGS_KEY, '/v', 'Mode', '/d', mode, '/f', check_rc=True)
    d.wine('reg', 'add', SETTINGS_KEY, '/v', 'Log', '/d', windows_path(log), '/f', check_rc=True)
    d.wine('reg', 'add', SERVER_KEY, '/ve', '/d', dll, '/f', check_rc=True)
    try:
        yield
    finally:
        d.wine('reg', 'add', SERVER_KEY, '/ve', '/d', wines, '/f', check_rc=True)
        d.wine('reg', 'delete', SETTINGS_KEY, '/f')


def open_stand_in(d, log, kind, *options):
    d.spawn(fixture(d, 'folder_window_fixture'), windows_path(log), '--title', FOLDER_TITLE, '--kind', kind,
            *options)
    window = d.wait_window(cls='CabinetWClass', title=FOLDER_TITLE, visible=True, timeout=30)
    d.wait_for(lambda: tab_shows(log, FRONT_TAB[kind]), 10, 'the stand-in to show its tabs')
    return window


def trace_text(d):
    trace = d.test_dir() / 'dashmarks.log'
    return trace.read_text(errors='replace') if trace.exists() else ''


def keys_reached(log):
    """What of the program's keys reached the stand-in: a key, an address box opened, a navigation."""
    return [line for line in lines(log)
            if line.startswith(('key ', 'navigated ')) or 'address box opened' in line]


@parametrise([(f'{kind}-{way}', kind, way == 'pasted', minimised)
              for kind in ('win10', 'tabs-hidden', 'tabs-shown', 'xaml') for way in ('typed', 'pasted')
              for minimised in [False]] +
             [('tabs-shown-minimised-typed', 'tabs-shown', False, True)])
def test_the_tab_in_front_gets_the_folder_through_the_shell_list(d, kind, clipboard, minimised):
    with Scratch() as s:
        folder = s.folder('through the shell')
        log, shell_log = s.log('folder-window'), s.log('shell-list')
        with shell_list(d, shell_log):
            start_with(d, [folder], clipboard)
            window = open_stand_in(d, log, kind, *(['--minimized'] if minimised else []))
            if clipboard:
                check(put_text(d) == 0, 'could not fill the clipboard')
            d.screenshot(f'{kind}-before')
            choose_path(d)
            d.wait_for(lambda: shell_navigated(log), 20, 'the shell list to navigate a tab')
            d.screenshot(f'{kind}-after', refreshed(d, window))
            check('created' in lines(shell_log), f'the stand-in list was not asked: {lines(shell_log)}')
            check(shell_navigated(log) == [(FRONT_TAB[kind], 'in front', windows_path(folder))],
                  f'the shell list navigated {shell_navigated(log)}')
            check(tab_shows(log, FRONT_TAB[kind]) == windows_path(folder),
                  f'the tab in front shows {tab_shows(log, FRONT_TAB[kind])}')
            check(keys_reached(log) == [], f'keys reached the window as well: {keys_reached(log)}')
            check(inactive_tabs_touched(log) == [], f'an inactive tab was touched: {inactive_tabs_touched(log)}')
            check(foreground(d) == window.hwnd, f'the folder window is not in front: {foreground(d)}')
            check('not delivered' not in trace_text(d), f'the program says: {trace_text(d)}')
            if clipboard:
                check(text_is_back(d), 'the clipboard was touched')


@parametrise([('xaml', ()), ('xaml-with-hidden-classic-bar', ('--classic-remnant',))])
def test_a_xaml_folder_window_the_shell_does_not_list_gets_no_key(d, options):
    with Scratch() as s:
        folder = s.folder('unreachable')
        log, shell_log = s.log('folder-window'), s.log('shell-list')
        with shell_list(d, shell_log, mode='empty'):
            start_with(d, [folder], clipboard=False)
            window = open_stand_in(d, log, 'xaml', *options)
            choose_path(d)
            d.wait_for(lambda: 'not delivered' in trace_text(d), 20, 'the outcome in the trace')
            d.screenshot('xaml-unlisted-after', refreshed(d, window))
            check('count 0' in lines(shell_log), f'the stand-in list was not asked: {lines(shell_log)}')
            check('has no address box' in trace_text(d), f'the window logged {lines(log)}; the trace: {trace_text(d)}')
            check(keys_reached(log) == [] and navigated(log) == [], f'keys reached the window: {lines(log)}')
            check(inactive_tabs_touched(log) == [], f'an inactive tab was touched: {inactive_tabs_touched(log)}')
            check(tab_shows(log, 'tab 2') == 'C:\\windows', f'the tab in front moved: {lines(log)}')


def test_a_folder_the_shell_list_took_but_the_tab_does_not_show_is_not_delivered(d):
    with Scratch() as s:
        folder = s.folder('never shown')
        log, shell_log = s.log('folder-window'), s.log('shell-list')
        with shell_list(d, shell_log, mode='deaf'):
            start_with(d, [folder], clipboard=False)
            open_stand_in(d, log, 'tabs-hidden')
            choose_path(d)
            d.wait_for(lambda: 'not delivered' in trace_text(d), 20, 'the outcome in the trace')
            check(any(line.startswith('navigate ') for line in lines(shell_log)),
                  f'the stand-in list was not told: {lines(shell_log)}')
            check('does not show the folder afterwards' in trace_text(d), f'the trace says: {trace_text(d)}')
            check(keys_reached(log) == [] and shell_navigated(log) == [], f'the window got {lines(log)}')
            check(tab_shows(log, 'tab 2') == 'C:\\windows', f'the tab moved: {lines(log)}')


def test_a_hanging_shell_list_leaves_the_program_answering(d):
    with Scratch() as s:
        folder = s.folder('behind a busy shell')
        log, shell_log = s.log('folder-window'), s.log('shell-list')
        with shell_list(d, shell_log, mode='hang'):
            start_with(d, [folder], clipboard=False)
            open_stand_in(d, log, 'win10')
            choose_path(d)
            d.wait_for(lambda: 'hanging' in lines(shell_log), 20, 'the stand-in list to be asked')
            d.wait_for(lambda: 'the shell did not answer in time' in trace_text(d), 20, 'the outcome in the trace')
            # The program answers its icon again while the list still hangs.
            d.click_tray(3)
            d.wait_for(d.popup_menu, 10, 'the Configure menu')
            d.screenshot('hanging-list-menu')
            d.keys('esc')
            check(keys_reached(log) == [] and shell_navigated(log) == [], f'the window got {lines(log)}')
            check(tab_shows(log, 'tab 1') == 'C:\\windows', f'the tab moved: {lines(log)}')
