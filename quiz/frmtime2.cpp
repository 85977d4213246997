// SPDX-License-Identifier: MIT
#include "quiz/frmtime2.h"

#include "screens/layout.h"

namespace poniruka {

FrmTime2::FrmTime2(Runtime &runtime, Forms &forms) : QuizForm(runtime, forms, layout::frmtime2()) { }

} // namespace poniruka
