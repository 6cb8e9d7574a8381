#include "view/mouse_modes.h"
