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
EXAMPLE_FILES = ["descriptions.ini", "track-picture.png"]


def module_dir():
    """The folder holding the built vemrik.js and vemrik.wasm."""
    folder = pathlib.Path(os.environ.get("VEMRIK_WASM_DIR", ROOT / "build" / "wasm"))
    if not (folder / "vemrik.wasm").exists():
        raise FileNotFoundError(f"no vemrik.wasm in {folder}: cmake --preset wasm && cmake --build --preset wasm")
    return folder


def assemble(site, extra_examples):
    """Lays out the page as a static server serves it: the page, the module, the examples (and
    `extra_examples`, name to text, beside them)."""
    for item in (ROOT / "web" / "page").iterdir():
        shutil.copy(item, site)
    for name in ["vemrik.js", "vemrik.wasm"]:
        shutil.copy(module_dir() / name, site)
    examples = site / "examples"
    examples.mkdir()
    for item in (ROOT / "examples").glob("*.vemrik"):
        shutil.copy(item, examples)
    for name in EXAMPLE_FILES:
        shutil.copy(ROOT / "examples" / name, examples)
    for name, text in extra_examples.items():
        (examples / name).write_bytes(text)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class Site:
    """The page on a free local port, and a browser that downloads into a folder of its own."""

    def __init__(self, extra_examples=None):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="vemrik-web-"))
        self.downloads = self.folder / "downloads"
        self.profile = self.folder / "profile"
        site = self.folder / "site"
        for folder in [self.downloads, self.profile, site]:
            folder.mkdir()
        assemble(site, extra_examples or {})
        handler = functools.partial(QuietHandler, directory=str(site))
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/index.html"
        self.driver = start_browser(self.profile)
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": str(self.downloads)})

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
