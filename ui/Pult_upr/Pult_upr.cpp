#include "Pult_upr.h"
