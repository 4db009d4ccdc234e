#pragma once
// The one exception type of the program: it carries the text the error box shows.
#include <stdexcept>
#include <string>

namespace trelmo {

class Erreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the program-wide error box: a "." is appended when the last
// character sorts after "." (any non-ASCII character does).
inline std::string texte_erreur(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}

} // namespace trelmo
