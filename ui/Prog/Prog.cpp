#include "Prog.h"
