"""The program at every display scale a person picks (100, 125, 150 and 200 %, Wine's LogPixels):
the tray image, both menus, the editor and the About box, each kept as a screenshot and checked
for clipping (every control inside its window, every text inside its control); and a folder path
too long for the screen, shortened in the Folders menu and whole everywhere else."""
from pathlib import Path

from harness import check, parametrise
from test_delivery import Scratch, choose_path, lines, open_dialog, shows, windows_path

ABOUT_TITLE = 'About Dashmarks'
EDITOR_CLASS = 'DashmarksList'
# 250 characters, as a folder deep in a project tree has.
LONG_PATH = 'C:\\' + ''.join(f'Customer projects {n:02d}\\' for n in range(1, 12)) + 'Final report 26\\'
PATHS = ['C:\\windows\\', 'C:\\users\\', LONG_PATH, 'C:\\R&&D\\']


def inside(d, window, what, font):
    """Every child of window inside its client area, and every label's and button's text inside
    the child."""
    rc, out = d.helper('client', window.hwnd)
    check(rc == 0, f'no client area for {window}')
    x, y, width, height = (int(v) for v in out.split())
    for child in d.children(window):
        if not child.visible or child.cls not in ('Button', 'Static', 'Edit', 'ComboBox'):
            continue
        x0, y0, x1, y1 = child.rect
        check(x <= x0 and y <= y0 and x1 <= x + width and y1 <= y + height,
              f'{what}: {child} lies outside the client area {(x, y, x + width, y + height)}')
        if child.cls in ('Button', 'Static') and child.title:
            text_width, text_height, client_width, client_height = d.text_fit(child, font)
            check(text_width <= client_width and text_height <= client_height,
                  f'{what}: the text of {child} needs {text_width}x{text_height}, '
                  f'it has {client_width}x{client_height}')


def on_screen(d, menu, what):
    width, height = d.screen_size
    left, top, right, bottom = menu.rect
    check(0 <= left and 0 <= top and right <= width and bottom <= height,
          f'{what} at {menu.rect} does not fit on the {width}x{height} screen')


@parametrise([(f'{dpi}dpi', dpi) for dpi in (96, 120, 144, 192)])
def test_every_window_at_the_display_scale(d, dpi):
    check(len(LONG_PATH) == 250, f'the long path has {len(LONG_PATH)} characters')
    d.set_display_scale(dpi)
    try:
        d.reg_seed_paths(PATHS)
        d.start_dashmarks()
        tray = d.wait_window(title='Wine System Tray', visible=True)
        d.screenshot(f'tray-icon-{dpi}dpi', tray)

        d.click_tray(1)
        menu = d.wait_for(d.popup_menu, 10, 'the Folders menu')
        d.screenshot(f'folders-menu-{dpi}dpi', menu)
        on_screen(d, menu, 'the Folders menu')
        d.keys('esc')
        d.wait_for(lambda: not d.popup_menu(), 5, 'the Folders menu to close')

        d.click_tray(3)
        menu = d.wait_for(d.popup_menu, 10, 'the Configure menu')
        d.screenshot(f'configure-menu-{dpi}dpi', menu)
        on_screen(d, menu, 'the Configure menu')
        d.keys('esc')
        d.wait_for(lambda: not d.popup_menu(), 5, 'the Configure menu to close')

        d.double_click_tray()
        editor = d.wait_window(cls=EDITOR_CLASS, visible=True)
        d.screenshot(f'editor-{dpi}dpi', editor)
        inside(d, editor, 'the editor', 'message')
        # The editor's list holds every path whole.
        combo = [c for c in d.children(editor) if c.cls == 'ComboBox'][0]
        rc, out = d.helper('combo', combo.hwnd)
        check(rc == 0 and LONG_PATH in out.split('\n'), f'the editor does not list the long path whole: {out!r}')
        d.keys('esc')
        d.wait_for(lambda: not d.find_windows(cls=EDITOR_CLASS), 10, 'the editor to close')

        d.click_tray(3)
        d.wait_for(d.popup_menu, 10, 'the Configure menu')
        d.keys('a')
        box = d.wait_window(title=ABOUT_TITLE, visible=True)
        d.screenshot(f'about-{dpi}dpi', box)
        inside(d, box, 'the About box', 'MS Sans Serif:8.25')
        d.keys('enter')
        d.wait_for(lambda: not d.find_windows(title=ABOUT_TITLE), 10, 'the About box to close')
    finally:
        d.set_display_scale(96)


def test_a_huge_hand_edited_path_opens_a_menu_that_fits(d):
    """A value of 100,000 characters, put into the store by hand (a .reg file: no command line
    takes it): the Folders menu still opens and fits on the screen, and the editor lists it whole."""
    huge = 'C:\\' + 'x' * 99_990 + '\\last\\'
    reg = Path(d.prefix) / 'drive_c' / 'huge-path.reg'
    reg.write_text('Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vantrel\\Dashmarks]\r\n'
                   '"Amount"="2"\r\n"Path1"="C:\\\\windows\\\\"\r\n'
                   f'"Path2"="{huge.replace(chr(92), chr(92) * 2)}"\r\n', encoding='utf-16')
    try:
        d.wine('regedit', '/s', 'C:\\huge-path.reg', timeout=60)
    finally:
        reg.unlink()
    check(d.reg_values().get('Amount') == '2', f'the store was not seeded: {list(d.reg_values())}')
    d.start_dashmarks()
    d.click_tray(1)
    menu = d.wait_for(d.popup_menu, 10, 'the Folders menu')
    d.screenshot('folders-menu-huge-path', menu)
    on_screen(d, menu, 'the Folders menu')
    d.keys('esc')
    d.wait_for(lambda: not d.popup_menu(), 5, 'the Folders menu to close')
    # The icon answers at once after that.
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    d.keys('esc')


def test_a_shortened_entry_delivers_the_whole_path(d):
    with Scratch() as s:
        # Z:\tmp\dm-deliver-XXXXXXXX\ and folders below it: 250 characters in all.
        folder = s.root
        while len(windows_path(folder / ('n' * 30))) < 240:
            folder = folder / ('deep folder ' + 'n' * 18)
        folder = folder / ('L' * (248 - len(windows_path(folder))))
        folder.mkdir(parents=True)
        check(len(windows_path(folder)) == 250 - 1, f'{windows_path(folder)} is not 249 characters long')
        log = s.log('dialog')
        d.reg_seed_paths([windows_path(folder) + '\\'])
        d.start_dashmarks()
        open_dialog(d, log, 'Fixture Open')
        d.click_tray(1)
        menu = d.wait_for(d.popup_menu, 10, 'the Folders menu')
        d.screenshot('folders-menu-long-path', menu)
        check(menu.width < d.screen_size[0], f'the menu is {menu.width} pixels wide')
        d.keys('esc')
        d.wait_for(lambda: not d.popup_menu(), 5, 'the Folders menu to close')
        choose_path(d)
        d.wait_for(lambda: shows(log, folder), 20, f'the dialog to show {windows_path(folder)}: {lines(log)}')
