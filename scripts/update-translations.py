#!/usr/bin/env python3
"""Brings the translations up to date with the sources.

    scripts/update-translations.py          rewrite the files below, list what is missing
    scripts/update-translations.py --check  change nothing; fail when a file would change

Texts come from lupdate over src/, components/skin and data/generator (the pictures' words) (vc::Translate counts as
QCoreApplication::translate) and from the skin file's text= and label= words (context
"Skin"). Each language's words live in translations/text/<code>.py as a dictionary TEXT
keyed by the English text, or by (context, English text) where one context needs its own
word. From them this writes:
  translations/videoconverter_<code>.ts   compiled at build time
  data/language.<code>.info               the language file, line by line
  packaging/videoconverter.desktop        Name, GenericName, Comment, Keywords per language
  packaging/*.metainfo.xml                name and summary per language
"""
import glob
import os
import re
import runpy
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGUAGES = ["de", "fr", "es", "it", "pt_BR", "ru", "zh_CN", "ja"]
LUPDATE = os.environ.get("LUPDATE", "/usr/lib/qt6/bin/lupdate")
DESKTOP = os.path.join(ROOT, "packaging", "videoconverter.desktop")
METAINFO = glob.glob(os.path.join(ROOT, "packaging", "*.metainfo.xml"))[0]


def source_messages():
    """[(context, source)] in lupdate's order, then the skin's words."""
    with tempfile.TemporaryDirectory() as tmp:
        ts = os.path.join(tmp, "all.ts")
        subprocess.run([LUPDATE, "-silent", "-tr-function-alias", "translate+=Translate",
                        "-locations", "none", "-no-obsolete", "src", "components/skin", "data/generator",
                        "-ts", ts], cwd=ROOT, check=True)
        out = []
        for ctx in ET.parse(ts).getroot().iter("context"):
            name = ctx.findtext("name")
            for m in ctx.iter("message"):
                out.append((name, m.findtext("source")))
    with open(os.path.join(ROOT, "data", "skn.skn"), encoding="utf-8") as f:
        for word in re.findall(r'\b(?:text|label)="([^"]*)"', f.read()):
            if re.search(r"[A-Za-z]", word) and ("Skin", word) not in out:
                out.append(("Skin", word))
    return out


def english_lines(path):
    with open(path, encoding="utf-8") as f:
        return f.read().split("\n")


def desktop_sources():
    out = []
    for line in english_lines(DESKTOP):
        key, _, value = line.partition("=")
        if key in ("Name", "GenericName", "Comment", "Keywords"):
            out.append((key, value))
    return out


def metainfo_sources():
    text = open(METAINFO, encoding="utf-8").read()
    return [(tag, m) for tag in ("name", "summary")
            for m in re.findall(r"^\s*<%s>([^<]*)</%s>" % (tag, tag), text, re.M)]


class Table:
    def __init__(self, code):
        self.code = code
        self.words = runpy.run_path(os.path.join(ROOT, "translations", "text", code + ".py"))["TEXT"]
        self.missing = []

    def get(self, context, source):
        word = self.words.get((context, source), self.words.get(source))
        if word is None:
            self.missing.append((context, source))
        return word


def ts_text(table, messages):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s">' % table.code]
    contexts = {}
    for ctx, src in messages:
        contexts.setdefault(ctx, []).append(src)
    for ctx in sorted(contexts):
        lines += ["<context>", "    <name>%s</name>" % escape(ctx)]
        for src in contexts[ctx]:
            word = table.get(ctx, src)
            lines += ["    <message>", "        <source>%s</source>" % escape(src)]
            if word is None:
                lines.append('        <translation type="unfinished"></translation>')
            else:
                lines.append("        <translation>%s</translation>" % escape(word))
            lines.append("    </message>")
        lines.append("</context>")
    lines.append("</TS>")
    return "\n".join(lines) + "\n"


def language_file_text(table):
    out = []
    lines = english_lines(os.path.join(ROOT, "data", "language.info"))
    for line in lines:
        word = table.get("LanguageFile", line) if line else ""
        out.append(line if word is None else word)
    return "\n".join(out)


def desktop_text(tables):
    out = []
    for line in english_lines(DESKTOP):
        key = line.partition("=")[0]
        if re.match(r"^\w+\[[\w@]+\]$", key):
            continue  # rewritten below
        out.append(line)
        if key in ("Name", "GenericName", "Comment", "Keywords"):
            value = line.partition("=")[2]
            for t in tables:
                word = t.get("Desktop", value)
                if word is not None:
                    out.append("%s[%s]=%s" % (key, t.code, word))
    return "\n".join(out)


def metainfo_text(tables):
    out = []
    for line in english_lines(METAINFO):
        if re.search(r'<(name|summary) xml:lang="', line):
            continue
        out.append(line)
        m = re.match(r"^(\s*)<(name|summary)>([^<]*)</\2>$", line)
        if m:
            indent, tag, value = m.groups()
            for t in tables:
                word = t.get("Desktop", value)
                if word is not None:
                    out.append('%s<%s xml:lang="%s">%s</%s>' % (indent, tag, t.code.replace("_", "-"),
                                                               escape(word), tag))
    return "\n".join(out)


def main():
    check = "--check" in sys.argv[1:]
    messages = source_messages()
    tables = [Table(code) for code in LANGUAGES]
    files = {}
    for t in tables:
        files[os.path.join(ROOT, "translations", "videoconverter_%s.ts" % t.code)] = ts_text(t, messages)
        files[os.path.join(ROOT, "data", "language.%s.info" % t.code)] = language_file_text(t)
    files[DESKTOP] = desktop_text(tables)
    files[METAINFO] = metainfo_text(tables)
    changed = []
    for path, text in files.items():
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if old != text:
            changed.append(os.path.relpath(path, ROOT))
            if not check:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
    for t in tables:
        for ctx, src in t.missing:
            print("%s: no translation for %s: %r" % (t.code, ctx, src))
    if check and changed:
        print("out of date: " + ", ".join(changed))
    return 1 if (check and changed) or any(t.missing for t in tables) else 0


if __name__ == "__main__":
    sys.exit(main())
