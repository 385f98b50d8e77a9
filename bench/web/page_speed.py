"""Times the page as built in headless Chromium: from navigation to the first example shown
(served, served again from its service worker, and the one file from disk), and on the busy
scene a step of a run with the redraw it brings. Prints the figures for docs/performance.md.

Needs the release build (its tests/web_desktop_form writes the busy scene) and the wasm build:
    /usr/bin/python3 bench/web/page_speed.py
"""
import pathlib
import statistics
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "web"))
from harness import Site  # noqa: E402

LOADS = 20
STEPS = 300


def busy_scene():
    with tempfile.TemporaryDirectory() as folder:
        path = pathlib.Path(folder) / "busy.vemrik"
        subprocess.run([ROOT / "build" / "release" / "tests" / "web_desktop_form"], input=f"busy {path}\n".encode(),
                       check=True)
        return path.read_bytes()


def first_example_shown(site, url, from_server):
    """Milliseconds from navigation until the oval is on the canvases, the page on its own clock.
    `from_server`: every load from the server, none from the browser's cache or the service worker."""
    site.driver.execute_cdp_cmd("Network.enable", {})
    site.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": from_server})
    site.driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": from_server})
    # Watching the network keeps a copy of every response and slows the one file's wasm.
    if not from_server:
        site.driver.execute_cdp_cmd("Network.disable", {})
    times = []
    for _ in range(LOADS):
        site.driver.get(f"{url}?przyklad=oval&fresh={len(times)}")
        site.driver.implicitly_wait(0)
        times.append(site.driver.execute_async_script("""
            const done = arguments[0];
            const wait = () => (window.vemrikPage && vemrikPage.shownAt) ? done(vemrikPage.shownAt) : setTimeout(wait, 5);
            wait();"""))
    return times


def busy_steps(site):
    """Milliseconds for each step of a run on the busy scene with its redraw: 200 ms of the page's
    clock holding a run timer tick, counted only when it made a step. The busy robot reaches its
    stop after a few steps; "Start" and "Włącz" set it off again, outside the timing."""
    site.open("&przyklad=busy")
    return site.driver.execute_script("""
        const page = vemrikPage;
        const controls = () => JSON.parse(page.form().controls());
        document.querySelector('[role=tab][data-page="3"]').click();
        const times = [];
        while (times.length < arguments[0]) {
          if (!controls().runTimer.enabled) {
            page.clock.advance(400);
            document.getElementById('sim.start').click();
            document.getElementById('sim.on').click();
          }
          const before = controls().stepCount;
          const t0 = performance.now();
          page.clock.advance(200);
          const took = performance.now() - t0;
          if (controls().stepCount !== before) times.push(took);
        }
        return times;""", STEPS)


def describe(name, times):
    times = sorted(times)
    print(f"{name}: median {statistics.median(times):.1f} ms, 90th percentile {times[int(len(times) * 0.9)]:.1f} ms,"
          f" worst {times[-1]:.1f} ms ({len(times)} samples)")


def main():
    site = Site({"busy.vemrik": busy_scene()}, as_built=True)
    try:
        print("Chromium", site.driver.capabilities.get("browserVersion"))
        one_file = (site.folder / "site" / "vemrik.html").as_uri()
        for name, url, from_server in [("served folder, every file from the server", site.url, True),
                                       ("served folder, again, from its service worker", site.url, False),
                                       ("vemrik.html opened from disk", one_file, False)]:
            loads = first_example_shown(site, url, from_server)
            describe(f"navigation to the first example shown: {name}", loads)
            print("  each load:", " ".join(f"{t:.0f}" for t in loads))
        describe("busy scene: a step with its redraw", busy_steps(site))
    finally:
        site.close()


if __name__ == "__main__":
    main()
