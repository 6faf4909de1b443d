"""Tests of make_dictionary.py, run as the build runs it: a separate process."""

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

TOOLS = Path(__file__).resolve().parent
SCRIPT = TOOLS / "make_dictionary.py"
SHIPPED_SOURCE = TOOLS.parent / "data" / "slownik.tsv"
HEADER = b"angielski\tpolski\tkategoria\n"


def run_script(*args):
    # Category names are Polish; keep the pipe's encoding independent of the
    # caller's locale.
    env = dict(os.environ, PYTHONIOENCODING="utf-8")
    return subprocess.run([sys.executable, str(SCRIPT), *map(str, args)],
                          capture_output=True, encoding="utf-8", env=env)


class MakeDictionaryTest(unittest.TestCase):
    def setUp(self):
        self._tmp = tempfile.TemporaryDirectory()
        self.dir = Path(self._tmp.name)
        self.source = self.dir / "src.tsv"
        self.output = self.dir / "slownik.txt"

    def tearDown(self):
        self._tmp.cleanup()

    def convert(self, source_bytes, *extra):
        self.source.write_bytes(source_bytes)
        return run_script(*extra, self.source, self.output)

    def test_writes_quoted_cp1250_lines_with_crlf(self):
        source = HEADER + (
            "# greetings\n"
            "Good morning\tDzień dobry\tzwroty\n"
            'a "quoted" word\tsłowo; "inne"\tszkoła\n'
            "turtle\tŻółw\tzwierzęta\n").encode("utf-8")
        result = self.convert(source)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, "")
        self.assertEqual(result.stderr, "")
        self.assertEqual(
            self.output.read_bytes(),
            b'"Good morning";"Dzie\xf1 dobry";"zwroty"\r\n'
            b'"a ""quoted"" word";"s\xb3owo; ""inne""";"szko\xb3a"\r\n'
            b'"turtle";"\xaf\xf3\xb3w";"zwierz\xeata"\r\n')

    def test_rejects_bad_lines_naming_the_line(self):
        good = "dog\tpies\tzwierzęta\n"
        cases = [
            ("missing header", "dog\tpies\tzwierzęta\n", 1),
            ("wrong header", "english\tpolish\tcategory\n" + good, 1),
            ("two fields", HEADER.decode() + good + "cat\tkot\n", 3),
            ("four fields", HEADER.decode() + "cat\tkot\tzwierzęta\tx\n", 2),
            ("empty field", HEADER.decode() + "cat\t\tzwierzęta\n", 2),
            ("blank line", HEADER.decode() + good + "\n" + good, 3),
            ("leading blank", HEADER.decode() + " cat\tkot\tzwierzęta\n", 2),
            ("trailing blank", HEADER.decode() + "cat\tkot \tzwierzęta\n", 2),
            ("no-break space", HEADER.decode() + "cat\tkot\u00a0\tzwierzęta\n",
             2),
            ("not in cp1250", HEADER.decode() + "cat\tкот\tzwierzęta\n", 2),
            ("CR LF line end", HEADER.decode() + "cat\tkot\tzwierzęta\r\n", 2),
            ("NUL", HEADER.decode() + good + "cat\tk\0t\tzwierzęta\n", 3),
            ("control character", HEADER.decode() + "cat\tk\x1bt\tzwierzęta\n",
             2),
            ("duplicate line", HEADER.decode() + good + "Dog\tPies\tzwierzęta\n",
             3),
            ("English twice in a category",
             HEADER.decode() + good + "dog\tpiesek\tzwierzęta\n", 3),
            ("category spelt two ways",
             HEADER.decode() + good + "cat\tkot\tZwierzęta\n", 3),
            ("field too long for the word list",
             HEADER.decode() + "cat\t" + "k" * 201 + "\tzwierzęta\n", 2),
        ]
        for name, text, line in cases:
            with self.subTest(name):
                result = self.convert(text.encode("utf-8"))
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("src.tsv:%d:" % line, result.stderr)
                self.assertFalse(self.output.exists())

        with self.subTest("invalid UTF-8"):
            result = self.convert(HEADER + b"cat\tk\xf3t\tzwierz\n")
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("src.tsv:2:", result.stderr)

    def test_failure_keeps_the_old_output_and_leaves_no_temp_file(self):
        self.output.write_bytes(b"old")
        result = self.convert(HEADER + b"cat\tkot\n")
        self.assertNotEqual(result.returncode, 0)
        self.assertEqual(self.output.read_bytes(), b"old")
        self.assertEqual(sorted(os.listdir(self.dir)),
                         ["slownik.txt", "src.tsv"])

    def test_success_replaces_the_old_output_and_leaves_no_temp_file(self):
        self.output.write_bytes(b"old content that is longer than the new")
        result = self.convert(HEADER + b"cat\tkot\tx\n")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.output.read_bytes(), b'"cat";"kot";"x"\r\n')
        self.assertEqual(sorted(os.listdir(self.dir)),
                         ["slownik.txt", "src.tsv"])

    def test_same_english_in_different_categories_is_allowed(self):
        source = HEADER + ("orange\tpomarańcza\tjedzenie\n"
                           "orange\tpomarańczowy\tkolory\n").encode("utf-8")
        result = self.convert(source)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.output.read_bytes().count(b"\r\n"), 2)

    def test_stats_counts_entries_per_category(self):
        source = HEADER + ("dog\tpies\tzwierzęta\n"
                           "cat\tkot\tzwierzęta\n"
                           "# colours\n"
                           "red\tczerwony\tkolory\n").encode("utf-8")
        result = self.convert(source, "--stats")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout.splitlines(), [
            "entries: 3", "categories: 2", "kolory: 1", "zwierzęta: 2"])

    def test_shipped_dictionary_converts(self):
        result = run_script("--stats", SHIPPED_SOURCE, self.output)
        self.assertEqual(result.returncode, 0, result.stderr)
        counts = dict(line.split(": ") for line in result.stdout.splitlines())
        for category in ("dom", "jedzenie", "podróże", "praca", "zdrowie",
                         "rodzina", "czas", "pogoda", "zwierzęta", "ubrania",
                         "miasto", "szkoła", "sport", "emocje", "liczby",
                         "kolory", "czasowniki", "przymiotniki", "zwroty",
                         "technologia"):
            self.assertIn(category, counts)


if __name__ == "__main__":
    unittest.main()
