#include "stickum/gradfrm.h"
