#include "storage/transfer.h"

namespace telvar {

int target = RAM;

}  // namespace telvar
