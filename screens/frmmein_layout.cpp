// SPDX-License-Identifier: MIT
#include "screens/layout.h"

#include <array>

namespace poniruka::layout {

namespace {

constexpr Rgb green {128, 255, 128};
constexpr Font pop {.face = "HG創英角ﾎﾟｯﾌﾟ体", .points = 12};
constexpr Font popP {.face = "HGP創英角ﾎﾟｯﾌﾟ体", .points = 12};

// Each label says what the quiz of the button above it asks, and a screen
// reader says it of the button; both are narrower than their text, which
// wraps onto a second line.
// clang-format off
constexpr std::array controls{
    Control{.name = "cmdhiku", .kind = Kind::Button, .text = "なんじになる？１", .place = {600, 360, 2415, 495}, .tab = 0, .font = pop, .describedBy = "llbl01"},
    Control{.name = "cmdtasu", .kind = Kind::Button, .text = "なんじになる？２", .place = {600, 1920, 2415, 495}, .tab = 1, .font = popP, .describedBy = "lbl02"},
    Control{.name = "cmdend", .kind = Kind::Button, .text = "おわる", .place = {600, 3360, 2415, 495}, .tab = 2, .font = pop, .description = "ぽにるかを おわる"},
    Control{.name = "llbl01", .kind = Kind::Label, .text = "たしたらなんじになるかな？", .place = {960, 1080, 1695, 495}, .tab = 3, .font = pop, .back = green, .align = Align::Center},
    Control{.name = "lbl02", .kind = Kind::Label, .text = "○じかんまえはなんじ？", .place = {960, 2640, 1695, 495}, .tab = 4, .font = pop, .back = green},
};
// clang-format on

constexpr Window window {
    .name = "frmmein",
    .title = "メインメニュー",
    .width = 3705,
    .height = 4320,
    .border = Border::Sizable,
    .back = green,
    .icon = Picture::Clock,
    .pointer = Picture::Pendulum,
};

} // namespace

const Screen &frmmein()
{
    static const Screen screen {window, controls};
    return screen;
}

} // namespace poniruka::layout
