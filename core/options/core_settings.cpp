#include "core/options/core_settings.h"

namespace corvane {

TCoreState CoreState;

}  // namespace corvane
