"""Times the page in headless Chromium: from navigation to the first example shown, and on the
busy scene a step of a run with the redraw it brings. Prints the figures for docs/performance.md.

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


def first_example_shown(site):
    """Milliseconds from navigation until the oval is on the canvases, the page on its own clock;
    every load from the server, none from the browser's cache."""
    site.driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    times = []
    for _ in range(LOADS):
        site.driver.get(f"{site.url}?przyklad=oval&fresh={len(times)}")
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
    site = Site({"busy.vemrik": busy_scene()})
    try:
        print("Chromium", site.driver.capabilities.get("browserVersion"))
        loads = first_example_shown(site)
        describe("navigation to the first example shown", loads)
        print("  each load:", " ".join(f"{t:.0f}" for t in loads))
        describe("busy scene: a step with its redraw", busy_steps(site))
    finally:
        site.close()


if __name__ == "__main__":
    main()
