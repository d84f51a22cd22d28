#include "binary_stdout.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void UseBinaryStdout()
{
    static_cast<void>(_setmode(_fileno(stdout), _O_BINARY));
}
