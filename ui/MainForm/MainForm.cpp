#include "MainForm.h"
