// The libFuzzer program over the line parser and checker (built with Clang only).
#include "importfuzztarget.h"
