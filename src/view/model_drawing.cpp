#include "view/model_drawing.h"
