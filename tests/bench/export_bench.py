"""Writes the document the export benchmark embeds: 1.4 MB of pseudo-random
bytes, the same every build, which no file system or cache can compress."""
import random
import sys
from pathlib import Path

out = Path(sys.argv[1])
out.parent.mkdir(parents=True, exist_ok=True)
out.write_bytes(random.Random(20261211).randbytes(1_400_000))
