#include "Infowin.h"
