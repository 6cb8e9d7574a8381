#include "view/view_transform.h"
