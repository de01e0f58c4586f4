#!/usr/bin/env python3
"""Writes the naming service's tables into service/data/.

Sources:
  ../shared/data/characters/char_base.json   readings, strokes, radicals, frequency tiers (MIT, 码谱)
  ../shared/data/poetry/*.json                the Book of Songs, the Songs of Chu, 300 Tang poems, 300 Song lyrics,
                                              the Hundred Family Surnames (MIT, chinese-poetry)
  /usr/share/unicode/Unihan_*.txt.bz2         kGB0 (the GB2312 hanzi), kMandarin, kTotalStrokes (Unicode licence)
  tools/service/curated/                      what this project writes itself: the name pool with its meanings,
                                              the common and compound surnames, surname readings, element overrides
  service/data/blocklist.txt                  hand-written; checked against the pool

Traditional characters (Tang poems, Song lyrics, the surname text) are converted with Debian's opencc (t2s.json).

Run from the project root: python3 tools/service/gen_service_data.py [--shared ../shared/data]
The build never runs this; its outputs are committed.
"""

import argparse
import bz2
import json
import re
import subprocess
import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
CURATED = ROOT / "tools" / "service" / "curated"
OUT = ROOT / "service" / "data"
UNIHAN = Path("/usr/share/unicode")

ELEMENTS = "金木水火土"

# The element of a character, step 2: its radical.
RADICAL_ELEMENT = {
    "金": "金钅玉王刀刂戈斤白",
    "木": "木艹竹⺮禾米纟糸衣衤麦瓜",
    "水": "水氵氺冫雨鱼黑",
    "火": "火灬日心忄⺗光赤",
    "土": "土山石田阝厂广黄",
}

# Step 3: the initial of its reading, after the five tones of the old rhyme tables
# (齿音 金, 牙音 木, 唇音 水, 舌音 火, 喉音 土).
INITIAL_ELEMENT = [
    (("zh", "ch", "sh", "z", "c", "s", "r", "j", "q", "x"), "金"),
    (("g", "k"), "木"),
    (("b", "p", "m", "f"), "水"),
    (("d", "t", "n", "l"), "火"),
    (("h", "y", "w"), "土"),
]

TONE_MARKS = "āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜńňǹḿ"


def fail(message):
    sys.exit(f"gen_service_data: {message}")


def clean_reading(reading):
    reading = unicodedata.normalize("NFC", reading.strip().replace("ɡ", "g").replace("ɑ", "a"))
    if not re.fullmatch(r"[a-zü" + TONE_MARKS + "]+", reading):
        return None
    return reading


def toneless(reading):
    table = str.maketrans("āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜńňǹ", "aaaaeeeeiiiioooouuuuüüüünnn")
    return reading.translate(table)


def element_by_initial(reading):
    plain = toneless(reading)
    for initials, element in INITIAL_ELEMENT:
        if plain.startswith(initials):
            return element
    return "土"  # no initial: a throat sound


def element_of(char, radical, reading, overrides):
    if char in overrides:
        return overrides[char]
    for element, radicals in RADICAL_ELEMENT.items():
        if radical and radical in radicals:
            return element
    return element_by_initial(reading)


def read_char_base(shared):
    text = (shared / "characters" / "char_base.json").read_text(encoding="utf-8").strip()
    if not text.startswith("["):
        text = "[" + text.rstrip(",") + "]"
    table = {}
    for entry in json.loads(text):
        readings = [r for r in (clean_reading(p) for p in entry["pinyin"]) if r]
        table[entry["char"]] = {
            "readings": readings,
            "strokes": entry["strokes"],
            "radical": entry.get("radicals", ""),
            "frequency": entry["frequency"],
        }
    return table


def read_unihan(file_name, fields):
    values = {}
    with bz2.open(UNIHAN / file_name, "rt", encoding="utf-8") as source:
        for line in source:
            if line.startswith("#") or not line.strip():
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field in fields:
                values.setdefault(field, {})[chr(int(code[2:], 16))] = value
    return values


def unihan_readings(char, unihan):
    """Every reading Unihan knows for the character, its kMandarin reading first."""
    found = []
    for field in ("kMandarin", "kTGHZ2013", "kXHC1983", "kHanyuPinyin"):
        for token in unihan.get(field, {}).get(char, "").split():
            for reading in token.split(":")[-1].split(","):
                reading = clean_reading(reading.rstrip("*"))
                if reading and reading not in found:
                    found.append(reading)
    return found


def checked_readings(char, readings, unihan):
    """char_base's readings, unless Unihan does not know the first one (char_base has a few slips such as 琤 jùn
    or a toneless 耐 nai): then Unihan's kMandarin reading comes first."""
    known = unihan_readings(char, unihan)
    if known and (not readings or readings[0] not in known):
        if readings:
            print(f"note: {char} read {known[0]}, not {readings[0]}", file=sys.stderr)
        readings = [known[0]] + [r for r in readings if r in known and r != known[0]]
    return readings


def gbk_ok(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def t2s(texts):
    """Converts a list of strings from traditional to simplified characters with opencc, in one run."""
    joined = "\n".join(t.replace("\n", " ") for t in texts)
    result = subprocess.run(["opencc", "-c", "t2s.json"], input=joined, capture_output=True, text=True, check=True)
    lines = result.stdout.split("\n")
    if lines and lines[-1] == "" and len(lines) == len(texts) + 1:
        lines.pop()
    if len(lines) != len(texts):
        fail("opencc changed the number of lines")
    return lines


def curated_lines(name):
    for raw in (CURATED / name).read_text(encoding="utf-8").splitlines():
        line = raw.strip()
        if line and not line.startswith("#"):
            yield line


def read_blocklist():
    chars = set()
    for raw in (OUT / "blocklist.txt").read_text(encoding="utf-8").splitlines():
        if not raw.startswith("#"):
            chars.update(raw.split())
    return {c for word in chars for c in word}


def read_pool(chars, blocked):
    pool = []
    seen = set()
    for line in curated_lines("name_pool.txt"):
        fields = line.split()
        if len(fields) not in (5, 6):
            fail(f"name_pool.txt: malformed line {line!r}")
        char, lean, use, meaning, wish = fields[:5]
        if char in seen:
            fail(f"name_pool.txt: {char} twice")
        seen.add(char)
        if lean not in ("m", "f", "n") or not set(use) <= set("fdpracu-"):
            fail(f"name_pool.txt: bad lean or use in {line!r}")
        if char not in chars:
            fail(f"name_pool.txt: {char} is not in char_base")
        if char in blocked and use != "-":
            fail(f"name_pool.txt: {char} is on the blocklist but marked for use")
        if not gbk_ok(char + meaning + wish):
            fail(f"name_pool.txt: {char} line has text outside GBK")
        reading = clean_reading(fields[5]) if len(fields) == 6 else chars[char]["readings"][0]
        if not reading:
            fail(f"name_pool.txt: bad reading in {line!r}")
        pool.append((char, reading, lean, use, meaning, wish))
    return pool


def read_surnames(shared, chars):
    text = json.loads((shared / "poetry" / "baijiaxing.json").read_text(encoding="utf-8"))["paragraphs"]
    text = "".join(t2s(text))
    text = text[: text.index("百家姓终")]
    compounds = {}
    for line in curated_lines("compound_surnames.txt"):
        name, *syllables = line.split()
        if name not in text:
            fail(f"compound surname {name} is not in the Hundred Family Surnames")
        compounds[name] = " ".join(clean_reading(s) for s in syllables)
    readings = dict(line.split() for line in curated_lines("surname_readings.txt") if len(line.split()) == 2)
    common = [c for line in curated_lines("common_surnames.txt") for c in line.split()]

    listed = []
    i = 0
    while i < len(text):
        if text[i : i + 2] in compounds:
            listed.append(text[i : i + 2])
            i += 2
        elif "\u4e00" <= text[i] <= "\u9fff":
            listed.append(text[i])
            i += 1
        else:
            i += 1
    rows = []
    for name in common:
        rows.append((name, readings.get(name) or chars[name]["readings"][0], "c"))
    seen = set(common)
    for name in listed:
        # Two old surnames can share one simplified character (鬱 and 郁); the first stands.
        if name in seen:
            continue
        seen.add(name)
        if name in compounds:
            rows.append((name, compounds[name], "r"))
            continue
        info = chars.get(name)
        if not info:
            fail(f"surname {name} is not in char_base")
        # Rare surnames for fiction come from the familiar characters; the others are still recognised.
        kind = "r" if info["frequency"] <= 3 else "o"
        rows.append((name, readings.get(name) or info["readings"][0], kind))
    # Surnames of today outside the old text (朴, 冼 ...) that surname_readings.txt reads: recognised, not proposed.
    for name, reading in readings.items():
        if name not in seen and len(name) == 1:
            seen.add(name)
            rows.append((name, reading, "o"))
    names = [r[0] for r in rows]
    if len(names) != len(set(names)):
        fail("a surname is listed twice")
    return rows


def split_sentences(text):
    text = re.sub(r"[(（][^)）]*[)）]", "", text).strip()
    return [s for s in re.findall(r"[^。！？；]+[。！？；]?", text) if s.strip()]


def read_poetry(shared):
    poems = []  # (collection, title, author, [paragraphs])
    for poem in json.loads((shared / "poetry" / "shijing.json").read_text(encoding="utf-8")):
        place = poem["section"] if poem["chapter"] == "国风" else poem["chapter"]
        poems.append(("诗经", f"{place}·{poem['title']}", "", poem["content"]))
    for poem in json.loads((shared / "poetry" / "chuci.json").read_text(encoding="utf-8")):
        title = poem["title"] if poem["section"] == poem["title"] else f"{poem['section']}·{poem['title']}"
        poems.append(("楚辞", title, poem.get("author", ""), poem["content"]))
    tang = json.loads((shared / "poetry" / "tangshi300.json").read_text(encoding="utf-8"))
    for group in tang["content"]:
        for poem in group["content"]:
            poems.append(("唐诗", poem["chapter"], poem["author"], poem["paragraphs"]))
    for poem in json.loads((shared / "poetry" / "songci300.json").read_text(encoding="utf-8")):
        poems.append(("宋词", poem["rhythmic"], poem["author"], poem["paragraphs"]))

    # Convert the titles, authors and lines of the Tang poems and Song lyrics in one opencc run.
    pending = []
    for collection, title, author, paragraphs in poems:
        if collection in ("唐诗", "宋词"):
            pending += [title, author] + paragraphs
    converted = iter(t2s(pending))
    result = []
    for collection, title, author, paragraphs in poems:
        if collection in ("唐诗", "宋词"):
            title, author = next(converted), next(converted)
            paragraphs = [next(converted) for _ in paragraphs]
        # Middle dots come in several code points; GBK has the one of U+00B7.
        title, author = (re.sub("[\u30fb\u2027\u2022\uff65]", "·", t) for t in (title, author))
        if not gbk_ok(title + author):
            fail(f"poem title or author outside GBK: {title} {author}")
        sentences = [s for p in paragraphs for s in split_sentences(p) if "[" not in s and gbk_ok(s)]
        if sentences:
            result.append((collection, title, author, sentences))
    return result


def write_table(name, sources, header, rows):
    lines = [f"# Generated by tools/service/gen_service_data.py from {sources}. Do not edit.", f"# {header}"]
    lines += ["\t".join(str(field) for field in row) for row in rows]
    (OUT / name).write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"{name}: {len(rows)} rows")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--shared", type=Path, default=ROOT.parent / "shared" / "data")
    args = parser.parse_args()

    chars = read_char_base(args.shared)
    unihan = read_unihan("Unihan_OtherMappings.txt.bz2", {"kGB0"})
    unihan.update(read_unihan("Unihan_Readings.txt.bz2", {"kMandarin", "kHanyuPinyin", "kXHC1983", "kTGHZ2013"}))
    unihan.update(read_unihan("Unihan_IRGSources.txt.bz2", {"kTotalStrokes"}))
    gb2312 = set(unihan["kGB0"])
    overrides = {}
    for line in curated_lines("element_overrides.txt"):
        char, element = line.split()[:2]
        if element not in ELEMENTS:
            fail(f"element_overrides.txt: bad element in {line!r}")
        overrides[char] = element

    for char, info in chars.items():
        if char in gb2312 or info["frequency"] <= 3:
            info["readings"] = checked_readings(char, info["readings"], unihan)
    blocked = read_blocklist()
    pool = read_pool(chars, blocked)
    surnames = read_surnames(args.shared, chars)
    poems = read_poetry(args.shared)

    # Every GB2312 hanzi, plus whatever the pool and the surnames use beyond it.
    wanted = set(gb2312) | {p[0] for p in pool} | {c for s in surnames for c in s[0]}
    hanzi_rows = []
    for char in sorted(wanted, key=lambda c: c.encode("gbk")):
        info = chars.get(char)
        readings = info["readings"] if info else unihan_readings(char, unihan)
        if not readings:
            fail(f"no reading for {char}")
        strokes = info["strokes"] if info else int(unihan["kTotalStrokes"][char].split()[0])
        element = element_of(char, info["radical"] if info else "", readings[0], overrides)
        hanzi_rows.append((char, ",".join(readings[:4]), strokes, element))

    # Readings that char_base and Unihan disagree on, for a pool character without its own reading.
    for char, reading, *_ in pool:
        mandarin = unihan["kMandarin"].get(char, "").split()
        if mandarin and clean_reading(mandarin[0]) != reading and reading == chars[char]["readings"][0]:
            print(f"note: {char} read {reading} (Unihan kMandarin {mandarin[0]})", file=sys.stderr)

    write_table("hanzi.tsv", "char_base.json, Unihan (kGB0, kMandarin, kTotalStrokes) and the element rule",
                "字\t读音（逗号分隔，常用者在前）\t笔画\t五行", hanzi_rows)
    write_table("name_pool.tsv", "tools/service/curated/name_pool.txt (meanings written by this project)",
                "字\t名字中的读音\t性别倾向 m/f/n\t用途 f/d/p/r/a/c/u/-\t字义\t寓意", pool)
    write_table("surnames.tsv", "the Hundred Family Surnames (chinese-poetry) and tools/service/curated",
                "姓\t读音\t类别 c 常见 / r 少见 / o 生僻", surnames)

    lines = ["# Generated by tools/service/gen_service_data.py from the chinese-poetry collection "
             "(shijing, chuci, tangshi300, songci300; opencc t2s). Do not edit.",
             "# A line \"@\\t集\\t题\\t作者\" starts a poem; the lines after it are its sentences."]
    for collection, title, author, sentences in poems:
        lines.append(f"@\t{collection}\t{title}\t{author}")
        lines += sentences
    (OUT / "poetry.tsv").write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"poetry.tsv: {len(poems)} poems, {sum(len(p[3]) for p in poems)} sentences")


if __name__ == "__main__":
    main()
