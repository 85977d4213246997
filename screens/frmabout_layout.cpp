// SPDX-License-Identifier: MIT
#include "screens/layout.h"

#include <array>

namespace poniruka::layout {

namespace {

constexpr Rgb black {0, 0, 0};

// clang-format off
constexpr std::array controls{
    Control{.name = "cmdOK", .kind = Kind::Button, .text = "OK", .place = {4245, 2625, 1380, 345}, .tab = 0, .enterKey = true, .escapeKey = true, .description = "この まどを とじる"},
    Control{.name = "picIcon", .kind = Kind::PictureBox, .place = {240, 240, 540, 540}, .tab = 1, .autoSize = true, .picture = Picture::Clock},
    Control{.name = "cmdSysInfo", .kind = Kind::Button, .text = "ｼｽﾃﾑ情報(&S)...", .place = {4260, 3075, 1380, 345}, .tab = 2, .description = "コンピューターの じょうほうを みる"},
    Control{.name = "lblDescription", .kind = Kind::Label, .text = "時間の足し算・引き算の練習用ソフト", .place = {1050, 1125, 3885, 1170}, .tab = 3, .fore = black},
    Control{.name = "lblDisclaimer", .kind = Kind::Label, .text = "警告：", .place = {255, 2625, 3870, 825}, .tab = 4, .fore = black},
    Control{.name = "lblTitle", .kind = Kind::Label, .text = "ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ", .place = {1050, 240, 3885, 480}, .tab = 5, .fore = black},
    Control{.name = "lblVersion", .kind = Kind::Label, .text = "ﾊﾞｰｼﾞｮﾝ", .place = {1050, 780, 3885, 225}, .tab = 6},
    // An engraved rule: a grey line one pixel above a white one.
    Control{.name = "Line1", .kind = Kind::Line, .place = {90, 2445, 5654, 2445}, .fore = Rgb{128, 128, 128}, .lineWidth = 1, .index = 1},
    Control{.name = "Line1", .kind = Kind::Line, .place = {105, 2460, 5654, 2460}, .fore = Rgb{255, 255, 255}, .lineWidth = 2, .index = 0},
};
// clang-format on

constexpr Window window {
    .name = "frmAbout",
    .title = "ﾊﾞｰｼﾞｮﾝ情報",
    .width = 5730,
    .height = 3555,
    .border = Border::FixedDialog,
    .taskbarButton = false,
    .dialog = true,
};

} // namespace

const Screen &frmAbout()
{
    static const Screen screen {window, controls};
    return screen;
}

} // namespace poniruka::layout
