// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/quizform.h"

namespace poniruka {

/// The first exercise: what time is it after adding a span of hours and minutes?
class FrmTime : public QuizForm
{
public:
    FrmTime(Runtime &runtime, Navigation &navigation);

protected:
    void showProblem() override;
    void computeAnswer() override;
};

} // namespace poniruka
