#include "Arifustr.h"
