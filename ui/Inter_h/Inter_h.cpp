#include "Inter_h.h"
