"""The About box as a person sees it: opened from the Configure menu, what it says, where it sits,
that it holds every control inside its frame, how it closes, and that the icon is quiet while it
is shown."""
import re

from harness import check

ABOUT_TITLE = 'About Dashmarks'
PATHS = ['C:\\windows\\', 'C:\\users\\', 'C:\\Program Files\\']
MEMORY = re.compile(r'^\d{1,3}(,\d{3})* KB$')


def open_about(d):
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    d.keys('a')
    return d.wait_window(title=ABOUT_TITLE, visible=True)


def wait_closed(d):
    d.wait_for(lambda: not d.find_windows(title=ABOUT_TITLE), 10, 'the About box to close')


def labels(d, box):
    return {c.hwnd: (c, d.window_text(c)) for c in d.children(box)}


def client_area(d, window):
    rc, out = d.helper('client', window.hwnd)
    check(rc == 0, f'no client area for {window}')
    x, y, width, height = (int(v) for v in out.split())
    return x, y, x + width, y + height


def test_about_shows_the_count_the_version_and_the_memory_and_enter_closes_it(d):
    width, height = d.screen_size
    for paths in ([], PATHS):
        d.reg_seed_paths(paths)
        process = d.start_dashmarks()
        box = open_about(d)
        texts = [text for _, text in labels(d, box).values()]

        info = f'{len(paths)} Dashmarks are available'
        check(info.ljust(64) in texts, f'no line {info!r} padded to 64 characters among {texts}')
        check('Dashmark Access, 1.32' in texts, f'no program line among {texts}')
        check('Physical Memory Available to Windows:' in texts, f'no memory caption among {texts}')
        memory = [t for t in texts if t and t.endswith(' KB')]
        check(len(memory) == 1 and MEMORY.match(memory[0]), f'memory line {memory} among {texts}')
        check('OK' in texts, f'no OK button among {texts}')

        # Centred on the screen, every control (the OK button too) inside the client area.
        centre = ((box.rect[0] + box.rect[2]) / 2, (box.rect[1] + box.rect[3]) / 2)
        check(abs(centre[0] - width / 2) <= 1 and abs(centre[1] - height / 2) <= 1,
              f'box at {box.rect} is not centred on a {width}x{height} screen')
        left, top, right, bottom = client_area(d, box)
        for child, text in labels(d, box).values():
            x0, y0, x1, y1 = child.rect
            check(left < x0 and top < y0 and x1 < right and y1 < bottom,
                  f'{child} ({text!r}) is not inside the client area {left, top, right, bottom}')
        d.screenshot(f'about-{len(paths)}-paths', box)

        d.keys('enter')
        wait_closed(d)
        check(process.poll() is None, 'the program ended with the About box')
        # The program answers its icon again: Exit on the Configure menu ends it.
        d.click_tray(3)
        d.wait_for(d.popup_menu, 10, 'the Configure menu after the About box')
        d.keys('x')
        d.wait_exit(process, 15)
        d.reg_clear()


def test_the_icon_opens_nothing_while_the_about_box_is_shown(d):
    d.reg_seed_paths(PATHS)
    d.start_dashmarks()
    box = open_about(d)
    gestures = (('single click', lambda: d.click_tray(1)), ('right click', lambda: d.click_tray(3)),
                ('double click', d.double_click_tray))
    for name, gesture in gestures:
        gesture()
        check(d.no_menu_for(1.5), f'a {name} opened a menu while the About box is shown')
        boxes = d.find_windows(title=ABOUT_TITLE)
        check([b.hwnd for b in boxes] == [box.hwnd], f'after a {name}: About boxes {boxes}')
        check(not d.find_windows(cls='DashmarksList'), f'a {name} opened the editor')
    # The clicks made the tray the active window; the user comes back to the box and presses Enter.
    rc, _ = d.helper('activate', box.hwnd)
    check(rc == 0, 'could not bring the About box forward')
    d.keys('enter')
    wait_closed(d)


def test_the_end_of_the_session_while_the_about_box_is_shown_saves_and_ends(d):
    d.reg_seed_paths(PATHS, Clipboard='True')
    process = d.start_dashmarks()
    # Switch the clipboard option off, so that the save shows in the store.
    d.click_tray(3)
    d.wait_for(d.popup_menu, 10, 'the Configure menu')
    d.keys('c')
    d.wait_for(lambda: not d.popup_menu(), 5, 'the menu to close')
    open_about(d)
    d.wine('wineboot', '--end-session', timeout=60)
    d.wait_exit(process, 20, 'the program to end with the session')
    values = d.reg_values()
    check(values.get('Clipboard') == 'False', f'not saved: {values}')
    check(values.get('Amount') == '3' and [values.get(f'Path{i}') for i in (1, 2, 3)] == PATHS,
          f'paths changed: {values}')
    check(not d.find_windows(title=ABOUT_TITLE), 'the About box outlived the program')
