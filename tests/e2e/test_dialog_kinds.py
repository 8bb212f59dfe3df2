"""The chosen folder in every kind of file dialog programs open today: the explorer-style Open
dialog with and without a hook, the older style, Save As with a name the user typed, and the item
dialogs (IFileOpenDialog, IFileSaveDialog); each typed and pasted. The dialog must reach the folder,
stay open, and keep in its name box what the user had there. Also: a dialog in another language
whose focus is in the file list, and a Find box, which is no file dialog at all.

Each dialog comes from the dialog_kinds_fixture, which logs the folders it shows, its name box's
text when asked, and how it closed."""
import time

from harness import check, parametrise
from test_delivery import Scratch, choose_path, fixture, lines, nothing_for, refreshed, same_folder, \
    start_with, windows_path

TITLE = 'Fixture Dialog'
# Wine shows OutputDebugString lines on its "seh" channel (older versions: "debugstr").
TRACE_LINES = 'warn+seh,warn+debugstr'


def folders(log):
    return [line[len('folder: '):] for line in lines(log) if line.startswith('folder: ')]


def reached(log, folder):
    return any(same_folder(shown, windows_path(folder)) for shown in folders(log))


def closed(log):
    return [line for line in lines(log) if line.startswith('closed') or line.startswith('popup')]


def names(log):
    return [line[len('name: '):] for line in lines(log) if line.startswith('name: ')]


def name_box(d, log):
    """Asks the fixture for its name box's text and waits for the answer."""
    asked = len(names(log))
    (log.parent / (log.name + '.ask')).touch()
    d.wait_for(lambda: len(names(log)) > asked, 10, 'the fixture to report its name box')
    return names(log)[-1]


def open_kind(d, log, kind, *options, env=None):
    d.spawn(fixture(d, 'dialog_kinds_fixture'), windows_path(log), kind, 'C:\\windows', TITLE, *options, env=env)
    dialog = d.wait_window(cls='#32770', title=TITLE, visible=True, timeout=30)
    d.wait_for(lambda: folders(log), 30, f'the {kind} dialog to show its first folder')
    return dialog


KINDS = [('explorer-hooked', 'open', ''), ('explorer-plain', 'open-plain', ''), ('old-style', 'old', ''),
         ('save-as-with-a-name', 'save', 'report.txt'), ('item-open', 'item-open', ''),
         ('item-save-with-a-name', 'item-save', 'report.txt')]
CASES = [(f'{label}-{mode}', kind, name, mode == 'pasted') for label, kind, name in KINDS
         for mode in ('typed', 'pasted')]


@parametrise(CASES)
def test_the_folder_lands_and_the_name_box_keeps_its_text(d, kind, name, clipboard):
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard)
        dialog = open_kind(d, log, kind, *(['--name', name] if name else []))
        before = name_box(d, log)
        if name:
            check(before == name, f'the fixture did not start with {name!r} in its name box: {before!r}')
        choose_path(d)
        d.wait_for(lambda: reached(log, folder), 20, f'the dialog to show {folder}')
        d.wait_for(lambda: name_box(d, log) == before, 10, f'the name box to hold {before!r} again')
        d.screenshot('dialog-after', refreshed(d, dialog) or dialog)
        check(nothing_for(1, lambda: closed(log)), f'the dialog closed or complained: {closed(log)}')
        check(refreshed(d, dialog) is not None, 'the dialog is gone')


def test_entries_that_are_no_folder_send_nothing_and_are_traced(d):
    """A hand-edited or outdated list in front of a Save As dialog holding a typed name: a deleted
    folder, blanks, a line break (which would split a paste), a path no dialog can show, and an
    empty entry. None may reach the dialog; each is traced."""
    with Scratch() as s:
        good = s.folder('good')
        gone = s.folder('gone')
        gone.rmdir()
        entries = [windows_path(gone), '   ', windows_path(good) + '\r\nC:\\windows', 'Z:\\' + 'a' * 300, '']
        d.reg_seed_paths(entries, Clipboard='True')
        d.start_dashmarks(env={'WINEDEBUG': TRACE_LINES})
        log = s.log('dialog')
        dialog = open_kind(d, log, 'save', '--name', 'report.txt')
        trace = d.test_dir() / 'dashmarks.log'

        def traced():
            text = trace.read_text(errors='replace') if trace.exists() else ''
            return text.count('the entry is not an existing folder')
        for entry in range(1, len(entries) + 1):
            choose_path(d, entry)
            d.wait_for(lambda: traced() >= entry, 10, f'entry {entry} to be refused and traced')
        d.screenshot('save-as-after', refreshed(d, dialog) or dialog)
        check(folders(log) == ['C:\\windows'], f'the dialog moved: {folders(log)}')
        check(name_box(d, log) == 'report.txt', f'the name box changed: {names(log)}')
        check(not closed(log), f'the dialog closed or complained: {closed(log)}')


def test_a_right_click_on_the_icon_during_a_long_typed_delivery_loses_neither(d):
    """The click takes the front from the dialog while the path is being typed; the delivery brings
    the dialog back and finishes, and the click is answered afterwards."""
    with Scratch() as s:
        folder = s.root
        while len(windows_path(folder)) < 200:
            folder = folder / ('long folder name ' * 3).strip()
        folder.mkdir(parents=True)
        log = s.log('dialog')
        start_with(d, [folder], clipboard=False)
        dialog = open_kind(d, log, 'open')
        choose_path(d)
        d.click_tray(3)
        d.wait_for(lambda: reached(log, folder), 20, f'the dialog to show {folder}')
        d.wait_for(d.popup_menu, 10, 'the Configure menu, once the delivery is over')
        d.screenshot('configure-menu-after-the-delivery')
        d.keys('esc')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the Configure menu to close')
        check(name_box(d, log) == '', f'the name box kept {names(log)[-1]!r}')
        check(not closed(log) and refreshed(d, dialog) is not None, f'the dialog closed: {closed(log)}')


def test_a_russian_dialog_with_the_focus_in_its_file_list_reaches_the_folder(d):
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard=False)
        russian = {'LANG': 'ru_RU.UTF-8', 'LC_ALL': 'ru_RU.UTF-8'}
        dialog = open_kind(d, log, 'open', '--focus-list', env=russian)
        d.wait_for(lambda: any(line.startswith('focus: ') for line in lines(log)), 10, 'the focus in the file list')
        focus = [line for line in lines(log) if line.startswith('focus: ')][-1]
        check(focus == 'focus: SysListView32', f'the fixture could not focus its file list: {focus}')
        d.screenshot('russian-dialog-before', dialog)
        choose_path(d)
        d.wait_for(lambda: reached(log, folder), 20, f'the dialog to show {folder}')
        d.screenshot('russian-dialog-after', refreshed(d, dialog) or dialog)
        check(nothing_for(1, lambda: closed(log)), f'the dialog opened something: {closed(log)}')
        check(len(folders(log)) == 2, f'the dialog went elsewhere on the way: {folders(log)}')


def test_a_find_box_receives_nothing_and_the_explorer_window_gets_the_path(d):
    with Scratch() as s:
        folder = s.folder('chosen folder')
        find_log, explorer_log = s.log('find'), s.log('explorer')
        start_with(d, [folder], clipboard=False)
        d.spawn(fixture(d, 'explorer_fixture'), windows_path(explorer_log), '--title', 'Fixture Explorer')
        d.wait_window(cls='ExploreWClass', title='Fixture Explorer', visible=True, timeout=30)
        d.spawn(fixture(d, 'find_fixture'), windows_path(find_log), 'Fixture Find')
        find = d.wait_window(cls='#32770', title='Fixture Find', visible=True, timeout=30)
        d.helper('activate', find.hwnd)
        d.screenshot('find-box-in-front')
        choose_path(d)
        d.wait_for(lambda: windows_path(folder) in lines(explorer_log), 20, 'the Go To box to get the path')
        time.sleep(0.5)
        check(lines(find_log) == [], f'the Find box received {lines(find_log)}')
        check(refreshed(d, find) is not None, 'the Find box closed')
