#include "Avtor.h"
