"""The chosen folder in the Explorer windows of today when no file dialog is open: the folder window
of Windows 10 and 11 (class CabinetWClass, with tabs), played by the folder_window_fixture, and
Wine's own Explorer window. Wine's shell window list holds no windows, so here (without the
stand-in list of test_shell_window_list) the folder window gets the folder through its address
bar: opened by Alt+D (or F4, Ctrl+L), the path typed or pasted, checked, Enter. The fixture logs
what Enter navigated to, the folder each tab shows, and anything that reached an inactive tab."""
import re

from harness import check, parametrise
from test_delivery import Scratch, choose_path, fixture, lines, open_dialog, open_explorer, refreshed, \
    same_folder, shows, text_is_back, put_text, windows_path

FOLDER_TITLE = 'Fixture Folder'
NORMAL_SIZE = (640, 420)


def navigated(log):
    return [line[len('navigated '):] for line in lines(log) if line.startswith('navigated ')]


def navigated_to(log, folder):
    return any(same_folder(line, windows_path(folder)) for line in navigated(log))


def hidden_tab_touched(log):
    return [line for line in lines(log) if line.startswith('hidden tab')]


def inactive_tabs_touched(log):
    return [line for line in lines(log) if line.startswith(('hidden tab', 'tab behind'))]


def tab_shows(log, tab):
    """The folder the stand-in's tab ("tab 1", "tab 2" ...) shows last, None before it shows any."""
    shown = [line[len(tab) + len(' shows '):] for line in lines(log) if line.startswith(f'{tab} shows ')]
    return shown[-1] if shown else None


def shell_navigated(log):
    """Each navigation by the shell's window list: (tab, "in front" or "behind", folder)."""
    found = [re.match(r'shell navigated (tab \d+) \((in front|behind)\) to (.*)$', line) for line in lines(log)]
    return [m.groups() for m in found if m]


def start_with(d, paths, clipboard):
    """The program with its trace lines (the delivery's outcome) in dashmarks.log."""
    d.reg_seed_paths([windows_path(p) for p in paths], Clipboard='True' if clipboard else 'False')
    return d.start_dashmarks(env={'WINEDEBUG': 'warn+seh'})


def open_folder_window(d, log, *options):
    d.spawn(fixture(d, 'folder_window_fixture'), windows_path(log), '--title', FOLDER_TITLE, *options)
    return d.wait_window(cls='CabinetWClass', title=FOLDER_TITLE, visible=True, timeout=30)


def foreground(d):
    rc, out = d.helper('foreground')
    return out.split(' ', 1)[0] if rc == 0 else None


@parametrise([('shown-typed', False, False), ('minimised-typed', True, False),
              ('shown-pasted', False, True), ('minimised-pasted', True, True)])
def test_a_folder_window_of_today_goes_to_the_chosen_folder(d, minimised, clipboard):
    with Scratch() as s:
        folder = s.folder('a%b^c+d~e{f}g(h) m')
        log = s.log('folder-window')
        start_with(d, [folder], clipboard)
        window = open_folder_window(d, log, *(['--minimized'] if minimised else []))
        if minimised:
            check((window.width, window.height) != NORMAL_SIZE, f'not minimised: {window}')
        if clipboard:
            check(put_text(d) == 0, 'could not fill the clipboard')
        d.screenshot('folder-window-before')
        choose_path(d)
        d.wait_for(lambda: navigated_to(log, folder), 20, f'the folder window to navigate to {folder}')
        after = refreshed(d, window)
        d.screenshot('folder-window-after', after)
        check(after is not None and (after.width, after.height) == NORMAL_SIZE,
              f'the folder window was not restored: {after}')
        check(foreground(d) == window.hwnd, f'the folder window is not in front: {foreground(d)}')
        check(navigated(log) == [windows_path(folder)], f'Enter navigated to {navigated(log)}')
        check(hidden_tab_touched(log) == [], f'the hidden tab was touched: {hidden_tab_touched(log)}')
        if clipboard:
            check(text_is_back(d), 'the clipboard was not put back')


@parametrise([(f'{kind}-{way}', kind, front, way == 'pasted')
              for kind, front in (('win10', 'tab 1'), ('tabs-hidden', 'tab 2'), ('tabs-shown', 'tab 2'))
              for way in ('typed', 'pasted')])
def test_the_tab_in_front_gets_the_folder_through_the_address_bar(d, kind, front, clipboard):
    with Scratch() as s:
        folder = s.folder('by the address bar')
        log = s.log('folder-window')
        start_with(d, [folder], clipboard)
        window = open_folder_window(d, log, '--kind', kind)
        d.wait_for(lambda: tab_shows(log, front), 10, 'the stand-in to show its tabs')
        others = {tab: tab_shows(log, tab) for tab in ('tab 1', 'tab 2', 'tab 3') if tab != front}
        if clipboard:
            check(put_text(d) == 0, 'could not fill the clipboard')
        choose_path(d)
        d.wait_for(lambda: navigated_to(log, folder), 20, f'the folder window to navigate to {folder}')
        d.screenshot(f'{kind}-after', refreshed(d, window))
        check(tab_shows(log, front) == windows_path(folder), f'the tab in front shows {tab_shows(log, front)}')
        check({tab: tab_shows(log, tab) for tab in others} == others, f'another tab moved: {lines(log)}')
        check(inactive_tabs_touched(log) == [], f'an inactive tab was touched: {inactive_tabs_touched(log)}')
        # The stand-in logs the keys it gets (the shell list's tests count on it to see none).
        check(any(line.startswith('key ') for line in lines(log)), f'no key logged: {lines(log)}')
        if clipboard:
            check(text_is_back(d), 'the clipboard was not put back')


def test_where_alt_d_does_nothing_ctrl_l_opens_the_address_box(d):
    with Scratch() as s:
        folder = s.folder('wanted')
        log = s.log('folder-window')
        start_with(d, [folder], clipboard=False)
        open_folder_window(d, log, '--address-keys', 'ctrl+l')
        choose_path(d)
        d.wait_for(lambda: navigated_to(log, folder), 20, 'the folder window to navigate')
        check('address box opened by ctrl+l' in lines(log), f'opened otherwise: {lines(log)}')
        check(navigated(log) == [windows_path(folder)], f'Enter navigated to {navigated(log)}')


def test_a_file_dialog_wins_over_a_folder_window_in_front(d):
    with Scratch() as s:
        folder = s.folder('wanted')
        dialog_log, folder_log = s.log('dialog'), s.log('folder-window')
        start_with(d, [folder], clipboard=False)
        open_dialog(d, dialog_log, 'Fixture Open')
        window = open_folder_window(d, folder_log)
        rc, _ = d.helper('activate', window.hwnd)
        check(rc == 0, 'could not bring the folder window to the front')
        d.screenshot('folder-window-in-front')
        choose_path(d)
        d.wait_for(lambda: shows(dialog_log, folder), 20, 'the dialog behind to show the folder')
        check(navigated(folder_log) == [] and hidden_tab_touched(folder_log) == [],
              f'the folder window received {lines(folder_log)}')


def test_a_folder_window_wins_over_the_old_explorer_window_in_front(d):
    with Scratch() as s:
        folder = s.folder('wanted')
        folder_log, explorer_log = s.log('folder-window'), s.log('explorer')
        start_with(d, [folder], clipboard=False)
        open_folder_window(d, folder_log)
        explorer = open_explorer(d, explorer_log, 'Fixture Explorer')
        rc, _ = d.helper('activate', explorer.hwnd)
        check(rc == 0, 'could not bring the old Explorer window to the front')
        choose_path(d)
        d.wait_for(lambda: navigated_to(folder_log, folder), 20, 'the folder window behind to navigate')
        check(lines(explorer_log) == [], f'the old Explorer window received {lines(explorer_log)}')


# --- Wine's own Explorer window ------------------------------------------------------------------

def wine_explorer_path_box(d, window):
    """The Edit of the ComboBoxEx32 in the window's ReBarWindow32."""
    children = d.children(window)
    combo = [c for c in children if c.cls == 'ComboBoxEx32']
    check(combo, f'no path box in {children}')
    edits = [c for c in children if c.cls == 'Edit' and c.rect[1] >= combo[0].rect[1]
             and c.rect[3] <= combo[0].rect[3]]
    check(edits, f'no edit field in the path box of {window}')
    return edits[0]


@parametrise([('typed', False), ('pasted', True)])
def test_wines_own_explorer_window_shows_the_chosen_folder(d, clipboard):
    with Scratch() as s:
        folder = s.folder('chosen by wine')
        start_with(d, [folder], clipboard)
        d.spawn('explorer', 'C:\\windows')
        window = d.wait_window(cls='ExplorerWClass', title='windows', visible=True, timeout=40)
        try:
            # It opens at the top left, over the tray's window.
            check(d.helper('move', window.hwnd, '300', '120')[0] == 0, 'could not move Wine\'s Explorer window')
            window = d.wait_for(lambda: (w := refreshed(d, window)) and w.rect[0] == 300 and w, 10,
                                'Wine\'s Explorer window to move')
            if clipboard:
                check(put_text(d) == 0, 'could not fill the clipboard')
            d.screenshot('wine-explorer-before', window)
            choose_path(d)
            d.wait_for(lambda: (refreshed(d, window) or window).title == folder.name, 20,
                       f'Wine\'s Explorer window to show {folder.name}')
            box = d.window_text(wine_explorer_path_box(d, window))
            d.screenshot('wine-explorer-after', refreshed(d, window))
            # Wine's path box shows the folder by its display name once it has navigated there.
            check(box == folder.name, f'its path box shows {box!r}')
            if clipboard:
                check(text_is_back(d), 'the clipboard was not put back')
        finally:
            # Wine's Explorer outlives the process that asked for it; it must not become a later test's target.
            d.helper('close', window.hwnd)
            d.wait_for(lambda: not d.find_windows(cls='ExplorerWClass'), 20, 'Wine\'s Explorer window to close')
