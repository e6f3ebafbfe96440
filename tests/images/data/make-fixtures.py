#!/usr/bin/env python3
# Makes the Intel HEX fixtures and their reference images. The references
# come from srec_cat (package srecord), an independent reader:
#   srec_cat -multiple F.hex -Intel -fill 0xFF 0x0000 0x10000 -o F.ref -Binary
# Run once; the outputs are committed.
import random
import subprocess

def record(address, data, case=str.upper):
    body = bytes([len(data), address >> 8, address & 0xFF, 0]) + bytes(data)
    check = (-sum(body)) & 0xFF
    return case(":" + (body + bytes([check])).hex()) 

def write(name, records, end="\r\n"):
    text = end.join(records + [":00000001FF"]) + end
    with open(name + ".hex", "w", newline="") as f:
        f.write(text)
    subprocess.run(["srec_cat", "-multiple", name + ".hex", "-Intel", "-fill", "0xFF", "0x0000", "0x10000",
                    "-o", name + ".ref", "-Binary"], check=True)

rng = random.Random(20261206)
def chunk(n):
    return [rng.randrange(256) for _ in range(n)]

# Gapped records in random order, ending right at 0xFFFF.
gapped = [record(a, chunk(rng.randrange(1, 33))) for a in range(0, 0xFF00, 0x300)]
gapped.append(record(0xFFF0, chunk(16)))
rng.shuffle(gapped)
write("gapped", gapped)

# Overlapping records: the later one wins.
overlap = [record(rng.randrange(0, 0x2000), chunk(rng.randrange(1, 256))) for _ in range(200)]
write("overlap", overlap)

# Lower-case digits and lone LF line ends.
lower = [record(a, chunk(32), str.lower) for a in range(0x4000, 0x6000, 32)]
write("lower", lower, end="\n")

# A record that runs past 0xFFFF: the loader has no address wrap.
write("beyond", [record(0x0000, chunk(16)), record(0xFFF0, chunk(255))])
