// SPDX-License-Identifier: MIT
#include "screens/layout.h"

#include <array>

namespace poniruka::layout {

namespace {

// clang-format off
constexpr std::array controls{
    Control{.name = "cmdhiku", .kind = Kind::Button, .text = "なんじになる？１", .place = {600, 360, 2415, 495}, .tab = 0},
    Control{.name = "cmdtasu", .kind = Kind::Button, .text = "なんじになる？２", .place = {600, 1920, 2415, 495}, .tab = 1},
    Control{.name = "cmdend", .kind = Kind::Button, .text = "おわる", .place = {600, 3360, 2415, 495}, .tab = 2},
    Control{.name = "llbl01", .kind = Kind::Label, .text = "たしたらなんじになるかな？", .place = {960, 1080, 1695, 495}, .tab = 3},
    Control{.name = "lbl02", .kind = Kind::Label, .text = "○じかんまえはなんじ？", .place = {960, 2640, 1695, 495}, .tab = 4},
};
// clang-format on

constexpr Window window {
    .name = "frmmein",
    .title = "メインメニュー",
    .width = 3705,
    .height = 4320,
    .border = Border::Sizable,
};

} // namespace

const Screen &frmmein()
{
    static const Screen screen {window, controls};
    return screen;
}

} // namespace poniruka::layout
