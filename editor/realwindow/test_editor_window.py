"""The dictionary editor as a user meets it: opened from the strip's menu on a
real X display, a cell typed over, saved, and the closing question answered."""
import os
import sys
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "platform" / "testing"))
from xsession import XSession, wait_for  # noqa: E402

APP_DIR = Path(os.environ["SLOWNIK_APP_DIR"])
ARTIFACTS = Path(os.environ.get("SLOWNIK_ARTIFACTS", "realwindow-artifacts")) / "editor"

# Popup menu items, counted without separators.
MENU_EDYTUJ = 1
MENU_WYJDZ = 5

ORIGINAL = ('"cat";"kot";"zwierzęta"\r\n'
            '"dog";"pies";"zwierzęta"\r\n'
            '"sun";"słońce";"natura"\r\n').encode("cp1250")
EDITED = ORIGINAL.replace('"pies"'.encode("cp1250"), '"żółw"'.encode("cp1250"))

HEADING = (192, 233, 248)
PANEL = (183, 16, 8)
STRIP = (26, 153, 204)


class EditorWindowTest(unittest.TestCase):
    def setUp(self):
        self.x = XSession()
        self.addCleanup(self.x.close)
        self.app = self.x.application_folder(APP_DIR)
        (self.app / "slownik.txt").write_bytes(ORIGINAL)
        # A Polish keyboard holds every Polish letter, so typing them needs no
        # key remapping on the fly, which the program may see too late.
        self.x.run("setxkbmap", "pl", check=True)
        self.proc = self.x.start(self.app)
        self.strip = self.x.window_of(self.proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: self.x.geometry(self.strip)[:2] == (200, 200), what="the strip at its place")

    def shot(self, name):
        return self.x.screenshot(ARTIFACTS / f"{name}.png")

    def open_editor(self):
        sx, sy, _, _ = self.x.geometry(self.strip)
        self.x.menu_pick(sx + 60, sy + 25, MENU_EDYTUJ)
        editor = self.x.window_of(self.proc.pid, title="Edycja słownika")
        time.sleep(0.4)
        return editor, self.x.geometry(editor)

    def cell(self, place, row, column):
        """The screen point inside a grid cell (row 0 the first line of the file)."""
        gx, gy, _, _ = place
        return gx + 2 + column * 186 + 40, gy + 32 + 25 + row * 25 + 12

    def pixel(self, x, y):
        return self.x.pixels(x, y, 1, 1)[0][0]

    def question_box(self):
        """The closing question, once it has the keyboard. Keys go to it as
        real key presses: events sent to a window (xdotool key --window) are
        synthetic, and answering a box that way left the program unpainted."""
        box = self.x.window_of(self.proc.pid, title="Warning")
        wait_for(lambda: self.x.run("xdotool", "getactivewindow").strip() == str(int(box, 16)),
                 what="the question active")
        return box

    def test_edit_a_cell_save_and_close(self):
        editor, place = self.open_editor()
        gx, gy, w, h = place
        self.assertEqual((w, h), (592, 366))
        self.assertFalse(self.x.has_frame(editor))
        self.assertEqual(self.pixel(gx + 2 + 2, gy + 32 + 3), HEADING)
        self.assertEqual(self.pixel(gx + 1 + 300, gy + 334 + 15), PANEL)
        self.assertEqual(self.pixel(gx + 2 + 570, gy + 32 + 25 + 5 * 25), STRIP)
        self.shot("1-opened")

        # Typing on a selected cell replaces its text; Return ends the edit.
        self.x.click(*self.cell(place, 1, 1))
        time.sleep(0.3)
        self.x.type_text("żółw")
        self.x.key("Return")
        time.sleep(0.3)
        self.shot("2-edited")

        self.x.click(gx + 1 + 424 + 37, gy + 334 + 12)  # "Zapisz"
        wait_for(lambda: (self.app / "slownik.txt").read_bytes() == EDITED, what="the saved dictionary")
        self.assertEqual((self.app / "slownik.bak").read_bytes(), ORIGINAL)

        # The window manager's close command asks; Cancel keeps the editor.
        self.x.request_close(editor)
        box = self.question_box()
        time.sleep(0.3)
        self.shot("3-question")
        self.x.key("Escape")
        wait_for(lambda: not self.x.is_viewable(box), what="the question gone")
        time.sleep(0.3)
        self.assertTrue(self.x.is_viewable(editor))

        # "Zakończ" asks again; OK hides the editor.
        self.x.click(gx + 1 + 504 + 37, gy + 334 + 12)
        box = self.question_box()
        self.x.key("Return")
        wait_for(lambda: not self.x.is_viewable(editor), what="the editor hidden")

        # Shown again, it reads the saved file.
        editor, place = self.open_editor()
        self.shot("4-reopened")
        self.x.click(place[0] + 1 + 504 + 37, place[1] + 334 + 12)
        self.question_box()
        self.x.key("Return")
        wait_for(lambda: not self.x.is_viewable(editor), what="the editor hidden")

        sx, sy, _, _ = self.x.geometry(self.strip)
        self.x.menu_pick(sx + 60, sy + 25, MENU_WYJDZ)
        self.assertEqual(self.proc.wait(10), 0)
        self.assertEqual((self.app / "slownik.txt").read_bytes(), EDITED)


if __name__ == "__main__":
    unittest.main()
