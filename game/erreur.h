#pragma once
// The one exception type of the program: it carries the text the error box shows.
#include <stdexcept>
#include <string>

namespace trelmo {

class Erreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace trelmo
