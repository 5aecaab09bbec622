#include "Factor.h"
