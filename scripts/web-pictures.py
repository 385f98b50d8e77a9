#!/usr/bin/python3
"""Takes the README's pictures of the page in headless Chromium: each of the four pages with the
oval, the run part way round, into docs/images/web-*.png. Needs the release and wasm builds."""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "web"))
from harness import Site  # noqa: E402

PAGES = ["Robot", "Mapa", "Algorytm", "Symulacja"]


def main():
    site = Site()
    try:
        driver = site.driver
        driver.set_window_size(960, 640)
        site.open("&przyklad=oval")
        driver.execute_script("""
            document.querySelector('[role=tab][data-page="3"]').click();
            vemrikPage.clock.advance(15 * 25);
            document.getElementById('sim.start').click();
            document.getElementById('sim.on').click();
            vemrikPage.clock.advance(200 * 120);""")
        for number, caption in enumerate(PAGES):
            driver.execute_script(f"""
                document.querySelector('[role=tab][data-page="{number}"]').click();
                vemrikPage.clock.advance(15 * 25);""")
            out = ROOT / "docs" / "images" / f"web-{caption.lower()}.png"
            driver.save_screenshot(str(out))
            print("saved", out)
    finally:
        site.close()


if __name__ == "__main__":
    main()
