#!/usr/bin/env python3
"""Writes the figures of a Wine benchmark run (the JSON of wine_bench.py) into the performance
notes: the subsection "### Latest figures under Wine" of "## Under Wine" is replaced, the rest of
the file is left as it is.

Usage: write_figures.py RESULTS_JSON PERFORMANCE_MD
"""
import datetime
import json
import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from wine_bench import table  # noqa: E402

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / 'e2e'))
import wine_loader  # noqa: E402

SECTION = '## Under Wine'
SUBSECTION = '### Latest figures under Wine'


def machine():
    model = 'unknown processor'
    try:
        for line in Path('/proc/cpuinfo').read_text().splitlines():
            if line.startswith('model name'):
                model = line.split(':', 1)[1].strip()
                break
    except OSError:
        pass
    try:
        loader = 'wine' if wine_loader.tree() == 'win32' else wine_loader.WINE64_LOADER
        wine = subprocess.run([loader, '--version'], capture_output=True, text=True, timeout=30).stdout.strip()
        wine += f' ({wine_loader.tree()} build)'
    except (OSError, subprocess.TimeoutExpired):
        wine = 'wine'
    return f'`nproc` {os.cpu_count()}, "{model}", {wine}, Xvfb'


def figures_block(results):
    date = datetime.date.today().isoformat()
    lines = [SUBSECTION, '', f'{date}; {machine()}; `scripts/bench` with {results["repetitions"]} repetitions.', '',
             table(results, results['repetitions']), '']
    delivery = results.get('delivery')
    if delivery:
        for name, r in delivery.items():
            minimal = (f'; minimal deliverer {", ".join(f"{v:.0f}" for v in r["minimal_all"])}'
                       if 'minimal_all' in r else '')
            lines.append(f'- Delivery, {name}, every run (ms): keys only '
                         f'{", ".join(f"{v:.0f}" for v in r["floor_all"])}{minimal}; Dashmarks '
                         f'{", ".join(f"{v:.0f}" for v in r["program_all"])}.')
    footprint = results.get('footprint')
    if footprint:
        for key, label in (('owner_ms', 'to the owner window'), ('icon_ms', 'to the icon in the tray')):
            r = footprint[key]
            if 'floor_all' in r:
                lines.append(f'- Start-up {label}, every run (ms): floor '
                             f'{", ".join(f"{v:.0f}" for v in r["floor_all"])}; Dashmarks '
                             f'{", ".join(f"{v:.0f}" for v in r["program_all"])}.')
        bits = footprint.get('exe_bits', 32)
        both = (f', the 32-bit build {footprint["exe32_bytes"]:,} bytes' if 'exe32_bytes' in footprint else '')
        lines.append(f'- Executables: Dashmarks.exe {footprint["exe_bytes"]:,} bytes ({bits}-bit, stripped){both}; '
                     f'bare_tray.exe {footprint["bare_exe_bytes"]:,} bytes (not stripped, as every fixture).')
    search = results.get('search')
    if search:
        lines.append(f'- Window search: {search["created"]:,} windows of the fixture\'s own among '
                     f'{search["windows"]:,} on the desktop; {search["matches"]} titled "#32770" windows found.')
    lines.append('')
    return '\n'.join(lines)


def replace_figures(text, block):
    lines = text.split('\n')
    if SECTION not in lines:
        raise SystemExit(f'no "{SECTION}" section to write into')
    start = lines.index(SECTION)
    end = next((i for i in range(start + 1, len(lines)) if lines[i].startswith('## ')), len(lines))
    section = lines[start:end]
    if SUBSECTION in section:
        sub = section.index(SUBSECTION)
        sub_end = next((i for i in range(sub + 1, len(section)) if section[i].startswith('### ')), len(section))
        section[sub:sub_end] = block.split('\n')
    else:
        section += block.split('\n')
    return '\n'.join(lines[:start] + section + lines[end:])


def main():
    results = json.loads(Path(sys.argv[1]).read_text())
    target = Path(sys.argv[2])
    target.write_text(replace_figures(target.read_text(), figures_block(results)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
