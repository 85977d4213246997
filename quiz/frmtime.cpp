// SPDX-License-Identifier: MIT
#include "quiz/frmtime.h"

#include "screens/layout.h"

namespace poniruka {

FrmTime::FrmTime(Runtime &runtime, Forms &forms) : QuizForm(runtime, forms, layout::frmtime()) { }

} // namespace poniruka
