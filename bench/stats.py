#!/usr/bin/env python3
"""Medians and ratios of medians of the benchmark scripts' samples, as Markdown tables.

usage: stats.py RAW          the lines bench/run.sh writes (tab-separated):
         def ID LABEL YARDSTICK METRIC KIND LIMIT MEMKIND MEMLIMIT
             METRIC cpu or wall; KIND ratio (veriglyph / yardstick <= LIMIT) or diff
             (veriglyph - yardstick <= LIMIT ms); MEMKIND ratio (peak RSS / the
             yardstick's <= MEMLIMIT), flat (peak RSS / that on a slice of the input,
             side s, <= MEMLIMIT) or - (reported only)
         sample ID SIDE WALL_MS USER_MS SYS_MS PEAK_KIB
             SIDE v veriglyph, y the yardstick, y2 a second yardstick added to it, s the
             slice run of a flat-memory target
         note ID TEXT
       stats.py serve RAW    the lines bench/serve.sh writes:
         wrk NAME REQUESTS_PER_S P99_MS ERRORS     (NAME pages-veriglyph, pages-nginx, api)
         rss NAME PEAK_KIB
Prints the tables and a RESULT line; the exit status is 0 either way.
"""
import statistics
import sys
from collections import defaultdict


def ms(x):
    return "-" if x is None else f"{x:,.0f}" if x >= 1000 else f"{x:.1f}" if x >= 10 else f"{x:.2f}"


def mib(kib):
    return "-" if not kib else f"{kib / 1024:.1f}"


def med(xs):
    return statistics.median(xs) if xs else None


def verdict(ok, text):
    return f"{text}: {'met' if ok else 'NOT MET'}", 0 if ok else 1


class Scenario:
    def __init__(self, fields):
        (self.id, self.label, self.yard, self.metric, self.kind, limit, self.memkind,
         memlimit) = fields[:8]
        self.limit = float(limit)
        self.memlimit = None if self.memkind == "-" else float(memlimit)
        self.samples = defaultdict(list)  # side -> [(wall, cpu, rss)]
        self.notes = []

    def side(self, name):
        rows = self.samples.get(name, [])
        return (med([r[0] for r in rows]), med([r[1] for r in rows]),
                max((r[2] for r in rows), default=0))

    def yardstick(self):
        """Medians of the yardstick: those of y and y2 added; the higher peak."""
        parts = [self.side(s) for s in ("y", "y2") if self.samples.get(s)]
        if not parts:
            return None, None, 0
        return (sum(p[0] for p in parts), sum(p[1] for p in parts), max(p[2] for p in parts))

    def row(self):
        """The summary row and the number of targets not met."""
        vw, vc, vr = self.side("v")
        yw, yc, yr = self.yardstick()
        pairs = len(self.samples.get("v", []))
        if vw is None or yw is None:
            return f"| {self.label} | {self.yard} | {pairs} | no samples | | | | |", 0
        cells = []
        for v, y in ((vc, yc), (vw, yw)):
            rel = f"{v / y:.2f}x" if self.kind == "ratio" and y > 0 else f"{v - y:+.2f} ms"
            cells.append(f"{ms(v)} / {ms(y)} = {rel}")
        cells.append(f"{mib(vr)} / {mib(yr)}" + (f" = {vr / yr:.2f}x" if yr else ""))
        v, y = (vc, yc) if self.metric == "cpu" else (vw, yw)
        if self.kind == "ratio":
            time_text, missed = verdict(y > 0 and v / y <= self.limit,
                                        f"{self.metric} <= {self.limit:g}x")
        else:
            time_text, missed = verdict(v - y <= self.limit, f"{self.metric} +{self.limit:g} ms")
        mem_text = "reported"
        if self.memkind == "ratio":
            mem_text, m = verdict(yr > 0 and vr / yr <= self.memlimit, f"<= {self.memlimit:g}x")
            missed += m
        elif self.memkind == "flat":
            sr = self.side("s")[2]
            ok = sr > 0 and vr / sr <= self.memlimit
            mem_text, m = verdict(ok, f"flat: {mib(sr)} MiB on the slice, "
                                  f"{vr / sr if sr else 0:.2f}x <= {self.memlimit:g}x")
            missed += m
        return (f"| {self.label} | {self.yard} | {pairs} | {cells[0]} | {cells[1]} | {cells[2]} "
                f"| {time_text} | {mem_text} |"), missed


def runs(path):
    scenarios, order = {}, []
    with open(path, encoding="utf-8") as raw:
        for line in raw:
            f = line.rstrip("\n").split("\t")
            if f[0] == "def":
                scenarios[f[1]] = Scenario(f[1:])
                order.append(f[1])
            elif f[0] == "sample":
                wall, user, system, rss = (float(x) for x in f[3:7])
                scenarios[f[1]].samples[f[2]].append((wall, user + system, rss))
            elif f[0] == "note":
                scenarios[f[1]].notes.append(f[2])
    print("| Scenario | Yardstick | Pairs | CPU ms: veriglyph / yardstick | Wall ms: veriglyph / "
          "yardstick | Peak RSS MiB: veriglyph / yardstick | Time target | Memory target |")
    print("|---|---|---|---|---|---|---|---|")
    missed = 0
    for key in order:
        row, m = scenarios[key].row()
        print(row)
        missed += m
    print("\nEvery side (medians; min-max in brackets):\n")
    print("| Scenario | Side | Runs | Wall ms | CPU ms | Peak RSS MiB |")
    print("|---|---|---|---|---|---|")
    for key in order:
        s = scenarios[key]
        yards = s.yard.split(" + ", 1) + [s.yard]  # y and y2 of a yardstick "Y + Y2"
        names = {"v": "veriglyph", "y": yards[0], "y2": yards[1], "s": "veriglyph on the slice"}
        for side, rows in s.samples.items():
            walls, cpus = [r[0] for r in rows], [r[1] for r in rows]
            print(f"| {s.label} | {names.get(side, side)} | {len(rows)} | {ms(med(walls))} "
                  f"({ms(min(walls))}-{ms(max(walls))}) | {ms(med(cpus))} ({ms(min(cpus))}-"
                  f"{ms(max(cpus))}) | {mib(max(r[2] for r in rows))} |")
    for key in order:
        for note in scenarios[key].notes:
            print(f"\nNOTE ({scenarios[key].label}): {note}")
    return missed


def serve(path):
    loads, rss = defaultdict(list), {}
    with open(path, encoding="utf-8") as raw:
        for line in raw:
            f = line.rstrip("\n").split("\t")
            if f[0] == "wrk":
                loads[f[1]].append((float(f[2]), float(f[3]), int(f[4])))
            elif f[0] == "rss":
                rss[f[1]] = int(f[2])

    def medians(name):
        rows = loads.get(name)
        if not rows:
            return None, None, 0
        return med([r[0] for r in rows]), med([r[1] for r in rows]), sum(r[2] for r in rows)

    missed = 0
    vr, vp, ve = medians("pages-veriglyph")
    nr, np_, ne = medians("pages-nginx")
    ar, ap, ae = medians("api")
    print("| Load | Runs | veriglyph req/s | p99 ms | nginx req/s | p99 ms | Ratio | Targets |")
    print("|---|---|---|---|---|---|---|---|")
    if nr is not None:
        text = "-"
        if vr is not None:
            text, m = verdict(vr / nr >= 0.5 and vp <= 10, "ratio >= 0.5, p99 <= 10 ms")
            missed += m
        ratio, vrps = (f"{vr / nr:.2f}x", f"{vr:,.0f}") if vr is not None else ("-", "-")
        print(f"| pages in turn | {len(loads['pages-nginx'])} | {vrps} | {ms(vp)} "
              f"| {nr:,.0f} | {ms(np_)} | {ratio} | {text} |")
    if ar is not None:
        text, m = verdict(ar >= 20000, ">= 20,000 req/s")
        missed += m
        print(f"| /api/totals?spell=Hello%20World | {len(loads['api'])} | {ar:,.0f} | {ms(ap)} "
              f"| - | - | - | {text} |")
    if rss:
        text = "-"
        if "veriglyph" in rss:
            text, m = verdict(rss["veriglyph"] <= 64 * 1024, "<= 64 MiB")
            missed += m
        print(f"| peak RSS under load (VmHWM), MiB | | {mib(rss.get('veriglyph'))} | | "
              f"{mib(rss.get('nginx'))} | | | {text} |")
    for name, (_, _, errors) in ((n, medians(n)) for n in loads):
        if errors:
            print(f"\nWARNING: {name}: {errors} failed requests (socket errors or non-2xx)")
            missed += 1
    return missed


def main():
    args = sys.argv[1:]
    if len(args) == 2 and args[0] == "serve":
        missed = serve(args[1])
    elif len(args) == 1:
        missed = runs(args[0])
    else:
        sys.exit(__doc__)
    print(f"\nRESULT: {'every target met' if not missed else f'{missed} target(s) not met'}")


if __name__ == "__main__":
    main()
