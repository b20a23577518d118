#include "model/table.h"
