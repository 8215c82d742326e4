// SPDX-License-Identifier: MIT
// trilet_layout_export OUTPUT: writes the layout table as JSON, in pixels, for the scripts that
// drive the real program (the end-to-end tests): {"name": [left, top, width, height], ...}, cells
// as "cell1".."cell81".
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "ui/common/layout.h"

namespace {

void put(std::string &json, const std::string &name, const layout::Box &box) {
    json += (json.empty() ? "{" : ",");
    json += "\n  \"" + name + "\": [" + std::to_string(layout::px(box.left)) + ", " +
            std::to_string(layout::px(box.top)) + ", " + std::to_string(layout::px(box.width)) +
            ", " + std::to_string(layout::px(box.height)) + "]";
}

std::string layoutJson() {
    std::string json;
    put(json, "main", layout::kMainClient);
    for (int n = 1; n <= game::kCells; ++n) put(json, "cell" + std::to_string(n), layout::cell(n));
    for (int i = 0; i < 3; ++i) put(json, "tombol" + std::to_string(i), layout::commandButton(i));
    for (int slot = 1; slot <= 2; ++slot) {
        put(json, "namalbl" + std::to_string(slot), layout::nameLabel(slot));
        put(json, "mode1_" + std::to_string(slot), layout::modeLabel(slot));
        put(json, "Text1_" + std::to_string(slot), layout::nameBox(slot));
        put(json, "Option1_" + std::to_string(slot), layout::soundButton(slot));
    }
    put(json, "options", layout::kOptionsClient);
    put(json, "Text2", layout::kTargetBox);
    put(json, "Check2", layout::kUntilFull);
    put(json, "Command1", layout::kOkey);
    put(json, "Command2", layout::kCancel);
    put(json, "result", layout::kResultClient);
    put(json, "Label1", layout::kResultName);
    put(json, "about", layout::kAboutClient);
    return json + "\n}\n";
}

}  // namespace

// Exits with 1, leaving no file behind, when the file cannot be written whole: the tests must
// never read a truncated table, and the build stops here.
int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: trilet_layout_export OUTPUT.json\n");
        return 2;
    }
    const std::string json = layoutJson();
    std::FILE *out = std::fopen(argv[1], "w");
    if (!out) {
        std::fprintf(stderr, "trilet_layout_export: cannot open %s: %s\n", argv[1],
                     std::strerror(errno));
        return 1;
    }
    const bool written =
        std::fwrite(json.data(), 1, json.size(), out) == json.size() && std::fflush(out) == 0;
    const int error = errno;
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "trilet_layout_export: cannot write %s: %s\n", argv[1],
                     std::strerror(written ? errno : error));
        std::error_code ignored;  // a device such as /dev/full stays
        if (std::filesystem::is_regular_file(argv[1], ignored))
            std::filesystem::remove(argv[1], ignored);
        return 1;
    }
    return 0;
}
