#include "solids/calcul.h"
