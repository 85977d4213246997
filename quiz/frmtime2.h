// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/quizform.h"

namespace poniruka {

struct OrderedPair;

/// The second exercise: what time was it a span of hours and minutes before?
class FrmTime2 : public QuizForm
{
public:
    FrmTime2(Runtime &runtime, Navigation &navigation);

protected:
    void showProblem() override;
    void computeAnswer() override;

private:
    void showPair(const char *larger, const char *smaller, const OrderedPair &pair);
};

} // namespace poniruka
