#pragma once
// The command-system summary of the help menu, as one text whose lines end in carriage returns.

#include <string>

std::string commandSystemText();
