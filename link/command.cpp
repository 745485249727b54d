#include "link/command.h"

namespace telvar {

int stop_flag = 1;

}  // namespace telvar
