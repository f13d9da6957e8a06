#!/usr/bin/env python3
"""Build-time helper for the installer's payloads.

  make-payload.py compress IN OUT     the smallest zlib stream we can make of IN (zopfli's
                                      deflate), with the default header 78 9C
  make-payload.py presets OUT         the presets file, 206 sections
  make-payload.py test-payloads DIR   streams for the extraction tests: complete, empty,
                                      truncated and corrupted, and the bytes they hold
  make-payload.py bench-payload MB OUT FILES...
                                      a stream of about MB megabytes of executable code: the
                                      given files concatenated, repeated as needed
"""
import random
import subprocess
import sys
import zlib
from pathlib import Path

PRESET_COUNT = 206


def compress(data: bytes) -> bytes:
    stream = zlib.compress(data, 6)
    assert stream[:2] == b"\x78\x9c", "expected the default zlib header"
    return stream


def compress_shipped(path: Path) -> bytes:
    """A shipped payload: zopfli spends a second on what zlib's best level does in milliseconds,
    and its deflate data is 5 to 15 percent smaller; any inflate reads it. The header's level
    field means nothing to inflate, and 78 9C passes the header check as 78 DA does."""
    data = path.read_bytes()
    made = subprocess.run(["zopfli", "--zlib", "-c", str(path)], check=True,
                          stdout=subprocess.PIPE).stdout
    stream = b"\x78\x9c" + made[2:]
    assert zlib.decompress(stream) == data, f"zopfli's stream of {path} does not inflate to it"
    return stream


def presets() -> str:
    names = ["Identity"]
    pigments = ["Ochre", "Umber", "Sienna", "Ultramarine", "Viridian", "Madder", "Indigo",
                "Cobalt", "Vermilion", "Sepia", "Gamboge", "Verdigris", "Carmine", "Cerulean"]
    papers = ["Hot Press", "Cold Press", "Rough", "Laid", "Vellum", "Rice", "Kraft", "Linen",
              "Bristol", "Canvas", "Cotton", "Washi", "Newsprint", "Parchment", "Felt"]
    for pigment in pigments:
        for paper in papers:
            names.append(f"{pigment} on {paper}")
    names = names[:PRESET_COUNT]
    assert len(names) == PRESET_COUNT
    rng = random.Random(206)
    lines = ["; Tarvelle Pigmora presets: one section per preset.",
             "; levels 2..256, hueShift -180..180, saturation 0..200, grain 0..64, seed", ""]
    for index, name in enumerate(names):
        if index == 0:
            values = (256, 0, 100, 0, 1)
        else:
            values = (rng.randint(3, 48), rng.randint(-180, 180), rng.randint(20, 200),
                      rng.randint(0, 64), rng.randint(1, 2**31 - 1))
        lines += [f"[Preset{index:03d}]", f"Name={name}", f"Levels={values[0]}",
                  f"HueShift={values[1]}", f"Saturation={values[2]}", f"Grain={values[3]}",
                  f"Seed={values[4]}", ""]
    return "\r\n".join(lines)


def test_payloads(folder: Path) -> None:
    rng = random.Random(7)
    data = bytes(rng.choice(b"\x00\x00\x00\x48\x89\x5c\x24\x08TVL") for _ in range(300000))
    stream = compress(data)
    corrupted = bytearray(stream)
    for i in range(200, 260):
        corrupted[i] ^= 0xFF
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "expected.bin").write_bytes(data)
    (folder / "complete.z").write_bytes(stream)
    (folder / "empty.z").write_bytes(compress(b""))
    (folder / "truncated.z").write_bytes(stream[: len(stream) // 2])
    (folder / "corrupted.z").write_bytes(bytes(corrupted))


def bench_payload(megabytes: int, out: Path, files) -> None:
    wanted = megabytes * 1000 * 1000
    parts = []
    size = 0
    while size < wanted:
        for name in files:
            data = Path(name).read_bytes()[: wanted - size]
            parts.append(data)
            size += len(data)
            if size >= wanted:
                break
    out.write_bytes(compress(b"".join(parts)))


def main(argv):
    if len(argv) == 4 and argv[1] == "compress":
        Path(argv[3]).write_bytes(compress_shipped(Path(argv[2])))
    elif len(argv) == 3 and argv[1] == "presets":
        Path(argv[2]).write_bytes(presets().encode("ascii"))
    elif len(argv) == 3 and argv[1] == "test-payloads":
        test_payloads(Path(argv[2]))
    elif len(argv) >= 5 and argv[1] == "bench-payload":
        bench_payload(int(argv[2]), Path(argv[3]), argv[4:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
