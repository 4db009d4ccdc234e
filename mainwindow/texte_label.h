#pragma once
#include "widgets/labelcliquable.h"

#include <string>

namespace trelmo {

// A caption holding a carriage return is drawn on two lines.
QString texte_label(const std::string& caption);

} // namespace trelmo
