#!/usr/bin/python3
"""The structure checker on small trees built in a temporary folder: each case a tree and exactly the
violations (file, line, rule) it must report."""
import io
import os
import sys
import tempfile
import unittest
from contextlib import redirect_stdout

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_structure  # noqa: E402

# Every include the layers allow, once: a clean tree.
ALLOWED_TREE = {
    "src/app/main.cpp": '#include "app/App.h"\n#include "ui/main/MainWindow.h"\n#include "settings/Settings.h"\n',
    "src/app/App.h": "#pragma once\n",
    "src/ui/main/MainWindow.h": '#include "ui/info/About.h"\n#include "ui/tray/Tray.h"\n'
                                '#include "sound/Play.h"\n#include "ui/common/Box.h"\n#include "schedule/Day.h"\n',
    "src/ui/info/About.h": '#include "sound/Play.h"\n#include "ui/common/Box.h"\n#include "About.inc.h"\n',
    "src/ui/info/About.inc.h": "#pragma once\n",
    "src/ui/tray/Tray.h": '#include "schedule/Day.h"\n#include "Generated.h"\n',
    "src/sound/Play.h": '#include "base/Text.h"\n#include <wx/timer.h>\n',
    "src/base/Text.h": "#pragma once\n#include <string>\n",
    "src/platform/linux/Timer.cpp": '#include "sound/Play.h"\n#include "app/App.h"\n#include <glib.h>\n'
                                    '#include <gtk/gtk.h>\n#include <sys/stat.h>\n#include <unistd.h>\n',
    "src/settings/Settings.h": '#include "schedule/Day.h"\n',
    "src/ui/common/Box.h": '#include "schedule/Day.h"\n',
    "src/schedule/Day.h": "#pragma once\nclass Calendar {};\nint m_bar; int m_hours; int IDOKAY_not;\n"
                          "// _NET_WM_NAME is an X11 atom, wxID_OK is wx's\n",
    "CMakeLists.txt": "include(GoogleTest)\nif(EXISTS /usr/share/x)\nendif()\n"
                      "if(EXISTS ${CMAKE_BINARY_DIR}/gen.h)\nendif()\n# include(x.cmake OPTIONAL) in a comment\n",
    "tests/a/big.txt": "x\n" * 500,  # not a source file
    "tests/a/ok.cpp": "x\n" * 400,
}

CASES = [
    ("clean", {}, []),
    ("upward include", {"src/schedule/Day.h": '#include "settings/Settings.h"\n'},
     [("src/schedule/Day.h", 1, "layer"), ("src/schedule/Day.h", 1, "file-cycle"),
      ("src/schedule/Day.h", 1, "folder-cycle")]),
    ("sideways include not allowed", {"src/ui/tray/Tray.h": '\n#include "sound/Play.h"\n'},
     [("src/ui/tray/Tray.h", 2, "layer")]),
    ("nothing includes app", {"src/ui/main/MainWindow.h": '#include "app/App.h"\n'},
     [("src/ui/main/MainWindow.h", 1, "layer"), ("src/app/main.cpp", 2, "folder-cycle")]),
    ("sound reaches no window", {"src/sound/Play.h": '#include "ui/common/Box.h"\n'},
     [("src/sound/Play.h", 1, "layer")]),
    ("platform headers outside the platform's files",
     {"src/ui/main/Tips.cpp": "#include <gtk/gtk.h>\n#include <glib-unix.h>\n#include <wx/window.h>\n",
      "src/settings/Home.cpp": "#include <pwd.h>\n#include <unistd.h>\n#include <sys/stat.h>\n#include <string>\n",
      "src/sound/Win.cpp": "#include <windows.h>\n#include <mmsystem.h>\n"},
     [("src/ui/main/Tips.cpp", 1, "platform-header"), ("src/ui/main/Tips.cpp", 2, "platform-header"),
      ("src/settings/Home.cpp", 1, "platform-header"), ("src/settings/Home.cpp", 2, "platform-header"),
      ("src/settings/Home.cpp", 3, "platform-header"), ("src/sound/Win.cpp", 1, "platform-header"),
      ("src/sound/Win.cpp", 2, "platform-header")]),
    ("outside the layers", {"src/misc/Helper.cpp": "int x;\n"}, [("src/misc/Helper.cpp", 1, "layer")]),
    ("file circle in one folder", {"src/schedule/A.h": '#include "B.h"\n', "src/schedule/B.h": '#include "A.h"\n'},
     [("src/schedule/A.h", 1, "file-cycle")]),
    ("file including itself", {"src/schedule/A.h": '\n#include "schedule/A.h"\n'},
     [("src/schedule/A.h", 2, "file-cycle")]),
    ("file over the limit", {"src/schedule/Long.cpp": "x\n" * 401, "tests/t/long.py": "x\n" * 401},
     [("src/schedule/Long.cpp", 401, "size"), ("tests/t/long.py", 401, "size")]),
    ("foreign names", {"src/sound/Old.h": "class CPlayer;\nstruct CFoo {\n  int m_bOn, m_nCount, m_strName, m_pOwner,"
                                          " m_hIcon, m_dStart;\n};\nint IDC_X = IDD_MAIN + IDOK + IDCANCEL + IDD;\n"
                                          "DDX_Text(); DoModal(); WM_NOTIFYICON; NIF_TIP; cbSize;\n"},
     [("src/sound/Old.h", 1, "foreign-name"), ("src/sound/Old.h", 2, "foreign-name")]
     + [("src/sound/Old.h", 3, "foreign-name")] * 6 + [("src/sound/Old.h", 5, "foreign-name")] * 5
     + [("src/sound/Old.h", 6, "foreign-name")] * 5),
    ("Windows' own names in its own files", {"src/platform/windows/Watch.cpp": "WM_TIMECHANGE; cbSize;\nclass CWatch;\n"},
     [("src/platform/windows/Watch.cpp", 2, "foreign-name")]),
    ("build guards", {"src/sound/CMakeLists.txt": "include(${CMAKE_CURRENT_SOURCE_DIR}/parts.cmake\n  OPTIONAL)\n"
                                                  "if(A AND EXISTS ${PROJECT_SOURCE_DIR}/tests/x)\nendif()\n",
                      "cmake/Deps.cmake": 'if(NOT (EXISTS "${CMAKE_CURRENT_LIST_DIR}/y"))\nelseif(EXISTS z.txt)\n'},
     [("src/sound/CMakeLists.txt", 1, "cmake-guard"), ("src/sound/CMakeLists.txt", 3, "cmake-guard"),
      ("cmake/Deps.cmake", 1, "cmake-guard"), ("cmake/Deps.cmake", 2, "cmake-guard")]),
]


def build(root, files):
    for path, text in files.items():
        os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
        with open(os.path.join(root, path), "w") as f:
            f.write(text)


class CheckStructureTest(unittest.TestCase):
    def test_each_tree_reports_exactly_its_violations(self):
        for name, changes, expected in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as root:
                build(root, {**ALLOWED_TREE, **changes})
                found = [(v.path, v.line, v.rule) for v in check_structure.check(root)]
                self.assertEqual(sorted(found), sorted(expected), "\n".join(map(str, check_structure.check(root))))

    def test_a_circle_names_each_include_on_its_way(self):
        with tempfile.TemporaryDirectory() as root:
            build(root, {**ALLOWED_TREE, "src/schedule/A.h": '#include "B.h"\n',
                         "src/schedule/B.h": '#include "C.h"\n', "src/schedule/C.h": '\n#include "A.h"\n'})
            (ring,) = [v for v in check_structure.check(root) if v.rule == "file-cycle"]
            self.assertEqual(ring.message, "include circle: src/schedule/A.h -> src/schedule/B.h (src/schedule/A.h:1)"
                                           " -> src/schedule/C.h (src/schedule/B.h:1)"
                                           " -> src/schedule/A.h (src/schedule/C.h:2)")

    def test_build_trees_are_left_out(self):
        with tempfile.TemporaryDirectory() as root:
            build(root, {**ALLOWED_TREE, "out/CMakeCache.txt": "", "out/x/CMakeLists.txt": "include(a OPTIONAL)\n"})
            self.assertEqual(check_structure.check(root), [])

    def test_the_command_lists_file_line_and_rule_and_fails(self):
        upward = {"src/ui/common/Box.h": '#include "ui/tray/Tray.h"\n'}
        for changes, status, lines in [
            ({}, 0, ["structure: 0 violations"]),
            (upward, 1, ["src/ui/common/Box.h:1: [layer] ui/common includes ui/tray (src/ui/tray/Tray.h)",
                         "structure: 1 violation (layer 1)"]),
        ]:
            with self.subTest(status=status), tempfile.TemporaryDirectory() as root:
                build(root, {**ALLOWED_TREE, **changes})
                out = io.StringIO()
                with redirect_stdout(out):
                    self.assertEqual(check_structure.main(["check_structure.py", root]), status)
                self.assertEqual(out.getvalue().splitlines(), lines)


if __name__ == "__main__":
    unittest.main()
