#include "sections/fiber_builder.h"
