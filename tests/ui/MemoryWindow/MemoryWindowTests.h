#pragma once
// The memory window's test classes, each run by the one test program.

int RunMemoryDecodingTest(int argc, char** argv);
int RunBitEntryTest(int argc, char** argv);
int RunRamLayoutTest(int argc, char** argv);
int RunRamInputTest(int argc, char** argv);
int RunRamMenuTest(int argc, char** argv);
int RunRamRunTest(int argc, char** argv);
