// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/quizform.h"

namespace poniruka {

/// The second exercise: what time was it a span of hours and minutes before?
class FrmTime2 : public QuizForm
{
public:
    FrmTime2(Runtime &runtime, Forms &forms);
};

} // namespace poniruka
