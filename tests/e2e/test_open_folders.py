"""Where the user is, in the Folders menu: the folders open in folder windows under "Open in
Explorer", read from the shell's window list (the tests' stand-in list of test_shell_window_list,
which lists the folder window stand-ins, one browser per tab), and "Add “<folder>”" for the folder
the window a delivery would go to shows. Menus are read back with `dmhelper menu`, the list from the
registry, and what reached a dialog from its stand-in's log."""
from harness import check
from test_delivery import Scratch, fixture, lines, open_dialog, windows_path
from test_dialog_kinds import closed, reached
from test_menu_keys import open_folders_menu
from test_recent_folders import HEADING, SEPARATOR, close_menus, read_menu
from test_shell_window_list import shell_list
from test_windows_dialogs import name_and_copy, open_standin

OPEN_HEADING = ('disabled', 'Open in Explorer')


def open_folder_window(d, log, title, kind, folders):
    d.spawn(fixture(d, 'folder_window_fixture'), windows_path(log), '--title', title, '--kind', kind,
            '--folders', '|'.join(windows_path(f) for f in folders))
    window = d.wait_window(cls='CabinetWClass', title=title, visible=True, timeout=30)
    d.wait_for(lambda: sum(line.startswith('tab ') for line in lines(log)) >= len(folders), 10,
               f'the stand-in "{title}" to show its tabs')
    return window


def add_entry(folder):
    path = folder if isinstance(folder, str) else windows_path(folder)
    return ('enabled', f'Add \u201c{path}\\\u201d')


def entries(paths):
    return [('enabled', windows_path(p)) for p in paths]


def test_folders_open_in_folder_windows_are_offered_and_one_lands_in_the_save_dialog(d):
    with Scratch() as s:
        stored, front, middle, back = (s.folder(name) for name in ('Stored', 'Front', 'Middle', 'Back'))
        dialog_log, shell_log = s.log('dialog'), s.log('shell-list')
        with shell_list(d, shell_log):
            d.reg_seed_paths([windows_path(stored)])
            d.start_dashmarks()
            # Two windows, four tabs: the later window lies in front; its tab in front shows a stored
            # folder, which the menu does not repeat.
            open_folder_window(d, s.log('window-behind'), 'Behind', 'win10', [back])
            open_folder_window(d, s.log('window-in-front'), 'In Front', 'tabs-hidden', [front, stored, middle])
            # Wine's own Explorer window names its folder only by its display name, and the shell's
            # list does not hold it: it adds nothing to the menu.
            d.spawn('explorer', 'C:\\windows')
            wine_explorer = d.wait_window(cls='ExplorerWClass', title='windows', visible=True, timeout=40)
            try:
                d.helper('move', wine_explorer.hwnd, '300', '120')
                dialog = open_standin(d, dialog_log, 'save', '--name', 'report.txt')
                menu = open_folders_menu(d, dialog, 'click')
                items = read_menu(d, menu)
                d.screenshot('open-in-explorer')
                # The Save dialog shows C:\windows in its breadcrumbs: it is offered for adding.
                check(items == [HEADING] + entries([stored]) + [SEPARATOR, OPEN_HEADING] +
                      entries([front, middle, back]) + [SEPARATOR, add_entry('C:\\windows')], f'the menu: {items}')
                # Down to "Middle": the heading, the stored folder, the second heading, Front, Middle.
                d.keys('down', 'down', 'down', 'down', 'down', 'enter')
                d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close')
                d.wait_for(lambda: reached(dialog_log, middle), 20, f'the Save dialog to show {middle}')
                d.wait_for(lambda: name_and_copy(d, dialog_log) == ('report.txt', 'report.txt'), 10,
                           'the name box and the name saved under to be report.txt again')
                check(not closed(dialog_log), f'the dialog closed: {closed(dialog_log)}')
                check(not reached(dialog_log, front) and not reached(dialog_log, back),
                      f'another folder reached the dialog: {lines(dialog_log)}')
            finally:
                # Wine's Explorer outlives the process that asked for it; it must not become a later test's target.
                d.helper('close', wine_explorer.hwnd)
                d.wait_for(lambda: not d.find_windows(cls='ExplorerWClass'), 20, 'Wine\'s Explorer window to close')


def test_a_shell_list_that_hangs_leaves_the_menu_without_open_folders(d):
    with Scratch() as s:
        stored, front = s.folder('Stored'), s.folder('Front')
        dialog_log, shell_log = s.log('dialog'), s.log('shell-list')
        with shell_list(d, shell_log, mode='hang'):
            d.reg_seed_paths([windows_path(stored)])
            d.start_dashmarks()
            open_folder_window(d, s.log('window'), 'In Front', 'win10', [front])
            dialog = open_standin(d, dialog_log, 'save', '--name', 'report.txt')
            menu = open_folders_menu(d, dialog, 'click')
            items = read_menu(d, menu)
            check(items == [HEADING] + entries([stored]) + [SEPARATOR, add_entry('C:\\windows')],
                  f'the menu: {items}')
            check('hanging' in lines(shell_log), f'the stand-in list was not asked: {lines(shell_log)}')
            close_menus(d)


def test_the_folder_a_folder_window_shows_is_added_and_stored_at_once(d):
    with Scratch() as s:
        stored, shown = s.folder('Stored'), s.folder('Shown')
        shell_log = s.log('shell-list')
        with shell_list(d, shell_log):
            d.reg_seed_paths([windows_path(stored)])
            process = d.start_dashmarks()
            window = open_folder_window(d, s.log('window'), 'In Front', 'win10', [shown])
            menu = open_folders_menu(d, window, 'click')
            items = read_menu(d, menu)
            # The folder window's own folder is the one to add, not one to deliver to it.
            check(items == [HEADING] + entries([stored]) + [SEPARATOR, add_entry(shown)], f'the menu: {items}')
            d.keys('up', 'enter')
            d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close')
            d.wait_for(lambda: d.reg_values().get('Amount') == '2', 10, 'the list to be stored with two folders')
            d.kill(process)
            values = d.reg_values()
            # Added as the editor adds: in its place in the sorted list.
            check([values.get('Path1'), values.get('Path2')] == [windows_path(shown) + '\\', windows_path(stored)],
                  f'stored: {values}')

            # Started again: the folder is a stored one now, and offered no more.
            d.start_dashmarks()
            menu = open_folders_menu(d, window, 'click')
            items = read_menu(d, menu)
            check(items == [HEADING, ('enabled', windows_path(shown) + '\\')] + entries([stored]),
                  f'the menu: {items}')
            close_menus(d)


def test_a_dialog_that_shows_no_full_path_offers_nothing_to_add(d):
    """Wine's own dialog names its folder only by its display name."""
    with Scratch() as s:
        stored = s.folder('Stored')
        d.reg_seed_paths([windows_path(stored)])
        d.start_dashmarks()
        dialog = open_dialog(d, s.log('dialog'), 'Fixture Open')
        items = read_menu(d, open_folders_menu(d, dialog, 'click'))
        check(items == [HEADING] + entries([stored]), f'the menu: {items}')
        close_menus(d)
