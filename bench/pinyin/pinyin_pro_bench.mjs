// The pinyin-pro side of the name_pinyin benchmark: the same names (UTF-8, one a line) through pinyin() without
// tones, one call per name, as a Node.js program would fill a pinyin column. Prints one JSON line.
import { readFileSync } from "node:fs";
import { pinyin } from "pinyin-pro";

const names = readFileSync(process.argv[2], "utf8").split("\n").filter((n) => n.length > 0);
const minSeconds = Number(process.argv[3] ?? 2);

let sink = 0;
const round = () => {
    for (const name of names) sink += pinyin(name, { toneType: "none" }).length;
};

round(); // warm-up: dictionary loading and JIT
let rounds = 0;
const start = process.hrtime.bigint();
let elapsed = 0;
while (elapsed < minSeconds || rounds < 3) {
    round();
    ++rounds;
    elapsed = Number(process.hrtime.bigint() - start) / 1e9;
}
const namesPerSecond = (rounds * names.length) / elapsed;
console.log(JSON.stringify({ names: names.length, rounds, seconds: elapsed, names_per_second: namesPerSecond,
                             sample: pinyin(names[0], { toneType: "none" }), sink }));
