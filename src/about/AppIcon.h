#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon, drawn in code: a wall-calendar page with one highlighted day off.
namespace AppIcon {

QPixmap Pixmap(int size);
QIcon Icon();

} // namespace AppIcon
