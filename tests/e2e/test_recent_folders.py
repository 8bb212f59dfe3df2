"""The "Recent" submenu at the foot of the Folders menu: the folders delivered last, newest first,
those the list holds left out, each delivered like a stored folder when chosen, and "Clear recent".
The menus are read back with `dmhelper menu`, the stored values with `dmhelper reg-dump`, and what
reached the dialog from the fixture's log."""
from harness import check
from test_delivery import Scratch, choose_path, lines, open_dialog, same_folder, windows_path
from test_menu_keys import open_folders_menu

HEADING = ('disabled', 'Available Dashmarks...')
RECENT = ('submenu', 'Recent')
CLEAR = ('enabled', 'Clear recent')


SEPARATOR = ('separator', '')


def read_menu(d, menu):
    """The menu's items, a separator as SEPARATOR whatever else its state says (Wine's are disabled)."""
    return [SEPARATOR if 'separator' in state else (state, text) for state, text in d.menu_items(menu)]


def recent_values(d):
    return {name: value for name, value in d.reg_values().items() if name.startswith('Recent')}


def last_shown(log, folder):
    """Whether the folder the dialog shows now is folder."""
    shown = lines(log)
    return bool(shown) and same_folder(shown[-1], windows_path(folder))


def open_recent_submenu(d, dialog, way='click'):
    """Opens the Folders menu, then its last item, the "Recent" submenu, by keys; returns the items
    of both menus and the submenu's window."""
    menu = open_folders_menu(d, dialog, way)
    items = read_menu(d, menu)
    check(items[-1] == RECENT, f'the menu does not end with the Recent submenu: {items}')
    d.keys('up', 'right')
    submenu = d.wait_for(lambda: next((m for m in d.popup_menus() if m.hwnd != menu.hwnd), None), 10,
                         'the Recent submenu')
    return items, read_menu(d, submenu), submenu


def close_menus(d):
    d.keys('esc', 'esc')
    d.wait_for(lambda: not d.popup_menu(), 10, 'the menus to close')


def entries(paths):
    return [('enabled', windows_path(p)) for p in paths]


def test_delivered_folders_show_newest_first_and_a_recent_one_is_delivered_like_a_stored_one(d):
    with Scratch() as s:
        alpha, beta, gamma, delta = (s.folder(name) for name in ('Alpha', 'Beta', 'Gamma', 'Delta'))
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(f) for f in (alpha, beta, gamma, delta)])
        process = d.start_dashmarks()
        dialog = open_dialog(d, log, 'Fixture Open')
        for entry, folder in enumerate((alpha, beta, gamma), 1):
            choose_path(d, entry)
            d.wait_for(lambda: last_shown(log, folder), 20, f'the dialog to show {folder}')
        d.wait_for(lambda: len(recent_values(d)) == 3, 10, 'three Recent values')
        check(recent_values(d) == {'Recent1': windows_path(gamma), 'Recent2': windows_path(beta),
                                   'Recent3': windows_path(alpha)}, f'stored: {recent_values(d)}')
        # All three are stored folders, shown above: the menu has no Recent submenu for them.
        menu = open_folders_menu(d, dialog, 'click')
        items = read_menu(d, menu)
        check(items == [HEADING] + entries([alpha, beta, gamma, delta]), f'the menu: {items}')
        close_menus(d)

        # The list now holds Delta alone; the program, started again, reads the recent folders.
        d.kill(process)
        d.reg_seed({'Amount': '1', 'Path1': windows_path(delta)})
        process = d.start_dashmarks()
        items, recent, submenu = open_recent_submenu(d, dialog)
        check(items == [HEADING] + entries([delta]) + [SEPARATOR, RECENT], f'the menu: {items}')
        d.screenshot('recent-submenu')
        check(recent == entries([gamma, beta, alpha]) + [SEPARATOR, CLEAR], f'the Recent submenu: {recent}')
        close_menus(d)

        # A fourth delivery, of the stored folder: the submenu does not offer it.
        choose_path(d, 1)
        d.wait_for(lambda: last_shown(log, delta), 20, f'the dialog to show {delta}')
        _, recent, _ = open_recent_submenu(d, dialog)
        check(recent == entries([gamma, beta, alpha]) + [SEPARATOR, CLEAR],
              f'the Recent submenu after the stored folder was delivered: {recent}')
        close_menus(d)

        # Beta chosen from the submenu of a menu the hotkey opened: it reaches the dialog and moves up.
        open_recent_submenu(d, dialog, 'hotkey')
        d.keys('down', 'enter')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the menus to close after the choice')
        d.wait_for(lambda: last_shown(log, beta), 20, f'the dialog to show {beta} again')
        _, recent, _ = open_recent_submenu(d, dialog)
        check(recent == entries([beta, gamma, alpha]) + [SEPARATOR, CLEAR],
              f'the Recent submenu after Beta was chosen: {recent}')
        check(recent_values(d)['Recent1'] == windows_path(beta), f'stored: {recent_values(d)}')

        # "Clear recent": the submenu goes, and so do the stored values; the list stays.
        d.keys('up', 'enter')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the menus to close after "Clear recent"')
        d.wait_for(lambda: not recent_values(d), 10, 'the Recent values to be deleted')
        check(d.reg_values().get('Path1') == windows_path(delta), f'the list was touched: {d.reg_values()}')
        menu = open_folders_menu(d, dialog, 'click')
        items = read_menu(d, menu)
        check(items == [HEADING] + entries([delta]), f'the menu after "Clear recent": {items}')
        close_menus(d)
        check(last_shown(log, beta), f'"Clear recent" delivered something: {lines(log)}')


def test_a_broken_recent_value_is_skipped_and_the_others_show(d):
    with Scratch() as s:
        alpha, beta, delta = (s.folder(name) for name in ('Alpha', 'Beta', 'Delta'))
        log = s.log('dialog')
        values = {'Recent1': windows_path(alpha), 'Recent2': '', 'Recent3': 'relative\\folder',
                  'Recent4': windows_path(alpha) + '\\', 'Recent5': 'Z:\\' + 'x' * 300,
                  'Recent6': windows_path(beta)}
        d.reg_seed_paths([windows_path(delta)], **values)
        d.start_dashmarks()
        dialog = open_dialog(d, log, 'Fixture Open')
        _, recent, _ = open_recent_submenu(d, dialog)
        check(recent == entries([alpha, beta]) + [SEPARATOR, CLEAR], f'the Recent submenu: {recent}')
        close_menus(d)
        check(recent_values(d) == values, f'a value was changed at start: {recent_values(d)}')
