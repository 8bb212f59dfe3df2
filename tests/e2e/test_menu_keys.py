"""Keys in the open Folders menu: a digit 1 to 9 chooses that folder at once and it is delivered as
if it had been clicked; a letter highlights the next folder whose last name starts with it, and
Enter delivers the highlighted one. The entries' text stays as it was."""
from harness import check, parametrise
from test_delivery import Scratch, lines, open_dialog, shows, windows_path
from test_keyboard import bring_to_front


def open_folders_menu(d, dialog, way):
    bring_to_front(d, dialog)
    if way == 'hotkey':
        d.keys('ctrl+g')
    else:
        d.click_tray(1)
    return d.wait_for(d.popup_menu, 10, f'the Folders menu opened by the {way}')


@parametrise([('hotkey', 'hotkey'), ('click', 'click')])
def test_a_digit_delivers_that_folder_at_once(d, way):
    with Scratch() as s:
        folders = [s.folder(name) for name in ('Alpha', 'Beta', 'Gamma')]
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(f) for f in folders])
        d.start_dashmarks()
        dialog = open_dialog(d, log, 'Fixture Open')
        open_folders_menu(d, dialog, way)
        d.keys('2')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close after 2')
        d.wait_for(lambda: shows(log, folders[1]), 20, f'the dialog to show {folders[1]}')
        check(not shows(log, folders[0]) and not shows(log, folders[2]),
              f'another folder went to the dialog too: {lines(log)}')


# Under Wine another program cannot read the items of this program's menu, so the highlight is read
# back through what Enter delivers.
@parametrise([('first-match', ['r'], 'Reports'), ('again-moves-on', ['r', 'r'], 'recipes'),
              ('wraps-round', ['r', 'r', 'shift+r'], 'Reports'),
              ('keys-choosing-nothing-change-nothing', ['9', '0', 'z', 'm'], 'Music')])
def test_a_letter_highlights_by_last_name_and_enter_delivers(d, keys, expected):
    with Scratch() as s:
        folders = {name: s.folder(name) for name in ('Reports', 'Music', 'recipes')}
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(f) for f in folders.values()])
        d.start_dashmarks()
        dialog = open_dialog(d, log, 'Fixture Open')
        open_folders_menu(d, dialog, 'hotkey')
        d.keys(*keys)
        check(d.popup_menu(), f'the menu closed on {keys}, which choose nothing')
        d.keys('enter')
        d.wait_for(lambda: not d.popup_menu(), 10, 'the Folders menu to close after Enter')
        d.wait_for(lambda: shows(log, folders[expected]), 20, f'the dialog to show {folders[expected]}')
        others = [f for name, f in folders.items() if name != expected]
        check(not any(shows(log, f) for f in others), f'another folder went to the dialog too: {lines(log)}')
