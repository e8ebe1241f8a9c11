#include "ProgramState.h"
