# SPDX-License-Identifier: MIT
# The generator's code as a library: painting, synthesis, the file writers and the comparison
# of a fresh run with the committed files (assetgen --check).
if(TARGET trilet_assetgen_core)
    return()
endif()

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui)
find_package(GIF REQUIRED)

set(ASSETGEN_DIR ${CMAKE_CURRENT_LIST_DIR})
add_library(
    trilet_assetgen_core STATIC
    ${ASSETGEN_DIR}/about_art.cpp
    ${ASSETGEN_DIR}/asset_check.cpp
    ${ASSETGEN_DIR}/asset_set.cpp
    ${ASSETGEN_DIR}/board_art.cpp
    ${ASSETGEN_DIR}/bmp_writer.cpp
    ${ASSETGEN_DIR}/button_art.cpp
    ${ASSETGEN_DIR}/desktop_icons.cpp
    ${ASSETGEN_DIR}/double_size.cpp
    ${ASSETGEN_DIR}/fonts.cpp
    ${ASSETGEN_DIR}/gif_writer.cpp
    ${ASSETGEN_DIR}/ico_writer.cpp
    ${ASSETGEN_DIR}/icon_art.cpp
    ${ASSETGEN_DIR}/options_art.cpp
    ${ASSETGEN_DIR}/paint_util.cpp
    ${ASSETGEN_DIR}/png_writer.cpp
    ${ASSETGEN_DIR}/portrait.cpp
    ${ASSETGEN_DIR}/quantizer.cpp
    ${ASSETGEN_DIR}/result_art.cpp
    ${ASSETGEN_DIR}/sound_synth.cpp
    ${ASSETGEN_DIR}/wav_writer.cpp)
# ui/common/version.h: the version mark on the board and the About picture.
target_include_directories(
    trilet_assetgen_core
    PUBLIC ${PROJECT_SOURCE_DIR}
    PRIVATE ${PROJECT_BINARY_DIR})
# The board's cell numbering (game/game_state.h) places the painted cells.
target_link_libraries(
    trilet_assetgen_core
    PUBLIC Qt6::Gui
    PRIVATE trilet_game GIF::GIF)
