"""The ticker on a real X display: the shipped dictionary scrolls at its step and
interval, and a broken dictionary shows the error box, then the fallback entry."""
import os
import struct
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "platform" / "testing"))
from xsession import XSession, wait_for  # noqa: E402

APP_DIR = Path(os.environ["SLOWNIK_APP_DIR"])
ARTIFACTS = Path(os.environ.get("SLOWNIK_ARTIFACTS", "realwindow-artifacts")) / "ticker"

WHITE = (255, 255, 255)
# The paint box inside the strip's client area: x from 16, 17 rows from 21,
# 44 px narrower than the strip.
BOX_X, BOX_Y, BOX_H = 16, 21, 17


def settings(piksele, interwal, szerokosc, lewo=100, gora=100, kategoria=b"*wszystkie"):
    """A 72-byte konfig.cfg."""
    return (struct.pack("<5i", piksele, interwal, lewo, gora, szerokosc)
            + bytes([len(kategoria)]) + kategoria.ljust(50, b"\0") + b"\0")


def white_pixels(rows):
    return {(x, y) for y, row in enumerate(rows) for x, p in enumerate(row) if p == WHITE}


def best_shift(before, after, width, max_shift=60):
    """The leftward shift that maps most white pixels of `before` onto white
    pixels of `after`, with the share that matched (pixels shifted off the
    box or in from its right edge left out)."""
    best = (0, 0.0)
    for s in range(0, max_shift + 1):
        moved = {(x - s, y) for x, y in before if 0 <= x - s and x < width - max_shift}
        if not moved:
            continue
        share = len(moved & after) / len(moved)
        if share > best[1]:
            best = (s, share)
    return best


def gaps(columns, width):
    """Lengths of the runs of columns without white between two columns with white."""
    inked = [c for c in range(width) if c in columns]
    return [b - a - 1 for a, b in zip(inked, inked[1:]) if b - a > 1]


class TickerTest(unittest.TestCase):
    def setUp(self):
        self.x = XSession()
        self.addCleanup(self.x.close)
        self.app = self.x.application_folder(APP_DIR)

    def shot(self, name):
        return self.x.screenshot(ARTIFACTS / f"{self._testMethodName}-{name}.png")

    def box_pixels(self, win):
        left, top, width, _ = self.x.geometry(win)
        return self.x.pixels(left + BOX_X, top + BOX_Y, width - 44, BOX_H), width - 44

    def test_shipped_dictionary_scrolls_by_the_step_each_interval(self):
        # The first-run defaults: 2 px every 120 ms, a 306 px paint box, the
        # first entry entering from x = 402.
        proc = self.x.start(self.app)
        win = self.x.window_of(proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: len(white_pixels(self.box_pixels(win)[0])) > 300, timeout=20,
                 what="text across the strip")
        self.shot("entered")
        # Let the strip fill, then compare two pictures a second apart.
        time.sleep(8)
        self.shot("first")
        start = time.monotonic()
        rows1, width = self.box_pixels(win)
        t1 = (start + time.monotonic()) / 2
        time.sleep(1.0)
        start = time.monotonic()
        rows2, _ = self.box_pixels(win)
        t2 = (start + time.monotonic()) / 2
        self.shot("second")

        shift, share = best_shift(white_pixels(rows1), white_pixels(rows2), width)
        expected = 2 * (t2 - t1) * 1000 / 120
        self.assertAlmostEqual(shift, expected, delta=5, msg=f"moved {shift} px in {t2 - t1:.2f} s")
        # The same glyphs, moved: nothing left behind, nothing missing.
        self.assertGreater(share, 0.97)
        # The strip colour under the texts, white text of one colour only.
        colours = {p for row in rows2 for p in row}
        self.assertIn((26, 153, 204), colours)
        self.assertFalse({p for p in colours if min(p) > 200 and p != WHITE},
                         "anti-aliased or faded text pixels")
        # Entries follow each other 20 px apart: short gaps between texts.
        self.assertTrue(any(15 <= g <= 22 for g in gaps({x for x, _ in white_pixels(rows2)}, width)))

    def test_broken_dictionary_shows_the_error_box_then_the_fallback(self):
        # A line with two fields in the middle of the file.
        (self.app / "slownik.txt").write_bytes(b'"one";"jeden";"a"\r\n"two";"dwa"\r\n"three";"trzy";"a"\r\n')
        # A strip wide enough to show the fallback entry twice at once.
        (self.app / "konfig.cfg").write_bytes(settings(2, 120, 1100))
        proc = self.x.start(self.app)
        box = self.x.window_of(proc.pid, title="Error")
        self.shot("error-box")
        # The strip comes up only once the box is closed.
        self.assertEqual([w for w in self.x.windows_of(proc.pid) if self.x.title(w) == "Orlenta Vandra "], [])
        self.x.xdotool("windowactivate", "--sync", box)
        self.x.key("Return")
        wait_for(lambda: box not in self.x.client_windows() or not self.x.is_viewable(box),
                 what="the error box closed")
        win = self.x.window_of(proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: len(white_pixels(self.box_pixels(win)[0])) > 600, timeout=10,
                 what="the fallback entry on the strip")
        time.sleep(1)
        rows, width = self.box_pixels(win)
        self.shot("fallback")
        # One entry only: its copies follow each other 120 px apart, never 20.
        found = gaps({x for x, _ in white_pixels(rows)}, width)
        self.assertTrue(any(110 <= g <= 122 for g in found), found)
        self.assertFalse([g for g in found if 12 <= g < 110], found)
        self.assertEqual(proc.poll(), None)


if __name__ == "__main__":
    unittest.main()
