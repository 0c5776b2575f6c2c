// The toolbar pictures, drawn rather than loaded so that they stay sharp at every size and need
// no image files beside the program.
#pragma once

#include <QIcon>

#include "app/commands.h"

namespace kesto::app {

// The picture of a command; a null icon for commands without one.
QIcon toolbarIcon(Command command);

}  // namespace kesto::app
