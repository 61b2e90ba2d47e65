#!/usr/bin/python3
"""Lists the keys of a three-level ISAM index file, in order, as "key record" lines.

Usage: isam_reader.py INDEX_FILE KEY_LENGTH

Each node is 128 entries of KEY_LENGTH + 7 bytes: the key, a level digit and a six-digit
pointer. Free entries start with byte 252. Record 1 is the root; root entries point to
level-2 nodes, those to leaves, leaf entries to data records. The reader walks the levels
byte by byte and stops with status 1 and a message on anything out of shape.
"""
import sys

ENTRIES = 128
FREE = 252


class BadIndex(Exception):
    pass


def node_entries(data, record, key_length, level):
    """The used entries of a node as (key bytes, pointer) pairs."""
    size = ENTRIES * (key_length + 7)
    if record < 1 or record * size > len(data):
        raise BadIndex(f"node {record} lies outside the file")
    node = data[(record - 1) * size: record * size]
    used = []
    for i in range(ENTRIES):
        entry = node[i * (key_length + 7): (i + 1) * (key_length + 7)]
        key, digit, pointer = entry[:key_length], entry[key_length], entry[key_length + 1:]
        if digit != ord(level):
            raise BadIndex(f"node {record} entry {i + 1}: level {chr(digit)!r}, expected {level}")
        if key[0] == FREE:
            continue
        if used and len(used) != i:
            raise BadIndex(f"node {record} entry {i + 1}: used entry after a free one")
        if not pointer.isdigit():
            raise BadIndex(f"node {record} entry {i + 1}: pointer {pointer!r}")
        if used and used[-1][0] >= key:
            raise BadIndex(f"node {record} entry {i + 1}: keys out of order")
        used.append((key, int(pointer)))
    return used


def walk(data, key_length):
    """Every (key, data record) of the index in key order."""
    result = []
    for key1, middle in node_entries(data, 1, key_length, "1"):
        below = node_entries(data, middle, key_length, "2")
        if not below or below[-1][0] != key1:
            raise BadIndex(f"root key {key1!r} is not the highest key of node {middle}")
        for key2, leaf in below:
            items = node_entries(data, leaf, key_length, "3")
            if not items or items[-1][0] != key2:
                raise BadIndex(f"key {key2!r} is not the highest key of leaf {leaf}")
            result.extend(items)
    for before, after in zip(result, result[1:]):
        if before[0] >= after[0]:
            raise BadIndex(f"keys out of order across leaves at {after[0]!r}")
    return result


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    with open(argv[1], "rb") as handle:
        data = handle.read()
    key_length = int(argv[2])
    size = ENTRIES * (key_length + 7)
    try:
        if not data or len(data) % size:
            raise BadIndex(f"length {len(data)} is not a whole number of {size}-byte nodes")
        for key, record in walk(data, key_length):
            print(key.decode("latin-1"), record)
    except BadIndex as problem:
        print(f"{argv[1]}: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
