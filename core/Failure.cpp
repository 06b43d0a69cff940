#include "Failure.h"

namespace hexconv {

TypeMismatch::TypeMismatch() : Failure("Type mismatch") {}

} // namespace hexconv
