#include "tcl/tcl_blocks.h"
