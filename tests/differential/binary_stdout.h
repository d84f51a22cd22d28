#pragma once

// Puts standard output in binary mode where the platform distinguishes it, so
// that the driver's bytes are the same everywhere ("\n", never "\r\n").
void UseBinaryStdout();
