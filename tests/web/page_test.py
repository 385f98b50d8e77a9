"""The page in headless Chromium against the desktop: the same menus, runs, pixels and files."""
import base64
import io
import json
import pathlib
import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from harness import ROOT, Site

BUILD = ROOT / "build" / "release"
EXAMPLES = ROOT / "examples"
REFRESH = 25  # ms, the refresh cycle
FORCED_REDRAW = 15 * REFRESH


def desktop(script, *outputs):
    """Runs the desktop form on `script` (lines) and returns the files it wrote, by name."""
    with tempfile.TemporaryDirectory() as folder:
        paths = {name: pathlib.Path(folder) / name for name in outputs}
        text = "\n".join(line.format(**paths) for line in script) + "\n"
        subprocess.run([BUILD / "tests" / "web_desktop_form"], input=text.encode(), check=True)
        return {name: path.read_bytes() for name, path in paths.items()}


def plain(caption):
    """A caption without its mnemonic marker, as ui/commands.h's plainCaption."""
    return re.sub(r"&(.)", r"\1", caption)


class PageTest(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.driver = cls.site.driver

    @classmethod
    def tearDownClass(cls):
        cls.site.close()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def state(self):
        return json.loads(self.js("return vemrikPage.form().controls()"))

    def advance(self, ms):
        self.js("vemrikPage.clock.advance(arguments[0])", ms)

    def click(self, element_id):
        self.driver.find_element(By.ID, element_id).click()

    def tab(self, caption):
        self.driver.find_element(By.XPATH, f"//button[@role='tab'][text()='{caption}']").click()

    def command(self, command_id):
        """Chooses a command in its menu, as a mouse does."""
        menu = self.driver.find_element(By.XPATH, f"//div[@class='menu'][.//*[@data-command='{command_id}']]")
        menu.find_element(By.CLASS_NAME, "menu-title").click()
        menu.find_element(By.CSS_SELECTOR, f"button[data-command='{command_id}']").click()

    def canvas_rgba(self, n, box=None):
        """The canvas's pixels, or those of `box` (left, top, width, height) in it."""
        encoded = self.js("""
            const c = document.getElementById(arguments[0]);
            const [x, y, w, h] = arguments[1] ?? [0, 0, c.width, c.height];
            const bytes = c.getContext('2d').getImageData(x, y, w, h).data;
            let s = '';
            for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
            return btoa(s);""", n, box)
        return base64.b64decode(encoded)

    def drag(self, board, points):
        """Presses on a board at the first point, moves through the others and lets go, as a mouse."""
        box = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                      "return [r.left, r.top];", board)
        self.assertEqual([int(v) for v in box], box, "a board must sit on whole pixels")
        actions = ActionChains(self.driver, duration=0)
        at = lambda p: actions.w3c_actions.pointer_action.move_to_location(box[0] + p[0], box[1] + p[1])
        at(points[0])
        actions.w3c_actions.pointer_action.pointer_down()
        for p in points[1:]:
            at(p)
        actions.w3c_actions.pointer_action.pointer_up()
        actions.perform()
        return ([f"mouse {board} move {points[0][0]} {points[0][1]}",
                 f"mouse {board} down {points[0][0]} {points[0][1]}"] +
                [f"mouse {board} move {x} {y}" for x, y in points[1:]] +
                [f"mouse {board} up {points[-1][0]} {points[-1][1]}"])

    def test_controls_stand_where_the_layout_puts_them(self):
        self.site.open()
        misplaced = self.js("""
            const notebook = document.getElementById('notebook').getBoundingClientRect();
            const wrong = [];
            for (const c of JSON.parse(vemrikPage.layout)) {
              if (!c.visible || c.page < 0) continue;
              document.querySelector(`[role=tab][data-page="${c.page}"]`).click();
              const r = document.getElementById(c.id).getBoundingClientRect();
              const at = [r.left - notebook.left - 1, r.top - notebook.top - 1, r.width, r.height];
              const inset = (c.width - c.drawn) / 2;
              const want = c.kind === 'CheckBox' ? [c.left, c.top, 13, 13]
                  : c.kind === 'Arrow' ? [c.left + inset, c.top + (c.height - c.drawn) / 2, c.drawn, c.drawn]
                  : [c.left, c.top, c.width, c.height];
              // Sized to their words, which may be longer in another language.
              if (['Label', 'Note'].includes(c.kind)) { at.length = 2; want.length = 2; }
              if (JSON.stringify(at) !== JSON.stringify(want)) wrong.push([c.id, at, want]);
            }
            return wrong;""")
        self.assertEqual([], misplaced)

    def test_every_command_is_on_the_page_and_zakoncz_asks_about_unsaved_work_as_the_window(self):
        self.site.open("&przyklad=oval")
        missing = self.js("""
            const controls = JSON.parse(vemrikPage.layout);
            return JSON.parse(vemrikPage.commands).filter((c) => {
              const el = c.menu ? document.querySelector(`.menubar [data-command="${c.id}"]`)
                  : document.getElementById(controls.find((k) => k.command === c.id)?.id);
              // Commands still being brought to the page need only be there.
              return !el || (el.classList.contains('desktop-only') && !/^(challenges\\.|run\\.race)/.test(c.id));
            }).map((c) => c.id);""")
        self.assertEqual([], missing)
        self.tab("Mapa")
        self.click("map.erase")
        self.command("file.quit")
        self.assertEqual("Zapisać zmiany?\nZmiany w „oval.vemrik” nie są zapisane.\nTak\nNie\nAnuluj",
                         self.driver.find_element(By.ID, "save-question").text)
        self.driver.find_element(By.XPATH, "//dialog[@id='save-question']//button[text()='Nie']").click()
        # The test's tab was not opened by a script: the browser keeps it open, and the page says so.
        told = self.driver.find_element(By.CSS_SELECTOR, "#text-dialog pre")
        WebDriverWait(self.driver, 5).until(lambda d: told.is_displayed())
        self.assertEqual("Możesz teraz zamknąć kartę przeglądarki.", told.text)

    def test_every_command_that_replaces_unsaved_work_asks_first_and_anuluj_keeps_it(self):
        self.site.open("&przyklad=oval")
        level = "[data-command='challenges.levels'] [data-entry='0']"
        WebDriverWait(self.driver, 20).until(lambda d: d.find_elements(By.CSS_SELECTOR, level))
        self.tab("Mapa")
        self.click("map.erase")
        erased = self.js("return vemrikPage.form().save()")

        def answer(caption):
            button = f"//dialog[@id='save-question']//button[text()='{caption}']"
            WebDriverWait(self.driver, 10).until(lambda d: d.find_elements(By.XPATH, button)[0].is_displayed())
            self.driver.find_element(By.XPATH, button).click()

        def entry(menu, selector):
            self.driver.find_element(By.XPATH, f"//div[@data-menu='{menu}']/button").click()
            self.driver.find_element(By.CSS_SELECTOR, selector).click()

        drop = """const carrier = new DataTransfer();
            carrier.items.add(new File([arguments[0]], 'zigzag.vemrik'));
            document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: carrier, bubbles: true, cancelable: true}));"""
        replacing = {
            "file.new": lambda: self.command("file.new"),
            "file.examples": lambda: entry("file", "[data-command='file.examples'] [data-example='zigzag']"),
            "file.recent": lambda: entry("file", "button[data-command='file.recent'][data-entry='0']"),
            "challenges.levels": lambda: entry("challenges", level),
            "drop": lambda: self.js(drop, (EXAMPLES / "zigzag.vemrik").read_text()),
        }
        for name, choose in replacing.items():
            with self.subTest(name):
                choose()
                answer("Anuluj")
                self.assertEqual([erased, "oval.vemrik", True],
                                 [self.js("return vemrikPage.form().save()"), self.state()["document"]["file"],
                                  self.state()["document"]["modified"]])
        replacing["drop"]()
        answer("Nie")
        WebDriverWait(self.driver, 10).until(lambda d: self.js("return vemrikPage.fileName()") == "zigzag.vemrik")

    def test_the_menus_and_controls_say_the_tables_words_in_both_languages(self):
        self.site.open()
        self.addCleanup(self.js, "localStorage.setItem('vemrik.language', 'pl')")
        table = json.loads(self.js("return vemrikPage.commands"))
        texts = json.loads(self.js("return vemrikPage.texts"))
        layout = [c for c in json.loads(self.js("return vemrikPage.layout")) if c["visible"] and c["caption"]["pl"]]
        for language, choice in [("en", "view.english"), ("pl", "view.polish")]:
            with self.subTest(language):
                self.command(choice)
                shown = self.js("""
                    const entries = {};
                    for (const el of document.querySelectorAll('.menubar [data-command]:not([data-entry])')) {
                      const group = el.parentElement.closest('.menu-group');
                      entries[el.dataset.command] = [el.closest('.menu').dataset.menu, group?.getAttribute('aria-label') ?? '',
                        el.querySelector(':scope > .caption, :scope > .menu-heading').textContent,
                        el.querySelector(':scope > .shortcut')?.textContent ?? ''];
                    }
                    return entries;""")
                want = {c["id"]: [c["menu"], plain(c["submenu"][language]), plain(c["caption"][language]), c["shortcut"]]
                        for c in table if c["menu"]}
                self.assertEqual(want, shown)
                words = self.js("""return [[...document.querySelectorAll('[role=tab]')].map((t) => t.textContent),
                    Object.fromEntries(arguments[0].map(([id, page]) => {
                      document.querySelector(`[role=tab][data-page="${page}"]`).click();  // shown, as read
                      return [id, document.getElementById(id).innerText];
                    }))];""", [[c["id"], c["page"]] for c in layout])
                self.assertEqual([[t[language] for t in texts["pages"]],
                                  {c["id"]: plain(c["caption"][language]) for c in layout}], words)
        # Dialogs open when the language changes (the menu reached past them) speak it, or close.
        self.command("run.evaluate")
        self.driver.find_element(By.ID, "open-robot-log").send_keys(str(EXAMPLES / "oval-robot.csv"))
        self.js("document.querySelector('[data-command=\"view.english\"]').click()")
        self.assertEqual(["Robot run", False], self.js(
            "return [document.querySelector('#robot-log-dialog h2').textContent,"
            " document.getElementById('evaluate-dialog').open]"))

    def test_a_fresh_page_offers_a_first_start_whose_otworz_przyklad_opens_the_easiest_example(self):
        self.site.open()
        panel = self.driver.find_element(By.CSS_SELECTOR, ".notice-layer .notice")
        self.assertTrue(panel.is_displayed())
        self.assertTrue(panel.find_element(By.XPATH, ".//button[normalize-space()='Zacznij od zera']").is_enabled())
        panel.find_element(By.XPATH, ".//button[normalize-space()='Otwórz przykład']").click()
        WebDriverWait(self.driver, 10).until(lambda d: self.js("return vemrikPage.fileName()") == "oval.vemrik")
        self.assertEqual([], self.driver.find_elements(By.CSS_SELECTOR, ".notice-layer .notice"))

    def test_drawing_on_the_boards_paints_what_the_desktop_paints(self):
        # A stroke of each tool that draws on a board, on the oval's robot and map.
        cases = [
            (0, "Robot", "robot.board", "robot.body", [(20, 20), (60, 25), (100, 100), (100, 180)]),
            (0, "Robot", "robot.board", "robot.clear", [(60, 110), (80, 130)]),
            (1, "Mapa", "map.board", "map.line", [(15, 15), (200, 15), (200, 90)]),
            (1, "Mapa", "map.board", "map.brush", [(300, 300), (350, 320), (420, 250), (600, 390)]),
            (1, "Mapa", "map.board", "map.clear", [(400, 255), (450, 255)]),
        ]
        for page, caption, board, tool, points in cases:
            with self.subTest(tool):
                self.site.open("&przyklad=oval")
                self.tab(caption)
                self.click(tool)
                self.assertEqual("true", self.driver.find_element(By.ID, tool).get_attribute("aria-pressed"))
                events = self.drag(board, points)
                self.advance(FORCED_REDRAW)
                script = ["open " + str(EXAMPLES / "oval.vemrik"), f"page {page}", f"press {tool}", *events,
                          "ticks 15", f"image {board} {{raw}}"]
                want = desktop(script, "raw")["raw"]
                self.assertTrue(want == self.canvas_rgba(board))  # not assertEqual: megabytes of bytes

    def test_rules_written_on_the_page_are_the_desktop_rules(self):
        self.site.open("&przyklad=oval")
        self.tab("Algorytm")
        for box in ["rules.sensor1", "rules.sensor3", "rules.sensor3", "rules.sensor6"]:  # the third on and off
            self.click(box)
        angle = self.driver.find_element(By.ID, "rules.angle")
        angle.send_keys(*[Keys.ARROW_LEFT] * 7)
        self.advance(FORCED_REDRAW)
        self.click("rules.add")
        self.driver.find_element(By.XPATH, "//select[@id='rules.list']/option[2]").click()
        self.click("rules.delete")
        script = ["open " + str(EXAMPLES / "oval.vemrik"), "page 2", "ticks 15", "check rules.sensor1 1",
                  "check rules.sensor3 1", "check rules.sensor3 0", "check rules.sensor6 1",
                  *[f"track rules.angle {-k}" for k in range(1, 8)], "ticks 15", "press rules.add", "select 1",
                  "press rules.delete", "save {file}"]
        saved = self.saved().read_bytes()
        self.assertEqual(desktop(script, "file")["file"], saved)
        self.assertIn(b'"1 0 0 0 0 1 0 0 -7"', saved)  # both could ignore the boxes alike

    def test_the_space_bar_pauses_on_symulacja_and_the_slider_takes_keys(self):
        self.site.open("&przyklad=oval")
        self.tab("Symulacja")
        self.click("sim.start")
        self.click("sim.on")
        self.advance(30 * 200)
        for caption, running in [("Algorytm", True), ("Symulacja", False)]:
            self.tab(caption)
            self.driver.find_element(By.TAG_NAME, "body").send_keys(Keys.SPACE)
            self.assertEqual(running, self.state()["runTimer"]["enabled"], caption)
        self.driver.find_element(By.ID, "sim.stepSlider").send_keys(Keys.HOME, *[Keys.ARROW_RIGHT] * 12)
        self.assertEqual("Krok 12 z 30", self.driver.find_element(By.ID, "sim.stepText").text)
        self.driver.find_element(By.ID, "sim.heading").send_keys(Keys.PAGE_DOWN, Keys.ARROW_LEFT)
        self.assertEqual("-106°", self.driver.find_element(By.ID, "sim.headingValue").text)  # from -90

    def test_the_time_line_draws_the_desktop_chart_and_a_click_on_a_column_shows_its_step(self):
        self.site.open("&przyklad=oval")
        self.command("run.timeline")
        self.tab("Symulacja")
        self.click("sim.start")
        self.click("sim.on")
        self.advance(100 * 200)
        self.js("const p = vemrikPage.timeline; p.redraw(() => p.timeline.zoom(2, 100))")
        width, left = self.js("const p = vemrikPage.timeline; return [p.timeline.width(), p.left]")
        plot = self.canvas_rgba("timeline-chart", [left, 0, width, 174])
        want = desktop(["open " + str(EXAMPLES / "oval.vemrik"), "page 3", "press sim.start", "press sim.on",
                        "runticks 100", f"timeline {width} 2 100 {{raw}} {{step}}"], "raw", "step")
        self.assertTrue(want["raw"] == plot)
        # The step axis begins at the first column, as the window's; the columns past the run have none.
        axis = json.loads(self.js("return vemrikPage.timeline.timeline.labels()"))["axis"]
        self.assertEqual([{"column": 0, "step": 1}], axis)
        for x, y, _, _, colour in json.loads(self.js("return vemrikPage.timeline.timeline.shapes()"))[::50]:
            self.assertEqual("#" + plot[4 * (y * width + x):][:3].hex(), colour)  # the SVG's colours
        box = self.js("const r = document.getElementById('timeline-chart').getBoundingClientRect();"
                      "return [r.left, r.top];")
        actions = ActionChains(self.driver, duration=0)
        actions.w3c_actions.pointer_action.move_to_location(int(box[0]) + left + 100, int(box[1]) + 40)
        actions.w3c_actions.pointer_action.pointer_down()
        actions.w3c_actions.pointer_action.pointer_up()
        actions.perform()
        self.assertEqual(int(want["step"]), self.state()["history"]["shown"])

    def test_ctrl_z_gives_back_the_strokes_usun_took_and_ctrl_y_takes_them_again(self):
        self.site.open("&przyklad=oval")
        self.tab("Mapa")
        strokes = lambda: json.loads(self.js("return vemrikPage.form().save()"))["strokes"]
        drawn = strokes()
        self.click("map.erase")
        for key, want in [("z", drawn), ("y", [])]:
            ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()
            self.assertEqual(want, strokes(), key)
        self.assertTrue(drawn)

    def one_download(self, start):
        """Runs `start`, and returns the one file the browser then downloaded."""
        for old in self.site.downloads.iterdir():
            old.unlink()
        start()
        # Chromium reserves the name with an empty file and renames its partial download over it.
        def finished(_):
            files = list(self.site.downloads.iterdir())
            done = len(files) == 1 and files[0].suffix != ".crdownload" and files[0].stat().st_size > 0
            return files[0] if done else None
        return WebDriverWait(self.driver, 10, ignored_exceptions=(FileNotFoundError,)).until(finished)

    def saved(self):
        """Ctrl+S (the browser's own "save page" kept from it), and the file the browser downloaded."""
        return self.one_download(
            lambda: ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("s").key_up(Keys.CONTROL).perform())

    def test_a_dropped_file_saved_or_a_new_workspace_is_the_desktop_file_byte_for_byte(self):
        self.site.open()
        self.js("""
            const carrier = new DataTransfer();
            carrier.items.add(new File([arguments[0]], 'zigzag.vemrik'));
            for (const type of ['dragenter', 'dragover', 'drop']) {
              document.body.dispatchEvent(new DragEvent(type, {dataTransfer: carrier, bubbles: true, cancelable: true}));
            }""", (EXAMPLES / "zigzag.vemrik").read_text())
        WebDriverWait(self.driver, 10).until(lambda d: self.js("return vemrikPage.fileName()") == "zigzag.vemrik")
        self.assertFalse(self.driver.find_element(By.ID, "drop-hint").is_displayed())
        self.tab("Mapa")
        self.click("map.brush")
        events = self.drag("map.board", [(30, 300), (90, 330), (150, 310)])
        path = self.saved()
        self.assertEqual("zigzag.vemrik", path.name)
        script = ["open " + str(EXAMPLES / "zigzag.vemrik"), "page 1", "press map.brush", *events, "save {file}"]
        self.assertEqual(desktop(script, "file")["file"], path.read_bytes())
        self.command("file.new")  # the work of a desktop just started
        self.assertEqual(desktop(["save {file}"], "file")["file"], self.saved().read_bytes())

    def test_the_track_picture_imports_as_the_tape_loop_was_made(self):
        self.site.open()
        self.driver.find_element(By.ID, "open-picture").send_keys(str(EXAMPLES / "track-picture.png"))
        WebDriverWait(self.driver, 30).until(lambda d: json.loads(self.js("return vemrikPage.form().save()"))["strokes"])
        tape_loop = json.loads((EXAMPLES / "tape-loop.vemrik").read_text())
        self.assertEqual(tape_loop["strokes"], json.loads(self.saved().read_text())["strokes"])
        self.command("file.undoImport")
        self.assertEqual([], json.loads(self.js("return vemrikPage.form().save()"))["strokes"])

    def test_a_bad_file_or_picture_is_refused_and_the_work_stays(self):
        self.site.open("&przyklad=oval")
        with tempfile.TemporaryDirectory() as folder:
            cut = pathlib.Path(folder) / "cut.vemrik"
            cut.write_text((EXAMPLES / "oval.vemrik").read_text()[:200])
            for field, path, message in [("open-file", cut, "JSON"),
                                         ("open-picture", EXAMPLES / "oval.vemrik", "„oval.vemrik” nie jest obrazem")]:
                self.driver.find_element(By.ID, field).send_keys(str(path))
                dialog = self.driver.find_element(By.ID, "text-dialog")
                WebDriverWait(self.driver, 10).until(lambda d: dialog.is_displayed())
                self.assertEqual("Błąd", dialog.find_element(By.TAG_NAME, "h2").text)
                self.assertIn(message, dialog.find_element(By.TAG_NAME, "pre").text)
                dialog.find_element(By.TAG_NAME, "button").click()
        self.assertEqual((EXAMPLES / "oval.vemrik").read_bytes(), self.saved().read_bytes())

    def test_the_status_line_the_run_buttons_and_a_dialogs_buttons_stay_in_view_in_a_small_window(self):
        # A 1024 x 600 window leaves Chromium's page 457 pixels of height: less than the form takes,
        # and less than the evaluation dialog takes.
        self.addCleanup(self.driver.set_window_size, 1100, 700)
        in_view = """return arguments[0].filter((id) => {
            const el = document.getElementById(id), r = el.getBoundingClientRect();
            const box = el.closest('dialog')?.getBoundingClientRect() ?? {top: 0, bottom: innerHeight};
            const inView = r.top >= box.top && r.bottom <= Math.min(box.bottom, innerHeight) && r.right <= innerWidth;
            return !inView || document.elementFromPoint(r.left + 5, r.top + r.height / 2)?.id !== id;
          });"""
        for size in [(1024, 600), (1366, 768)]:
            with self.subTest(size):
                self.driver.set_window_size(*size)
                self.site.open("&przyklad=oval")
                self.tab("Symulacja")
                self.assertEqual([], self.js(in_view, ["status", "sim.start", "sim.step", "sim.back", "sim.on", "sim.off"]))
                self.command("run.evaluate")
                self.js("for (const id of ['eval-histogram', 'eval-sweep-chart'])"
                        " document.getElementById(id).removeAttribute('hidden')")  # as a sweep leaves them
                self.assertEqual([], self.js(in_view, ["eval-start", "eval-close"]))
                ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
                self.command("run.timeline")
                self.assertEqual("timeline-chart", self.js(  # its top, at least
                    "const r = document.getElementById('timeline-chart').getBoundingClientRect();"
                    "return document.elementFromPoint(r.left + 5, r.top + 5)?.id"))

    def test_f1_opens_the_guide_the_window_shows_in_polish_and_after_switching_in_english(self):
        self.site.open()
        self.addCleanup(self.js, "localStorage.setItem('vemrik.language', 'pl')")
        dialog = self.driver.find_element(By.ID, "help-dialog")
        for choice, guide in [(None, "pl/przewodnik.md"), ("view.english", "en/guide.md")]:
            if choice:
                self.command(choice)
            ActionChains(self.driver).send_keys(Keys.F1).perform()
            # Open once every picture it shows has loaded.
            WebDriverWait(self.driver, 10).until(lambda d: self.js(
                "const all = [...document.querySelectorAll('#help-dialog img')];"
                "return all.length > 0 && all.every((i) => i.naturalWidth > 0)"))
            first = (ROOT / "docs" / guide).read_text().splitlines()[0].removeprefix("# ")
            self.assertEqual([plain(self.js("return JSON.parse(vemrikPage.commands).find((c) => c.id === 'help.guide')"
                                            ".caption[document.documentElement.lang]")), first],
                             [dialog.find_element(By.TAG_NAME, "h2").text, dialog.find_element(By.TAG_NAME, "h1").text])
            ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
            self.assertFalse(dialog.is_displayed())

    def test_the_keyboard_alone_reaches_every_control_runs_a_menus_entry_and_leaves_its_dialog(self):
        self.site.open("&przyklad=oval")  # on "Symulacja"
        self.js("document.querySelector('.menu-title').focus()")  # where a first Tab lands
        focused = lambda: self.js("const e = document.activeElement, d = document.querySelector('dialog[open]');"
                                  "return [d?.id ?? '', e.dataset.page ? 'tab' + e.dataset.page : e.id || e.className]")
        keys = lambda *k: ActionChains(self.driver).send_keys(*k).perform()
        tabbed = lambda n: [keys(Keys.TAB) or focused()[1] for _ in range(n)]
        self.assertEqual(["menu-title"] * 5 + ["tab0", "tab1", "tab2", "tab3", "sim.heading", "sim.start"], tabbed(11))
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(*[Keys.TAB] * 5).key_up(Keys.SHIFT).perform()
        keys(Keys.ENTER)
        self.assertEqual(["tab1", "tab2", "tab3", "robot.board", "robot.body"], tabbed(5))
        ActionChains(self.driver).key_down(Keys.ALT).send_keys("m").key_up(Keys.ALT).perform()  # "Po&moc"
        keys(Keys.ENTER)  # its first entry, "Przewodnik"
        self.assertEqual("help-dialog", focused()[0])
        keys(Keys.ESCAPE)
        self.assertEqual(["", "robot.body"], focused())

    def test_the_zoom_offers_and_ticks_as_the_window_and_the_fit_follows_the_window(self):
        self.addCleanup(self.driver.set_window_size, 1100, 700)
        self.addCleanup(self.js, "localStorage.removeItem('vemrik.zoom')")
        self.site.open()
        shown = lambda: self.js("""
            const item = (id) => document.querySelector(`.menubar [data-command="${id}"]`);
            const form = document.getElementById('form');
            return [['view.zoom100', 'view.zoom150', 'view.zoom200', 'view.zoomFit']
                      .map((id) => [item(id).disabled, item(id).getAttribute('aria-checked')].join()),
                    Number(form.style.zoom), form.offsetWidth, innerWidth];""")
        def resize(width, height):
            self.driver.set_window_size(width, height)
            WebDriverWait(self.driver, 10).until(lambda d: shown()[3] == width)
            # 'resize' is sent at the browser's next frame, after innerWidth already reads the new size.
            self.driver.execute_async_script(
                "const done = arguments[0]; requestAnimationFrame(() => requestAnimationFrame(done));")
        # "disabled,ticked" for ×1, ×1.5, ×2 and the fit; ×1.5 chosen where it fits, then where it does
        # not, which shows the largest zoom offered, ×1.
        resize(1700, 1100)
        self.command("view.zoom150")
        self.assertEqual([["false,false", "false,true", "true,false", "false,false"], 1.5], shown()[:2])
        resize(1100, 700)
        self.assertEqual([["false,true", "true,false", "true,false", "false,false"], 1], shown()[:2])
        self.command("view.zoomFit")
        for size in [(1100, 700), (1700, 1100)]:
            resize(*size)
            ticks, zoom, width, room = shown()
            self.assertEqual("false,true", ticks[3])
            # The largest tenth at which the form's width fits; its height is not what limits here.
            self.assertEqual(min(2, int(room * 10 / width) / 10), zoom, size)
        self.site.open()
        self.assertEqual("false,true", shown()[0][3])

    def test_keys_on_the_boards_paint_what_the_desktops_cell_cursor_paints(self):
        cases = [
            (0, "Robot", "robot.board", "robot.body", ["right"] * 3 + ["down"] * 2 + ["space"] + ["right"] * 4),
            (1, "Mapa", "map.board", "map.line", ["down"] * 30 + ["right"] * 5 + ["space"] + ["right"] * 20),
        ]
        keys = {"right": Keys.ARROW_RIGHT, "down": Keys.ARROW_DOWN}
        for page, caption, board, tool, presses in cases:
            with self.subTest(tool):
                self.site.open("&przyklad=oval")
                self.tab(caption)
                self.click(tool)
                canvas = self.driver.find_element(By.ID, board)
                self.js("arguments[0].focus()", canvas)
                actions = ActionChains(self.driver)
                for name in presses:
                    if name == "space":
                        actions.key_down(Keys.SPACE)
                    else:
                        actions.send_keys(keys[name])
                actions.key_up(Keys.SPACE).perform()
                self.advance(FORCED_REDRAW)
                script = ["open " + str(EXAMPLES / "oval.vemrik"), f"page {page}", f"press {tool}",
                          *[f"key {board} {name}" for name in presses + ["spaceup"]], "ticks 15",
                          f"image {board} {{raw}}"]
                want = desktop(script, "raw")["raw"]
                self.assertTrue(want == self.canvas_rgba(board))
                self.assertTrue(want != desktop(script[:3] + script[-2:], "raw")["raw"])  # the keys drew

    def fill(self, values):
        for field, value in values.items():
            box = self.driver.find_element(By.ID, field)
            box.clear()
            box.send_keys(value)

    def test_the_evaluation_starts_as_vemrik_eval_runs_in_a_worker_and_cancels(self):
        self.site.open("&przyklad=oval")
        self.command("run.evaluate")
        self.assertEqual(["5489", "200", "5000"], [self.driver.find_element(By.ID, field).get_attribute("value")
                                                   for field in ("eval-seed", "eval-runs", "eval-steps")])
        report = self.driver.find_element(By.ID, "eval-report")
        self.fill({"eval-runs": "12", "eval-steps": "600"})
        self.click("eval-start")
        WebDriverWait(self.driver, 60).until(lambda d: "Przebiegi" in report.text)
        self.assertEqual("Ocena: oval.vemrik", report.text.splitlines()[0])
        self.assertTrue(report.text.splitlines()[2].startswith("Robot dojechał do mety w "), report.text)
        self.assertEqual(["kroki do mety", "liczba prób"], [e.text for e in self.driver.find_elements(
            By.CSS_SELECTOR, "#eval-histogram .axis-x, #eval-histogram .axis-y")])
        self.fill({"eval-runs": "100000"})
        self.click("eval-start")
        self.click("eval-cancel")
        self.assertEqual("Anulowano.", report.text)
        self.assertTrue(self.driver.find_element(By.ID, "eval-start").is_enabled())
        self.assertFalse(self.driver.find_element(By.ID, "eval-cancel").is_enabled())

    def test_noisy_and_sweep_reports_are_vemrik_evals_and_a_failed_run_is_shown_as_the_window_shows_it(self):
        self.site.open("&przyklad=oval")
        self.command("run.evaluate")
        asked = {"seed": "4294967290", "runs": "10", "steps": "3000", "flip": "0.4", "shift": "10", "turn": "20"}
        self.fill({f"eval-{name}": value for name, value in asked.items()})
        report = self.driver.find_element(By.ID, "eval-report")
        options = [part for name, value in asked.items() for part in (f"--{name.replace('steps', 'max-steps')}", value)]
        for button, extra in [("eval-sweep", ["--sweep"]), ("eval-start", [])]:
            self.click(button)
            WebDriverWait(self.driver, 60).until(lambda d: "Czas" in report.text)
            want = subprocess.run([BUILD / "vemrik-eval", EXAMPLES / "oval.vemrik", *options, *extra],
                                  capture_output=True, text=True, check=True).stdout
            self.assertEqual(want.splitlines()[1:-1], report.text.splitlines()[1:-1])
        first = self.driver.find_element(By.CSS_SELECTOR, "#eval-failed option")
        seed, steps = re.search(r"ziarno (\d+): .* po (\d+) krokach", first.text).groups()
        first.click()
        self.click("eval-show-run")
        self.advance(FORCED_REDRAW)
        self.assertEqual((3, int(steps) - 20), (self.state()["page"], self.state()["history"]["steps"]))
        script = ["open " + str(EXAMPLES / "oval.vemrik"), f"replay {seed} {int(steps) - 20} 0.4 10 20", "page 3",
                  "ticks 15", "image sim.view {raw}"]
        self.assertTrue(desktop(script, "raw")["raw"] == self.canvas_rgba("sim.view"))

    def downloaded(self, names):
        """The files the browser downloaded under `names`, once each is whole."""
        def finished(_):
            paths = [self.site.downloads / n for n in names]
            return all(p.exists() and p.stat().st_size > 0 for p in paths) and [p.read_bytes() for p in paths]
        return WebDriverWait(self.driver, 10, ignored_exceptions=(FileNotFoundError,)).until(finished)

    def test_a_class_graded_in_the_page_gives_vemrik_eval_grades_reports(self):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            students = root / "class" / "students"
            students.mkdir(parents=True)
            for track in ["oval.vemrik", "figure-eight.vemrik"]:
                (root / track).write_bytes((EXAMPLES / track).read_bytes())
            task = root / "class" / "laps.vemrik-task"
            task.write_bytes((EXAMPLES / "grading" / "laps.vemrik-task").read_bytes())
            for name in ["ania", "bartek", "celina"]:
                (students / f"{name}.vemrik").write_bytes((EXAMPLES / "grading" / "students" / f"{name}.vemrik").read_bytes())
            (students / "dawid.vemrik").write_bytes((EXAMPLES / "oval.vemrik").read_bytes()[:300])
            want = {}
            for form, files in [("standard", ["laps.csv", "laps.html"]), ("arkusz", ["laps-arkusz.csv"])]:
                table = subprocess.run([BUILD / "vemrik-eval", "grade", task.name, "students", "--csv-format", form,
                                        "--csv", root / files[0], *(["--html", root / files[1]] if files[1:] else [])],
                                       cwd=task.parent, capture_output=True, check=True).stdout.decode()
                want.update({name: (root / name).read_bytes() for name in files})
            self.site.open()
            self.command("run.grade")
            self.driver.find_element(By.ID, "grade-task").send_keys(
                "\n".join(str(p) for p in [task, root / "oval.vemrik", root / "figure-eight.vemrik"]))
            self.driver.find_element(By.ID, "grade-folder").send_keys(str(students))
            self.click("grade-start")
            shown = self.driver.find_element(By.ID, "grade-table")
            WebDriverWait(self.driver, 60).until(lambda d: "dawid" in shown.text)
            self.assertEqual(table, self.js("return arguments[0].textContent", shown))
            for old in self.site.downloads.iterdir():
                old.unlink()
            for button in ["grade-save-csv", "grade-save-html", "grade-save-sheet"]:
                self.click(button)
            self.assertEqual([want[n] for n in want], self.downloaded(list(want)))

    def test_the_first_level_played_with_its_solution_earns_vemrik_evals_three_stars_and_sentence(self):
        level, solution = ROOT / "challenges" / "01-straight.vemrik-task", ROOT / "tests" / "challenges" / "01-solution.vemrik"
        said = subprocess.run([BUILD / "vemrik-eval", "challenge", level, solution],
                              capture_output=True, check=True).stdout.decode().splitlines()
        self.site.open()
        first = "[data-command='challenges.levels'] [data-entry='0']"
        WebDriverWait(self.driver, 20).until(lambda d: d.find_elements(By.CSS_SELECTOR, first))
        self.driver.find_element(By.XPATH, "//div[@data-menu='challenges']/button").click()
        self.driver.find_element(By.CSS_SELECTOR, first).click()
        self.assertEqual(json.loads(self.js("return vemrikPage.form().controls()"))["document"]["modified"], False)
        self.js("""const f = vemrikPage.form(), work = JSON.parse(f.save()), s = JSON.parse(arguments[0]);
                   f.open(JSON.stringify({...work, rules: s.rules, robot: s.robot}));
                   vemrikPage.update();""", solution.read_text())
        self.command("challenges.check")
        stars = self.driver.find_element(By.ID, "challenge-stars")
        WebDriverWait(self.driver, 60).until(lambda d: stars.text)
        self.assertEqual(["Gwiazdki: " + stars.text, self.driver.find_element(By.ID, "challenge-sentence").text], said[1:3])

    def test_a_browser_that_keeps_no_site_data_runs_the_page_and_is_told_the_stars_were_not_kept(self):
        blocked = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            Object.defineProperty(window, 'localStorage', {get() { throw new DOMException('blocked', 'SecurityError'); }});"""})
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument", blocked)
        self.site.open("&przyklad=oval")
        for command_id in ["view.polish", "view.zoom150", "file.new"]:
            self.command(command_id)
        solution = ROOT / "tests" / "challenges" / "01-solution.vemrik"
        first = "[data-command='challenges.levels'] [data-entry='0']"
        WebDriverWait(self.driver, 20).until(lambda d: d.find_elements(By.CSS_SELECTOR, first))
        self.driver.find_element(By.XPATH, "//div[@data-menu='challenges']/button").click()
        self.driver.find_element(By.CSS_SELECTOR, first).click()
        self.js("""const f = vemrikPage.form(), s = JSON.parse(arguments[0]);
                   f.open(JSON.stringify({...JSON.parse(f.save()), rules: s.rules, robot: s.robot}));
                   vemrikPage.update();""", solution.read_text())
        self.command("challenges.check")
        told = self.driver.find_element(By.CSS_SELECTOR, "#text-dialog pre")
        WebDriverWait(self.driver, 60).until(lambda d: told.is_displayed())
        self.assertEqual("★★★", self.driver.find_element(By.ID, "challenge-stars").text)
        self.assertIn("nie zapamiętała postępów", told.text)
        self.assertIn("„Zapisz postępy…”", told.text)

    def test_a_race_of_three_runs_to_the_finish_each_robot_as_vemrik_eval_runs_it_alone_on_the_track(self):
        self.site.open("&przyklad=zigzag")
        self.command("run.race")
        robots = self.driver.find_element(By.CSS_SELECTOR, "#race-dialog input[type=file][multiple]")
        robots.send_keys("\n".join(str(EXAMPLES / f"{n}.vemrik") for n in ("oval", "tape-loop", "zigzag")))
        WebDriverWait(self.driver, 10).until(lambda d: len(d.find_elements(By.CSS_SELECTOR, "#race-order tbody tr")) == 3)
        self.driver.find_element(By.CSS_SELECTOR, "#race-dialog [data-race=start]").click()
        # A minute of the run timer a call, so that no call outlasts the script timeout on a busy machine.
        for _ in range(50):
            if not self.js("for (let ms = 0; ms < 60e3; ms += 200) vemrikPage.race.clock.advance(200);"
                           "return vemrikPage.race.race.running()"):
                break
        rows = self.js("return vemrikPage.race.race.csv()").strip().splitlines()[1:]
        self.assertEqual(len(rows), 3)
        for row in rows:  # in the order the robots were added; the table is in the finish order
            name, evaluated = row.split(",", 1)
            self.js("""const at = JSON.parse(vemrikPage.race.race.view()).rows.findIndex((r) => r.includes(arguments[0]));
                       vemrikPage.race.selected = at;
                       vemrikPage.race.showRun();""", name)
            with tempfile.TemporaryDirectory() as folder:
                work, csv = pathlib.Path(folder) / "w.vemrik", pathlib.Path(folder) / "w.csv"
                work.write_text(self.js("return vemrikPage.form().save()"))
                subprocess.run([BUILD / "vemrik-eval", work, "--runs", "1", "--seed", "5489", "--csv", csv],
                               check=True, capture_output=True)
                self.assertEqual(evaluated, csv.read_text().splitlines()[1])
            self.command("run.race")

    def run_to_the_stop(self):
        """Starts the run on "Symulacja" and steps the page's clock until the run timer stops."""
        return self.js("""
            const page = vemrikPage, controls = () => JSON.parse(page.form().controls());
            document.querySelector('[role=tab][data-page="3"]').click();
            page.clock.advance(400);
            document.getElementById('sim.start').click();
            document.getElementById('sim.on').click();
            for (let ms = 0; controls().runTimer.enabled && ms < 600000; ms += 100) page.clock.advance(100);
            return controls().status;""")

    def test_vemrik_html_from_disk_runs_every_example_to_the_stop_in_vemrik_evals_steps(self):
        # Alone, as it is handed on: nothing beside it to fall back on.
        alone = pathlib.Path(self.enterContext(tempfile.TemporaryDirectory())) / "vemrik.html"
        shutil.copy(self.site.folder / "site" / "vemrik.html", alone)
        one_file = alone.as_uri()
        for example in sorted(EXAMPLES.glob("*.vemrik")):
            with self.subTest(example.stem), tempfile.TemporaryDirectory() as folder:
                csv = pathlib.Path(folder) / "run.csv"
                subprocess.run([BUILD / "vemrik-eval", example, "--runs", "1", "--csv", csv], check=True,
                               capture_output=True)
                steps = csv.read_text().splitlines()[1].split(",")[3]
                self.driver.get(f"{one_file}?zegar=reczny&przyklad={example.stem}")
                WebDriverWait(self.driver, 30).until(
                    lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))
                status = self.run_to_the_stop()
                self.assertEqual(steps, re.search(r"(?:dojechał do stopu|reached the stop) \D*(\d+)", status)[1])
        # The guide's pictures and a worker's module come from the file too.
        ActionChains(self.driver).send_keys(Keys.F1).perform()
        WebDriverWait(self.driver, 10).until(lambda d: self.js(
            "const all = [...document.querySelectorAll('#help-dialog img')];"
            "return all.length > 0 && all.every((i) => i.naturalWidth > 0)"))
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.command("run.evaluate")
        self.fill({"eval-runs": "2", "eval-steps": "100"})
        self.click("eval-start")
        WebDriverWait(self.driver, 30).until(lambda d: re.search(r"^(Przebiegi|Runs): 2$", self.js(
            "return document.getElementById('eval-report').textContent"), re.M))

    def test_a_served_page_loaded_once_starts_again_offline(self):
        self.site.open()
        self.driver.set_script_timeout(30)
        self.driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        offline = {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {**offline, "offline": True})
        try:
            self.site.open("&przyklad=zigzag")
            self.assertEqual("zigzag.vemrik", self.state()["document"]["file"])
        finally:
            self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {**offline, "offline": False})


    def download(self, command_id, name=None, kind=0):
        """Chooses a command that saves, keeps or types the name in its dialog, picks the kind, and
        returns the suggested name, the downloaded file's name and its bytes."""
        self.command(command_id)
        suggested = self.driver.find_element(By.ID, "name-text").get_attribute("value")
        self.js("document.getElementById('name-kind').value = arguments[0]", str(kind))
        if name:
            self.fill({"name-text": name})
        path = self.one_download(lambda: self.click("name-ok"))
        return suggested, path.name, path.read_bytes()

    def test_the_runs_settings_and_its_saved_csv_of_either_kind_are_the_desktops(self):
        self.site.open("&przyklad=oval")
        self.assertIn("1 oval.vemrik", [e.get_attribute("textContent") for e in self.driver.find_elements(
            By.CSS_SELECTOR, "button[data-command='file.recent']")])
        settings = ["run.trail", "run.speed4", "run.repeatable"]
        for command_id in settings:
            self.command(command_id)
        self.command("run.seed")
        self.fill({"name-text": "7"})
        self.click("name-ok")
        self.assertEqual([True] * 3, [self.state()["commands"][c]["checked"] for c in settings])
        self.tab("Symulacja")
        self.click("sim.start")
        self.click("sim.on")
        self.js("const f = vemrikPage.form(); for (let i = 0; i < 400; ++i) { f.tick(); f.runTick(); }")
        saved = [self.download("run.saveRun", name, kind) for name, kind in [("p", 0), ("a.csv", 1)]]
        script = ["open " + str(EXAMPLES / "oval.vemrik"), *[f"setting {c}" for c in settings], "seed 7", "page 3",
                  "press sim.start", "press sim.on", "steps 400", "csv {plain} plain", "csv {sheet} sheet"]
        want = desktop(script, "plain", "sheet")
        self.assertEqual([("przebieg.csv", "p.csv", want["plain"]), ("przebieg.csv", "a.csv", want["sheet"])], saved)
        self.assertGreater(want["plain"].count(b"\n"), 300)

    def test_an_exported_picture_of_algorytm_holds_the_desktops_pixels(self):
        self.site.open("&przyklad=oval")
        self.tab("Algorytm")
        self.advance(FORCED_REDRAW)
        suggested, name, png = self.download("file.exportImage")
        pixels = base64.b64decode(self.driver.execute_async_script("""
            const done = arguments[1];
            const bytes = Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0));
            createImageBitmap(new Blob([bytes]), {colorSpaceConversion: 'none', premultiplyAlpha: 'none'}).then((b) => {
              const context = new OffscreenCanvas(b.width, b.height).getContext('2d');
              context.drawImage(b, 0, 0);
              const data = context.getImageData(0, 0, b.width, b.height).data;
              let s = '';
              for (let i = 0; i < data.length; i += 0x8000) s += String.fromCharCode(...data.subarray(i, i + 0x8000));
              done(btoa(s));
            });""", base64.b64encode(png).decode()))
        script = ["open " + str(EXAMPLES / "oval.vemrik"), "page 2", "ticks 15", "picture 2 {raw}"]
        self.assertEqual(("oval-algorytm.png", "oval-algorytm.png"), (suggested, name))
        self.assertTrue(desktop(script, "raw")["raw"] == pixels)  # not assertEqual: 300 kB of bytes

    def test_the_sketch_zip_holds_the_files_vemrik_eval_arduino_writes(self):
        self.site.open("&przyklad=oval")
        for old in self.site.downloads.iterdir():
            old.unlink()
        self.command("file.arduino")
        self.assertEqual("W wybranym katalogu powstanie katalog oval z plikami oval.ino i wiring.svg",
                         self.driver.find_element(By.CSS_SELECTOR, "#sketch-dialog p").text)
        self.click("sketch-save")
        archive = zipfile.ZipFile(io.BytesIO(self.downloaded(["oval.zip"])[0]))
        with tempfile.TemporaryDirectory() as folder:
            subprocess.run([BUILD / "vemrik-eval", "arduino", EXAMPLES / "oval.vemrik", "--out", folder],
                           check=True, capture_output=True)
            self.assertEqual(["oval/oval.ino", "oval/wiring.svg"], archive.namelist())
            for name in archive.namelist():
                self.assertTrue(archive.read(name) == (pathlib.Path(folder) / name).read_bytes(), name)

    def test_a_robot_log_is_reported_as_the_window_reports_it(self):
        self.site.open("&przyklad=oval")
        log = str(EXAMPLES / "oval-robot.csv")
        self.driver.find_element(By.ID, "open-robot-log").send_keys(log)
        shown = self.js("""
            const d = document.getElementById('robot-log-dialog');
            const rows = (t) => [...t.tBodies[0].rows].map((r) => [...r.cells].map((c) => c.textContent).join('\\t'));
            const [lines, patterns] = d.querySelectorAll('table');
            return [d.open, d.querySelector('.headline').textContent, d.querySelector('.summary').textContent,
                    ...rows(lines), d.querySelector('.uncovered').textContent, ...rows(patterns)].join('\\n') + '\\n';""")
        want = desktop(["open " + str(EXAMPLES / "oval.vemrik"), f"robotlog {log} {{report}}"], "report")["report"]
        self.assertEqual("true\n" + want.decode(), shown)

    def test_a_robot_log_on_the_time_line_is_the_windows_chart_until_start_takes_it_back(self):
        self.site.open("&przyklad=oval")
        self.tab("Symulacja")
        self.click("sim.start")
        log = str(EXAMPLES / "oval-robot.csv")

        def show_log():
            self.driver.find_element(By.ID, "open-robot-log").send_keys(log)
            button = self.driver.find_element(By.ID, "robot-log-timeline")
            WebDriverWait(self.driver, 10).until(lambda d: button.is_displayed())
            button.click()

        show_log()
        width, left, heading = self.js("const p = vemrikPage.timeline;"
                                       "return [p.timeline.width(), p.left, JSON.parse(p.timeline.labels()).rows.at(-1)]")
        want = desktop([f"logtimeline {log} {width} {{raw}} {{source}}"], "raw", "source")
        # Above the heading's band, which the log leaves empty and says why in words on it.
        plot = lambda: self.canvas_rgba("timeline-chart", [left, 0, width, heading["top"]])
        self.assertTrue(want["raw"][:4 * width * heading["top"]] == plot())
        band = self.canvas_rgba("timeline-chart", [left, heading["top"], width, heading["height"]])
        self.assertTrue(any(band[i] < 100 for i in range(0, len(band), 4)), "no words on the heading's band")
        self.assertEqual(want["source"].decode(), self.driver.find_element(By.ID, "timeline-source").text)
        self.assertIn("0 0 1 1 0 0 0 0 10", self.driver.find_element(By.ID, "timeline-legend").text)
        # The form's run goes on underneath, not shown, until "Wróć do symulacji".
        self.js("window.scrollTo(0, 0)")  # the chart was brought into view
        self.click("sim.on")
        self.advance(20 * 200)
        self.assertTrue(want["raw"][:4 * width * heading["top"]] == plot())
        self.click("timeline-back")
        self.assertFalse(self.driver.find_element(By.ID, "timeline-source").is_displayed())
        self.assertGreater(self.js("return vemrikPage.timeline.timeline.steps()"), 15)
        show_log()
        self.js("window.scrollTo(0, 0)")
        self.click("sim.start")
        self.assertFalse(self.driver.find_element(By.ID, "timeline-source").is_displayed())

    def pdf_images(self):
        """The images of the page printed to PDF, a row of `pdfimages -list` each."""
        pdf = base64.b64decode(self.driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
        with tempfile.NamedTemporaryFile(suffix=".pdf") as file:
            file.write(pdf)
            file.flush()
            listing = subprocess.run(["pdfimages", "-list", file.name], capture_output=True, text=True, check=True)
        return [line.split() for line in listing.stdout.splitlines()[2:]]

    def print_with(self, fields):
        """Chooses "Drukuj trasę…", fills the dialog's fields, and returns its sentence once printed."""
        self.js("window.printAsked = false")
        self.command("file.print")
        for field, value in fields.items():
            self.js("const f = document.getElementById(arguments[0]); f.value = arguments[1];"
                    "f.dispatchEvent(new Event('input'));", field, value)
        summary = self.driver.find_element(By.ID, "print-summary").text
        self.click("print-ok")
        WebDriverWait(self.driver, 30).until(lambda d: d.execute_script("return window.printAsked"))
        return summary

    def test_a_printed_sheet_holds_the_cores_pixels_and_a_cell_is_as_many_mm_as_chosen_on_the_pdf(self):
        self.site.open("&przyklad=oval")
        self.js("window.print = () => { window.printAsked = true; }")  # headless has no dialog to close
        self.assertIn("= 14 arkuszach A4 pionowo", self.print_with({}))
        pixels = base64.b64decode(self.js("""
            const img = document.querySelector('#print-sheets img');
            const context = new OffscreenCanvas(img.naturalWidth, img.naturalHeight).getContext('2d');
            context.drawImage(img, 0, 0);
            const data = context.getImageData(0, 0, img.naturalWidth, img.naturalHeight).data;
            let s = '';
            for (let i = 0; i < data.length; i += 0x8000) s += String.fromCharCode(...data.subarray(i, i + 0x8000));
            return btoa(s);"""))
        self.assertTrue(desktop(["open " + str(EXAMPLES / "oval.vemrik"), "sheet 0 8 {raw}"], "raw")["raw"] == pixels)
        # One 760-pixel sheet a page, 80 pixels a cell; poppler gives its dots per inch as drawn, rounded.
        rows = self.pdf_images()
        self.assertEqual(14, len(rows))
        for row in rows:
            self.assertEqual("760", row[3])
            self.assertAlmostEqual(20, 80 / int(row[12]) * 25.4, delta=0.1)
        # A larger scale on A3: as many pages as the dialog said, 160 pixels a cell of 40 mm.
        summary = self.print_with({"print-scale": "40", "print-paper": "A3"})
        self.assertEqual("Trasa z marginesem 40 mm", summary.split(":")[0])
        sheets = int(re.search(r"= (\d+) arkuszach A3", summary).group(1))
        rows = self.pdf_images()
        self.assertEqual(sheets, len(rows))
        for row in rows:
            self.assertAlmostEqual(40, 160 / int(row[12]) * 25.4, delta=0.2)
        # A scale out of range cannot be printed.
        self.command("file.print")
        self.js("const f = document.getElementById('print-scale'); f.value = '500'; f.dispatchEvent(new Event('input'));")
        self.assertFalse(self.driver.find_element(By.ID, "print-ok").is_enabled())


if __name__ == "__main__":
    unittest.main()
