# SPDX-License-Identifier: MIT
# cmake-format's settings for the project's CMake files (make format, make format-check).
with section("parse"):
    additional_commands = {
        "trilet_add_test": {
            "flags": ["GUI"],
            "kwargs": {"NAME": 1, "SOURCES": "*", "LIBS": "*"},
        }
    }

with section("format"):
    line_width = 100
    tab_size = 4
    dangle_parens = False
    max_pargs_hwrap = 12

# Comments are prose: kept as written.
with section("markup"):
    enable_markup = False
