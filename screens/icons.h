// SPDX-License-Identifier: MIT
#pragma once

#include "screens/layout.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace poniruka {

/// The program's pictures at their 32 × 32 size.
QPixmap picture(layout::Picture which);
/// The same pictures as icons with both their sizes.
QIcon icon(layout::Picture which);
/// A picture as a mouse pointer.
QCursor pointer(layout::Picture which);

} // namespace poniruka
