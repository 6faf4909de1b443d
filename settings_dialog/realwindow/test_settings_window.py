"""The settings dialog as a user meets it on a real X display: opened from
the strip's menu, centred above the strip, moved by its title and bottom
bar, reopened where it was left, while the strip goes on scrolling."""
import os
import struct
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "platform" / "testing"))
from xsession import XSession, wait_for  # noqa: E402

APP_DIR = Path(os.environ["SLOWNIK_APP_DIR"])
ARTIFACTS = Path(os.environ.get("SLOWNIK_ARTIFACTS", "realwindow-artifacts")) / "settings_dialog"

# Popup menu items, counted without separators.
MENU_KONFIGURACJA = 2
MENU_WYJDZ = 5

SCREEN = (1280, 800)
SIZE = (306, 314)
STRIP_COLOUR = (26, 153, 204)


def read_settings(path):
    data = path.read_bytes()
    return struct.unpack_from("<5i", data, 0), data[21:21 + data[20]].decode("cp1250"), data[71]


class SettingsWindowTest(unittest.TestCase):
    def setUp(self):
        self.x = XSession(*SCREEN)
        self.addCleanup(self.x.close)
        self.app = self.x.application_folder(APP_DIR)
        self.proc = self.x.start(self.app)
        self.strip = self.x.window_of(self.proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: self.x.geometry(self.strip)[:2] == (200, 200), what="the strip at its place")

    def shot(self, name):
        return self.x.screenshot(ARTIFACTS / f"{name}.png")

    def band(self):
        """The strip's text band, where the ticker draws."""
        sx, sy, sw, _ = self.x.geometry(self.strip)
        return self.x.pixels(sx + 22, sy + 21, sw - 44, 17)

    def assert_strip_scrolls(self):
        wait_for(lambda: any(px == (255, 255, 255) for row in self.band() for px in row),
                 timeout=20, what="white text on the strip")
        before = self.band()
        wait_for(lambda: self.band() != before, timeout=5, what="the strip's text moving")

    def open_dialog(self):
        sx, sy, _, _ = self.x.geometry(self.strip)
        self.x.menu_pick(sx + 60, sy + 25, MENU_KONFIGURACJA)
        dialog = self.x.window_of(self.proc.pid, title="Konfiguracja")
        time.sleep(0.4)
        return dialog, self.x.geometry(dialog)

    def stacking(self):
        out = self.x.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        return [int(w, 16) for w in out.split("#", 1)[-1].replace(",", " ").split()]

    def test_opened_centred_above_the_strip_moved_and_reopened_where_left(self):
        dialog, place = self.open_dialog()
        # Centred, give or take the rounding of half a pixel.
        for got, screen, size in zip(place[:2], SCREEN, SIZE):
            self.assertLessEqual(abs(got - (screen - size) / 2), 1)
        self.assertEqual(place[2:], SIZE)
        self.assertFalse(self.x.has_frame(dialog))
        self.assertIn("_NET_WM_STATE_ABOVE", self.x.net_wm_state(dialog))
        order = self.stacking()
        self.assertGreater(order.index(int(dialog, 16)), order.index(int(self.strip, 16)))
        dx, dy = place[:2]
        # The black border round a face in the strip colour.
        self.assertEqual(self.x.pixels(dx, dy + 150, 1, 1)[0][0], (0, 0, 0))
        self.assertEqual(self.x.pixels(dx + 3, dy + 150, 1, 1)[0][0], STRIP_COLOUR)
        self.assert_strip_scrolls()
        self.shot("1-opened")

        # The title picture moves the dialog.
        self.x.drag(dx + 40, dy + 20, dx + 40 - 300, dy + 20 - 150)
        wait_for(lambda: self.x.geometry(dialog)[:2] == (dx - 300, dy - 150), what="the dialog moved by its title")
        # So does the bottom bar, beside the buttons.
        dx, dy = dx - 300, dy - 150
        self.x.drag(dx + 60, dy + 295, dx + 60 + 20, dy + 295 + 30)
        wait_for(lambda: self.x.geometry(dialog)[:2] == (dx + 20, dy + 30), what="the dialog moved by its bottom bar")
        dx, dy = dx + 20, dy + 30
        self.shot("2-moved")

        # One step up on the interval spinner (at 120 on the first run), then OK.
        self.x.click(dx + 8 + 241 + 8, dy + 32 + 56 + 5)
        time.sleep(0.2)
        self.x.click(dx + 160 + 32, dy + 290 + 10)
        wait_for(lambda: not self.x.is_viewable(dialog), what="the dialog closed by OK")
        numbers, kategoria, autostart = read_settings(self.app / "konfig.cfg")
        self.assertEqual(numbers, (2, 121, 200, 200, 350))
        self.assertEqual((kategoria, autostart), ("*wszystkie", 1))
        self.assert_strip_scrolls()

        # Shown again where it was left, filled from the record.
        dialog, place = self.open_dialog()
        self.assertEqual(place, (dx, dy) + SIZE)
        self.shot("3-reopened")
        self.x.click(dx + 232 + 32, dy + 290 + 10)  # "Anuluj"
        wait_for(lambda: not self.x.is_viewable(dialog), what="the dialog closed by Anuluj")

        sx, sy, _, _ = self.x.geometry(self.strip)
        self.x.menu_pick(sx + 60, sy + 25, MENU_WYJDZ)
        self.assertEqual(self.proc.wait(10), 0)


if __name__ == "__main__":
    unittest.main()
