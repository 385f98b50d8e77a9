#!/usr/bin/python3
"""The evaluation in headless Chromium against the desktop's vemrik-eval on one core, side by side
in one run: every example, the same seeds and step limit, steps per second by the job's own clock
("Czas"), best of five each. Needs chromium, chromium-driver and python3-selenium.

Usage: bench/web_speed_browser.py BUILD_WASM_SITE VEMRIK_EVAL [RUNS]"""
import functools
import http.server
import os
import re
import subprocess
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))


class Handler(http.server.SimpleHTTPRequestHandler):
    def translate_path(self, path):
        if path.split('?')[0] == '/speed.html':
            return os.path.join(HERE, 'web_speed.html')
        return super().translate_path(path)

    def log_message(self, *args):
        pass


def native_seconds(vemrik_eval, workspace, runs):
    """The program held to one core."""
    out = subprocess.run(['taskset', '-c', '0', vemrik_eval, workspace, '--runs', str(runs), '--seed', '1'],
                         capture_output=True, text=True, check=True).stdout
    return float(re.search(r'Czas: ([0-9,]+) s', out).group(1).replace(',', '.'))


def main():
    site, vemrik_eval = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 4000
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        driver.set_script_timeout(600)
        driver.get(f'http://127.0.0.1:{server.server_address[1]}/speed.html')
        version = driver.capabilities.get('browserVersion', '?')
        examples = sorted(f for f in os.listdir(os.path.join(site, 'examples')) if f.endswith('.vemrik'))
        figures = []
        for name in examples:
            file = f'examples/{name}'
            native = page = float('inf')
            # In turn, best of five each: a busy machine slows both alike.
            for _ in range(5):
                once = driver.execute_async_script('measureOnce(arguments[0], arguments[1]).then(arguments[2])',
                                                   file, runs)
                page = min(page, once['seconds'])
                native = min(native, native_seconds(vemrik_eval, os.path.join(site, file), runs))
            figures.append((name, once['steps'], native, page))
    finally:
        driver.quit()
        server.shutdown()
    print(f'Chromium {version}, {runs} runs of each example, seeds 1 ..')
    steps = native_total = page_total = 0
    for name, n, native, page in figures:
        steps += n
        native_total += native
        page_total += page
        print(f'{name:<20} {n:>9} steps   native {n / native:>12,.0f}/s   browser {n / page:>12,.0f}/s   '
              f'{100 * native / page:.0f} %')
    print(f"{'all':<20} {steps:>9} steps   native {steps / native_total:>12,.0f}/s   "
          f'browser {steps / page_total:>12,.0f}/s   {100 * native_total / page_total:.0f} %')

if __name__ == '__main__':
    main()
