#include "Ram.h"
