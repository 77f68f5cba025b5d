#include "stickum/images.h"
