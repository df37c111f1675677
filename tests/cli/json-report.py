#!/usr/bin/env python3
"""kelmo --report --json read as a script reads it.

Usage: json-report.py names|schema|du KELMO SCHEMA
  names   names that are not UTF-8 come back as the bytes they are
  schema  what kelmo writes (a walk, a saved scan, sorted, with --exclude)
          is valid by docs/kelmo-report.schema.json
  du      every directory's sizes are du's (du -B1, and du -b for apparent), its
          items find's
Exits 77 when what a check needs is missing.
"""
import base64
import json
import os
import shutil
import subprocess
import sys
import tempfile

SKIP = 77


def report(kelmo, *args):
    done = subprocess.run([kelmo, "--report", "--json", *args], capture_output=True, check=False)
    return done.returncode, json.loads(done.stdout)


def exact(entry, key):
    """The bytes of a name or path, as the JSON keeps them."""
    if key + "_bytes" in entry:
        return base64.b64decode(entry[key + "_bytes"], validate=True)
    return entry[key].encode("utf-8")


def write(path, size):
    with open(path, "wb") as f:
        f.write(b"k" * size)


def names(kelmo, root, _schema):
    kinds = [b"plain", "caf\u00e9 \u6f22\u5b57 \U0001f600".encode(), b"latin1-\xe9t\xe9", b"\xff\xfe",
             b"overlong-\xc0\xaf", b"surrogate-\xed\xa0\x80", b"cut-\xe2\x82", b"beyond-\xf4\x90\x80\x80",
             b'quote"back\\slash\ttab\x7f\x01']
    top = os.path.join(root, b"top-\xff")
    for name in kinds:
        os.makedirs(os.path.join(top, name))
    status, doc = report(kelmo, top)
    problems = []
    if status != 0 or exact(doc, "path") != os.path.realpath(top):
        problems.append("the root's path %r" % doc.get("path"))
    got = {exact(child, "name"): child for child in doc["children"]}
    if sorted(got) != sorted(kinds):
        problems.append("names %r, not %r" % (sorted(got), sorted(kinds)))
    for name, child in got.items():
        valid = True
        try:
            name.decode("utf-8")
        except UnicodeDecodeError:
            valid = False
        if valid == ("name_bytes" in child) or (not valid and "\ufffd" not in child["name"]):
            problems.append("%r written as %r" % (name, child))
    return problems


def schema_documents(kelmo, root):
    tree = os.path.join(root, b"tree")
    for path in (b"a/b/c", b"a/\xff", b"d/e"):
        os.makedirs(os.path.join(tree, path))
    write(os.path.join(tree, b"a/b/c/f.o"), 5000)
    write(os.path.join(tree, b"d/g"), 100)
    saved = os.path.join(root, b"saved.json")
    with open(saved, "w") as f:
        f.write('[1,2,{},[{"name":"/srv","dsize":4096},{"name":"f","asize":5,"dsize":4096},'
                '[{"name":"locked","dsize":4096,"read_error":true}]]]')
    runs = [[tree], ["-d", "3", "--sort=size", tree], ["-s", "--sort=name", tree], ["--exclude=*.o", "-a", tree],
            ["--import", saved], ["-d", "1", "--import", saved]]
    return [(run, report(kelmo, *run)[1]) for run in runs]


def schema(kelmo, root, schema_file):
    try:
        import jsonschema
    except ImportError:
        print("skipped: python3-jsonschema is not installed")
        sys.exit(SKIP)
    with open(schema_file) as f:
        validator = jsonschema.Draft202012Validator(json.load(f))
    validator.check_schema(validator.schema)
    problems = []
    for run, doc in schema_documents(kelmo, root):
        problems += ["%r: %s at %s" % (run, e.message, list(e.absolute_path)) for e in validator.iter_errors(doc)]
    # The schema must refuse what is not the report, or it proves nothing.
    for wrong in ({"path": "/x", "disk_bytes": 1, "apparent_bytes": 1, "problems": []},
                  {"path": "/x", "disk_bytes": -1, "apparent_bytes": 1, "free_bytes": None, "problems": []},
                  {"path": "/x", "disk_bytes": 1, "apparent_bytes": 1, "free_bytes": None, "problems": [],
                   "children": [{"name": "a", "disk_bytes": 1, "apparent_bytes": 1, "name_bytes": "not base64"}]}):
        if validator.is_valid(wrong):
            problems.append("the schema takes %r" % wrong)
    return problems


def du_sizes(option, depth, root):
    out = subprocess.run(["du", "-x", option, "--max-depth=%d" % depth, root], capture_output=True, check=True).stdout
    return {line.split(b"\t", 1)[1]: int(line.split(b"\t", 1)[0]) for line in out.splitlines()}


def kelmo_sizes(entry, path, sizes):
    sizes[path] = (entry["disk_bytes"], entry["apparent_bytes"], entry["items"])
    for child in entry.get("children", []):
        kelmo_sizes(child, path + b"/" + exact(child, "name"), sizes)
    return sizes


def items_below(path):
    """What find PATH -xdev -mindepth 1 | wc -l counts (the tree has one file system)."""
    return sum(len(dirs) + len(files) for _, dirs, files in os.walk(path))


def du(kelmo, root, _schema):
    if shutil.which("du") is None:
        print("skipped: du is not installed")
        sys.exit(SKIP)
    tree = os.path.realpath(os.path.join(root, b"tree"))
    for i in range(30):
        directory = os.path.join(tree, b"d%d/s%d/n%d" % (i % 4, i % 3, i % 5))
        os.makedirs(directory, exist_ok=True)
        write(os.path.join(directory, b"f%d" % i), i * 977)
    with open(os.path.join(tree, b"d1/sparse"), "wb") as f:
        f.truncate(10 << 20)
    os.link(os.path.join(tree, b"d1/sparse"), os.path.join(tree, b"d2/link"))
    os.makedirs(os.path.join(tree, b"d3/empty/\xff"))
    problems = []
    for depth in (0, 1, 3):
        for threads in ("-t1", "-t4"):
            _, doc = report(kelmo, "-d", str(depth), threads, tree)
            got = kelmo_sizes(doc, tree, {})
            disk, apparent = du_sizes("-B1", depth, tree), du_sizes("-b", depth, tree)
            wanted = {path: (disk[path], apparent[path], items_below(path)) for path in disk}
            if got != wanted:
                problems.append("depth %d %s: %r, du: %r" % (depth, threads, got, wanted))
    return problems


def main():
    check, kelmo, schema_file = sys.argv[1:4]
    root = tempfile.mkdtemp().encode()
    try:
        problems = {"names": names, "schema": schema, "du": du}[check](kelmo, root, schema_file)
    finally:
        shutil.rmtree(root)
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
