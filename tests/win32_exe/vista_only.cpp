// A program that imports GetTickCount64, which Windows XP lacks: the check
// of the program's imports must refuse it.
#include <windows.h>

int main() { return static_cast<int>(GetTickCount64() % 2); }
