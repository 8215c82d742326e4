// SPDX-License-Identifier: MIT
// trilet_layout_export OUTPUT: writes the layout table as JSON, in pixels, for the scripts that
// drive the real program (the end-to-end tests): {"name": [left, top, width, height], ...}, cells
// as "cell1".."cell81".
#include <cstdio>
#include <string>

#include "ui/common/layout.h"

namespace {

bool g_first = true;

void put(const std::string &name, const layout::Box &box) {
    std::printf("%s\n  \"%s\": [%d, %d, %d, %d]", g_first ? "{" : ",", name.c_str(),
                layout::px(box.left), layout::px(box.top), layout::px(box.width),
                layout::px(box.height));
    g_first = false;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2 || !std::freopen(argv[1], "w", stdout)) {
        std::fprintf(stderr, "usage: trilet_layout_export OUTPUT.json\n");
        return 2;
    }
    put("main", layout::kMainClient);
    for (int n = 1; n <= game::kCells; ++n) put("cell" + std::to_string(n), layout::cell(n));
    for (int i = 0; i < 3; ++i) put("tombol" + std::to_string(i), layout::commandButton(i));
    for (int slot = 1; slot <= 2; ++slot) {
        put("namalbl" + std::to_string(slot), layout::nameLabel(slot));
        put("mode1_" + std::to_string(slot), layout::modeLabel(slot));
        put("Text1_" + std::to_string(slot), layout::nameBox(slot));
        put("Option1_" + std::to_string(slot), layout::soundButton(slot));
    }
    put("options", layout::kOptionsClient);
    put("Text2", layout::kTargetBox);
    put("Check2", layout::kUntilFull);
    put("Command1", layout::kOkey);
    put("Command2", layout::kCancel);
    put("result", layout::kResultClient);
    put("Label1", layout::kResultName);
    put("about", layout::kAboutClient);
    std::printf("\n}\n");
    return 0;
}
