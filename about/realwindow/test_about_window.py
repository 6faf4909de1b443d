"""The About box as a user meets it on a real X display: opened from the
strip's menu, centred above the strip, moved by its title, closed by a click
on its background or its "X", reopened where it was left, while the strip
goes on scrolling. The logo is never clicked here: it would open a browser."""
import os
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "platform" / "testing"))
from xsession import XSession, wait_for  # noqa: E402

APP_DIR = Path(os.environ["SLOWNIK_APP_DIR"])
ARTIFACTS = Path(os.environ.get("SLOWNIK_ARTIFACTS", "realwindow-artifacts")) / "about"

# Popup menu items, counted without separators.
MENU_O_PROGRAMIE = 6
MENU_WYJDZ = 5

SCREEN = (1280, 800)
SIZE = (306, 293)
MEMO_COLOUR = (91, 194, 234)
STRIP_COLOUR = (26, 153, 204)


class AboutWindowTest(unittest.TestCase):
    def setUp(self):
        self.x = XSession(*SCREEN)
        self.addCleanup(self.x.close)
        self.app = self.x.application_folder(APP_DIR)
        self.proc = self.x.start(self.app)
        self.strip = self.x.window_of(self.proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: self.x.geometry(self.strip)[:2] == (200, 200), what="the strip at its place")

    def shot(self, name):
        return self.x.screenshot(ARTIFACTS / f"{name}.png")

    def pixel(self, x, y):
        return self.x.pixels(x, y, 1, 1)[0][0]

    def band(self):
        sx, sy, sw, _ = self.x.geometry(self.strip)
        return self.x.pixels(sx + 22, sy + 21, sw - 44, 17)

    def assert_strip_scrolls(self):
        wait_for(lambda: any(px == (255, 255, 255) for row in self.band() for px in row),
                 timeout=20, what="white text on the strip")
        before = self.band()
        wait_for(lambda: self.band() != before, timeout=5, what="the strip's text moving")

    def open_box(self):
        sx, sy, _, _ = self.x.geometry(self.strip)
        self.x.menu_pick(sx + 60, sy + 25, MENU_O_PROGRAMIE)
        box = self.x.window_of(self.proc.pid, title="O programie")
        time.sleep(0.4)
        return box, self.x.geometry(box)

    def stacking(self):
        out = self.x.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        return [int(w, 16) for w in out.split("#", 1)[-1].replace(",", " ").split()]

    def test_opened_centred_moved_closed_and_reopened_where_left(self):
        box, place = self.open_box()
        for got, screen, size in zip(place[:2], SCREEN, SIZE):
            self.assertLessEqual(abs(got - (screen - size) / 2), 1)
        self.assertEqual(place[2:], SIZE)
        self.assertFalse(self.x.has_frame(box))
        self.assertIn("_NET_WM_STATE_ABOVE", self.x.net_wm_state(box))
        order = self.stacking()
        self.assertGreater(order.index(int(box, 16)), order.index(int(self.strip, 16)))
        bx, by = place[:2]
        self.assertEqual(self.pixel(bx + 100, by + 190), MEMO_COLOUR)
        self.assertEqual(self.pixel(bx + 5, by + 280), STRIP_COLOUR)
        self.assert_strip_scrolls()
        self.shot("1-opened")

        # Clicks on the texts, the decoration and inside the memo leave it open.
        for x, y in ((22, 47), (40, 215), (275, 280), (100, 120)):
            self.x.click(bx + x, by + y)
            time.sleep(0.3)
            self.assertTrue(self.x.is_viewable(box), (x, y))

        # The title picture moves it; the title text does not.
        self.x.drag(bx + 130, by + 9, bx + 130 + 50, by + 9 + 50)
        time.sleep(0.3)
        self.assertEqual(self.x.geometry(box)[:2], (bx, by))
        self.x.drag(bx + 40, by + 20, bx + 40 - 350, by + 20 - 200)
        wait_for(lambda: self.x.geometry(box)[:2] == (bx - 350, by - 200), what="the box moved by its title")
        bx, by = bx - 350, by - 200
        self.shot("2-moved")

        # A click on the background closes it ...
        self.x.click(bx + 5, by + 280)
        wait_for(lambda: not self.x.is_viewable(box), what="the box closed by its background")
        self.assert_strip_scrolls()

        # ... it comes back where it was left, and the "X" closes it too.
        box, place = self.open_box()
        self.assertEqual(place, (bx, by) + SIZE)
        self.shot("3-reopened")
        self.x.click(bx + 293, by + 9)
        wait_for(lambda: not self.x.is_viewable(box), what="the box closed by its X")

        sx, sy, _, _ = self.x.geometry(self.strip)
        self.x.menu_pick(sx + 60, sy + 25, MENU_WYJDZ)
        self.assertEqual(self.proc.wait(10), 0)


if __name__ == "__main__":
    unittest.main()
