#include "tessaline.h"
