#!/usr/bin/env python3
"""Builds the shipped slownik.txt from its readable UTF-8 source.

The source holds one entry per line, "english<TAB>polish<TAB>category",
after the header line "angielski<TAB>polski<TAB>kategoria"; lines that
start with "#" are comments. The output is Windows-1250 text, each line
'"english";"polish";"category"' followed by CR LF.

Every problem in the source is reported with its line number and nothing
is written, so a broken source never replaces a good dictionary.
"""

import argparse
import os
import sys
import tempfile

HEADER = ("angielski", "polski", "kategoria")
ENCODING = "cp1250"
# The word list keeps only this many characters of each field, so a longer
# text would show up cut off.
MAX_LENGTHS = (200, 200, 50)
FIELD_NAMES = ("English text", "Polish text", "category")


class SourceError(Exception):
    """The source has problems, given as (line number, message) pairs."""

    def __init__(self, problems):
        super().__init__("\n".join("line %d: %s" % p for p in problems))
        self.problems = problems


def describe_char(ch):
    return "U+%04X %r" % (ord(ch), ch)


def field_problems(field, name, max_length):
    if field == "":
        return ["the %s is empty" % name]
    problems = []
    for ch in field:
        if ch in "\r\n\0":
            problems.append("the %s holds a CR, LF or NUL character "
                            "(line breaks must be LF only)" % name)
            break
        if ord(ch) < 0x20 or ord(ch) == 0x7F:
            problems.append("the %s holds the control character %s"
                            % (name, describe_char(ch)))
            break
    if field != field.strip() or field[0] <= " " or field[-1] <= " ":
        problems.append("the %s has a leading or trailing blank" % name)
    for ch in field:
        try:
            ch.encode(ENCODING)
        except UnicodeEncodeError:
            problems.append("the %s holds %s, which %s cannot encode"
                            % (name, describe_char(ch), ENCODING))
            break
    if len(field) > max_length:
        problems.append("the %s is %d characters long, more than %d"
                        % (name, len(field), max_length))
    return problems


def parse_source(data):
    """Returns the entries of the source bytes as (english, polish, category)
    tuples in file order, or raises SourceError."""
    raw_lines = data.split(b"\n")
    # A final line break ends the last line; it does not start an empty one.
    if raw_lines and raw_lines[-1] == b"":
        raw_lines.pop()
    errors = []
    entries = []
    seen_lines = {}
    seen_english = {}
    category_spelling = {}

    for number, raw in enumerate(raw_lines, start=1):
        def error(message):
            errors.append((number, message))

        try:
            line = raw.decode("utf-8")
        except UnicodeDecodeError as exc:
            error("not valid UTF-8 (byte %d)" % (exc.start + 1))
            continue
        if number == 1:
            if tuple(line.split("\t")) != HEADER:
                error("the first line must be the header %r"
                      % "\t".join(HEADER))
            continue
        if line.startswith("#"):
            continue

        fields = line.split("\t")
        if len(fields) != 3:
            error("expected 3 tab-separated fields, found %d" % len(fields))
            continue
        problems = []
        for field, name, max_length in zip(fields, FIELD_NAMES, MAX_LENGTHS):
            problems += field_problems(field, name, max_length)
        if problems:
            for problem in problems:
                error(problem)
            continue

        english, polish, category = fields
        # The program treats texts that differ only in letter case as the
        # same, so duplicates are found the same way.
        key_line = tuple(f.casefold() for f in fields)
        key_category = category.casefold()
        key_english = (key_category, english.casefold())
        if key_line in seen_lines:
            error("duplicate of line %d" % seen_lines[key_line])
            continue
        if key_english in seen_english:
            error("the English text %r appears already on line %d in "
                  "category %r" % (english, seen_english[key_english],
                                   category))
            continue
        first_spelling = category_spelling.setdefault(key_category, category)
        if first_spelling != category:
            # The category filter compares bytes, so a second spelling would
            # hide these entries from the category chosen in the settings.
            error("the category %r is spelt %r elsewhere"
                  % (category, first_spelling))
            continue
        seen_lines[key_line] = number
        seen_english[key_english] = number
        entries.append((english, polish, category))

    if not raw_lines:
        errors.append((1, "the header line is missing"))
    if errors:
        raise SourceError(errors)
    return entries


def quote(field):
    return '"' + field.replace('"', '""') + '"'


def render(entries):
    return b"".join(
        (";".join(quote(f) for f in entry) + "\r\n").encode(ENCODING)
        for entry in entries)


def write_atomically(path, data):
    directory = os.path.dirname(os.path.abspath(path))
    fd, temp_path = tempfile.mkstemp(dir=directory, prefix=".slownik-",
                                     suffix=".tmp")
    try:
        with os.fdopen(fd, "wb") as out:
            out.write(data)
            out.flush()
            os.fsync(out.fileno())
        # mkstemp creates the file private; give it the usual mode instead.
        umask = os.umask(0)
        os.umask(umask)
        os.chmod(temp_path, 0o666 & ~umask)
        os.replace(temp_path, path)
    except BaseException:
        try:
            os.unlink(temp_path)
        except FileNotFoundError:
            pass
        raise


def print_stats(entries):
    counts = {}
    for _, _, category in entries:
        counts[category] = counts.get(category, 0) + 1
    print("entries: %d" % len(entries))
    print("categories: %d" % len(counts))
    for category in sorted(counts):
        print("%s: %d" % (category, counts[category]))


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Convert the UTF-8 dictionary source into slownik.txt.")
    parser.add_argument("source", help="the .tsv source file")
    parser.add_argument("output", help="the slownik.txt to write")
    parser.add_argument("--stats", action="store_true",
                        help="print the number of entries per category")
    args = parser.parse_args(argv)

    try:
        with open(args.source, "rb") as src:
            data = src.read()
        entries = parse_source(data)
        write_atomically(args.output, render(entries))
    except SourceError as exc:
        for number, message in exc.problems:
            print("%s:%d: %s" % (args.source, number, message),
                  file=sys.stderr)
        return 1
    except OSError as exc:
        print("%s: %s" % (parser.prog, exc), file=sys.stderr)
        return 1
    if args.stats:
        print_stats(entries)
    return 0


if __name__ == "__main__":
    sys.exit(main())
