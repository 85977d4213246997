// SPDX-License-Identifier: MIT
#include "screens/layout.h"

#include <array>
#include <string_view>

// The two exercise screens carry one set of controls with the same names,
// kinds and styles. Each row gives both screens' places side by side, the
// addition's (frmtime) and the difference's (frmtime2); a second text or
// face, where present, is the difference's.

namespace poniruka::layout {

namespace {

constexpr Rgb yellow {255, 255, 128};
constexpr const char *gothic = "ＭＳ Ｐゴシック";
constexpr const char *pop = "HG創英角ﾎﾟｯﾌﾟ体";
constexpr const char *popP = "HGP創英角ﾎﾟｯﾌﾟ体";
constexpr const char *popS = "HGS創英角ﾎﾟｯﾌﾟ体";

enum class Style { Number, Unit, AnswerBox, Verdict, Button, SmallLabel };

// What a style gives every control drawn in it; a button's face comes from its row.
// clang-format off
constexpr std::array styles{
    /* Number */     Control{.kind = Kind::Label, .font = Font{gothic, 36, 700}, .back = yellow, .align = Align::Center},
    /* Unit */       Control{.kind = Kind::Label, .font = Font{gothic, 27.75}, .back = yellow, .autoSize = true},
    /* AnswerBox */  Control{.kind = Kind::TextBox, .font = Font{gothic, 36, 700}, .align = Align::Center, .imeOff = true},
    /* Verdict */    Control{.kind = Kind::Label, .font = Font{gothic, 20.25, 700}, .fore = Rgb{255, 0, 0}, .back = yellow, .align = Align::Center},
    /* Button */     Control{.kind = Kind::Button, .font = Font{nullptr, 15.75}},
    /* SmallLabel */ Control{.kind = Kind::Label, .back = yellow, .align = Align::Center, .autoSize = true},
};
// clang-format on

enum class Exercise {
    Addition,   // frmtime: what time is it after the span?
    Difference, // frmtime2: what time was it the span before?
};

// Which key a button answers on the difference screen. The addition screen's buttons answer none.
enum class Key { None, Escape };

struct QuizControl
{
    const char *name;
    Style style;
    const char *text;
    const char *differenceText; // nullptr: as on the addition screen
    Rect additionPlace;
    Rect differencePlace;
    int additionTab;
    int differenceTab;
    const char *additionFace = nullptr; // buttons
    const char *differenceFace = nullptr;
    Key differenceKey = Key::None;
};

// The answer boxes: the minutes come first on the addition screen, the hours
// on the difference screen. "メニュー" on the difference screen is its Esc
// button, so that Enter in an answer box never takes a child back to the menu.
// clang-format off
constexpr std::array quizControls{
    //          name        style              text          diff. text  addition (frmtime)         difference (frmtime2)     tabs    faces         keys
    QuizControl{"lblji1",    Style::Number,     "",           nullptr,    {120, 360, 855, 735},      {120, 240, 855, 735},      6, 5},
    QuizControl{"lbltime1",  Style::Unit,       "じ",         nullptr,    {1200, 480, 420, 555},     {1200, 360, 420, 555},     7, 6},
    QuizControl{"lblhun1",   Style::Number,     "",           nullptr,    {1920, 360, 855, 735},     {1920, 240, 855, 735},     8, 7},
    QuizControl{"lblmm",     Style::Unit,       "ふん",       nullptr,    {3000, 480, 1095, 555},    {3000, 360, 1095, 555},    9, 8},
    QuizControl{"lblplus",   Style::Unit,       "＋",         "｜",       {1080, 1200, 555, 555},    {1080, 1080, 555, 555},    10, 9},
    QuizControl{"lblji2",    Style::Number,     "",           nullptr,    {120, 1920, 855, 735},     {120, 1800, 855, 735},     11, 10},
    QuizControl{"lbltime2",  Style::Unit,       "じ",         "じかん",   {1200, 2040, 420, 555},    {1200, 1920, 1515, 555},   12, 11},
    QuizControl{"lblhun2",   Style::Number,     "",           nullptr,    {1920, 1920, 855, 735},    {3000, 1800, 855, 735},    13, 12},
    QuizControl{"lblmm2",    Style::Unit,       "ふん",       "ふんまえ", {3000, 2040, 1095, 555},   {4080, 1920, 2085, 555},   14, 13},
    QuizControl{"lblwa",     Style::Unit,       "| |",        nullptr,    {1200, 2760, 435, 555},    {1200, 2640, 435, 555},    15, 14},
    QuizControl{"txtji3",    Style::AnswerBox,  "",           nullptr,    {120, 3360, 975, 855},     {120, 3240, 975, 855},     2, 2},
    QuizControl{"lbltime3",  Style::Unit,       "じ",         nullptr,    {1200, 3480, 420, 555},    {1200, 3360, 420, 555},    16, 15},
    QuizControl{"txthun3",   Style::AnswerBox,  "",           nullptr,    {1800, 3360, 975, 855},    {1800, 3240, 975, 855},    1, 3},
    QuizControl{"lblmm3",    Style::Unit,       "ふん",       nullptr,    {3000, 3480, 1095, 555},   {3000, 3360, 1095, 555},   17, 16},
    QuizControl{"lblseikai", Style::Verdict,    "",           nullptr,    {4560, 3360, 1935, 855},   {4560, 3240, 1935, 855},   18, 17},
    QuizControl{"lblji3",    Style::Number,     "",           nullptr,    {120, 4440, 855, 735},     {120, 4320, 855, 735},     19, 18},
    QuizControl{"lbltime4",  Style::Unit,       "",           nullptr,    {1200, 4560, 405, 555},    {1200, 4440, 405, 555},    20, 19},
    QuizControl{"lblhun3",   Style::Number,     "",           nullptr,    {1920, 4440, 855, 735},    {1920, 4320, 855, 735},    21, 20},
    QuizControl{"lblmm4",    Style::Unit,       "",           nullptr,    {3000, 4560, 1125, 555},   {3000, 4440, 1125, 555},   22, 21},
    QuizControl{"cmdst",     Style::Button,     "ちょうせん", nullptr,    {4320, 480, 1695, 495},    {6720, 600, 1695, 495},    0, 0,   popP, popP},
    QuizControl{"cmdok",     Style::Button,     "こたえる",   nullptr,    {4320, 1200, 1695, 495},   {6720, 1200, 1695, 495},   3, 1,   pop,  popP},
    QuizControl{"cmdmein",   Style::Button,     "メニュー",   nullptr,    {4320, 1920, 1695, 495},   {6720, 1920, 1695, 495},   23, 23, pop,  popS, Key::Escape},
    QuizControl{"cmdend",    Style::Button,     "おわる",     nullptr,    {4320, 2640, 1695, 495},   {6720, 2640, 1695, 495},   5, 4,   pop,  pop},
    QuizControl{"lblhelp",   Style::SmallLabel, "バージョン", nullptr,    {5430, 120, 825, 180},     {7440, 240, 825, 180},     4, 22},
};
// clang-format on

// What a screen reader tells of a control beyond its text, in the kana a
// child reads: what each number means in the exercise's own words (a second
// description, where present, is the difference's), what each button
// does, what goes into each answer box and which unit label names it. The
// verdict is spoken wherever the focus is, as a child who sees it hears
// it at once.
struct Spoken
{
    const char *name;
    const char *description;
    const char *differenceDescription = nullptr; // nullptr: as on the addition screen
    const char *accessibleName = nullptr;
    const char *buddy = nullptr; // labels: the answer box they name
    bool announce = false;
};

// clang-format off
constexpr std::array spoken{
    //     name         frmtime                       frmtime2                        name, buddy
    Spoken{"lblji1",    "はじめの じこく：じ",        "じこく：じ"},
    Spoken{"lblhun1",   "はじめの じこく：ふん",      "じこく：ふん"},
    Spoken{"lblplus",   "たす",                       "ひく"},
    Spoken{"lblji2",    "たす じかん：じかん",        "まえに もどる じかん：じかん"},
    Spoken{"lblhun2",   "たす じかん：ふん",          "まえに もどる じかん：ふん"},
    Spoken{"lblwa",     "この したが こたえ"},
    Spoken{"txtji3",    "すうじで いれてね",          nullptr,                        "こたえの じ"},
    Spoken{"lbltime3",  nullptr,                      nullptr,                        nullptr, "txtji3"},
    Spoken{"txthun3",   "すうじで いれてね",          nullptr,                        "こたえの ふん"},
    Spoken{"lblmm3",    nullptr,                      nullptr,                        nullptr, "txthun3"},
    Spoken{"lblseikai", "こたえが あっているか",      nullptr,                        nullptr, nullptr, true},
    Spoken{"lblji3",    "こたえ：じ"},
    Spoken{"lblhun3",   "こたえ：ふん"},
    Spoken{"cmdst",     "あたらしい もんだいを だす"},
    Spoken{"cmdok",     "こたえあわせを する"},
    Spoken{"cmdmein",   "メニューに もどる"},
    Spoken{"cmdend",    "ぽにるかを おわる"},
    Spoken{"lblhelp",   "ぽにるかの ことを みる"},
};
// clang-format on

// One exercise screen's control list from the shared tables.
constexpr auto realise(Exercise exercise)
{
    const bool difference = exercise == Exercise::Difference;
    std::array<Control, quizControls.size()> out {};
    for (std::size_t i = 0; i < quizControls.size(); ++i) {
        const QuizControl &q = quizControls[i];
        Control c = styles[std::size_t(q.style)];
        c.name = q.name;
        c.text = difference && q.differenceText ? q.differenceText : q.text;
        c.place = difference ? q.differencePlace : q.additionPlace;
        c.tab = difference ? q.differenceTab : q.additionTab;
        if (const char *face = difference ? q.differenceFace : q.additionFace)
            c.font->face = face;
        c.escapeKey = difference && q.differenceKey == Key::Escape;
        for (const Spoken &t : spoken) {
            if (std::string_view(t.name) != q.name)
                continue;
            c.description = difference && t.differenceDescription ? t.differenceDescription : t.description;
            c.accessibleName = t.accessibleName;
            c.buddy = t.buddy;
            c.announce = t.announce;
        }
        out[i] = c;
    }
    return out;
}

constexpr auto frmtimeControls = realise(Exercise::Addition);
constexpr auto frmtime2Controls = realise(Exercise::Difference);

constexpr Window frmtimeWindow {
    .name = "frmtime",
    .title = "ぽにるか：たしたらなんじになる？",
    .width = 6840,
    .height = 5520,
    .border = Border::FixedSingle,
    .back = yellow,
    .icon = Picture::Clock,
};

constexpr Window frmtime2Window {
    .name = "frmtime2",
    .title = "ぽにるか：○じかんまえはなんじ？",
    .width = 8565,
    .height = 5490,
    .border = Border::Sizable,
    .back = yellow,
    .icon = Picture::Clock,
};

} // namespace

const Screen &frmtime()
{
    static const Screen screen {frmtimeWindow, frmtimeControls};
    return screen;
}

const Screen &frmtime2()
{
    static const Screen screen {frmtime2Window, frmtime2Controls};
    return screen;
}

} // namespace poniruka::layout
