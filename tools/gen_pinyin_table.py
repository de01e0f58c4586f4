#!/usr/bin/env python3
"""Writes src/present/pinyin_table.cpp: up to three toneless readings for every code of the GB2312 hanzi area.

Source: Unihan from the Debian package unicode-data (/usr/share/unicode/Unihan_*.txt.bz2).
  kGB0          the GB2312 row and cell of each of the 6,763 characters (code = row + 0xA0, cell + 0xA0)
  kTGHZ2013     readings of the General Standard Chinese Characters dictionary (2013): the current standard
  kXHC1983      readings of the Xiandai Hanyu Cidian (1983), used when the 2013 dictionary lacks the character
  kMandarin     the customary mainland reading: chooses which reading comes first
  kHanyuPinlu   reading frequencies of a frequency dictionary: orders the other readings
  kHanyuPinyin  readings of the Hanyu Da Zidian, used only for characters that neither modern dictionary has
  kRSUnicode    radical and residual strokes: a character with no strokes beyond its radical is a radical form

Readings of a character, as this generator chooses them:
  1. Tone marks are removed and u-umlaut (and e-circumflex) lose their marks: lu:e becomes "lue", e^ becomes "e".
     The interjection syllables without a vowel (m, n, ng, hm, hng) are not written.
  2. A character in either modern dictionary takes the readings of the 2013 dictionary (the standard; the 1983
     one when the 2013 one lacks the character), then those only the 1983 dictionary has. A character that these
     dictionaries list only with vowelless interjection syllables (呒, 嗯) thus has no reading.
  3. A character in neither dictionary that is a radical form (no strokes beyond its radical: 亻, 氵, 宀, ...) is a
     component rather than a character of names and has no reading. Any other character in neither dictionary
     takes kMandarin's reading, then those of kHanyuPinyin.
  4. First comes kMandarin's reading when the standard of step 2 has it, else the standard's most frequent reading
     by kHanyuPinlu (ties: dictionary order): so readings the 2013 standard revised come out as revised (珩 heng,
     肋 lei). The others follow by kHanyuPinlu frequency, ties in the order of step 2. At most three are kept.
  5. FIRST_READING overrides step 4 for the few characters whose reading in names differs (长 chang).

Run from the project root: python3 tools/gen_pinyin_table.py > src/present/pinyin_table.cpp
The script checks the rows and gaps the pinyin column depends on and stops with an error if one is wrong.
"""

import bz2
import collections
import re
import sys
import unicodedata

UNIHAN = "/usr/share/unicode/Unihan_{}.txt.bz2"
ROWS = range(0xB0, 0xF8)
CELLS = range(0xA1, 0xFF)
MAX_READINGS = 3
VOWELLESS = {"m", "n", "ng", "hm", "hng"}

# Characters whose first reading in names is not the one kMandarin gives.
FIRST_READING = {
    "长": "chang",  # 长 is zhang in 长大/校长 but chang in names (长乐, 长青, 长春)
    "蕃": "fan",  # the 2013 entry covers only bo (吐蕃); names use fan (蕃茂)
}

# The rows and gaps the pinyin column relies on; generation fails when one comes out otherwise.
EXPECTED_FIRST = {
    "啊": "a", "张": "zhang", "长": "chang", "行": "xing", "重": "zhong", "乐": "le", "儿": "er", "绿": "lu",
    "女": "nu", "略": "lue",
}
EXPECTED_EMPTY = "丶亻冫讠阝艹扌犭忄氵宀辶纟礻钅疒衤呒"


def read_fields(part, wanted):
    fields = collections.defaultdict(dict)
    header = []
    with bz2.open(UNIHAN.format(part), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                header.append(line)
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] in wanted:
                fields[int(parts[0][2:], 16)][parts[1]] = parts[2]
    version = next((h.split(":", 1)[1].strip() for h in header if h.startswith("# Unicode version:")), "?")
    return fields, version


def toneless(reading):
    decomposed = unicodedata.normalize("NFD", reading)
    letters = "".join(ch for ch in decomposed if not unicodedata.combining(ch)).lower()
    if not re.fullmatch("[a-z]+", letters):
        raise ValueError(f"reading {reading!r} does not reduce to a-z")
    return letters


def syllables(value):
    """The readings of a field value in order, without duplicates: 'page.entry:r1,r2 page:r3' or 'r1 r2'."""
    out = []
    for token in (value or "").split():
        for reading in token.split(":")[-1].split(","):
            syllable = toneless(reading)
            if syllable not in VOWELLESS and syllable not in out:
                out.append(syllable)
    return out


def frequencies(value):
    counts = collections.Counter()
    for token in (value or "").split():
        match = re.fullmatch(r"(.+)\((\d+)\)", token)
        counts[toneless(match.group(1))] += int(match.group(2))
    return counts


def is_radical_form(rs_value):
    return any(entry.split(".")[1] == "0" for entry in rs_value.split())


def readings_of(cp, f, radical_stroke):
    character = chr(cp)
    standard = syllables(f.get("kTGHZ2013") or f.get("kXHC1983"))
    if "kTGHZ2013" in f or "kXHC1983" in f:
        candidates = standard + [s for s in syllables(f.get("kXHC1983")) if s not in standard]
    elif is_radical_form(radical_stroke):
        candidates = []
    else:
        standard = syllables(f["kMandarin"].split()[0])
        candidates = standard + [s for s in syllables(f.get("kHanyuPinyin")) if s not in standard]
    if not candidates:
        return []
    counts = frequencies(f.get("kHanyuPinlu"))
    mandarin = syllables(f["kMandarin"].split()[0])
    first = FIRST_READING.get(character)
    if first is None:
        first = mandarin[0] if mandarin and mandarin[0] in standard else max(
            standard, key=lambda s: (counts[s], -standard.index(s)))
    if first not in candidates:
        raise ValueError(f"first reading {first} of {character} is not among {candidates}")
    rest = sorted((s for s in candidates if s != first), key=lambda s: (-counts[s], candidates.index(s)))
    return ([first] + rest)[:MAX_READINGS]


def build_table():
    readings, version = read_fields("Readings", {"kMandarin", "kTGHZ2013", "kXHC1983", "kHanyuPinyin",
                                                 "kHanyuPinlu"})
    mappings, _ = read_fields("OtherMappings", {"kGB0"})
    strokes, _ = read_fields("IRGSources", {"kRSUnicode"})
    table = {}
    for cp, f in mappings.items():
        if "kGB0" not in f:
            continue
        row, cell = int(f["kGB0"][:2]), int(f["kGB0"][2:])
        code = (row + 0xA0, cell + 0xA0)
        if code[0] not in ROWS:
            continue
        if bytes(code).decode("gb2312") != chr(cp):
            raise ValueError(f"kGB0 of U+{cp:04X} disagrees with the gb2312 codec")
        table[code] = (chr(cp), readings_of(cp, readings[cp], strokes[cp]["kRSUnicode"]))
    return table, version


def check(table):
    by_character = {character: found for character, found in table.values()}
    errors = [f"{c}: {by_character.get(c)} instead of {r}" for c, r in EXPECTED_FIRST.items()
              if not by_character.get(c) or by_character[c][0] != r]
    errors += [f"{c} has readings {by_character[c]}" for c in EXPECTED_EMPTY if by_character[c]]
    errors += [f"0xD7{cell:02X} carries a character" for cell in range(0xFA, 0xFF) if (0xD7, cell) in table]
    if len(table) != 6763:
        errors.append(f"{len(table)} characters instead of 6763")
    if errors:
        sys.exit("gen_pinyin_table: " + "; ".join(errors))


def main():
    table, version = build_table()
    check(table)
    syllable_list = [""] + sorted({s for _, found in table.values() for s in found})
    index = {s: i for i, s in enumerate(syllable_list)}
    multi = sum(1 for _, found in table.values() if len(found) > 1)
    empty = sum(1 for _, found in table.values() if not found) + len(ROWS) * len(CELLS) - len(table)

    out = sys.stdout
    out.write(f"// Generated by tools/gen_pinyin_table.py from Unihan {version} (Debian package unicode-data). "
              "Do not edit.\n")
    out.write("// Unihan is (c) Unicode, Inc., used under the Unicode licence: see THIRD_PARTY.md.\n")
    out.write(f"// {len(syllable_list) - 1} syllables; {multi} characters with two or three readings; "
              f"{empty} codes without a reading.\n")
    out.write('#include "present/pinyin_table.h"\n\n')
    out.write("namespace namer {\n\n")
    out.write(f"const std::size_t pinyin_syllable_count = {len(syllable_list)};\n\n")
    out.write("// Index 0 is the empty syllable: no reading.\n")
    out.write(f"const std::string_view pinyin_syllables[{len(syllable_list)}] = {{\n")
    for i in range(0, len(syllable_list), 12):
        out.write("    " + " ".join(f'"{s}",' for s in syllable_list[i:i + 12]) + "\n")
    out.write("};\n\n")
    out.write("// Row by row from 0xB0A1; each code's readings as indices into pinyin_syllables, most common first.\n")
    out.write("const std::uint16_t pinyin_readings[pinyin_area_codes][pinyin_max_readings] = {\n")
    for row in ROWS:
        out.write(f"    // 0x{row:02X}\n")
        cells = list(CELLS)
        for start in range(0, len(cells), 8):
            entries, characters = [], ""
            for cell in cells[start:start + 8]:
                character, found = table.get((row, cell), ("\u3000", []))
                found = found + [""] * (MAX_READINGS - len(found))
                entries.append("{" + ", ".join(str(index[s]) for s in found) + "},")
                characters += character
            out.write("    " + " ".join(entries) + " // " + characters + "\n")
    out.write("};\n\n")
    out.write("} // namespace namer\n")


if __name__ == "__main__":
    main()
