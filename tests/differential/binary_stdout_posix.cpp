#include "binary_stdout.h"

// POSIX streams make no difference between text and binary.
void UseBinaryStdout() {}
