// SPDX-License-Identifier: MIT
#include "screens/layout.h"

#include <array>

namespace poniruka::layout {

namespace {

// Everything but the frame lies inside Frame1 and is placed from its interior.
// clang-format off
constexpr std::array controls{
    Control{.name = "Frame1", .kind = Kind::Frame, .place = {150, 60, 7080, 4050}, .tab = 0, .description = "おすと メニューに すすむ"},
    Control{.name = "tmrinfo", .kind = Kind::Timer, .container = "Frame1", .interval = 1000},
    Control{.name = "Label1", .kind = Kind::Label, .text = "こどものための時計のけいさん", .place = {4440, 3360, 2415, 255}, .container = "Frame1", .tab = 7},
    Control{.name = "imgLogo", .kind = Kind::Image, .place = {240, 360, 975, 915}, .container = "Frame1", .picture = Picture::Clock},
    Control{.name = "lblCopyright", .kind = Kind::Label, .text = "Copyright © ぽにるか", .place = {4440, 3600, 2415, 255}, .container = "Frame1", .tab = 4},
    Control{.name = "lblCompany", .kind = Kind::Label, .text = "", .place = {4560, 3320, 2415, 255}, .container = "Frame1", .tab = 3},
    Control{.name = "lblWarning", .kind = Kind::Label, .text = "警告：", .place = {120, 3720, 6855, 195}, .container = "Frame1", .tab = 2},
    Control{.name = "lblVersion", .kind = Kind::Label, .text = "ﾊﾞｰｼﾞｮﾝ", .place = {4680, 3000, 645, 195}, .container = "Frame1", .tab = 5, .font = Font{"ＭＳ Ｐゴシック", 9.75}, .align = Align::Center, .autoSize = true},
    Control{.name = "lblProductName", .kind = Kind::Label, .text = "タイトル", .place = {3810, 1320, 1620, 405}, .container = "Frame1", .tab = 6, .font = Font{"HGS創英角ﾎﾟｯﾌﾟ体", 20.25}, .align = Align::Center, .autoSize = true},
    Control{.name = "lblLicenseTo", .kind = Kind::Label, .text = "このソフトはじゆうにつかえます", .place = {120, 240, 6855, 255}, .container = "Frame1", .tab = 1, .align = Align::Right},
};
// clang-format on

constexpr Window window {
    .name = "frmSplashtime",
    .title = "",
    .width = 7380,
    .height = 4245,
    .border = Border::FixedDialog,
    .titleBar = false,
    .closeBox = false,
    .taskbarButton = false,
    .keyPreview = true,
    .namedBy = "lblProductName", // the title it shows
};

} // namespace

const Screen &frmSplashtime()
{
    static const Screen screen {window, controls};
    return screen;
}

} // namespace poniruka::layout
