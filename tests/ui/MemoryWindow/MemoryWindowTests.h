#pragma once
// The memory window's test classes, each run by the one test program.

int RunMemoryDecodingTest(int argc, char** argv);
int RunBitEntryTest(int argc, char** argv);
int RunMemoryLayoutTest(int argc, char** argv);
int RunMemoryInputTest(int argc, char** argv);
int RunMemoryMenuTest(int argc, char** argv);
int RunMemoryRunTest(int argc, char** argv);
