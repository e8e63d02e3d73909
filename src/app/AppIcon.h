#pragma once
#include <QIcon>

namespace etp {

// The program's icon, drawn rather than shipped: a sun over a field and a falling drop.
QIcon AppIcon();

} // namespace etp
