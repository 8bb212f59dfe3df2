#!/usr/bin/env python3
"""Runs the Win32-side GoogleTest program and every end-to-end test under Wine in one Xvfb.

Usage: run.py BUILD_DIR [--only SUBSTRING] [--artifacts DIR]
Closes with the line 'N passed, M failed'.
"""
import argparse
import importlib.util
import re
import sys
import time
import traceback
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402


def run_gtest(desktop, exe):
    """The Win32-side unit tests; returns (passed, failed)."""
    if not exe.exists():
        print(f'missing {exe}')
        return 0, 1
    started = time.monotonic()
    result = desktop.wine(exe, '--gtest_brief=1', timeout=900)
    out = result.stdout.decode('utf-8', errors='replace').replace('\r', '')
    (desktop.artifacts / 'win32_tests.log').write_text(out + result.stderr.decode('utf-8', errors='replace'))
    passed = re.search(r'\[  PASSED  \] (\d+) test', out)
    failed = re.search(r'\[  FAILED  \] (\d+) test', out)
    n_passed = int(passed.group(1)) if passed else 0
    n_failed = int(failed.group(1)) if failed else (0 if result.returncode == 0 else 1)
    for line in out.splitlines():
        if line.startswith('[  FAILED  ]') or 'Failure' in line:
            print('  ' + line)
    print(f'win32 tests: {n_passed} passed, {n_failed} failed ({time.monotonic() - started:.1f}s)')
    return n_passed, n_failed


def discover(only):
    tests = []
    for path in sorted(Path(__file__).resolve().parent.glob('test_*.py')):
        loader_info = importlib.util.spec_from_file_location(path.stem, path)
        module = importlib.util.module_from_spec(loader_info)
        loader_info.loader.exec_module(module)
        for name in dir(module):
            if name.startswith('test_') and callable(getattr(module, name)):
                full = f'{path.stem}.{name}'
                if not only or only in full:
                    tests.append((full, getattr(module, name)))
    return tests


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('build_dir')
    parser.add_argument('--only', default='')
    parser.add_argument('--artifacts', default=None)
    parser.add_argument('--skip-gtest', action='store_true')
    args = parser.parse_args()

    repo = Path(__file__).resolve().parents[2]
    build = Path(args.build_dir).resolve()
    artifacts = Path(args.artifacts).resolve() if args.artifacts else repo / 'artifacts' / 'e2e'
    artifacts.mkdir(parents=True, exist_ok=True)

    desktop = harness.Desktop(repo, build, artifacts)
    passed = failed = 0
    try:
        desktop.start()
        if not args.skip_gtest and not args.only:
            p, f = run_gtest(desktop, build / 'win32_tests.exe')
            passed += p
            failed += f
        for name, test in discover(args.only):
            desktop.test_name = name
            started = time.monotonic()
            try:
                desktop.reset()
                prepared = time.monotonic()
                test(desktop)
                passed += 1
                print(f'PASS {name} ({time.monotonic() - started:.1f}s, {prepared - started:.1f}s of it preparing)')
            except Exception as error:  # a failing test must not stop the others
                failed += 1
                print(f'FAIL {name} ({time.monotonic() - started:.1f}s): {error}')
                (desktop.test_dir() / 'failure.txt').write_text(traceback.format_exc())
                try:
                    desktop.screenshot('at-failure')
                except Exception:
                    pass
                traceback.print_exc(limit=3)
    finally:
        desktop.stop()
    print(f'screenshots and logs: {artifacts}')
    print(f'wine: {passed} passed, {failed} failed')
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
