"""The chosen folder in the file dialogs as Windows 10 and 11 draw them, which Wine does not: the item
dialogs' Open (name box 0x47C beside a DirectUI view) and Save (the name box deep in the view, Edit
0x3E9, no 0x47C), Save folded without its shell view, and the explorer-style dialogs that programs
open with a hook (0x47C, or Edit 0x480). Each is played by the windows_file_dialog_fixture, whose Save
dialog keeps its own copy of the name as Windows does: it follows keys and EM_REPLACESEL, never a
WM_SETTEXT. The dialog must reach the folder, stay open, and hold the user's name both in its box and
in its own copy, so that a Save after the delivery saves under that name."""
import time

from harness import check, parametrise
from test_dialog_kinds import closed, folders, reached
from test_delivery import Scratch, choose_path, fixture, lines, nothing_for, refreshed, same_folder, \
    start_with, windows_path
from test_folder_windows import start_with as start_with_trace
from test_keyboard import trace_text

TITLE = 'Windows Dialog'


def address_box_opened(log):
    return [line for line in lines(log) if line.startswith('address box')]


def name_and_copy(d, log):
    """Asks the stand-in for its name box's text and the name it would save under."""
    def answers():
        found = lines(log)
        return [(found[i][len('name: '):], found[i + 1][len('saves-as: '):]) for i in range(len(found) - 1)
                if found[i].startswith('name: ') and found[i + 1].startswith('saves-as: ')]
    asked = len(answers())
    (log.parent / (log.name + '.ask')).touch()
    d.wait_for(lambda: len(answers()) > asked, 10, 'the stand-in to report its name box')
    return answers()[-1]


def within(seconds, condition):
    """Whether condition holds before the deadline."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


def open_standin(d, log, kind, *options):
    d.spawn(fixture(d, 'windows_file_dialog_fixture'), windows_path(log), kind, 'C:\\windows', TITLE, *options)
    dialog = d.wait_window(cls='#32770', title=TITLE, timeout=30)
    d.wait_for(lambda: folders(log), 30, f'the {kind} stand-in to show its first folder')
    return dialog


KINDS = [('item-open', 'open', ''), ('item-save-with-a-name', 'save', 'report.txt'),
         ('item-save-folded-with-a-name', 'save-folded', 'report.txt'), ('item-save-empty', 'save', ''),
         ('hooked-combo', 'hooked', ''), ('hooked-edit-480', 'hooked-480', '')]
CASES = [(f'{label}-{mode}', kind, name, mode == 'pasted') for label, kind, name in KINDS
         for mode in ('typed', 'pasted')]


@parametrise(CASES)
def test_the_folder_lands_and_the_dialog_keeps_the_users_name(d, kind, name, clipboard):
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard)
        dialog = open_standin(d, log, kind, *(['--name', name] if name else []))
        check(name_and_copy(d, log) == (name, name), f'the stand-in did not start with {name!r}: {lines(log)}')
        choose_path(d)
        d.wait_for(lambda: reached(log, folder), 20, f'the dialog to show {folder}')
        d.wait_for(lambda: name_and_copy(d, log) == (name, name), 10,
                   f'the name box and the name saved under to be {name!r} again')
        d.screenshot('dialog-after', refreshed(d, dialog) or dialog)
        check(nothing_for(1, lambda: closed(log)), f'the dialog closed: {closed(log)}')
        check(refreshed(d, dialog) is not None, 'the dialog is gone')
        check(not address_box_opened(log), f'keys reached the address band: {address_box_opened(log)}')


@parametrise([('save-typed', 'save', False), ('open-pasted', 'open', True)])
def test_a_minimised_dialog_is_restored_and_gets_the_folder(d, kind, clipboard):
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard)
        dialog = open_standin(d, log, kind, '--name', 'report.txt', '--minimized')
        choose_path(d)
        d.wait_for(lambda: reached(log, folder), 20, f'the minimised dialog to show {folder}')
        d.wait_for(lambda: name_and_copy(d, log) == ('report.txt', 'report.txt'), 10,
                   'the name box and the name saved under to be report.txt again')
        d.screenshot('restored-dialog-after', refreshed(d, dialog) or dialog)
        check(not closed(log), f'the dialog closed: {closed(log)}')


def test_after_the_delivery_enter_saves_under_the_users_name_in_the_chosen_folder(d):
    """What the user meets next: Enter in the Save dialog saves report.txt in the folder delivered."""
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard=False)
        open_standin(d, log, 'save', '--name', 'report.txt')
        choose_path(d)
        d.wait_for(lambda: reached(log, folder), 20, f'the dialog to show {folder}')
        d.wait_for(lambda: name_and_copy(d, log) == ('report.txt', 'report.txt'), 10, 'the name to be back')
        d.keys('enter')
        d.wait_for(lambda: closed(log), 10, 'the dialog to save and close')
        saved = closed(log)[0][len('closed: ok '):]
        check(same_folder(saved, windows_path(folder / 'report.txt')), f'saved as {saved!r}')


def test_a_right_click_on_the_icon_at_once_during_a_long_typed_delivery_loses_neither_ten_times(d):
    """The click takes the front while a 250-character path is being typed into the Save dialog; each
    time the delivery brings the dialog back and finishes, and the click is answered afterwards."""
    with Scratch() as s:
        folder = s.root
        while len(windows_path(folder)) < 230:
            folder = folder / 'a long folder name'
        folder = folder / ('x' * (250 - len(windows_path(folder)) - 1))
        folder.mkdir(parents=True)
        check(len(windows_path(folder)) == 250, f'the path is {len(windows_path(folder))} characters long')
        start_with(d, [folder], clipboard=False)
        failures = []
        for attempt in range(10):
            log = s.log(f'dialog-{attempt}')
            dialog = open_standin(d, log, 'save', '--name', 'report.txt')
            choose_path(d)
            d.click_tray(3)
            d.wait_for(d.popup_menu, 20, 'the Configure menu, once the delivery is over')
            d.keys('esc')
            d.wait_for(lambda: not d.popup_menu(), 10, 'the Configure menu to close')
            if not within(10, lambda: reached(log, folder)) or name_and_copy(d, log) != ('report.txt', 'report.txt'):
                failures.append(attempt)
                d.screenshot(f'attempt-{attempt}-after', refreshed(d, dialog) or dialog)
            d.helper('close', dialog.hwnd)
            d.wait_for(lambda: closed(log) or refreshed(d, dialog) is None, 10, 'the stand-in to close')
        check(not failures, f'the delivery was lost in attempts {failures} of 10')


@parametrise([('save', 'save'), ('save-folded', 'save-folded'), ('open', 'open')])
def test_the_folder_hotkey_opens_the_folders_menu_in_the_dialog_and_delivers_there(d, kind):
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard=False)
        dialog = open_standin(d, log, kind, '--name', 'report.txt')
        rc, _ = d.helper('activate', dialog.hwnd)
        check(rc == 0, f'could not bring {dialog} to the front')
        d.move_pointer(900, 600)
        # The program follows the window in front every quarter of a second under Wine.
        time.sleep(0.5)
        d.keys('ctrl+g')
        d.wait_for(d.popup_menu, 10, 'the Folders menu after Ctrl+G')
        d.screenshot('folders-menu-from-hotkey')
        d.keys('down', 'down', 'enter')
        d.wait_for(lambda: reached(log, folder), 20, f'the dialog to show {folder}')
        d.wait_for(lambda: name_and_copy(d, log) == ('report.txt', 'report.txt'), 10, 'the name to be back')
        check(not closed(log), f'the dialog closed: {closed(log)}')


@parametrise([('save-typed', 'save', False), ('save-pasted', 'save', True), ('open-typed', 'open', False)])
def test_a_suggestion_appended_after_the_read_back_is_not_entered(d, kind, clipboard):
    """The box appends an autocomplete suggestion just after the program read the path back; Enter
    must still go in on the path alone."""
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with(d, [folder], clipboard)
        dialog = open_standin(d, log, kind, '--name', 'report.txt', '--suggest', ' 2019')
        choose_path(d)
        d.wait_for(lambda: reached(log, folder) or closed(log), 20, f'the dialog to show {folder}')
        d.screenshot('dialog-after', refreshed(d, dialog) or dialog)
        check(not closed(log), f'Enter took the suggestion: {closed(log)}')
        d.wait_for(lambda: name_and_copy(d, log) == ('report.txt', 'report.txt'), 10, 'the name to be back')


@parametrise([('typed', False), ('pasted', True)])
def test_a_second_folder_reaches_the_save_dialog_after_it_moved_to_the_first(d, clipboard):
    """Once the Save dialog has moved, its name box lies elsewhere in the dialog; the next delivery
    must still find it."""
    with Scratch() as s:
        first, second = s.folder('first folder'), s.folder('second folder')
        log = s.log('dialog')
        start_with(d, [first, second], clipboard)
        dialog = open_standin(d, log, 'save', '--name', 'report.txt')
        choose_path(d, 1)
        d.wait_for(lambda: reached(log, first), 20, f'the dialog to show {first}')
        choose_path(d, 2)
        d.wait_for(lambda: reached(log, second), 20, f'the dialog to show {second} as well')
        d.wait_for(lambda: name_and_copy(d, log) == ('report.txt', 'report.txt'), 10, 'the name to be back')
        d.screenshot('dialog-after-two', refreshed(d, dialog) or dialog)
        check(not closed(log), f'the dialog closed: {closed(log)}')


@parametrise([('save-typed', 'save', False), ('open-pasted', 'open', True)])
def test_a_dialog_that_stays_where_it_is_is_no_delivery(d, kind, clipboard):
    """Enter reaches the dialog and it shows no new folder (its program kept it there): its
    breadcrumbs still name the old folder, so the delivery says the folder did not arrive, and the
    user's name is back."""
    with Scratch() as s:
        folder = s.folder('chosen folder')
        log = s.log('dialog')
        start_with_trace(d, [folder], clipboard)
        dialog = open_standin(d, log, kind, '--name', 'report.txt', '--stays')
        choose_path(d)
        d.wait_for(lambda: any(line.startswith('stayed: ') for line in lines(log)), 20, 'Enter to reach the dialog')
        d.wait_for(lambda: 'does not show the folder afterwards' in trace_text(d), 20,
                   f'the delivery to say the folder did not arrive; it traced: {trace_text(d)}')
        check(not reached(log, folder), f'the dialog shows {folders(log)}')
        d.wait_for(lambda: name_and_copy(d, log) == ('report.txt', 'report.txt'), 10,
                   'the name box and the name saved under to be report.txt again')
        d.screenshot('dialog-that-stayed', refreshed(d, dialog) or dialog)
        check(not closed(log), f'the dialog closed: {closed(log)}')
