#include "solids/catalogue.h"
