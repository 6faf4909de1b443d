"""The strip as a user meets it: placed, moved, widened and closed on a real X display."""
import os
import struct
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "platform" / "testing"))
from xsession import XSession, wait_for  # noqa: E402

APP_DIR = Path(os.environ["SLOWNIK_APP_DIR"])
ARTIFACTS = Path(os.environ.get("SLOWNIK_ARTIFACTS", "realwindow-artifacts")) / "strip"

# Popup menu items, counted without separators.
MENU_WYJDZ = 5


def read_settings(path):
    data = path.read_bytes()
    piksele, interwal, lewo, gora, szerokosc = struct.unpack_from("<5i", data, 0)
    kategoria = data[21:21 + data[20]].decode("cp1250")
    return len(data), (piksele, interwal, lewo, gora, szerokosc, kategoria, data[71])


class StripWindowTest(unittest.TestCase):
    def setUp(self):
        self.x = XSession()
        self.addCleanup(self.x.close)
        self.app = self.x.application_folder(APP_DIR)
        self.proc = self.x.start(self.app)
        self.win = self.x.window_of(self.proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: self.x.geometry(self.win)[:2] == (200, 200), what="the strip at its place")

    def shot(self, name):
        return self.x.screenshot(ARTIFACTS / f"{self._testMethodName}-{name}.png")

    def wait_end(self):
        self.assertEqual(self.proc.wait(10), 0)
        self.assertEqual(self.proc.stdout.read(), b"")

    def test_first_run_place_move_resize_and_exit_from_menu(self):
        self.assertEqual(self.x.geometry(self.win), (200, 200, 350, 52))
        self.assertFalse(self.x.has_frame(self.win))
        self.assertIn("_NET_WM_STATE_ABOVE", self.x.net_wm_state(self.win))
        self.assertTrue((self.x.config_home / "autostart" / "Orlenta Vandra.desktop").is_file())
        self.assertFalse((self.app / "konfig.cfg").exists())
        self.shot("first-run")

        # A drag on the body of the skin moves the strip.
        self.x.drag(260, 205, 360, 305)
        wait_for(lambda: self.x.geometry(self.win)[:2] == (300, 300), what="the strip moved")
        # A drag on the right end piece widens it ...
        self.x.drag(300 + 340, 300 + 30, 300 + 540, 300 + 30)
        wait_for(lambda: self.x.geometry(self.win)[2] == 550, what="the strip widened")
        self.shot("widened")
        # ... and never makes it narrower than 140.
        self.x.drag(300 + 540, 300 + 30, 300 + 20, 300 + 30)
        wait_for(lambda: self.x.geometry(self.win)[2] == 140, what="the strip at its minimum")
        self.assertEqual(self.x.geometry(self.win)[:2], (300, 300))
        self.shot("narrowest")

        self.x.menu_pick(330, 330, MENU_WYJDZ)
        self.wait_end()
        size, record = read_settings(self.app / "konfig.cfg")
        self.assertEqual(size, 72)
        self.assertEqual(record, (2, 120, 300, 300, 140, "*wszystkie", 1))

    def test_minimise_and_restore_keep_the_place_while_the_ticker_goes_on(self):
        band = (200 + 16, 200 + 21, 306, 17)
        wait_for(lambda: any(px == (255, 255, 255) for row in self.x.pixels(*band) for px in row),
                 timeout=20, what="white text on the strip")
        before = self.x.pixels(*band)
        self.x.click(200 + 10, 200 + 8)  # the minimise picture
        wait_for(lambda: "_NET_WM_STATE_HIDDEN" in self.x.net_wm_state(self.win), what="the strip minimised")
        self.assertFalse(self.x.is_viewable(self.win))
        time.sleep(1.0)
        self.x.run("wmctrl", "-i", "-a", self.win, check=True)
        wait_for(lambda: self.x.is_viewable(self.win), what="the strip restored")
        self.assertEqual(self.x.geometry(self.win), (200, 200, 350, 52))
        self.assertIn("_NET_WM_STATE_ABOVE", self.x.net_wm_state(self.win))
        time.sleep(0.3)
        self.shot("restored")
        self.assertNotEqual(self.x.pixels(*band), before, "the ticker stood still while minimised")

    def test_close_request_from_the_window_system_saves_and_ends(self):
        self.x.drag(260, 205, 300, 255)
        wait_for(lambda: self.x.geometry(self.win)[:2] == (240, 250), what="the strip moved")
        self.x.request_close(self.win)
        self.wait_end()
        size, record = read_settings(self.app / "konfig.cfg")
        self.assertEqual(size, 72)
        self.assertEqual(record, (2, 120, 240, 250, 350, "*wszystkie", 1))


if __name__ == "__main__":
    unittest.main()
