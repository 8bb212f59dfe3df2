"""The program starts with its hidden main window, the hook picture box and its icon, and never
shows a window of its own."""
from harness import check


def test_starts_hidden_with_hook_child_and_icon(d):
    process = d.start_dashmarks()
    main = d.main_window()
    check(main is not None, 'no main window')
    check(not main.visible, f'the main window is visible: {main}')
    hooks = [w for w in d.children(main) if w.cls == 'DashmarksHook']
    check(len(hooks) == 1, f'expected one hook child, found {d.children(main)}')
    own_visible = [w for w in d.find_windows(pid=main.pid) if w.visible]
    check(not own_visible, f'the program shows windows: {own_visible}')
    check(process.poll() is None, 'the program ended on its own')
    d.screenshot('tray-with-icon')
