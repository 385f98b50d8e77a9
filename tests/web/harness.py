"""The page served from a throw-away folder on a local port, and a headless Chromium on it."""
import functools
import http.server
import os
import pathlib
import shutil
import socketserver
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]


def assemble(site, extra_examples, as_built=False):
    """The site the wasm build gathers, with the page's files as they are now (edited since the
    build or not) unless `as_built`, and `extra_examples`, name to content, among the examples."""
    built = pathlib.Path(os.environ.get("VEMRIK_WASM_DIR", ROOT / "build" / "wasm")) / "site"
    if not (built / "vemrik.wasm").exists():
        raise FileNotFoundError(f"no {built}: cmake --preset wasm && cmake --build --preset wasm")
    shutil.copytree(built, site, dirs_exist_ok=True)
    for item in [] if as_built else (ROOT / "web" / "page").iterdir():
        shutil.copy(item, site)
    for name, content in extra_examples.items():
        (site / "examples" / name).write_bytes(content)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class Site:
    """The page on a free local port, and a browser that downloads into a folder of its own."""

    def __init__(self, extra_examples=None, as_built=False):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="vemrik-web-"))
        self.downloads = self.folder / "downloads"
        site = self.folder / "site"
        self.downloads.mkdir()
        assemble(site, extra_examples or {}, as_built)
        handler = functools.partial(QuietHandler, directory=str(site))
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/index.html"
        self.driver = start_browser(self.folder / "profile")
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": str(self.downloads)})
        # The page in Polish, whatever language the browser has: the tests read its Polish words.
        self.driver.get(self.url)
        self.driver.execute_script("localStorage.setItem('vemrik.language', 'pl')")

    def open(self, query=""):
        """Loads the page on the test's clock (`query` adds to the address) and waits until it is up."""
        self.driver.get(f"{self.url}?zegar=reczny{query}")
        WebDriverWait(self.driver, 30).until(
            lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))

    def close(self):
        self.driver.quit()
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.folder, ignore_errors=True)


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={profile}", "--window-size=1100,700"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
