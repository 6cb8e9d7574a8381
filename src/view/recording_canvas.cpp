#include "view/recording_canvas.h"
