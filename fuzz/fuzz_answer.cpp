// SPDX-License-Identifier: MIT
// Whatever a child types into the answer boxes is read and judged without a
// crash, and never reads as "not a number".
#include "quiz/quizsteps.h"
#include "shell/numbers.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (std::isnan(poniruka::Val(text)))
        std::abort();
    const qsizetype half = text.size() / 2;
    poniruka::judge(poniruka::QuizState {1, 2, 3, 4, 5, 6}, text.left(half), text.mid(half));
    return 0;
}
