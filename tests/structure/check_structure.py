#!/usr/bin/python3
"""Checks the shape of the source tree: layers, include circles, file sizes, foreign API names and
build guards. Prints one `file:line: [rule] message` a violation and exits 1 when there is any.

Usage: check_structure.py [ROOT]   (ROOT: the project's folder; default: two folders above this file)
"""
import os
import re
import sys
from collections import namedtuple

Violation = namedtuple("Violation", "path line rule message")

# Each layer and the layers it may include besides its own. Includes run downwards only; nothing
# includes app.
ALLOWED = {
    "app": {"ui/main", "ui/info", "ui/tray", "sound", "settings", "ui/common", "schedule", "base"},
    "ui/main": {"ui/info", "ui/tray", "sound", "settings", "ui/common", "schedule", "base"},
    "ui/info": {"sound", "ui/common", "schedule", "base"},
    "ui/tray": {"schedule", "base"},
    "sound": {"base"},
    "settings": {"schedule", "base"},
    "ui/common": {"schedule", "base"},
    "schedule": {"base"},
    "base": set(),
    # The platform's implementations of the layers' interfaces, its entry point and its assembly of
    # the services.
    "platform/linux": {"app", "ui/main", "ui/info", "ui/tray", "sound", "settings", "ui/common", "schedule",
                       "base"},
    "platform/windows": {"app", "ui/main", "ui/info", "ui/tray", "sound", "settings", "ui/common", "schedule",
                         "base"},
}
# Headers of a platform's own libraries and system calls: only that platform's files include them.
PLATFORM_HEADER = re.compile(
    r'^\s*#\s*include\s*<((?:glib|gio|gmodule|gtk|gdk|gdk-pixbuf|X11|gst|webkit2?|libdbusmenu[-\w]*|dbus|'
    r'xcb|wayland)[-\w]*[/.][^>]*|glib[-\w]*\.h|unistd\.h|fcntl\.h|pwd\.h|poll\.h|dlfcn\.h|pthread\.h|'
    r'signal\.h|sys/[^>]+|windows\.h|winuser\.h|shellapi\.h|shlobj\.h|mmsystem\.h|wtsapi32\.h|'
    r'objbase\.h)>')
MAX_LINES = 400
CXX_ENDINGS = (".cpp", ".cc", ".cxx", ".c", ".h", ".hpp", ".cpp.in", ".h.in")
SOURCE_ENDINGS = CXX_ENDINGS + (".py", ".sh", ".cmake")

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
# Names of another platform's API and naming scheme; the program speaks wx's and its own.
FOREIGN_NAMES = [
    (re.compile(r"\b(?:class|struct)\s+(C[A-Z]\w*)"), "C-prefixed class {}"),
    (re.compile(r"\b(m_(?:str|b|n|p|h|d)[A-Z]\w*)"), "Hungarian member {}"),
    (re.compile(r"\b(IDC_\w*|IDD\w*|IDOK|IDCANCEL|DDX_\w*|DoModal|WM_\w*|NIF_\w*|cbSize)\b"), "platform name {}"),
]
# Paths that name the project's own files in a CMake condition.
OWN_PATH = re.compile(r"^\$\{(?:PROJECT_SOURCE_DIR|CMAKE_SOURCE_DIR|CMAKE_CURRENT_SOURCE_DIR|"
                      r"CMAKE_CURRENT_LIST_DIR|\w+_SOURCE_DIR)\}|^[^/$]")


def read_lines(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().splitlines()


def walk(root):
    """Relative paths ('/'-separated) of the files below root, build trees and .git left out."""
    found = []
    for folder, dirs, files in os.walk(root):
        dirs[:] = sorted(d for d in dirs
                         if d != ".git" and not os.path.exists(os.path.join(folder, d, "CMakeCache.txt")))
        for name in sorted(files):
            found.append(os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/"))
    return found


def layer_of(src_relative):
    parts = src_relative.split("/")
    if len(parts) < 2:
        return None
    name = "/".join(parts[:2]) if parts[0] in ("ui", "platform") and len(parts) > 2 else parts[0]
    return name if name in ALLOWED else None


def include_edges(root, sources):
    """(from, line, to) for each quoted include of a src file that names another src file."""
    known = set(sources)
    edges = []
    for path in sources:
        for number, text in enumerate(read_lines(os.path.join(root, path)), 1):
            match = INCLUDE.match(text)
            if not match:
                continue
            beside = os.path.normpath(os.path.join(os.path.dirname(path), match.group(1))).replace(os.sep, "/")
            from_src = os.path.normpath("src/" + match.group(1)).replace(os.sep, "/")
            target = beside if beside in known else from_src if from_src in known else None
            if target:  # generated files (the build tree's) are not part of the structure
                edges.append((path, number, target))
    return edges


def strongly_connected(nodes, successors):
    """Tarjan's components, each a list of nodes (iterative: deep include chains need no recursion)."""
    index, low, on_stack, stack, components = {}, {}, set(), [], []
    for start in nodes:
        if start in index:
            continue
        work = [(start, iter(sorted(successors.get(start, ()))))]
        index[start] = low[start] = len(index)
        stack.append(start)
        on_stack.add(start)
        while work:
            node, children = work[-1]
            child = next(children, None)
            if child is not None:
                if child not in index:
                    index[child] = low[child] = len(index)
                    stack.append(child)
                    on_stack.add(child)
                    work.append((child, iter(sorted(successors.get(child, ())))))
                elif child in on_stack:
                    low[node] = min(low[node], index[child])
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                components.append(sorted(component))
    return components


def cycles(edges, rule, what):
    """One violation a circle, the shortest way round from its first member. edges: (from, to, file, line)."""
    successors, where = {}, {}
    for source, target, path, line in edges:
        successors.setdefault(source, set()).add(target)
        where.setdefault((source, target), (path, line))
    found = []
    for component in strongly_connected(sorted(successors), successors):
        first = component[0]
        if len(component) == 1 and first not in successors.get(first, ()):
            continue
        members, paths, queue, ring = set(component), {first: [first]}, [first], None
        while ring is None:
            node = queue.pop(0)
            for child in sorted(successors.get(node, ())):
                if child == first:
                    ring = paths[node] + [first]
                    break
                if child in members and child not in paths:
                    paths[child] = paths[node] + [child]
                    queue.append(child)
        steps = ["{} ({}:{})".format(b, *where[(a, b)]) for a, b in zip(ring, ring[1:])]
        found.append(Violation(*where[(ring[0], ring[1])], rule,
                               "{} circle: {} -> {}".format(what, first, " -> ".join(steps))))
    return found


def check_includes(root, sources):
    found = []
    edges = include_edges(root, sources)
    for path in sources:
        if layer_of(path[len("src/"):]) is None:
            found.append(Violation(path, 1, "layer", "outside the known layers " + ", ".join(sorted(ALLOWED))))
    for source, line, target in edges:
        mine, theirs = layer_of(source[len("src/"):]), layer_of(target[len("src/"):])
        if mine and theirs and mine != theirs and theirs not in ALLOWED[mine]:
            found.append(Violation(source, line, "layer", "{} includes {} ({})".format(mine, theirs, target)))
    found += cycles([(s, t, s, line) for s, line, t in edges], "file-cycle", "include")
    folders = [(os.path.dirname(s), os.path.dirname(t), s, line) for s, line, t in edges]
    found += cycles([e for e in folders if e[0] != e[1]], "folder-cycle", "folder")
    return found


def check_platform_headers(sources):
    """A platform's headers only in src/platform/<name>/."""
    found = []
    for root, path in sources:
        if path.startswith("src/platform/"):
            continue
        for number, text in enumerate(read_lines(os.path.join(root, path)), 1):
            match = PLATFORM_HEADER.match(text)
            if match:
                found.append(Violation(path, number, "platform-header",
                                       "<{}> outside src/platform/".format(match.group(1))))
    return found


def check_sizes(root, files):
    found = []
    for path in files:
        if path.endswith(SOURCE_ENDINGS) or os.path.basename(path) == "CMakeLists.txt":
            count = len(read_lines(os.path.join(root, path)))
            if count > MAX_LINES:
                found.append(Violation(path, MAX_LINES + 1, "size",
                                       "{} lines, more than {}".format(count, MAX_LINES)))
    return found


def check_names(root, sources):
    found = []
    for path in sources:
        if not path.endswith(CXX_ENDINGS):
            continue
        # Windows' own messages and records are the Windows files' business, where wx has no word for them.
        own_platform = path.startswith(("src/platform/windows/", "tests/windows/"))
        for number, text in enumerate(read_lines(os.path.join(root, path)), 1):
            for pattern, message in FOREIGN_NAMES:
                if own_platform and message.startswith("platform name"):
                    continue
                for name in sorted(set(pattern.findall(text))):
                    found.append(Violation(path, number, "foreign-name", message.format(name)))
    return found


def cmake_commands(text):
    """(name, arguments, line) of each command, comments removed; arguments keep nested parentheses."""
    clean = re.sub(r'"(?:\\.|[^"\\])*"|#[^\n]*', lambda m: m.group(0) if m.group(0)[0] == '"' else "", text)
    for match in re.finditer(r"\b(\w+)\s*\(", clean):
        depth, end = 1, match.end()
        while end < len(clean) and depth:
            depth += {"(": 1, ")": -1}.get(clean[end], 0)
            end += 1
        yield match.group(1).lower(), clean[match.end():end - 1], clean.count("\n", 0, match.start()) + 1


def check_cmake(root, files):
    found = []
    for path in files:
        if os.path.basename(path) != "CMakeLists.txt" and not path.endswith(".cmake"):
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            text = f.read()
        for name, arguments, line in cmake_commands(text):
            words = arguments.split()
            if name == "include" and "OPTIONAL" in words:
                found.append(Violation(path, line, "cmake-guard", "include(... OPTIONAL) can drop a file silently"))
            if name in ("if", "elseif", "while"):
                for guarded in re.findall(r'\bEXISTS\s+"?([^\s")]+)', arguments):
                    if OWN_PATH.match(guarded):
                        found.append(Violation(path, line, "cmake-guard",
                                               "EXISTS guard on the project's own " + guarded))
    return found


def check(root):
    files = [p for p in walk(root) if not p.startswith("build/")]
    sources = [p for p in files if p.startswith("src/") and p.endswith(CXX_ENDINGS)]
    found = check_includes(root, sources)
    found += check_sizes(root, [p for p in files if p.startswith(("src/", "tests/"))])
    found += check_names(root, sources)
    found += check_platform_headers([(root, p) for p in sources])
    found += check_cmake(root, files)
    return sorted(set(found))


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    found = check(os.path.abspath(root))
    for v in found:
        print("{}:{}: [{}] {}".format(v.path, v.line, v.rule, v.message))
    rules = {}
    for v in found:
        rules[v.rule] = rules.get(v.rule, 0) + 1
    counts = " ({})".format(", ".join("{} {}".format(r, n) for r, n in sorted(rules.items()))) if rules else ""
    print("structure: {} violation{}{}".format(len(found), "" if len(found) == 1 else "s", counts))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
