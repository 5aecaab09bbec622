#include "Displey.h"
