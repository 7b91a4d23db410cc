"""Writes the documents that the export tests embed: a large one of
non-repeating bytes (so a shifted or dropped block shows), a small one and an
empty one."""
import sys
from pathlib import Path

out = Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)

state = 20261211
large = bytearray(1_500_001)
for i in range(len(large)):
    state = (state * 1103515245 + 12345) & 0x7FFFFFFF
    large[i] = state >> 16 & 0xFF
(out / "big.bin").write_bytes(bytes(large))
(out / "small.bin").write_bytes("Малый документ для проверки выгрузки\r\n".encode("cp1251"))
(out / "empty.bin").write_bytes(b"")
