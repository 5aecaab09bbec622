#include "Thank.h"
