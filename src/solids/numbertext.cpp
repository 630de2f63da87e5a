#include "solids/numbertext.h"
